#include "common/accessibilite.h"

#include "common/echelleaccessible.h"
#include "common/exportcsv.h"
#include "common/forme.h"
#include "common/imagewidget.h"

#include <QAccessibleWidget>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// The reading of a bar, kept on it as properties.
constexpr const char *ROLE = "kalmeno_role";
constexpr const char *ORIGINE = "kalmeno_origine", *PAS = "kalmeno_pas", *DECIMALES = "kalmeno_decimales",
                     *UNITE = "kalmeno_unite";

double lue(const QScrollBar *b, int position)
{
    return b->property(ORIGINE).toDouble() + b->property(PAS).toDouble() * position;
}

class BarreAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarreAccessible(QScrollBar *b) : QAccessibleWidget(b, QAccessible::ScrollBar) {}
    QScrollBar *barre() const { return static_cast<QScrollBar *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? valeur_lue(barre()) : QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return lue(barre(), barre()->value()); }
    void setCurrentValue(const QVariant &v) override
    {
        const double pas = barre()->property(PAS).toDouble();
        if (pas != 0.0) barre()->setValue(int(std::lround((v.toDouble() - barre()->property(ORIGINE).toDouble()) / pas)));
    }
    QVariant minimumValue() const override
    {
        return std::min(lue(barre(), barre()->minimum()), lue(barre(), barre()->maximum()));
    }
    QVariant maximumValue() const override
    {
        return std::max(lue(barre(), barre()->minimum()), lue(barre(), barre()->maximum()));
    }
    QVariant minimumStepSize() const override { return std::fabs(barre()->property(PAS).toDouble()) * barre()->singleStep(); }
};

// A picture or a square: its role follows what it is now (a square may
// become choosable).
class ControleAccessible : public QAccessibleWidget {
public:
    explicit ControleAccessible(QWidget *w) : QAccessibleWidget(w) {}
    QAccessible::Role role() const override
    {
        const QVariant r = widget()->property(ROLE);
        if (r.isValid()) return QAccessible::Role(r.toInt());
        const auto *f = qobject_cast<const Forme *>(widget());
        return f && f->activable() ? QAccessible::Button : QAccessible::Graphic;
    }
};

QAccessibleInterface *fabrique(const QString &, QObject *objet)
{
    // On a scaled display every control's interface, ours or the toolkit's,
    // is made once more from here and wrapped to give screen positions.
    static bool dedans = false;
    if (!dedans && EchelleAccessible::utile(objet)) {
        dedans = true;
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(objet);
        dedans = false;
        return i ? new EchelleAccessible(i) : nullptr;
    }
    if (auto *b = qobject_cast<QScrollBar *>(objet); b && b->property(PAS).isValid()) return new BarreAccessible(b);
    auto *w = qobject_cast<QWidget *>(objet);
    if (qobject_cast<Forme *>(objet) || qobject_cast<ImageWidget *>(objet) || (w && w->property(ROLE).isValid()))
        return new ControleAccessible(w);
    return nullptr;
}

// An interface made before ours applied (the toolkit's, cached when the
// control first announced something) is dropped, so the next query makes ours.
template <class Notre> void oublier_interface(QWidget *w)
{
    QAccessibleInterface *ancienne = QAccessible::queryAccessibleInterface(w);
    auto *echelle = dynamic_cast<EchelleAccessible *>(ancienne);
    if (ancienne && !dynamic_cast<Notre *>(echelle ? echelle->dedans() : ancienne))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(ancienne));
}

} // namespace

QString valeur_lue(const QScrollBar *b)
{
    const QString t = csv::nombre(lue(b, b->value()), b->property(DECIMALES).toInt());
    const QString unite = b->property(UNITE).toString();
    return unite.isEmpty() ? t : t + QLatin1Char(' ') + unite;
}

void installer_roles()
{
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
}

void donner_role(QWidget *w, QAccessible::Role role)
{
    installer_roles();
    oublier_interface<ControleAccessible>(w);
    w->setProperty(ROLE, int(role));
}

void nommer_barre(QScrollBar *b, const QString &nom, double origine, double pas, int decimales, const QString &unite)
{
    installer_roles();
    b->setProperty(ORIGINE, origine);
    b->setProperty(PAS, pas);
    b->setProperty(DECIMALES, decimales);
    b->setProperty(UNITE, unite);
    oublier_interface<BarreAccessible>(b);
    b->setAccessibleName(nom);
    // The toolkit announces the position; this announces the value as read.
    QObject::connect(b, &QScrollBar::valueChanged, b, [b] {
        if (!QAccessible::isActive()) return;
        QAccessibleValueChangeEvent e(b, lue(b, b->value()));
        QAccessible::updateAccessibility(&e);
    });
}
