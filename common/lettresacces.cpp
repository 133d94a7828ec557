#include "common/lettresacces.h"

#include <QAction>
#include <QMenu>
#include <QSet>

// Access letters: in each menu, an item gets the first letter of one of its
// words not yet taken there, else its first free letter; submenus likewise.
void lettres_d_acces(const QList<QAction *> &actions)
{
    QSet<QChar> prises;
    for (QAction *a : actions) {
        const QString t = a->text();
        const qsizetype deja = t.indexOf(QLatin1Char('&'));
        if (deja >= 0 && deja + 1 < t.size()) prises.insert(t[deja + 1].toLower());
    }
    for (QAction *a : actions) {
        if (a->menu()) lettres_d_acces(a->menu()->actions());
        QString t = a->text();
        if (a->isSeparator() || t.contains(QLatin1Char('&'))) continue;
        qsizetype choisie = -1;
        for (int passe = 0; passe < 2 && choisie < 0; ++passe)
            for (qsizetype i = 0; i < t.size() && choisie < 0; ++i) {
                const bool debut_de_mot = i == 0 || !t[i - 1].isLetter();
                if (t[i].isLetter() && (passe == 1 || debut_de_mot) && !prises.contains(t[i].toLower())) choisie = i;
            }
        if (choisie < 0) continue;
        prises.insert(t[choisie].toLower());
        a->setText(t.insert(choisie, QLatin1Char('&')));
    }
}
