#pragma once
// The controls of a window that Tab reaches but a screen reader could not
// name (a view's own scroll bars aside): their object names. `montres`: only
// those showing (a page among others).
#include <QAccessible>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

inline QStringList controles_sans_nom(QWidget *fenetre, bool montres = false)
{
    QStringList sans_nom;
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->isWindow() || w->focusProxy() || !w->isEnabled()) continue;
        if (montres && !w->isVisible()) continue;
        if (qobject_cast<QScrollBar *>(w) && !w->property("kalmeno_pas").isValid()) continue;
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        if (i && i->text(QAccessible::Name).trimmed().isEmpty()) sans_nom << w->objectName();
    }
    return sans_nom;
}
