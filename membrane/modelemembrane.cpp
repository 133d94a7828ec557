#include "membrane/modelemembrane.h"
#include "common/nombres.h"

#include <algorithm>
#include <cmath>

double ModeleMembrane::borne_concentration(double c)
{
    if (!(c >= 0.0)) return 0.0; // negative or NaN
    return std::min(c, CONC_MAX);
}

int ModeleMembrane::borne_conductance(int g) { return std::clamp(g, 0, COND_MAX); }

namespace {

// Nernst potential of one ion; a zero concentration is replaced by 0.1 in place
// (outside first), so the logarithm stays finite.
double nernst(double &dedans, double &dehors)
{
    dehors = ModeleMembrane::borne_concentration(dehors);
    dedans = ModeleMembrane::borne_concentration(dedans);
    if (dehors == 0.0) dehors = 0.1;
    if (dedans == 0.0) dedans = 0.1;
    return double(ModeleMembrane::FACTEUR_NERNST * std::log(static_cast<long double>(dedans) / dehors));
}

} // namespace

void ModeleMembrane::calcul_pot_eq()
{
    e_k = nernst(c_ki, c_ke);
    e_na = nernst(c_nai, c_nae);
}

void ModeleMembrane::calcul_em()
{
    gk = borne_conductance(gk);
    gna = borne_conductance(gna);
    const int s = gk + gna;
    if (s == 0) {
        em = 0.0;
        em_cible = 0.0;
        return;
    }
    em_cible = (e_k * gk + e_na * gna) / s;
    em = em + (em_cible - em) * s * 0.005;
}

QString ModeleMembrane::legende_ek() const { return QStringLiteral("EeqK=") + format_reel(e_k, 2, 2); }
QString ModeleMembrane::legende_ena() const { return QStringLiteral("EnaK=") + format_reel(e_na, 2, 2); }
QString ModeleMembrane::legende_em() const { return QStringLiteral("Em=") + format_reel(em, 2, 2); }

QSize ModeleMembrane::taille_image(double aire, double rapport)
{
    if (!(rapport > 0.0) || !(aire > 0.0)) return {0, 0};
    const int hauteur = arrondi(std::sqrt(rapport * aire));
    const int largeur = arrondi(hauteur / rapport);
    return {largeur, hauteur};
}
