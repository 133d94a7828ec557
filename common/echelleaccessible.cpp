#include "common/echelleaccessible.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QScreen *ecran_de(const QWidget *w) { return w && w->screen() ? w->screen() : QGuiApplication::primaryScreen(); }

// A screen's origin stays where the system puts it; the display size
// stretches what lies right of and below it. `f`: the display size, or its
// inverse to go back.
QPointF etire(const QScreen *s, QPointF p, double f)
{
    const QPointF o = s->geometry().topLeft();
    return o + (p - o) * f;
}

} // namespace

bool EchelleAccessible::utile(const QObject *objet)
{
    // The Windows bridge scales positions itself.
    return objet && objet->isWidgetType() && QGuiApplication::platformName() != QLatin1String("windows") &&
           QGuiApplication::platformName() != QLatin1String("cocoa") && qApp->devicePixelRatio() != 1.0;
}

EchelleAccessible::EchelleAccessible(QAccessibleInterface *dedans, QWidget *repere)
    : dedans_(dedans), id_dedans_(QAccessible::uniqueId(dedans)), repere_(repere)
{
}

EchelleAccessible::~EchelleAccessible()
{
    for (QAccessible::Id id : std::as_const(onglets_)) QAccessible::deleteAccessibleInterface(id);
    // The wrapped interface sits in the toolkit's cache under its own number.
    if (QAccessible::accessibleInterface(id_dedans_) == dedans_) QAccessible::deleteAccessibleInterface(id_dedans_);
}

QWidget *EchelleAccessible::widget() const
{
    if (auto *w = qobject_cast<QWidget *>(dedans_->object())) return w;
    return repere_;
}

// A child that is no widget gets a wrapper too: a menu item (its action's
// interface, kept in the toolkit's cache as the widgets' are) or a tab. A
// table's cells stay as they are: the table drops them when its rows change.
QAccessibleInterface *EchelleAccessible::enfant(QAccessibleInterface *c) const
{
    if (!c || dynamic_cast<EchelleAccessible *>(c) || (c->object() && c->object()->isWidgetType())) return c;
    if (c->object() && c->role() == QAccessible::MenuItem) {
        auto *e = new EchelleAccessible(c, widget());
        QAccessible::registerAccessibleInterface(e); // the action's interface from now on
        return e;
    }
    if (c->object() || c->role() != QAccessible::PageTab) return c;
    if (const QAccessible::Id id = onglets_.value(c)) return QAccessible::accessibleInterface(id);
    auto *e = new EchelleAccessible(c, widget());
    onglets_.insert(c, QAccessible::registerAccessibleInterface(e));
    return e;
}

int EchelleAccessible::indexOfChild(const QAccessibleInterface *c) const
{
    const auto *e = dynamic_cast<const EchelleAccessible *>(c);
    const int i = dedans_->indexOfChild(e ? e->dedans_ : c);
    if (i >= 0) return i;
    // Some of the toolkit's interfaces know a child as theirs only when its
    // parent is themselves, not this wrapper (a tab bar's tabs).
    for (int k = 0; k < childCount(); ++k)
        if (child(k) == c) return k;
    return -1;
}

QRect EchelleAccessible::rect() const
{
    const QRect r = dedans_->rect();
    const QScreen *s = ecran_de(widget());
    if (!s || !r.isValid()) return r;
    const double f = s->devicePixelRatio();
    return QRectF(etire(s, r.topLeft(), f), etire(s, r.topLeft() + QPoint(r.width(), r.height()), f)).toAlignedRect();
}

QAccessibleInterface *EchelleAccessible::childAt(int x, int y) const
{
    // The topmost child under the point, as the mouse finds it. Wrapped
    // children give screen pixels; the others (a table's cells, a tab bar's
    // tabs) the toolkit's own.
    const QScreen *s = ecran_de(widget());
    const QPoint logique = s ? etire(s, QPointF(x, y), 1.0 / s->devicePixelRatio()).toPoint() : QPoint(x, y);
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface *c = child(i);
        if (!c || !c->isValid() || c->state().invisible) continue;
        if (c->rect().contains(dynamic_cast<EchelleAccessible *>(c) ? QPoint(x, y) : logique)) return c;
    }
    return nullptr;
}
