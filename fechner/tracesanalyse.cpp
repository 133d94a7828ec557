#include "fechner/tracesanalyse.h"
#include "fechner/analysefechner.h"
#include "common/canevas.h"
#include "common/nombres.h"
#include "common/polices.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The plotting area inside the picture.
constexpr int GAUCHE = 46, DROITE = LARGEUR_TRACE - 12, HAUT = 24, BAS = HAUTEUR_TRACE - 36;
constexpr Couleur GRIS = couleur_rgb(160, 160, 160);

struct Plage {
    double min = 0.0, max = 1.0;
};

// A range widened to whole ticks.
Plage arrondir(Plage p, double pas)
{
    return {std::floor(p.min / pas) * pas, std::ceil(p.max / pas) * pas};
}

class Repere {
public:
    Repere(Canevas &c, Plage x, Plage y) : c_(c), x_(x), y_(y) {}
    int px(double x) const { return arrondi(GAUCHE + (x - x_.min) / (x_.max - x_.min) * (DROITE - GAUCHE)); }
    int py(double y) const { return arrondi(BAS - (y - y_.min) / (y_.max - y_.min) * (BAS - HAUT)); }

    void axes(double pas_x, double pas_y, int decimales_x, const QString &titre_x, const QString &titre_y)
    {
        c_.couleur_pinceau = BLANC;
        c_.couleur_police = NOIR;
        c_.couleur_plume = NOIR;
        c_.style_plume = Canevas::StylePlume::Plein;
        const int hauteur = c_.TextExtent(QStringLiteral("0")).height();
        for (double v = x_.min; v <= x_.max + pas_x / 2; v += pas_x) {
            const int x = px(v);
            c_.MoveTo(x, BAS);
            c_.LineTo(x, BAS + 4);
            const QString t = nombre_fr(v, decimales_x);
            c_.TextOut(x - c_.TextExtent(t).width() / 2, BAS + 5, t);
        }
        for (double v = y_.min; v <= y_.max + pas_y / 2; v += pas_y) {
            const int y = py(v);
            c_.MoveTo(GAUCHE - 4, y);
            c_.LineTo(GAUCHE, y);
            const QString t = nombre_fr(v, pas_y < 1 ? 1 : 0);
            c_.TextOut(GAUCHE - 6 - c_.TextExtent(t).width(), y - hauteur / 2, t);
        }
        c_.MoveTo(GAUCHE, HAUT - 6);
        c_.LineTo(GAUCHE, BAS);
        c_.LineTo(DROITE + 1, BAS);
        c_.TextOut(DROITE - c_.TextExtent(titre_x).width(), BAS + 5 + hauteur, titre_x);
        c_.TextOut(4, 4, titre_y);
    }

    // A segment clipped to the plotting area by sampling: lines here are straight
    // and short, so a few hundred points are plenty.
    void segment(double x1, double y1, double x2, double y2, Couleur couleur, bool pointille)
    {
        const int n = 400;
        for (int i = 0; i <= n; ++i) {
            if (pointille && (i / 6) % 2) continue;
            const double x = x1 + (x2 - x1) * i / n, y = y1 + (y2 - y1) * i / n;
            const int X = px(x), Y = py(y);
            if (X >= GAUCHE && X <= DROITE && Y >= HAUT && Y <= BAS) {
                c_.set_pixel(X, Y, couleur);
                c_.set_pixel(X, Y + 1, couleur);
            }
        }
    }

    void point(double x, double y, Couleur couleur, bool carre)
    {
        const int X = px(x), Y = py(y);
        c_.couleur_plume = couleur;
        c_.couleur_pinceau = couleur;
        if (carre)
            c_.Rectangle(X - 3, Y - 3, X + 4, Y + 4);
        else
            c_.Ellipse(X - 3, Y - 3, X + 4, Y + 4);
        c_.couleur_plume = NOIR;
    }

private:
    Canevas &c_;
    Plage x_, y_;
};

QImage blanc() { return image_unie(LARGEUR_TRACE, HAUTEUR_TRACE, BLANC); }

void texte(Canevas &c, int x, int y, const QString &t, Couleur couleur)
{
    c.couleur_pinceau = BLANC;
    c.couleur_police = couleur;
    c.TextOut(x, y, t);
}

void police_trace(Canevas &c) { c.police = police(QStringLiteral("Arial"), 12); }

void pas_assez(Canevas &c)
{
    const QString t = QStringLiteral("Pas assez d'essais");
    texte(c, (GAUCHE + DROITE - c.TextExtent(t).width()) / 2, (HAUT + BAS) / 2 - 6, t, NOIR);
}

} // namespace

double pas_graduation_analyse(double etendue, int traits)
{
    const double brut = etendue / traits;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * puissance >= brut * (1 - 1e-9)) return m * puissance;
    return 10.0 * puissance;
}

