#pragma once
#include <QImage>

class QWidget;

// The picture of a window or page for a report (clipboard, picture file,
// printed sheet, PDF): drawn `echelle` times its size in pixels, the widgets'
// text and our drawings redrawn at that scale where they can be, without the
// marks that only show where the keyboard is (focus frames, the highlight of
// a table's current cell).
QImage image_rapport(QWidget *w, qreal echelle);

// True while such a picture is drawn: the style and our controls then leave
// those marks out.
bool dessin_pour_rapport();
