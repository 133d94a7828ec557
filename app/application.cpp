#include "app/application.h"
#include "common/accessibilite.h"
#include "assets/icone.h"
#include "common/polices.h"
#include "common/stylekalmeno.h"
#include "common/traduction.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

void preparer_application()
{
    QApplication::setApplicationName(QStringLiteral("Kalmeno"));
    installer_francais();
    installer_roles(); // screen readers get our roles and, on a scaled display, screen positions
    installer_substitutions();
    QApplication::setStyle(new StyleKalmeno);
    // Dialogs, menus and message boxes in the pages' basic font (MS Sans Serif
    // 8 points), which the pages load anyway, rather than one more family.
    QApplication::setFont(police(QStringLiteral("MS Sans Serif"), pixels_de_points(8)));
    QIcon icone;
    for (int taille : {16, 32, 48, 64}) icone.addPixmap(QPixmap::fromImage(image_icone(taille)));
    QApplication::setWindowIcon(icone);
}
