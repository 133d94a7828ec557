#pragma once
#include <array>
#include <vector>

#include <QByteArray>

// One action potential as a curve programme of the "Loi de Nernst" page: the
// sodium and potassium conductances of a Hodgkin–Huxley membrane after a brief
// stimulus, one step every 1/6 ms, replayed on the page's membrane model.
class PotentielAction {
public:
    static constexpr int NB_ETAPES = 72;
    // The page's concentrations (mM): [K]i, [K]e, [Na]i, [Na]e.
    static constexpr std::array<int, 4> CONCENTRATIONS{150, 6, 8, 144};
    // Resting conductances of the page: Em = (30 EK + 3 ENa) / 33, about -70.6 mV.
    static constexpr int GK_REPOS = 30;
    static constexpr int GNA_REPOS = 3;

    struct Etape {
        int gk;
        int gna;
    };

    // The conductances of every step: the resting values plus the rise of the
    // Hodgkin–Huxley conductances above their resting level, scaled so that the
    // sodium peak reaches 100; the potassium rise fades out by the 30th step.
    static std::vector<Etape> programme();
    // Em reached at the end of each step on the page's membrane model: settled
    // on the first step, then at each step the new conductances' relaxation
    // step and the 40 more of the two timers at 5 ms until the next step.
    // (Em taken after the first relaxation step alone lags one step behind
    // the conductances and peaks near +26 mV instead of +32.)
    static std::vector<double> rejouer(const std::vector<Etape> &p);
    // The .nst file: N, six integers per step, N reals; CR LF line ends.
    static QByteArray fichier_nst(const std::vector<Etape> &p, const std::vector<double> &em);
};
