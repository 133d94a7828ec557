#include "common/couleur.h"

QColor vers_qcolor(Couleur c, const QPalette &palette)
{
    if (c < 0) return palette.color(QPalette::Button);
    return QColor(rouge_de(c), vert_de(c), bleu_de(c));
}

Couleur depuis_qcolor(const QColor &q) { return couleur_rgb(q.red(), q.green(), q.blue()); }
