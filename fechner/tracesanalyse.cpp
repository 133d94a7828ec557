#include "fechner/tracesanalyse.h"
#include "fechner/analysefechner.h"
#include "common/canevas.h"
#include "common/nombres.h"
#include "common/polices.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The plotting area inside a picture of the plots' width and `hauteur`.
constexpr int GAUCHE = 46, DROITE = LARGEUR_TRACE - 12, HAUT = 24;
constexpr int bas(int hauteur) { return hauteur - 36; }
constexpr int BAS = bas(HAUTEUR_TRACE);
constexpr Couleur GRIS = couleur_rgb(160, 160, 160);

// Decimals enough for a tick step.
int decimales_pas(double pas) { return std::max(0, -int(std::floor(std::log10(pas) + 1e-9))); }

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
    Repere(Canevas &c, Plage x, Plage y) : c_(c), x_(x), y_(y), BAS(bas(c.image().height())) {}
    int px(double x) const { return arrondi(GAUCHE + (x - x_.min) / (x_.max - x_.min) * (DROITE - GAUCHE)); }
    int py(double y) const { return arrondi(BAS - (y - y_.min) / (y_.max - y_.min) * (BAS - HAUT)); }
    const Plage &x() const { return x_; }
    const Plage &y() const { return y_; }

    void axes(double pas_x, double pas_y, const QString &titre_x, const QString &titre_y)
    {
        const int decimales_x = decimales_pas(pas_x), decimales_y = decimales_pas(pas_y);
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
            const QString t = nombre_fr(v, decimales_y);
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

    // A curve y = f(x) over the whole horizontal range, clipped like a segment.
    template <class F> void courbe(F f, Couleur couleur)
    {
        const int n = 200;
        for (int i = 0; i < n; ++i) {
            const double x1 = x_.min + (x_.max - x_.min) * i / n, x2 = x_.min + (x_.max - x_.min) * (i + 1) / n;
            segment(x1, f(x1), x2, f(x2), couleur, false);
        }
    }

    // A vertical bar from y1 to y2 at x, with short caps (an interval).
    void barre(double x, double y1, double y2, Couleur couleur)
    {
        segment(x, y1, x, y2, couleur, false);
        for (double y : {y1, y2})
            if (py(y) >= HAUT && py(y) <= BAS)
                for (int d = -3; d <= 3; ++d) c_.set_pixel(px(x) + d, py(y), couleur);
    }

private:
    Canevas &c_;
    Plage x_, y_;
    int BAS;
};

QImage blanc(int hauteur = HAUTEUR_TRACE) { return image_unie(LARGEUR_TRACE, hauteur, BLANC); }

void texte(Canevas &c, int x, int y, const QString &t, Couleur couleur)
{
    c.couleur_pinceau = BLANC;
    c.couleur_police = couleur;
    c.TextOut(x, y, t);
}

void police_trace(Canevas &c) { c.police = police(QStringLiteral("Arial"), 12); }

void pas_assez(Canevas &c, const QString &t = QStringLiteral("Pas assez d'essais"))
{
    texte(c, (GAUCHE + DROITE - c.TextExtent(t).width()) / 2, (HAUT + bas(c.image().height())) / 2 - 6, t, NOIR);
}

// The ranges of a plot from 0, rounded to whole ticks.
Repere repere(Canevas &c, double x_max, double y_max, const QString &titre_x, const QString &titre_y)
{
    const double pas_x = pas_graduation_analyse(x_max, 5), pas_y = pas_graduation_analyse(y_max, 5);
    Repere r(c, arrondir({0, x_max}, pas_x), arrondir({0, y_max}, pas_y));
    r.axes(pas_x, pas_y, titre_x, titre_y);
    return r;
}

// The largest carried mass with a threshold (100 g without any) and the
// largest value `y` of those rows, over the group and the class.
template <class Y> std::pair<double, double> etendue(const AnalyseFechner *const (&analyses)[2], Y y)
{
    double x_max = 0, y_max = 0;
    for (const AnalyseFechner *a : analyses) {
        if (!a) continue;
        for (const LigneAnalyse &l : a->lignes) {
            if (!l.a_seuil()) continue;
            x_max = std::max(x_max, double(l.portee));
            y_max = std::max(y_max, y(l));
        }
    }
    return {x_max > 0 ? x_max : 100.0, y_max};
}

