#include "assets/hermann.h"
#include "common/canevas.h"

namespace {

// One grid of `n` × `m` squares of side `cote` separated by streets of `rue`.
void grille(Canevas &c, int x0, int y0, int n, int m, int cote, int rue, Couleur carres, Couleur rues)
{
    c.couleur_pinceau = rues;
    c.FillRect(x0, y0, x0 + n * cote + (n + 1) * rue, y0 + m * cote + (m + 1) * rue);
    c.couleur_pinceau = carres;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            const int x = x0 + rue + i * (cote + rue), y = y0 + rue + j * (cote + rue);
            c.FillRect(x, y, x + cote, y + cote);
        }
}

} // namespace

QImage image_hermann()
{
    QImage im = image_unie(202, 105, BLANC);
    Canevas c(im);
    grille(c, 0, 3, 4, 6, 13, 3, NOIR, BLANC);    // 67 × 99
    grille(c, 68, 3, 4, 6, 13, 3, BLANC, NOIR);   // 67 × 99
    grille(c, 136, 5, 4, 6, 10, 5, NOIR, BLANC);  // 65 × 95
    return im;
}
