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

QSize taille_du_cadre(const QWidget *fenetre, const QWidget *reference)
{
    const QSize cadre = fenetre->frameGeometry().size() - fenetre->geometry().size();
    if (!cadre.isNull() || !reference) return cadre;
    return reference->window()->frameGeometry().size() - reference->window()->geometry().size();
}

void borner_a_l_ecran(QWidget *fenetre, const QWidget *reference)
{
    const QScreen *ecran = reference && reference->screen() ? reference->screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QSize dispo = ecran->availableGeometry().size() - taille_du_cadre(fenetre, reference);
    const QSize voulue = fenetre->isVisible() || fenetre->testAttribute(Qt::WA_Resized) ? fenetre->size() : fenetre->sizeHint();
    if (!dispo.isEmpty() && (voulue.width() > dispo.width() || voulue.height() > dispo.height()))
        fenetre->resize(voulue.boundedTo(dispo).expandedTo(fenetre->minimumSize()));
}
