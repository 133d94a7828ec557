#include "common/controlesouris.h"

#include <QMouseEvent>

void ControleSouris::mousePressEvent(QMouseEvent *e) { Q_EMIT mouseDown(e->button(), e->position().toPoint()); }
void ControleSouris::mouseMoveEvent(QMouseEvent *e) { Q_EMIT mouseMove(e->buttons(), e->position().toPoint()); }
void ControleSouris::mouseReleaseEvent(QMouseEvent *e) { Q_EMIT mouseUp(e->button(), e->position().toPoint()); }
