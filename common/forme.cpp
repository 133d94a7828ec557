#include "common/forme.h"

#include <QPainter>

Forme::Forme(QWidget *parent, Type type) : ControleSouris(parent), type_(type) {}

void Forme::setBrushColor(const QColor &c)
{
    if (brush_ == c) return;
    brush_ = c;
    update();
}

void Forme::setPenColor(const QColor &c)
{
    if (pen_ == c) return;
    pen_ = c;
    update();
}

void Forme::setType(Type t)
{
    type_ = t;
    update();
}

void Forme::setPenVisible(bool v)
{
    avec_plume_ = v;
    update();
}

void Forme::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    int w = width(), h = height(), x = 0, y = 0;
    if (type_ == Type::Carre || type_ == Type::Cercle) {
        const int c = std::min(w, h);
        x = (w - c) / 2;
        y = (h - c) / 2;
        w = h = c;
    }
    const QTransform d = p.deviceTransform();
    if (d.m11() != 1.0 && (type_ == Type::Rectangle || type_ == Type::Carre)) {
        // Scaled (a zoomed display): the outline as the one-pixel frame of the
        // box and the fill inside it, so that at 200 % each pixel is a 2 × 2
        // block and at 1.5 the edges stay sharp.
        p.fillRect(x, y, w, h, avec_plume_ ? pen_ : brush_);
        if (w > 2 && h > 2) p.fillRect(x + 1, y + 1, w - 2, h - 2, brush_);
        return;
    }
    // QPainter's 1-pixel outline covers one more pixel than the box, so draw one smaller.
    p.setPen(avec_plume_ ? QPen(pen_, 1) : QPen(brush_, 1));
    p.setBrush(brush_);
    if (type_ == Type::Rectangle || type_ == Type::Carre)
        p.drawRect(x, y, w - 1, h - 1);
    else
        p.drawEllipse(x, y, w - 1, h - 1);
}

