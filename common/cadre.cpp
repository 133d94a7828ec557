#include "common/cadre.h"

#include <QPainter>
#include <QStyleOptionFrame>

Cadre::Cadre(const QString &titre, QWidget *parent) : QGroupBox(titre, parent)
{
    setAutoFillBackground(true);
    set_couleur(COULEUR_FACE);
}

void Cadre::set_couleur(Couleur c)
{
    couleur_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, vers_qcolor(c, QPalette()));
    setPalette(p);
    update();
}

void Cadre::setPanneau(bool panneau)
{
    panneau_ = panneau;
    update();
}

void Cadre::paintEvent(QPaintEvent *e)
{
    if (!panneau_) {
        QGroupBox::paintEvent(e);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame o;
    o.initFrom(this);
    o.lineWidth = 1;
    o.frameShape = QFrame::Panel;
    o.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &o, &p, this);
    if (!title().isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignCenter, title());
    }
}
