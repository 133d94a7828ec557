#include "fechner/analysefechner.h"
#include "fechner/grillefechner.h"
#include "common/entier.h"
#include "common/nombres.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

namespace {

// log(1 + e^z) without overflow.
double log1pexp(double z) { return z > 0 ? z + std::log1p(std::exp(-z)) : std::log1p(std::exp(z)); }

double sigmoide(double z) { return z >= 0 ? 1.0 / (1.0 + std::exp(-z)) : std::exp(z) / (1.0 + std::exp(z)); }

// Log-likelihood of (alpha, beta) on the standardised masses u.
double vraisemblance(const std::vector<double> &u, const std::vector<int> &y, double alpha, double beta)
{
    double l = 0.0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        const double z = alpha + beta * u[i];
        l += y[i] * z - log1pexp(z);
    }
    return l;
}

} // namespace

namespace {

// The trials of one mass row, whatever its heading.
QList<EssaiFechner> essais_de_ligne(const GrilleFechner &grille, int i, int portee)
{
    QList<EssaiFechner> essais;
    for (int j = 1; j < GrilleFechner::COLONNES; ++j) {
        const LectureEntier a = lire_entier(grille.cellule(j, i));
        const GrilleFechner::Reponse r = GrilleFechner::reponse(grille.cellule(j, i + 1));
        // A mass typed before its answer is no trial yet.
        if (!a.ok || a.valeur < 0 || r == GrilleFechner::Reponse::Aucune) continue;
        essais.append({portee, a.valeur, r == GrilleFechner::Reponse::Sentie});
    }
    return essais;
}

} // namespace

int masse_d_entete(const QString &entete, QString *raison)
{
    auto refus = [raison](const QString &r) {
        if (raison) *raison = r;
        return -1;
    };
    if (!entete.endsWith(QLatin1Char('g'))) return refus(QStringLiteral("une masse portée s'écrit en grammes, suivie de « g »"));
    const LectureEntier m = lire_entier(entete.left(entete.size() - 1));
    if (!m.ok) return refus(QStringLiteral("« %1 » n'est pas un nombre entier de grammes").arg(entete.left(entete.size() - 1)));
    if (m.valeur < 0) return refus(QStringLiteral("une masse portée ne peut pas être négative"));
    return m.valeur;
}

QList<EssaiFechner> essais_de_grille(const GrilleFechner &grille)
{
    QList<EssaiFechner> essais;
    for (int i = 1; i < GrilleFechner::LIGNES - 1; i += 2) {
        const int portee = masse_d_entete(grille.cellule(0, i));
        if (portee >= 0) essais += essais_de_ligne(grille, i, portee);
    }
    return essais;
}

QList<LigneEcartee> lignes_ecartees(const GrilleFechner &grille)
{
    QList<LigneEcartee> ecartees;
    for (int i = 1; i < GrilleFechner::LIGNES - 1; i += 2) {
        QString raison;
        if (masse_d_entete(grille.cellule(0, i), &raison) < 0 && !essais_de_ligne(grille, i, 0).isEmpty())
            ecartees.append({i, grille.cellule(0, i), raison});
    }
    return ecartees;
}

QStringList textes_lignes_ecartees(const QList<LigneEcartee> &lignes)
{
    QStringList textes;
    for (const LigneEcartee &l : lignes)
        textes << QStringLiteral("Ligne %1 (« %2 ») laissée de côté : %3.").arg(l.ligne).arg(l.entete, l.raison);
    return textes;
}

