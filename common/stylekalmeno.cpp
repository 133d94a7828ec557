#include "common/stylekalmeno.h"
#include "common/forme.h"
#include "common/imagerapport.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

int StyleKalmeno::pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const
{
    if (m == PM_ScrollBarSliderMin) return 12;
    return QProxyStyle::pixelMetric(m, o, w);
}

namespace {

// In a report picture nothing shows where the keyboard is: no focus frame,
// no highlighted current item. The option is the caller's own, made for
// this drawing.
const QStyleOption *pour_rapport(const QStyleOption *o)
{
    if (o && dessin_pour_rapport())
        const_cast<QStyleOption *>(o)->state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
    return o;
}

} // namespace

void StyleKalmeno::drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const
{
    QProxyStyle::drawControl(e, pour_rapport(o), p, w);
}

void StyleKalmeno::drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const
{
    if (e == PE_FrameFocusRect && dessin_pour_rapport()) return;
    pour_rapport(o);
    if (e != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(e, o, p, w);
        return;
    }
    // A dark line with a light one just inside and below it.
    const QRect r = o->rect.adjusted(0, 0, -1, -1);
    p->save();
    p->setBrush(Qt::NoBrush);
    p->setPen(o->palette.color(QPalette::Light));
    p->drawRect(r.translated(1, 1));
    p->setPen(o->palette.color(QPalette::Mid));
    p->drawRect(r);
    p->restore();
}

void StyleKalmeno::drawComplexControl(ComplexControl c, const QStyleOptionComplex *o, QPainter *p,
                                      const QWidget *w) const
{
    pour_rapport(o);
    QProxyStyle::drawComplexControl(c, o, p, w);
    if (c == CC_ScrollBar && (o->state & State_HasFocus))
        dessiner_marque_focus(*p, o->rect, o->palette.color(QPalette::Button));
}

QIcon StyleKalmeno::standardIcon(StandardPixmap icone, const QStyleOption *o, const QWidget *w) const
{
    if (icone != SP_ToolBarHorizontalExtensionButton && icone != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icone, o, w);
    // Two chevrons, pointing right (horizontal bar) or down (vertical bar).
    QPixmap p(8, 8);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setPen(Qt::black);
    for (int d : {0, 4})
        for (int i = 0; i < 3; ++i) {
            if (icone == SP_ToolBarHorizontalExtensionButton) {
                g.drawPoint(d + i, 1 + i);
                g.drawPoint(d + i, 5 - i);
            } else {
                g.drawPoint(1 + i, d + i);
                g.drawPoint(5 - i, d + i);
            }
        }
    g.end();
    return QIcon(p);
}