QImage tracer_weber(const AnalyseFechner &groupe, const AnalyseFechner *classe)
{
    QImage image = blanc();
    Canevas c(image);
    police_trace(c);
    const AnalyseFechner *analyses[2] = {&groupe, classe};
    Plage x{0, 0}, y{0, 0};
    for (const AnalyseFechner *a : analyses) {
        if (!a) continue;
        for (const LigneAnalyse &l : a->lignes) {
            if (!l.a_seuil()) continue;
            x.max = std::max(x.max, double(l.portee));
            y.max = std::max(y.max, l.seuil);
        }
    }
    if (!(x.max > 0)) x.max = 100;
    if (!(y.max > 0)) y.max = 10;
    for (const AnalyseFechner *a : analyses)
        if (a && a->a_weber) y.max = std::max(y.max, a->k * x.max);
    const double pas_x = pas_graduation_analyse(x.max, 5), pas_y = pas_graduation_analyse(y.max, 5);
    x = arrondir(x, pas_x);
    y = arrondir(y, pas_y);
    Repere r(c, x, y);
    r.axes(pas_x, pas_y, 0, QStringLiteral("masse portée I (g)"), QStringLiteral("seuil ΔI (g)"));

    int ligne_texte = HAUT;
    for (int i = 1; i >= 0; --i) {
        const AnalyseFechner *a = analyses[i];
        if (!a) continue;
        const Couleur couleur = i == 0 ? BLEU : NOIR;
        for (const LigneAnalyse &l : a->lignes)
            if (l.a_seuil()) r.point(l.portee, l.seuil, couleur, i == 0);
        if (a->a_weber) r.segment(0, 0, x.max, a->k * x.max, couleur, i == 1);
    }
    for (int i = 0; i < 2; ++i) {
        const AnalyseFechner *a = analyses[i];
        if (!a || !a->a_weber) continue;
        QString t = texte_k(*a);
        if (classe) t += i == 0 ? QStringLiteral(" (groupe)") : QStringLiteral(" (classe)");
        texte(c, GAUCHE + 8, ligne_texte, t, i == 0 ? BLEU : NOIR);
        ligne_texte += 16;
    }
    if (!groupe.a_weber && !(classe && classe->a_weber)) pas_assez(c);
    return image;
}

QImage tracer_fechner(const AnalyseFechner &groupe, const AnalyseFechner *classe)
{
    QImage image = blanc();
    Canevas c(image);
    police_trace(c);
    const AnalyseFechner *analyses[2] = {&groupe, classe};
    bool premier = true;
    Plage x{0, 1}, y{0, 1};
    for (const AnalyseFechner *a : analyses) {
        if (!a || !a->a_fechner) continue;
        for (const PointFechner &p : a->echelle) {
            if (premier) x = {p.ln_portee, p.ln_portee};
            premier = false;
            x.min = std::min(x.min, p.ln_portee);
            x.max = std::max(x.max, p.ln_portee);
            y.max = std::max(y.max, p.sensation);
        }
    }
    if (!(x.max > x.min)) x = {x.min, x.min + 1};
    for (const AnalyseFechner *a : analyses)
        if (a && a->a_fechner)
            for (double v : {x.min, x.max}) {
                y.min = std::min(y.min, a->a * v + a->b);
                y.max = std::max(y.max, a->a * v + a->b);
            }
    const double pas_x = pas_graduation_analyse(x.max - x.min, 5), pas_y = pas_graduation_analyse(y.max - y.min, 5);
    x = arrondir(x, pas_x);
    y = arrondir(y, pas_y);
    Repere r(c, x, y);
    r.axes(pas_x, pas_y, pas_x < 1 ? 1 : 0, QStringLiteral("ln I (I en g)"),
           QStringLiteral("sensation S (nombre de seuils)"));

    int ligne_texte = HAUT;
    for (int i = 1; i >= 0; --i) {
        const AnalyseFechner *a = analyses[i];
        if (!a || !a->a_fechner) continue;
        const Couleur couleur = i == 0 ? BLEU : NOIR;
        for (const PointFechner &p : a->echelle) r.point(p.ln_portee, p.sensation, couleur, i == 0);
        r.segment(x.min, a->a * x.min + a->b, x.max, a->a * x.max + a->b, couleur, i == 1);
    }
    for (int i = 0; i < 2; ++i) {
        const AnalyseFechner *a = analyses[i];
        if (!a || !a->a_fechner) continue;
        const QString signe = a->b < 0 && nombre_fr(-a->b, 1) != QLatin1String("0,0") ? QStringLiteral(" − ") : QStringLiteral(" + ");
        QString t = QStringLiteral("S = ") + nombre_fr(a->a, 1) + QStringLiteral(" ln I") + signe
                    + nombre_fr(std::fabs(a->b), 1);
        if (classe) t += i == 0 ? QStringLiteral(" (groupe)") : QStringLiteral(" (classe)");
        texte(c, GAUCHE + 8, ligne_texte, t, i == 0 ? BLEU : NOIR);
        ligne_texte += 16;
    }
    if (!groupe.a_fechner && !(classe && classe->a_fechner)) pas_assez(c);
    return image;
}

QImage image_analyse(const AnalyseFechner &groupe, const AnalyseFechner *classe)
{
    QImage image = image_unie(LARGEUR_TRACE, 2 * HAUTEUR_TRACE, BLANC);
    QPainter p(&image);
    p.drawImage(0, 0, tracer_weber(groupe, classe));
    p.drawImage(0, HAUTEUR_TRACE, tracer_fechner(groupe, classe));
    return image;
}
