#include "compagnons/terplux/vueimage.h"

#include "common/accessibilite.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

VueImage::VueImage(const QString &legende, QWidget *parent) : QWidget(parent), legende_(legende)
{
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(legende);
    donner_role(this, QAccessible::Graphic); // a picture, not a blank panel
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
    setAccessibleDescription(QStringLiteral("Ligne du profil : %1 sur %2. Flèches haut et bas : la déplacer "
                                            "(avec Maj, de dix lignes).")
                                 .arg(ligne_ + 1)
                                 .arg(image_.height()));
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
    if (hasFocus()) { // the keyboard is here: a dotted frame around the picture
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(x0 - 3, HAUT_IMAGE - 3, image_.width() + 5, image_.height() + 5);
    }
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

void VueImage::keyPressEvent(QKeyEvent *ev)
{
    // Up and Down move the profile row, with Shift ten rows at a time.
    const int k = ev->key();
    if ((k != Qt::Key_Up && k != Qt::Key_Down) || image_.isNull()) {
        QWidget::keyPressEvent(ev);
        return;
    }
    const int pas = (ev->modifiers() & Qt::ShiftModifier ? 10 : 1) * (k == Qt::Key_Up ? -1 : 1);
    choisir(HAUT_IMAGE + std::clamp(ligne_ + pas, 0, image_.height() - 1));
}

void VueImage::mouseMoveEvent(QMouseEvent *ev)
{
    if (ev->buttons() & Qt::LeftButton) choisir(int(ev->position().y()));
}
