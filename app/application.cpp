#include "app/application.h"
#include "common/accessibilite.h"
#include "common/polices.h"
#include "common/stylekalmeno.h"
#include "common/traduction.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

QImage image_icone_compilee(int taille)
{
    // Drawn at build time by the same drawing; stored uncompressed, so the
    // picture is the compiled-in bytes themselves.
    const QResource r(QStringLiteral(":/icone/%1.rgba").arg(taille));
    if (r.compressionAlgorithm() != QResource::NoCompression || r.size() != qint64(taille) * taille * 4) return {};
    return QImage(r.data(), taille, taille, taille * 4, QImage::Format_RGBA8888_Premultiplied);
}

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
    for (int taille : TAILLES_ICONE_FENETRE) icone.addPixmap(QPixmap::fromImage(image_icone_compilee(taille)));
    QApplication::setWindowIcon(icone);
}
