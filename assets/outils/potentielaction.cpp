#include "assets/outils/potentielaction.h"
#include "common/nombres.h"
#include "membrane/modelemembrane.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The squid axon of Hodgkin and Huxley (1952), potentials in mV with the rest
// at -65, times in ms, conductances in mS/cm², at 10 °C.
constexpr double G_NA = 120.0, G_K = 36.0, G_L = 0.3;
constexpr double E_NA = 50.0, E_K = -77.0, E_L = -54.387;
constexpr double TEMPERATURE = 10.0;
constexpr double PAS = 0.001;              // integration step, ms
constexpr double DUREE_ETAPE = 1.0 / 6.0;  // one sample of the nerve page
constexpr double STIMULUS = 100.0;         // µA/cm², for 0.2 ms after the first step
constexpr double DUREE_STIMULUS = 0.2;
// The nerve page draws the first 30 steps: the slow end of the potassium
// conductance is faded out over these steps so that the undershoot is back at
// rest by the 30th step and no response ends on a step.
constexpr int DEBUT_RETOUR = 18;
constexpr int FIN_RETOUR = 29;

// x / (1 - exp(-x / k)) with its limit k at x = 0.
double quotient(double x, double k) { return std::abs(x) < 1e-9 ? k : x / (1.0 - std::exp(-x / k)); }

struct Portes {
    double n, m, h;
};

struct Taux {
    double an, bn, am, bm, ah, bh;
};

Taux taux(double v)
{
    return {0.01 * quotient(v + 55.0, 10.0), 0.125 * std::exp(-(v + 65.0) / 80.0),
            0.1 * quotient(v + 40.0, 10.0),  4.0 * std::exp(-(v + 65.0) / 18.0),
            0.07 * std::exp(-(v + 65.0) / 20.0), 1.0 / (1.0 + std::exp(-(v + 35.0) / 10.0))};
}

// The share of the potassium rise kept at step k: all of it up to
// DEBUT_RETOUR, then a half cosine squared down to none at FIN_RETOUR.
double retour(int k)
{
    if (k <= DEBUT_RETOUR) return 1.0;
    if (k >= FIN_RETOUR) return 0.0;
    const double c = std::cos(std::numbers::pi / 2 * (k - DEBUT_RETOUR) / (FIN_RETOUR - DEBUT_RETOUR));
    return c * c;
}

double g_na(const Portes &p) { return G_NA * p.m * p.m * p.m * p.h; }
double g_k(const Portes &p) { return G_K * p.n * p.n * p.n * p.n; }

} // namespace

std::vector<PotentielAction::Etape> PotentielAction::programme()
{
    const double phi = std::pow(3.0, (TEMPERATURE - 6.3) / 10.0);
    double v = -65.0;
    Taux t = taux(v);
    Portes p{t.an / (t.an + t.bn), t.am / (t.am + t.bm), t.ah / (t.ah + t.bh)};
    const double gna_repos = g_na(p), gk_repos = g_k(p);

    // The conductances at the start of every step.
    std::vector<std::pair<double, double>> hh;
    const int sous_pas = static_cast<int>(std::lround(DUREE_ETAPE / PAS));
    double temps = 0.0;
    for (int k = 0; k < NB_ETAPES; ++k) {
        hh.emplace_back(retour(k) * (g_k(p) - gk_repos), g_na(p) - gna_repos);
        for (int s = 0; s < sous_pas; ++s) {
            const bool stimule = temps >= DUREE_ETAPE && temps < DUREE_ETAPE + DUREE_STIMULUS;
            const double i = (stimule ? STIMULUS : 0.0) - g_na(p) * (v - E_NA) - g_k(p) * (v - E_K) - G_L * (v - E_L);
            t = taux(v);
            v += PAS * i;
            p.n += PAS * phi * (t.an * (1.0 - p.n) - t.bn * p.n);
            p.m += PAS * phi * (t.am * (1.0 - p.m) - t.bm * p.m);
            p.h += PAS * phi * (t.ah * (1.0 - p.h) - t.bh * p.h);
            temps += PAS;
        }
    }

    double pic_na = 0.0;
    for (const auto &g : hh) pic_na = std::max(pic_na, g.second);
    const double echelle = (100 - GNA_REPOS) / pic_na;
    std::vector<Etape> r;
    for (const auto &[gk, gna] : hh)
        r.push_back({std::clamp(arrondi(GK_REPOS + echelle * gk), 0, 100),
                     std::clamp(arrondi(GNA_REPOS + echelle * gna), 0, 100)});
    return r;
}

std::vector<double> PotentielAction::rejouer(const std::vector<Etape> &p)
{
    ModeleMembrane m;
    m.c_ki = CONCENTRATIONS[0];
    m.c_ke = CONCENTRATIONS[1];
    m.c_nai = CONCENTRATIONS[2];
    m.c_nae = CONCENTRATIONS[3];
    m.calcul_pot_eq();
    std::vector<double> em;
    if (p.empty()) return em;
    // Settling on the first step: one step per 100 ms tick, 40 relaxation steps
    // between ticks, until Em moved by 1 mV or less from one tick to the next.
    double prec = 10000.0;
    while (std::abs(prec - m.em) > 1.0) {
        m.gk = p[0].gk;
        m.gna = p[0].gna;
        m.calcul_em();
        prec = m.em;
        for (int k = 0; k < 40; ++k) m.calcul_em();
    }
    for (const Etape &e : p) {
        m.gk = e.gk;
        m.gna = e.gna;
        for (int k = 0; k < 41; ++k) m.calcul_em();
        em.push_back(m.em);
    }
    return em;
}

QByteArray PotentielAction::fichier_nst(const std::vector<Etape> &p, const std::vector<double> &em)
{
    QByteArray b = QByteArray::number(qsizetype(p.size())) + "\r\n";
    for (const Etape &e : p)
        for (int v : {e.gk, e.gna, CONCENTRATIONS[0], CONCENTRATIONS[1], CONCENTRATIONS[2], CONCENTRATIONS[3]})
            b += QByteArray::number(v) + "\r\n";
    for (double v : em) b += format_reel_fichier(v).toLatin1() + "\r\n";
    return b;
}
