// Kalmeno: sensory and nerve physiology laboratory for pupils.
#include "app/application.h"
#include "app/lignecommande.h"
#include "app/tform1.h"
#include "app/zoom.h"
#include "common/plateforme.h"
#include "common/rapportboite.h"
#include "fechner/analysefechnercli.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The display size is read before the application object, which takes its scale then.
    if (!Zoom::preparer(argc, argv)) return 2;

    // "--analyse-fechner A.fch …" prints the analysis and ends, without a window.
    if (const int statut = analyse_fechner_ligne_de_commande(argc, argv); statut >= 0) return statut;

    // --help, --csv and a wrong option need no window.
    const OptionsLigne options = lire_options(argc, argv);
    if (const auto code = sans_fenetre(options)) return *code;
    preparer_affichage();
    QApplication app(argc, argv);
    preparer_application();
    // The main window is the application's main window; it builds the first
    // page now, the others and its dialogs when they are first needed.
    TForm1 Form1;
    installer_rapport_boite(&Form1);
    if (options.mode == OptionsLigne::Mode::Capture) return capturer(Form1, options);
    Form1.show();
    return app.exec();
}
