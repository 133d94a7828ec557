#include "membrane/tracecourbe.h"
#include "common/canevas.h"
#include "common/nombres.h"
#include "common/polices.h"

void TraceCourbe::trace_point(QImage &plot, int n, int gk, int gna, std::optional<double> em)
{
    Canevas c(plot);
    x_point = 5 * n;
    if (em) {
        const int y = arrondi(100.0 - *em);
        c.couleur_pinceau = MARINE;
        c.Ellipse(x_point, y, x_point + 6, y + 6);
        if (x_point != 5) {
            c.couleur_plume = MARINE;
            c.largeur_plume = 2;
            c.MoveTo(x_point_prec + 2, y_prec_em + 2);
            c.LineTo(x_point + 2, y);
            c.largeur_plume = 1;
            c.couleur_plume = NOIR;
        }
        y_prec_em = y;
    }
    // The two conductances, each a small dot and a thin line in its colour.
    auto conductance = [&](int g, Couleur couleur, int &y_prec) {
        const int y = 200 - g;
        c.couleur_pinceau = couleur;
        c.Ellipse(x_point, y, x_point + 3, y + 3);
        if (x_point != 5) {
            c.couleur_plume = couleur;
            c.MoveTo(x_point_prec, y_prec);
            c.LineTo(x_point, y);
            c.couleur_plume = NOIR;
        }
        y_prec = y;
    };
    conductance(gk, ROUGE, y_prec_gk);
    conductance(gna, BLEU, y_prec_gna);
    x_point_prec = x_point;
}

void TraceCourbe::curseur(QImage &plot, int etape)
{
    Canevas c(plot);
    c.MoveTo(5 * etape, 0);
    c.LineTo(5 * etape, 220);
}

void TraceCourbe::dessiner_echelle(QImage &legende)
{
    Canevas c(legende);
    c.police = police(QStringLiteral("Times New Roman"), pixels_de_points(8));
    c.couleur_police = BLANC;
    for (int i = 1; i <= 219; ++i) {
        if (i % 10 != 0) continue;
        c.couleur_plume = NOIR;
        c.couleur_pinceau = NOIR;
        c.Rectangle(28, 220 - i, 30, 221 - i);
        if (i % 20 == 0) {
            c.Rectangle(23, 220 - i, 30, 222 - i);
            c.couleur_pinceau = MARINE;
            c.TextOut(2, 215 - i, QString::number(i - 120));
        }
    }
}