AjustementLogistique ajuster_logistique(const QList<EssaiFechner> &essais)
{
    AjustementLogistique r;
    const std::size_t n = std::size_t(essais.size());
    if (n < 2) return r;
    // Standardised masses keep the two unknowns of the same order.
    double moyenne = 0.0;
    for (const EssaiFechner &e : essais) moyenne += e.ajoutee;
    moyenne /= double(n);
    double variance = 0.0;
    for (const EssaiFechner &e : essais) variance += (e.ajoutee - moyenne) * (e.ajoutee - moyenne);
    const double et = std::sqrt(variance / double(n));
    if (!(et > 0.0)) return r;
    std::vector<double> u(n);
    std::vector<int> y(n);
    for (std::size_t i = 0; i < n; ++i) {
        u[i] = (essais[qsizetype(i)].ajoutee - moyenne) / et;
        y[i] = essais[qsizetype(i)].senti ? 1 : 0;
    }

    double alpha = 0.0, beta = 0.0;
    double l = vraisemblance(u, y, alpha, beta);
    // Beyond this slope (standardised) the answers are as good as separated.
    constexpr double PENTE_MAX = 1e4;
    for (int iteration = 0; iteration < 100; ++iteration) {
        double g0 = 0, g1 = 0, h00 = 0, h01 = 0, h11 = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double p = sigmoide(alpha + beta * u[i]);
            const double w = p * (1.0 - p);
            g0 += y[i] - p;
            g1 += (y[i] - p) * u[i];
            h00 += w;
            h01 += w * u[i];
            h11 += w * u[i] * u[i];
        }
        const double det = h00 * h11 - h01 * h01;
        if (!(det > 1e-300)) return r;
        double d0 = (h11 * g0 - h01 * g1) / det;
        double d1 = (h00 * g1 - h01 * g0) / det;
        // Step halving: the likelihood must not go down.
        double l2 = vraisemblance(u, y, alpha + d0, beta + d1);
        for (int k = 0; k < 30 && !(l2 >= l - 1e-12); ++k) {
            d0 /= 2;
            d1 /= 2;
            l2 = vraisemblance(u, y, alpha + d0, beta + d1);
        }
        alpha += d0;
        beta += d1;
        l = l2;
        if (!std::isfinite(alpha) || !std::isfinite(beta) || std::fabs(beta) > PENTE_MAX) return r;
        if (std::fabs(d0) < 1e-10 && std::fabs(d1) < 1e-10) {
            r.converge = true;
            break;
        }
    }
    if (!r.converge) return r;
    // Back to grams: alpha + beta·(x − moyenne)/et = a + b·x.
    r.b = beta / et;
    r.a = alpha - beta * moyenne / et;
    return r;
}

LigneAnalyse seuil_differentiel(int portee, const QList<EssaiFechner> &essais)
{
    LigneAnalyse l;
    l.portee = portee;
    l.essais = int(essais.size());
    int plus_grand_non_senti = INT_MIN, plus_petit_senti = INT_MAX;
    int plus_petit = INT_MAX, plus_grand = INT_MIN;
    for (const EssaiFechner &e : essais) {
        if (e.senti) {
            ++l.sentis;
            plus_petit_senti = std::min(plus_petit_senti, e.ajoutee);
        } else {
            plus_grand_non_senti = std::max(plus_grand_non_senti, e.ajoutee);
        }
        plus_petit = std::min(plus_petit, e.ajoutee);
        plus_grand = std::max(plus_grand, e.ajoutee);
    }
    if (l.sentis == l.essais) {
        l.methode = MethodeSeuil::ToujoursSenti;
        return l;
    }
    if (l.sentis == 0) {
        l.methode = MethodeSeuil::JamaisSenti;
        return l;
    }
    const double milieu = (double(plus_grand_non_senti) + double(plus_petit_senti)) / 2.0;
    // Every mass not felt at or below every mass felt: the likelihood grows
    // without end as the curve steepens, so there is no fitted threshold.
    if (plus_grand_non_senti <= plus_petit_senti) {
        l.methode = MethodeSeuil::Milieu;
        l.seuil = milieu;
        return l;
    }
    const AjustementLogistique f = ajuster_logistique(essais);
    // A fit whose chance of feeling falls as the mass rises, or whose
    // threshold lies outside the masses tried, says nothing the pupils can use.
    if (f.converge && f.b > 0.0 && f.seuil() >= plus_petit && f.seuil() <= plus_grand) {
        l.methode = MethodeSeuil::Logistique;
        l.seuil = f.seuil();
    } else {
        l.methode = MethodeSeuil::Milieu;
        l.seuil = milieu;
    }
    return l;
}

double pas_de_sensation(double i1, double d1, double i2, double d2)
{
    // ∫ dI / ΔI with ΔI linear from (I₁, ΔI₁) to (I₂, ΔI₂).
    if (std::fabs(d2 - d1) <= 1e-12 * std::max(d1, d2)) return (i2 - i1) / d1;
    return (i2 - i1) / (d2 - d1) * std::log(d2 / d1);
}

QList<PointFechner> echelle_sensation(const QList<LigneAnalyse> &lignes)
{
    QList<PointFechner> points;
    const LigneAnalyse *precedente = nullptr;
    double s = 0.0;
    for (const LigneAnalyse &l : lignes) {
        if (!l.a_seuil() || l.portee <= 0 || !(l.seuil > 0.0)) continue;
        if (precedente) s += pas_de_sensation(precedente->portee, precedente->seuil, l.portee, l.seuil);
        points.append({l.portee, std::log(double(l.portee)), s});
        precedente = &l;
    }
    return points;
}

