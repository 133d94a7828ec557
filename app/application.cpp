#include "app/application.h"
#include "common/accessibilite.h"
#include "common/polices.h"
#include "common/stylekalmeno.h"
#include "common/traduction.h"

#include <QApplication>
#include <QIcon>

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
    // Drawn at build time (the same drawing), read when the system asks for a size.
    QIcon icone;
    for (int taille : TAILLES_ICONE_FENETRE)
        icone.addFile(QStringLiteral(":/icone/%1x%1/apps/kalmeno.png").arg(taille), QSize(taille, taille));
    QApplication::setWindowIcon(icone);
}
