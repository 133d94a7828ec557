// Kalmeno: sensory and nerve physiology laboratory for pupils.
#include "app/tform1.h"
#include "assets/icone.h"
#include "common/polices.h"
#include "common/rapportboite.h"
#include "common/stylekalmeno.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalmeno"));
    installer_substitutions();
    QApplication::setStyle(new StyleKalmeno);
    QIcon icone;
    for (int taille : {16, 32, 48, 64}) icone.addPixmap(QPixmap::fromImage(image_icone(taille)));
    QApplication::setWindowIcon(icone);

    // The main window is created first and is the application's main window;
    // it creates the colour dialogs and the About box.
    TForm1 Form1;
    installer_rapport_boite(&Form1);
    Form1.show();
    return app.exec();
}
