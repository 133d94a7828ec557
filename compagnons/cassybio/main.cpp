// cassybio: the recording viewer started through Kalmeno's acquisition
// launcher. Its one argument is the recording's path, taken as it is: blanks,
// "&" and quotes are part of the name.
#include "compagnons/cassybio/fenetrecassybio.h"
#include "common/accessibilite.h"
#include "common/plateforme.h"
#include "common/rapportboite.h"
#include "common/stylekalmeno.h"
#include "common/traduction.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    preparer_affichage();
    QApplication app(argc, argv);
    // The name a screen reader announces for the program.
    QApplication::setApplicationName(QStringLiteral("Cassybio — enregistrements de physiologie"));
    preparer_police_systeme();
    installer_francais();
    installer_roles(); // screen readers get our roles and, on a scaled display, screen positions
    QApplication::setStyle(new StyleKalmeno); // Kalmeno's look; no focus marks in report pictures
    FenetreCassybio f;
    installer_rapport_boite(&f); // a failed export is reported in a message box
    // The design size, no larger than the screen's available area (a large
    // display size on a small screen).
    f.resize(QSize(1010, 700).boundedTo(f.screen()->availableGeometry().size()));
    f.showMaximized();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) f.ouvrir_et_signaler(args.at(1));
    return app.exec();
}
