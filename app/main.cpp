// Kalmeno: sensory and nerve physiology laboratory for pupils.
#include "app/application.h"
#include "app/tform1.h"
#include "app/zoom.h"
#include "common/rapportboite.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The display size is read before the application object, which takes its scale then.
    if (!Zoom::preparer(argc, argv)) return 2;
    QApplication app(argc, argv);
    preparer_application();
    // The main window is the application's main window; it builds the first
    // page now, the others and its dialogs when they are first needed.
    TForm1 Form1;
    installer_rapport_boite(&Form1);
    Form1.show();
    return app.exec();
}
