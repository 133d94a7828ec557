#include "compagnons/commun/enregistrement.h"

#include <algorithm>
#include <cmath>

Enregistrement::Essai &Enregistrement::ajouter_essai(const QString &nom)
{
    Essai e;
    e.nom = nom;
    e.valeurs.resize(voies.size());
    essais.push_back(std::move(e));
    return essais.back();
}

int Enregistrement::nb_echantillons(int essai) const
{
    if (essai < 0 || essai >= int(essais.size()) || essais[essai].valeurs.empty()) return 0;
    return int(essais[essai].valeurs.front().size());
}

int Enregistrement::nb_echantillons_max() const
{
    int n = 0;
    for (int e = 0; e < int(essais.size()); ++e) n = std::max(n, nb_echantillons(e));
    return n;
}

double Enregistrement::fin_ms() const { return temps(std::max(0, nb_echantillons_max() - 1)); }

int Enregistrement::indice(int essai, double t) const
{
    const int n = nb_echantillons(essai);
    if (n == 0 || !(periode_ms > 0.0)) return 0;
    const double i = std::round((t - debut_ms) / periode_ms);
    if (!(i > 0.0)) return 0;
    return i >= n - 1 ? n - 1 : int(i);
}

double Enregistrement::valeur(int essai, int voie, double t) const
{
    if (nb_echantillons(essai) == 0 || voie < 0 || voie >= int(essais[essai].valeurs.size())) return 0.0;
    return essais[essai].valeurs[voie][indice(essai, t)];
}

std::pair<double, double> Enregistrement::etendue(int voie) const
{
    if (voie >= 0 && voie < voies.size() && voies[voie].echelle_fixee && voies[voie].max > voies[voie].min)
        return {voies[voie].min, voies[voie].max};
    double lo = 0.0, hi = 0.0;
    bool premier = true;
    for (const Essai &e : essais) {
        if (voie < 0 || voie >= int(e.valeurs.size())) continue;
        for (double v : e.valeurs[voie]) {
            if (premier) {
                lo = hi = v;
                premier = false;
            }
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    const double marge = hi > lo ? 0.08 * (hi - lo) : 1.0;
    return {lo - marge, hi + marge};
}