// The legend lines of the group (blue) and the class (black).
void legende(Canevas &c, const QString (&textes)[2], bool classe)
{
    int y = HAUT;
    for (int i = 0; i < 2; ++i) {
        if (textes[i].isEmpty()) continue;
        QString t = textes[i];
        if (classe) t += i == 0 ? QStringLiteral(" (groupe)") : QStringLiteral(" (classe)");
        texte(c, GAUCHE + 8, y, t, i == 0 ? BLEU : NOIR);
        y += 16;
    }
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
    auto [x_max, y_max] = etendue(analyses, [](const LigneAnalyse &l) { return l.seuil; });
    if (!(y_max > 0)) y_max = 10;
    for (const AnalyseFechner *a : analyses)
        if (a && a->a_weber) y_max = std::max(y_max, a->k * x_max);
    Repere r = repere(c, x_max, y_max, QStringLiteral("masse portée I (g)"), QStringLiteral("seuil ΔI (g)"));

    QString textes[2];
    for (int i = 1; i >= 0; --i) {
        const AnalyseFechner *a = analyses[i];
        if (!a) continue;
        const Couleur couleur = i == 0 ? BLEU : NOIR;
        for (const LigneAnalyse &l : a->lignes)
            if (l.a_seuil()) r.point(l.portee, l.seuil, couleur, i == 0);
        if (!a->a_weber) continue;
        r.segment(0, 0, r.x().max, a->k * r.x().max, couleur, i == 1);
        textes[i] = QStringLiteral("k = ") + nombre_significatif(a->k, 2);
    }
    legende(c, textes, classe);
    if (!groupe.a_weber && !(classe && classe->a_weber)) pas_assez(c);
    return image;
}

QImage tracer_rapports(const AnalyseFechner &groupe, const AnalyseFechner *classe)
{
    QImage image = blanc();
    Canevas c(image);
    police_trace(c);
    const AnalyseFechner *analyses[2] = {&groupe, classe};
    auto [x_max, y_max] = etendue(analyses, [](const LigneAnalyse &l) { return l.rapport(); });
    for (const AnalyseFechner *a : analyses)
        if (a && a->a_intervalle) y_max = std::max(y_max, a->k_haut);
    if (!(y_max > 0)) y_max = 0.1;
    Repere r = repere(c, x_max, y_max * 1.15, QStringLiteral("masse portée I (g)"), QStringLiteral("ΔI/I"));

    QString textes[2];
    for (int i = 1; i >= 0; --i) {
        const AnalyseFechner *a = analyses[i];
        if (!a) continue;
        const Couleur couleur = i == 0 ? BLEU : NOIR;
        // Weber's law: a flat line at k, and the interval of k dotted.
        if (a->a_weber) {
            r.segment(0, a->k, r.x().max, a->k, couleur, i == 1);
            if (a->a_intervalle)
                for (double v : {a->k_bas, a->k_haut}) r.segment(0, v, r.x().max, v, GRIS, true);
            textes[i] = QStringLiteral("k = ") + nombre_significatif(a->k, 2);
            if (a->a_intervalle)
                textes[i] += QStringLiteral(" ; à 95 % : %1 à %2").arg(nombre_significatif(a->k_bas, 2), nombre_significatif(a->k_haut, 2));
        }
        for (const LigneAnalyse &l : a->lignes) {
            if (!l.a_rapport()) continue;
            r.barre(l.portee, l.seuil_bas / l.portee, l.seuil_haut / l.portee, couleur);
            r.point(l.portee, l.rapport(), couleur, i == 0);
        }
    }
    legende(c, textes, classe);
    if (!groupe.a_weber && !(classe && classe->a_weber)) pas_assez(c);
    else texte(c, 4, BAS + 5 + c.TextExtent(QStringLiteral("0")).height(), QStringLiteral("pointillés gris : k à 95 %"), GRIS);
    return image;
}

