#include "assets/glyphe_melange.h"

#include <QPainter>

QImage image_glyphe_melange()
{
    QImage im(15, 13, QImage::Format_ARGB32);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    // Top disc blue, then the lower left red and the lower right lime.
    const struct {
        QRect boite;
        QColor couleur;
    } disques[] = {
        {{4, 0, 6, 6}, QColor(0, 0, 255)},
        {{0, 5, 7, 7}, QColor(255, 0, 0)},
        {{7, 5, 7, 7}, QColor(0, 255, 0)},
    };
    for (const auto &d : disques) {
        p.setBrush(d.couleur);
        p.drawEllipse(d.boite);
    }
    return im;
}