AnalyseFechner analyser(const QList<EssaiFechner> &essais)
{
    AnalyseFechner r;
    r.essais = int(essais.size());
    std::map<int, QList<EssaiFechner>> par_masse;
    for (const EssaiFechner &e : essais) par_masse[e.portee].append(e);
    for (const auto &[portee, liste] : par_masse) r.lignes.append(seuil_differentiel(portee, liste));

    double sxy = 0.0, sxx = 0.0;
    for (const LigneAnalyse &l : r.lignes) {
        if (!l.a_seuil() || l.portee <= 0 || !(l.seuil > 0.0)) continue;
        sxy += double(l.portee) * l.seuil;
        sxx += double(l.portee) * l.portee;
        ++r.masses_utilisees;
    }
    if (r.masses_utilisees > 0) {
        r.a_weber = true;
        r.k = sxy / sxx;
        if (r.masses_utilisees >= 2) {
            double somme = 0.0;
            for (const LigneAnalyse &l : r.lignes) {
                if (!l.a_seuil() || l.portee <= 0 || !(l.seuil > 0.0)) continue;
                const double e = l.seuil - r.k * l.portee;
                somme += e * e;
            }
            r.a_ecart = true;
            r.ecart_residuel = std::sqrt(somme / (r.masses_utilisees - 1));
        }
    }

    r.echelle = echelle_sensation(r.lignes);
    const qsizetype n = r.echelle.size();
    if (n >= 2) {
        double mx = 0, my = 0;
        for (const PointFechner &p : r.echelle) {
            mx += p.ln_portee;
            my += p.sensation;
        }
        mx /= double(n);
        my /= double(n);
        double sxx2 = 0, sxy2 = 0;
        for (const PointFechner &p : r.echelle) {
            sxx2 += (p.ln_portee - mx) * (p.ln_portee - mx);
            sxy2 += (p.ln_portee - mx) * (p.sensation - my);
        }
        if (sxx2 > 0.0) {
            r.a_fechner = true;
            r.a = sxy2 / sxx2;
            r.b = my - r.a * mx;
        }
    }
    return r;
}

AnalyseFechner analyser(const GrilleFechner &grille) { return analyser(essais_de_grille(grille)); }

QString nombre_fr(double x, int decimales)
{
    if (!std::isfinite(x)) return {};
    return format_reel(x, 0, decimales).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString texte_seuil(const LigneAnalyse &l)
{
    switch (l.methode) {
    case MethodeSeuil::ToujoursSenti:
        return QStringLiteral("toujours senti");
    case MethodeSeuil::JamaisSenti:
        return QStringLiteral("jamais senti");
    default:
        return nombre_fr(l.seuil, DECIMALES_SEUIL);
    }
}

QString texte_rapport(const LigneAnalyse &l) { return l.a_rapport() ? nombre_fr(l.rapport(), DECIMALES_RAPPORT) : QString(); }

QString texte_k(const AnalyseFechner &a)
{
    return a.a_weber ? QStringLiteral("k = ") + nombre_fr(a.k, DECIMALES_RAPPORT) : QStringLiteral("Pas assez d'essais");
}

QString resume_weber(const AnalyseFechner &a)
{
    if (!a.a_weber) return QStringLiteral("Pas assez d'essais");
    QString t = texte_k(a) + QStringLiteral(", sur %1 masse%2 portée%2").arg(a.masses_utilisees)
                                 .arg(a.masses_utilisees > 1 ? QStringLiteral("s") : QString());
    if (a.a_ecart) t += QStringLiteral(" ; écart des seuils à la droite : ") + nombre_fr(a.ecart_residuel, DECIMALES_SEUIL)
                        + QStringLiteral(" g");
    return t;
}

QString explication_analyse(const AnalyseFechner &a)
{
    QStringList l;
    l << QStringLiteral("Le seuil différentiel ΔI est la masse ajoutée que l'on sent une fois sur deux.");
    l << QStringLiteral("La loi de Weber dit que ΔI est proportionnel à la masse portée I : ΔI = k × I. "
                        "La fraction de Weber k est la pente de la droite qui passe par l'origine.");
    if (a.a_weber)
        l << QStringLiteral("Ici %1 : avec 1000 g portés, il faut ajouter environ %2 g pour sentir une différence ; "
                            "avec 200 g, environ %3 g.")
                 .arg(texte_k(a), nombre_fr(a.k * 1000, 0), nombre_fr(a.k * 200, 0));
    else
        l << QStringLiteral("Pas assez d'essais : il faut, à une masse portée au moins, des masses ajoutées "
                            "senties et d'autres non senties.");
    l << QStringLiteral("Pour des poids soulevés, k vaut d'ordinaire entre 0,02 et 0,1.");
    l << QStringLiteral("La sensation S compte les seuils empilés depuis la plus petite masse portée. "
                        "La loi de Fechner dit qu'elle suit le logarithme de l'intensité : S = a × ln I + b, "
                        "avec a proche de 1/k.");
    if (a.a_fechner && a.a_weber)
        l << QStringLiteral("Ici a = %1 et 1/k = %2.").arg(nombre_fr(a.a, 1), nombre_fr(1.0 / a.k, 1));
    return l.join(QLatin1Char('\n'));
}
