#include "compagnons/terplux/vueimage.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

VueImage::VueImage(const QString &legende, QWidget *parent) : QWidget(parent), legende_(legende)
{
    setCursor(Qt::CrossCursor);
}

void VueImage::setImage(const QImage &im)
{
    image_ = im;
    updateGeometry();
    update();
}

void VueImage::setLigne(int y)
{
    ligne_ = std::clamp(y, 0, std::max(0, image_.height() - 1));
    update();
}

QSize VueImage::sizeHint() const { return {image_.width() + 2, image_.height() + HAUT_IMAGE + 2}; }

void VueImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, width(), HAUT_IMAGE - 4), Qt::AlignCenter, legende_);
    const int x0 = (width() - image_.width()) / 2;
    p.drawImage(x0, HAUT_IMAGE, image_);
    p.setPen(Qt::black);
    p.drawRect(x0 - 1, HAUT_IMAGE - 1, image_.width() + 1, image_.height() + 1);
    // The profile row, in red, with a small mark at each end.
    p.setPen(QPen(QColor(230, 0, 0), 1, Qt::DashLine));
    const int y = HAUT_IMAGE + ligne_;
    p.drawLine(x0, y, x0 + image_.width() - 1, y);
    p.setPen(QColor(230, 0, 0));
    p.setBrush(QColor(230, 0, 0));
    p.drawPolygon(QPolygon({QPoint(x0 - 8, y - 4), QPoint(x0 - 2, y), QPoint(x0 - 8, y + 4)}));
}

void VueImage::choisir(int y_widget)
{
    setLigne(y_widget - HAUT_IMAGE);
    Q_EMIT ligneChoisie(ligne_);
}

void VueImage::mousePressEvent(QMouseEvent *ev) { choisir(int(ev->position().y())); }

void VueImage::mouseMoveEvent(QMouseEvent *ev)
{
    if (ev->buttons() & Qt::LeftButton) choisir(int(ev->position().y()));
}
