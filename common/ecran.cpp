#include "common/ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint place_dans(QRect disponible, QSize taille, QPoint voulu)
{
    if (!disponible.isValid()) return voulu;
    // Right and bottom edges first, then left and top, which win.
    const int x = std::max(disponible.left(), std::min(voulu.x(), disponible.right() + 1 - taille.width()));
    const int y = std::max(disponible.top(), std::min(voulu.y(), disponible.bottom() + 1 - taille.height()));
    return {x, y};
}

void garder_dans_ecran(QWidget *fenetre)
{
    const QScreen *ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect cadre = fenetre->frameGeometry();
    const QPoint place = place_dans(ecran->availableGeometry(), cadre.size(), cadre.topLeft());
    if (place != cadre.topLeft()) fenetre->move(place);
}
