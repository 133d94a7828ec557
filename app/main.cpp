// Kalmeno: sensory and nerve physiology laboratory for pupils.
#include "app/application.h"
#include "app/tform1.h"
#include "common/rapportboite.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    preparer_application();
    // The main window is created first and is the application's main window;
    // it creates the colour dialogs and the About box.
    TForm1 Form1;
    installer_rapport_boite(&Form1);
    Form1.show();
    return app.exec();
}
