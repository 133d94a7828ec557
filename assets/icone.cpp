#include "assets/icone.h"

#include <QPainter>
#include <QPainterPath>

QImage image_icone(int taille)
{
    QImage im(taille, taille, QImage::Format_ARGB32);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(taille / 32.0, taille / 32.0);
    p.setPen(QPen(QColor(0, 80, 80), 1));
    p.setBrush(QColor(0, 128, 128));
    p.drawEllipse(QRectF(1, 1, 30, 30));

    // Dendrites, soma, and an axon running to the bottom right with its endings.
    QPen trait(QColor(255, 230, 120), 1.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(trait);
    p.drawLine(QPointF(12, 12), QPointF(6, 7));
    p.drawLine(QPointF(12, 12), QPointF(12, 4));
    p.drawLine(QPointF(12, 12), QPointF(5, 14));
    p.drawLine(QPointF(6, 7), QPointF(4, 9));
    p.drawLine(QPointF(12, 4), QPointF(15, 5));
    QPainterPath axone(QPointF(13, 13));
    axone.cubicTo(QPointF(18, 17), QPointF(17, 22), QPointF(24, 24));
    p.setBrush(Qt::NoBrush);
    p.drawPath(axone);
    p.drawLine(QPointF(24, 24), QPointF(27, 22));
    p.drawLine(QPointF(24, 24), QPointF(26, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 60));
    p.drawEllipse(QPointF(12, 12), 3.6, 3.6);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(12, 12), 1.4, 1.4);
    return im;
}
