#pragma once
#include <QSize>
#include <QString>

// The membrane between the inside and the outside compartment: four ion
// concentrations, two conductances, the Nernst equilibrium potentials and the
// membrane potential that relaxes toward their conductance-weighted mean.
// No widgets: the page, the curve programme and the file tools all use it.
class ModeleMembrane {
public:
    // −61/2.3 mV per natural-log unit (Nernst at body temperature).
    static constexpr long double FACTEUR_NERNST = -61.0L / 2.3L;
    static constexpr double CONC_MAX = 300.0;
    static constexpr int COND_MAX = 100;

    // Concentrations (mM), whole values 0..300 except the 0.1 that replaces a zero.
    double c_ki = 150.0;
    double c_ke = 6.0;
    double c_nai = 8.0;
    double c_nae = 144.0;
    // Conductances 0..100.
    int gk = 0;
    int gna = 0;
    // Potentials in mV; em is inside minus outside.
    double e_k = 0.0;
    double e_na = 0.0;
    double em_cible = 0.0;
    double em = 0.0;

    // e_k and e_na from the concentrations. A concentration outside 0..300 is
    // first held to that range; a zero becomes 0.1 and keeps that value.
    void calcul_pot_eq();
    // One relaxation step of em toward em_cible (conductances held to 0..100).
    void calcul_em();

    // Captions of the page: "EeqK=", "EnaK=", "Em=" with two decimals.
    QString legende_ek() const;
    QString legende_ena() const;
    QString legende_em() const;

    static double borne_concentration(double c);
    static int borne_conductance(int g);

    // Size of an ion picture whose area is `aire` square pixels (13 per mM) and
    // whose height/width is `rapport`: height first, then the width from it.
    static QSize taille_image(double aire, double rapport);
    static constexpr double AIRE_PAR_MM = 13.0;
};
