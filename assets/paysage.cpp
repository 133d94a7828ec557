#include "assets/paysage.h"

#include <QPainter>
#include <QPolygon>

namespace {

// One shape of the drawing: a rectangle, an ellipse or a polygon, filled
// with its colour and outlined in 1 pixel.
struct Forme {
    enum Type { Rect, Ellipse, Polygone } type;
    QColor remplissage;
    QPolygon points; // two corners for a rectangle or an ellipse
};

const QColor rouge(255, 0, 0), jaune(255, 255, 0), bleu(0, 0, 255), fuchsia(255, 0, 255), lime(0, 255, 0),
    orange(240, 191, 125), blanc(255, 255, 255);

// The drawing, back to front: each shape hides what lies under it.
const QList<Forme> &formes()
{
    static const QList<Forme> liste = {
        // Sun in the yellow sky.
        {Forme::Ellipse, blanc, QPolygon({QPoint(12, 8), QPoint(36, 31)})},
        // Two blue hills, their feet under the ground.
        {Forme::Ellipse, bleu, QPolygon({QPoint(-40, 48), QPoint(110, 130)})},
        {Forme::Ellipse, bleu, QPolygon({QPoint(80, 56), QPoint(270, 140)})},
        // Red ground.
        {Forme::Rect, rouge, QPolygon({QPoint(-1, 92), QPoint(231, 124)})},
        // Tree: trunk, then the crown over its top.
        {Forme::Rect, orange, QPolygon({QPoint(45, 66), QPoint(54, 103)})},
        {Forme::Ellipse, lime, QPolygon({QPoint(28, 38), QPoint(70, 76)})},
        // House: the chimney first, its foot hidden by the roof.
        {Forme::Rect, orange, QPolygon({QPoint(168, 24), QPoint(178, 52)})},
        {Forme::Rect, fuchsia, QPolygon({QPoint(118, 62), QPoint(190, 108)})},
        {Forme::Polygone, lime, QPolygon({QPoint(110, 62), QPoint(154, 30), QPoint(198, 62)})},
        {Forme::Rect, orange, QPolygon({QPoint(147, 80), QPoint(162, 108)})},
        {Forme::Rect, blanc, QPolygon({QPoint(125, 70), QPoint(140, 82)})},
        {Forme::Rect, blanc, QPolygon({QPoint(170, 70), QPoint(185, 82)})},
    };
    return liste;
}

QImage dessiner(bool contours)
{
    QImage im(LARGEUR_PAYSAGE, HAUTEUR_PAYSAGE, QImage::Format_RGB32);
    im.fill(contours ? blanc : jaune);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(contours ? gris_contours() : QColor(Qt::black), 1));
    for (const Forme &f : formes()) {
        p.setBrush(contours ? blanc : f.remplissage);
        // The box covers its first corner up to, not including, the second;
        // QPainter's 1-pixel outline covers one more pixel than the size.
        const QPoint a = f.points.value(0), b = f.points.value(1);
        const QRect boite(a.x(), a.y(), b.x() - a.x() - 1, b.y() - a.y() - 1);
        switch (f.type) {
        case Forme::Rect: p.drawRect(boite); break;
        case Forme::Ellipse: p.drawEllipse(boite); break;
        case Forme::Polygone: p.drawPolygon(f.points); break;
        }
    }
    return im;
}

} // namespace

QColor gris_contours() { return QColor(192, 192, 192); }

QPoint point_fixation() { return {173, 24}; }

QImage image_paysage() { return dessiner(false); }
QImage image_paysage_contours() { return dessiner(true); }
