// terplux: lateral inhibition in the retina, a companion program of Kalmeno.
#include "compagnons/terplux/fenetreterplux.h"
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
    QApplication::setApplicationName(QStringLiteral("Terplux — champs récepteurs"));
    preparer_police_systeme();
    installer_francais();
    installer_roles(); // screen readers get our roles and, on a scaled display, screen positions
    QApplication::setStyle(new StyleKalmeno); // Kalmeno's look; no focus marks in report pictures
    FenetreTerplux f;
    installer_rapport_boite(&f); // a failed export is reported in a message box
    // The design size, no larger than the screen's available area (a large
    // display size on a small screen).
    f.resize(QSize(1010, 700).boundedTo(f.screen()->availableGeometry().size()));
    f.showMaximized();
    return app.exec();
}
