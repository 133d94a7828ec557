#include "common/tabulation.h"

#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace {

// Tops closer than this are one row.
constexpr int TOLERANCE_LIGNE = 10;

bool prend_tab(const QWidget *w) { return (w->focusPolicy() & Qt::TabFocus) != 0; }

bool contient_controle(const QWidget *w)
{
    for (QWidget *e : w->findChildren<QWidget *>())
        if (prend_tab(e) && !e->isWindow()) return true;
    return false;
}

void collecter(QWidget *parent, QList<QWidget *> &ordre)
{
    QList<QWidget *> enfants;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow()) continue;
        if (prend_tab(w) || contient_controle(w)) enfants << w;
    }
    std::stable_sort(enfants.begin(), enfants.end(), [](QWidget *a, QWidget *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    // Rows: from the top of the first control of the row, then left to right.
    for (qsizetype debut = 0; debut < enfants.size();) {
        qsizetype fin = debut + 1;
        while (fin < enfants.size() && enfants[fin]->y() - enfants[debut]->y() < TOLERANCE_LIGNE) ++fin;
        std::stable_sort(enfants.begin() + debut, enfants.begin() + fin,
                         [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        debut = fin;
    }
    for (QWidget *w : enfants) {
        // A control is one stop (its inner parts are its own); a frame is visited inside.
        if (prend_tab(w))
            ordre << w;
        else
            collecter(w, ordre);
    }
}

} // namespace

QList<QWidget *> ordre_de_lecture(QWidget *racine)
{
    QList<QWidget *> ordre;
    collecter(racine, ordre);
    return ordre;
}

void ordonner_tabulation(QWidget *racine)
{
    for (QScrollBar *b : racine->findChildren<QScrollBar *>()) {
        // Only the page's own bars, not those inside a list or a text box.
        bool interne = false;
        for (QWidget *p = b->parentWidget(); p && p != racine; p = p->parentWidget())
            if (prend_tab(p)) interne = true;
        if (!interne && b->focusPolicy() == Qt::NoFocus) b->setFocusPolicy(Qt::TabFocus);
    }
    const QList<QWidget *> ordre = ordre_de_lecture(racine);
    for (qsizetype i = 1; i < ordre.size(); ++i) QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}
