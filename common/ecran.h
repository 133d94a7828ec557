#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of outer size `taille` wanted at `voulu` goes so that it lies
// within `disponible` (a screen's area without its panels): moved in as little
// as it takes, its top-left corner (title bar, menus) kept inside first when
// it is larger than the area.
QPoint place_dans(QRect disponible, QSize taille, QPoint voulu);

// Moves a window (its frame, once shown) inside the available area of its screen.
void garder_dans_ecran(QWidget *fenetre);

// The size a window's frame adds to it: its own once the window manager has
// framed it, before that the frame of `reference`'s window.
QSize taille_du_cadre(const QWidget *fenetre, const QWidget *reference);

// Shrinks a window not yet shown (a dialog at a large display size on a small
// screen) to the available area of `reference`'s screen, less a frame like
// `reference`'s window's; the dialog then places itself inside.
void borner_a_l_ecran(QWidget *fenetre, const QWidget *reference);
