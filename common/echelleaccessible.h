#pragma once
#include <QAccessibleInterface>
#include <QHash>
#include <QPointer>

class QWidget;

// A control's accessible interface with its positions in the screen's
// pixels. The toolkit's bridge to Linux screen readers reports widget
// positions before the display size is applied (at 150 % the window was
// reported at 241,73 799×599 while it stood at 362,130 1199×899), so a
// magnifier or a mouse review pointed elsewhere. Everything but the positions
// is the wrapped interface's.
class EchelleAccessible : public QAccessibleInterface {
public:
    // Whether the interfaces of this control need wrapping: on a scaled
    // display, where the platform's bridge does not scale them itself.
    static bool utile(const QObject *objet);

    // `repere`: the widget whose screen counts, for an interface without one
    // (a tab of a tab bar, an item of a menu).
    explicit EchelleAccessible(QAccessibleInterface *dedans, QWidget *repere = nullptr);
    ~EchelleAccessible() override;

    bool isValid() const override { return dedans_->isValid(); }
    QObject *object() const override { return dedans_->object(); }
    QWindow *window() const override { return dedans_->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation m) const override
    {
        return dedans_->relations(m);
    }
    QAccessibleInterface *focusChild() const override { return enfant(dedans_->focusChild()); }
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override { return dedans_->parent(); }
    QAccessibleInterface *child(int i) const override { return enfant(dedans_->child(i)); }
    int childCount() const override { return dedans_->childCount(); }
    int indexOfChild(const QAccessibleInterface *c) const override;
    QString text(QAccessible::Text t) const override { return dedans_->text(t); }
    void setText(QAccessible::Text t, const QString &s) override { dedans_->setText(t, s); }
    QRect rect() const override;
    QAccessible::Role role() const override { return dedans_->role(); }
    QAccessible::State state() const override { return dedans_->state(); }
    QColor foregroundColor() const override { return dedans_->foregroundColor(); }
    QColor backgroundColor() const override { return dedans_->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType t) override { return dedans_->interface_cast(t); }
    void virtual_hook(int id, void *data) override { dedans_->virtual_hook(id, data); }

    QAccessibleInterface *dedans() const { return dedans_; }

private:
    QWidget *widget() const;
    QAccessibleInterface *enfant(QAccessibleInterface *c) const;
    QAccessibleInterface *dedans_;
    QAccessible::Id id_dedans_;
    QPointer<QWidget> repere_;
    // Tabs wrapped here: the tab bar's interface owns what they wrap.
    mutable QHash<QAccessibleInterface *, QAccessible::Id> onglets_;
};
