#include "fechner/analysefechner.h"
#include "fechner/grillefechner.h"
#include "common/entier.h"
#include "common/nombres.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace {

// log(1 + e^z) without overflow.
double log1pexp(double z) { return z > 0 ? z + std::log1p(std::exp(-z)) : std::log1p(std::exp(z)); }

double sigmoide(double z) { return z >= 0 ? 1.0 / (1.0 + std::exp(-z)) : std::exp(z) / (1.0 + std::exp(z)); }

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

namespace {

// log P and log(1 − P) for P = γ + (1 − γ)σ(z), without overflow.
double log_p(double z, double gamma)
{
    return gamma > 0.0 ? std::log(gamma + (1.0 - gamma) * sigmoide(z)) : -log1pexp(-z);
}
double log_1_moins_p(double z, double gamma) { return std::log1p(-gamma) - log1pexp(z); }

// Log-likelihood of (alpha, beta) on the standardised masses u.
double vraisemblance(const std::vector<double> &u, const std::vector<int> &y, double alpha, double beta, double gamma)
{
    double l = 0.0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        const double z = alpha + beta * u[i];
        l += y[i] ? log_p(z, gamma) : log_1_moins_p(z, gamma);
    }
    return l;
}

} // namespace

bool AjustementLogistique::intervalle(double &bas, double &haut) const
{
    // The delta method: Var t = (Var a + 2t Cov(a, b) + t² Var b) / b² for t = −a/b.
    if (!converge || !(b > 0.0)) return false;
    const double t = seuil();
    const double v = (vaa + 2 * t * vab + t * t * vbb) / (b * b);
    if (!(v >= 0.0) || !std::isfinite(v)) return false;
    constexpr double z = 1.959963984540054;
    bas = t - z * std::sqrt(v);
    haut = t + z * std::sqrt(v);
    return true;
}

