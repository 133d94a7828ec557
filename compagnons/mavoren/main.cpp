// mavoren: voluntary and reflex activity of a muscle, a companion program of Kalmeno.
#include "compagnons/mavoren/fenetremavoren.h"
#include "common/accessibilite.h"
#include "common/plateforme.h"
#include "common/rapportboite.h"
#include "common/stylekalmeno.h"
#include "common/traduction.h"

#include <QApplication>
#include <QScreen>

#include <chrono>

int main(int argc, char **argv)
{
    preparer_affichage();
    QApplication app(argc, argv);
    // The name a screen reader announces for the program.
    QApplication::setApplicationName(QStringLiteral("Mavoren — activité réflexe et activité volontaire"));
    preparer_police_systeme();
    installer_francais();
    installer_roles(); // screen readers get our roles and, on a scaled display, screen positions
    QApplication::setStyle(new StyleKalmeno); // Kalmeno's look; no focus marks in report pictures
    FenetreMavoren f(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    installer_rapport_boite(&f); // a failed export is reported in a message box
    // The design size, no larger than the screen's available area (a large
    // display size on a small screen).
    f.resize(QSize(1010, 720).boundedTo(f.screen()->availableGeometry().size()));
    f.showMaximized();
    return app.exec();
}