QImage tracer_psychometrique(const LigneAnalyse *ligne, const QString &titre, bool classe, int hauteur)
{
    QImage image = blanc(hauteur);
    Canevas c(image);
    police_trace(c);
    double x_max = 0;
    if (ligne)
        for (const ProportionSentie &p : ligne->proportions) x_max = std::max(x_max, double(p.ajoutee));
    if (!(x_max > 0)) x_max = 10;
    Repere r(c, arrondir({0, x_max}, pas_graduation_analyse(x_max, 5)), {0, 1});
    r.axes(pas_graduation_analyse(x_max, 5), 0.2, QStringLiteral("masse ajoutée ΔI (g)"), QStringLiteral("part sentie"));
    if (!ligne) {
        pas_assez(c, QStringLiteral("Aucune masse portée essayée"));
        return image;
    }
    const Couleur couleur = classe ? NOIR : BLEU;
    const double milieu = ligne->gamma() + (1.0 - ligne->gamma()) / 2.0;
    if (ligne->methode == MethodeSeuil::Logistique) {
        const AjustementLogistique &f = ligne->ajustement;
        const double g = ligne->gamma();
        r.courbe([&f, g](double x) { return g + (1.0 - g) / (1.0 + std::exp(-(f.a + f.b * x))); }, couleur);
    }
    if (ligne->a_seuil()) {
        // The 50 % line (of the chance corrected for false alarms), the
        // threshold on it, and its interval or bracket.
        r.segment(0, milieu, r.x().max, milieu, GRIS, true);
        r.segment(ligne->seuil, 0, ligne->seuil, milieu, couleur, true);
        r.segment(ligne->seuil_bas, milieu, ligne->seuil_haut, milieu, couleur, false);
        r.segment(ligne->seuil_bas, milieu - 0.004, ligne->seuil_haut, milieu - 0.004, couleur, false);
        for (double v : {ligne->seuil_bas, ligne->seuil_haut}) r.barre(v, milieu - 0.03, milieu + 0.03, couleur);
    }
    for (const ProportionSentie &p : ligne->proportions)
        r.point(p.ajoutee, double(p.sentis) / p.essais, p.ajoutee == 0 ? ROUGE : couleur, p.ajoutee == 0);
    // The title beside the vertical axis's name; the note on catch trials
    // beside the horizontal axis's.
    QString t = titre + QStringLiteral(" : ");
    t += ligne->methode == MethodeSeuil::Logistique ? QStringLiteral("ΔI = %1 g (%2)").arg(texte_seuil(*ligne), remarque_seuil(*ligne))
                                                    : remarque_seuil(*ligne);
    texte(c, 4 + c.TextExtent(QStringLiteral("part sentie")).width() + 16, 4, t, couleur);
    if (ligne->controles > 0)
        texte(c, 4, bas(hauteur) + 5 + c.TextExtent(QStringLiteral("0")).height(), QStringLiteral("■ essais à 0 g : fausses alertes"), ROUGE);
    return image;
}

QImage tracer_fechner(const AnalyseFechner &groupe, const AnalyseFechner *classe, int hauteur)
{
    QImage image = blanc(hauteur);
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
    r.axes(pas_x, pas_y, QStringLiteral("ln I (I en g)"), QStringLiteral("sensation S (nombre de seuils)"));

    QString textes[2];
    for (int i = 1; i >= 0; --i) {
        const AnalyseFechner *a = analyses[i];
        if (!a || !a->a_fechner) continue;
        const Couleur couleur = i == 0 ? BLEU : NOIR;
        for (const PointFechner &p : a->echelle) r.point(p.ln_portee, p.sensation, couleur, i == 0);
        r.segment(x.min, a->a * x.min + a->b, x.max, a->a * x.max + a->b, couleur, i == 1);
        const QString signe = a->b < 0 && nombre_fr(-a->b, 1) != QLatin1String("0,0") ? QStringLiteral(" − ") : QStringLiteral(" + ");
        textes[i] = QStringLiteral("S = ") + nombre_fr(a->a, 1) + QStringLiteral(" ln I") + signe + nombre_fr(std::fabs(a->b), 1);
    }
    legende(c, textes, classe);
    if (!groupe.a_fechner && !(classe && classe->a_fechner)) pas_assez(c);
    return image;
}

QImage image_analyse(const AnalyseFechner &groupe, const AnalyseFechner *classe, const QImage &psychometrique)
{
    QImage image = image_unie(2 * LARGEUR_TRACE, 2 * HAUTEUR_TRACE, BLANC);
    QPainter p(&image);
    p.drawImage(0, 0, psychometrique.scaled(LARGEUR_TRACE, HAUTEUR_TRACE, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.drawImage(LARGEUR_TRACE, 0, tracer_weber(groupe, classe));
    p.drawImage(0, HAUTEUR_TRACE, tracer_rapports(groupe, classe));
    p.drawImage(LARGEUR_TRACE, HAUTEUR_TRACE, tracer_fechner(groupe, classe));
    return image;
}