AjustementLogistique ajuster_logistique(const QList<EssaiFechner> &essais, double gamma, const AjustementLogistique *depart)
{
    AjustementLogistique r;
    const std::size_t n = std::size_t(essais.size());
    if (n < 2 || !(gamma >= 0.0 && gamma < 1.0)) return r;
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

    // From a known fit when given (the bootstrap's resamples lie near it).
    double alpha = depart ? depart->a + depart->b * moyenne : 0.0, beta = depart ? depart->b * et : 0.0;
    double l = vraisemblance(u, y, alpha, beta, gamma);
    double h00 = 0, h01 = 0, h11 = 0;
    // Beyond this slope (standardised) the answers are as good as separated.
    constexpr double PENTE_MAX = 1e4;
    for (int iteration = 0; iteration < 200; ++iteration) {
        // Fisher scoring; with γ = 0 it is Newton's method.
        double g0 = 0, g1 = 0;
        h00 = h01 = h11 = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double s = sigmoide(alpha + beta * u[i]);
            const double p = gamma + (1.0 - gamma) * s;
            const double score = (y[i] - p) * s / p;
            const double w = (1.0 - gamma) * s * s * (1.0 - s) / p;
            g0 += score;
            g1 += score * u[i];
            h00 += w;
            h01 += w * u[i];
            h11 += w * u[i] * u[i];
        }
        const double det = h00 * h11 - h01 * h01;
        if (!(det > 1e-300)) return r;
        double d0 = (h11 * g0 - h01 * g1) / det;
        double d1 = (h00 * g1 - h01 * g0) / det;
        // Step halving: the likelihood must not go down.
        double l2 = vraisemblance(u, y, alpha + d0, beta + d1, gamma);
        for (int k = 0; k < 30 && !(l2 >= l - 1e-12); ++k) {
            d0 /= 2;
            d1 /= 2;
            l2 = vraisemblance(u, y, alpha + d0, beta + d1, gamma);
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
    // Back to grams: alpha + beta·(x − moyenne)/et = a + b·x; the covariance
    // is the inverse information, carried over the same change.
    const double det = h00 * h11 - h01 * h01;
    const double caa = h11 / det, cab = -h01 / det, cbb = h00 / det;
    const double m = moyenne / et;
    r.b = beta / et;
    r.a = alpha - beta * m;
    r.vaa = caa - 2 * m * cab + m * m * cbb;
    r.vab = (cab - m * cbb) / et;
    r.vbb = cbb / (et * et);
    return r;
}

namespace {

// The threshold alone, as the bootstrap needs it; `seuil_differentiel` adds
// what the window shows.
LigneAnalyse estimer_seuil(int portee, const QList<EssaiFechner> &essais, const AjustementLogistique *depart = nullptr)
{
    LigneAnalyse l;
    l.portee = portee;
    l.essais = int(essais.size());
    QList<EssaiFechner> ajoutes;
    int plus_grand_non_senti = INT_MIN, plus_petit_senti = INT_MAX;
    int plus_petit = INT_MAX, plus_grand = INT_MIN;
    int sentis = 0;
    for (const EssaiFechner &e : essais) {
        l.sentis += e.senti ? 1 : 0;
        if (e.ajoutee == 0) {
            ++l.controles;
            l.fausses_alertes += e.senti ? 1 : 0;
            continue;
        }
        ajoutes.append(e);
        if (e.senti) {
            ++sentis;
            plus_petit_senti = std::min(plus_petit_senti, e.ajoutee);
        } else {
            plus_grand_non_senti = std::max(plus_grand_non_senti, e.ajoutee);
        }
        plus_petit = std::min(plus_petit, e.ajoutee);
        plus_grand = std::max(plus_grand, e.ajoutee);
    }
    auto sans = [&l](MethodeSeuil m) {
        l.methode = m;
        return l;
    };
    if (ajoutes.isEmpty()) return sans(MethodeSeuil::SansMasseAjoutee);
    if (sentis == ajoutes.size()) return sans(MethodeSeuil::ToujoursSenti);
    if (sentis == 0) return sans(MethodeSeuil::JamaisSenti);
    // Every mass not felt at or below every mass felt: the likelihood grows
    // without end as the curve steepens; the threshold lies in between.
    if (plus_grand_non_senti <= plus_petit_senti) {
        l.methode = MethodeSeuil::Encadrement;
        if (plus_grand_non_senti < plus_petit_senti) {
            l.seuil_bas = plus_grand_non_senti;
            l.seuil_haut = plus_petit_senti;
            l.seuil = (l.seuil_bas + l.seuil_haut) / 2.0;
            return l;
        }
        // Both answers at one mass, only one on either side: the masses
        // tried next to it bound the threshold.
        l.seuil = l.seuil_bas = l.seuil_haut = plus_petit_senti;
        for (const EssaiFechner &e : ajoutes) {
            if (e.ajoutee < plus_petit_senti && (l.seuil_bas == l.seuil || e.ajoutee > l.seuil_bas)) l.seuil_bas = e.ajoutee;
            if (e.ajoutee > plus_petit_senti && (l.seuil_haut == l.seuil || e.ajoutee < l.seuil_haut)) l.seuil_haut = e.ajoutee;
        }
        return l;
    }
    const AjustementLogistique f = ajuster_logistique(ajoutes, l.taux_fausses_alertes(), depart);
    if (!f.converge || !(f.b > 0.0)) return sans(MethodeSeuil::Contradictoire);
    if (f.seuil() < plus_petit) return sans(MethodeSeuil::SousLesMasses);
    if (f.seuil() > plus_grand) return sans(MethodeSeuil::AuDessusDesMasses);
    // An interval wider than the masses tried: the answers hardly depend on
    // the added mass, and do not say where the threshold is.
    if (!f.intervalle(l.seuil_bas, l.seuil_haut) || l.seuil_haut - l.seuil_bas > plus_grand - plus_petit)
        return sans(MethodeSeuil::Contradictoire);
    // No threshold is below 0 g.
    l.seuil_bas = std::max(0.0, l.seuil_bas);
    l.methode = MethodeSeuil::Logistique;
    l.ajustement = f;
    l.seuil = f.seuil();
    return l;
}

} // namespace

LigneAnalyse seuil_differentiel(int portee, const QList<EssaiFechner> &essais)
{
    LigneAnalyse l = estimer_seuil(portee, essais);
    std::map<int, ProportionSentie> par_ajout;
    for (const EssaiFechner &e : essais) {
        ProportionSentie &p = par_ajout[e.ajoutee];
        p.ajoutee = e.ajoutee;
        ++p.essais;
        p.sentis += e.senti ? 1 : 0;
    }
    for (const auto &[ajoutee, p] : par_ajout) l.proportions.append(p);
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

namespace {

// The rows that enter k: a threshold, above 0 g carried.
bool utilisee(const LigneAnalyse &l) { return l.a_rapport() && l.seuil > 0.0; }

// k and its counts from the rows; false when no row enters it.
bool fraction_de_weber(const QList<LigneAnalyse> &lignes, AnalyseFechner &r)
{
    double somme = 0.0;
    for (const LigneAnalyse &l : lignes) {
        if (!utilisee(l)) continue;
        somme += l.rapport();
        ++r.masses_utilisees;
        r.essais_utilises += l.essais;
    }
    if (r.masses_utilisees == 0) return false;
    r.k = somme / r.masses_utilisees;
    return true;
}

// A uniform index below n from the generator's raw output, the same with every
// standard library (std::uniform_int_distribution is not).
int indice(std::mt19937 &hasard, qsizetype n) { return int((std::uint64_t(hasard()) * std::uint64_t(n)) >> 32); }

// The percentile bootstrap of k: the trials at each carried mass used are drawn
// again with replacement, catch trials and the others apart, and k found again.
void intervalle_k(const std::map<int, QList<EssaiFechner>> &par_masse, AnalyseFechner &r)
{
    struct Masse {
        const LigneAnalyse *ligne;
        QList<EssaiFechner> controles, ajoutes;
    };
    std::vector<Masse> masses;
    for (const LigneAnalyse &l : r.lignes) {
        if (!utilisee(l)) continue;
        Masse m{&l, {}, {}};
        for (const EssaiFechner &e : par_masse.at(l.portee)) (e.ajoutee == 0 ? m.controles : m.ajoutes).append(e);
        // A handful of trials drawn again only repeats itself: no interval.
        if (m.ajoutes.size() < ESSAIS_MIN_INTERVALLE) return;
        masses.push_back(m);
    }
    std::mt19937 hasard(20261209u);
    std::vector<double> ks;
    QList<LigneAnalyse> lignes;
    QList<EssaiFechner> tirage;
    for (int repetition = 0; repetition < REPLIQUES_BOOTSTRAP; ++repetition) {
        lignes.clear();
        for (const Masse &m : masses) {
            tirage.clear();
            for (const QList<EssaiFechner> *g : {&m.controles, &m.ajoutes})
                for (qsizetype i = 0; i < g->size(); ++i) tirage.append(g->at(indice(hasard, g->size())));
            const bool ajustee = m.ligne->methode == MethodeSeuil::Logistique;
            lignes.append(estimer_seuil(m.ligne->portee, tirage, ajustee ? &m.ligne->ajustement : nullptr));
        }
        AnalyseFechner replique;
        if (fraction_de_weber(lignes, replique)) ks.push_back(replique.k);
    }
    // The interval is that of the replicates with a k; most must have one.
    if (ks.size() < std::size_t(REPLIQUES_BOOTSTRAP / 2)) return;
    std::sort(ks.begin(), ks.end());
    auto quantile = [&ks](double q) {
        const double h = q * double(ks.size() - 1);
        const std::size_t i = std::size_t(h);
        return i + 1 < ks.size() ? ks[i] + (h - double(i)) * (ks[i + 1] - ks[i]) : ks[i];
    };
    r.a_intervalle = true;
    r.k_bas = quantile(0.025);
    r.k_haut = quantile(0.975);
}

} // namespace

AnalyseFechner analyser(const QList<EssaiFechner> &essais)
{
    AnalyseFechner r;
    r.essais = int(essais.size());
    std::map<int, QList<EssaiFechner>> par_masse;
    for (const EssaiFechner &e : essais) par_masse[e.portee].append(e);
    for (const auto &[portee, liste] : par_masse) r.lignes.append(seuil_differentiel(portee, liste));

    r.a_weber = fraction_de_weber(r.lignes, r);
    if (r.a_weber) {
        intervalle_k(par_masse, r);
        if (r.masses_utilisees >= 2) {
            double somme = 0.0;
            for (const LigneAnalyse &l : r.lignes) {
                if (!utilisee(l)) continue;
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

QString nombre_significatif(double x, int chiffres)
{
    if (!std::isfinite(x)) return {};
    if (x == 0.0) return QStringLiteral("0");
    auto decimales = [chiffres](double v) { return std::max(0, chiffres - 1 - int(std::floor(std::log10(std::fabs(v))))); };
    int d = decimales(x);
    // Rounding may carry into the next power of ten (0,0996 → 0,10).
    double arrondie = std::round(x * std::pow(10.0, d)) / std::pow(10.0, d);
    if (arrondie != 0.0 && decimales(arrondie) != d) {
        d = decimales(arrondie);
        arrondie = std::round(x * std::pow(10.0, d)) / std::pow(10.0, d);
    }
    // Rounded here, halves away from zero as by hand (0,0875 → 0,088).
    return nombre_fr(arrondie, d);
}

QString grammes(double x)
{
    QString t = nombre_fr(x, 0);
    for (qsizetype i = t.size() - 3; i > (t.startsWith(QLatin1Char('-')) ? 1 : 0); i -= 3) t.insert(i, QLatin1Char(' '));
    return t;
}

namespace {

QString compte(int n, const QString &mot) { return QStringLiteral("%1 %2%3").arg(n).arg(mot, n > 1 ? QStringLiteral("s") : QString()); }

// Why a row has no threshold.
QString raison(MethodeSeuil m)
{
    switch (m) {
    case MethodeSeuil::Contradictoire:
        return QStringLiteral("réponses contradictoires");
    case MethodeSeuil::SousLesMasses:
        return QStringLiteral("sous la plus petite masse essayée");
    case MethodeSeuil::AuDessusDesMasses:
        return QStringLiteral("au-dessus de la plus grande masse essayée");
    case MethodeSeuil::ToujoursSenti:
        return QStringLiteral("toujours senti");
    case MethodeSeuil::JamaisSenti:
        return QStringLiteral("jamais senti");
    case MethodeSeuil::SansMasseAjoutee:
        return QStringLiteral("aucun essai avec une masse ajoutée");
    default:
        return {};
    }
}

constexpr double K_MIN_HABITUEL = 0.02, K_MAX_HABITUEL = 0.1;

} // namespace

QString texte_seuil(const LigneAnalyse &l) { return l.a_seuil() ? nombre_fr(l.seuil, DECIMALES_SEUIL) : QString(); }

QString texte_rapport(const LigneAnalyse &l) { return l.a_rapport() ? nombre_fr(l.rapport(), DECIMALES_RAPPORT) : QString(); }

QString remarque_seuil(const LigneAnalyse &l, bool intervalle)
{
    QStringList r;
    if (l.methode == MethodeSeuil::Logistique) {
        if (intervalle)
        r << nombre_fr(l.seuil_bas, DECIMALES_SEUIL) + QStringLiteral(" à ") + nombre_fr(l.seuil_haut, DECIMALES_SEUIL)
                 + QStringLiteral(" g");
    } else if (l.methode == MethodeSeuil::Encadrement)
        r << QStringLiteral("entre %1 et %2 g").arg(grammes(l.seuil_bas), grammes(l.seuil_haut));
    else
        r << raison(l.methode);
    if (l.trop_de_fausses_alertes())
        r << QStringLiteral("fausses alertes : %1 % (plus de 20 %)").arg(arrondi(100.0 * l.taux_fausses_alertes()));
    return r.join(QStringLiteral(" ; "));
}

QString texte_fausses_alertes(const LigneAnalyse &l)
{
    return l.controles > 0 ? QStringLiteral("%1/%2").arg(l.fausses_alertes).arg(l.controles) : QString();
}

QString texte_k(const AnalyseFechner &a)
{
    if (!a.a_weber)
        return a.lignes.isEmpty() ? QStringLiteral("Pas assez d'essais") : QStringLiteral("Pas de k : aucune masse portée n'a de seuil");
    QString t = QStringLiteral("k = ") + nombre_significatif(a.k, 2) + QStringLiteral(" (");
    if (a.a_intervalle) t += nombre_significatif(a.k_bas, 2) + QStringLiteral(" à ") + nombre_significatif(a.k_haut, 2) + QStringLiteral(" ; ");
    return t + compte(a.masses_utilisees, QStringLiteral("masse")) + QStringLiteral(", ")
           + compte(a.essais_utilises, QStringLiteral("essai")) + QLatin1Char(')');
}

QString remarque_k(const AnalyseFechner &a)
{
    if (!a.a_weber || (a.k >= K_MIN_HABITUEL && a.k <= K_MAX_HABITUEL)) return {};
    return QStringLiteral("k est %1 des valeurs habituelles (0,02 à 0,1) : réponses à vérifier, ou plus d'essais à faire.")
        .arg(a.k > K_MAX_HABITUEL ? QStringLiteral("au-dessus") : QStringLiteral("en dessous"));
}

QString resume_weber(const AnalyseFechner &a)
{
    const QString remarque = remarque_k(a);
    return remarque.isEmpty() ? texte_k(a) : texte_k(a) + QLatin1Char('\n') + remarque;
}

QString explication_analyse(const AnalyseFechner &a, const QString &qui)
{
    QStringList l;
    l << QStringLiteral("Le seuil différentiel ΔI est la masse ajoutée que l'on sent une fois sur deux. Les essais à 0 g "
                        "mesurent les fausses alertes (FA) : la part sentie p devient p* = (p − FA)/(1 − FA) "
                        "avant de chercher le seuil.");
    l << QStringLiteral("La loi de Weber dit que ΔI est proportionnel à la masse portée I : ΔI = k × I, "
                        "donc ΔI/I vaut k à toutes les masses.");
    QList<const LigneAnalyse *> avec, sans;
    for (const LigneAnalyse &ligne : a.lignes) (utilisee(ligne) ? avec : sans).append(&ligne);
    if (a.lignes.isEmpty()) {
        l << QStringLiteral("Données de %1 : pas assez d'essais ; il faut, à une masse portée au moins, des masses "
                            "ajoutées senties et d'autres non senties.").arg(qui);
    } else if (!a.a_weber) {
        l << QStringLiteral("Données de %1 : aucune masse portée n'a de seuil, donc pas de k. Il faut, à une masse "
                            "portée au moins, des masses ajoutées senties et d'autres non senties, les grandes plus "
                            "souvent senties que les petites.").arg(qui);
    } else {
        const LigneAnalyse &petite = *avec.constFirst(), &grande = *avec.constLast();
        l << QStringLiteral("Données de %1 : %2.").arg(qui, texte_k(a));
        QStringList exemples;
        for (const LigneAnalyse *m : avec.size() > 1 ? QList<const LigneAnalyse *>{&petite, &grande} : QList<const LigneAnalyse *>{&petite})
            exemples << QStringLiteral("avec %1 g portés, k × I donne %2 g et le seuil mesuré est %3 g")
                            .arg(grammes(m->portee), nombre_fr(a.k * m->portee, DECIMALES_SEUIL), texte_seuil(*m));
        l << exemples.join(QStringLiteral(" ; ")).replace(0, 1, QStringLiteral("A")) + QLatin1Char('.');
        if (a.a_intervalle)
            l << QStringLiteral("D'autres essais donneraient un autre k : en tirant %1 fois au hasard, parmi les essais "
                                "de chaque masse, autant d'essais qu'il y en a, k reste 95 fois sur 100 entre %2 et %3.")
                     .arg(grammes(REPLIQUES_BOOTSTRAP), nombre_significatif(a.k_bas, 2), nombre_significatif(a.k_haut, 2));
        const QString remarque = remarque_k(a);
        l << QStringLiteral("Pour des poids portés, k vaut d'ordinaire entre 0,02 et 0,1") +
                 (remarque.isEmpty() ? QStringLiteral(", comme ici.") : QStringLiteral(" ; ici ") + remarque);
        l << (petite.portee == grande.portee
                  ? QStringLiteral("Ces nombres ne valent qu'à %1 g portés.").arg(grammes(petite.portee))
                  : QStringLiteral("Ces nombres ne valent qu'entre %1 et %2 g portés.").arg(grammes(petite.portee),
                                                                                        grammes(grande.portee)));
    }
    QStringList manques, alertes;
    for (const LigneAnalyse *m : sans)
        if (!m->a_seuil()) manques << QStringLiteral("%1 g (%2)").arg(grammes(m->portee), raison(m->methode));
    for (const LigneAnalyse &m : a.lignes)
        if (m.trop_de_fausses_alertes())
            alertes << QStringLiteral("à %1 g, %2 essais à 0 g sur %3 sentis").arg(grammes(m.portee)).arg(m.fausses_alertes).arg(m.controles);
    if (!manques.isEmpty()) l << QStringLiteral("Pas de seuil à ") + manques.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (!alertes.isEmpty())
        l << QStringLiteral("Fausses alertes nombreuses (plus d'une sur cinq) : ") + alertes.join(QStringLiteral(", "))
                 + QStringLiteral(" ; les réponses « senti » y sont peu sûres.");
    if (a.a_fechner && a.a_weber) {
        const double inverse = 1.0 / a.k;
        const bool proches = std::fabs(a.a - inverse) <= 0.15 * inverse;
        l << QStringLiteral("La sensation S compte les seuils empilés depuis %1 g. La loi de Fechner dit qu'elle suit le "
                            "logarithme de I : S = a × ln I + b, avec a = 1/k quand ΔI/I est le même à toutes les masses.")
                 .arg(grammes(a.echelle.constFirst().portee));
        l << QStringLiteral("Ici a = %1 et 1/k = %2 : %3").arg(nombre_fr(a.a, 1), nombre_fr(inverse, 1),
                 proches ? QStringLiteral("proches, comme le veut la loi de Weber.")
                         : QStringLiteral("éloignés, car ΔI/I change d'une masse portée à l'autre."));
    } else if (a.a_weber) {
        l << QStringLiteral("Pour tracer la sensation S de la loi de Fechner, il faut un seuil à deux masses portées au moins.");
    }
    return l.join(QLatin1Char('\n'));
}
