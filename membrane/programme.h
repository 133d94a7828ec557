#pragma once
#include <array>
#include <cstdint>

// The settings of one step of the curve programme: the two conductances
// (0..100) and the four concentrations (0..300), in the file's order.
struct EtapeProg {
    int32_t gk = 0;
    int32_t gna = 0;
    int32_t ki = 0;
    int32_t ke = 0;
    int32_t nai = 0;
    int32_t nae = 0;
    friend bool operator==(const EtapeProg &, const EtapeProg &) = default;
};

// A step of a live recording: the page's settings when it was recorded and
// the Em plotted then.
struct PasEnregistre {
    EtapeProg reglages;
    double em = 0.0;
};

// The step table of the curve programme, numbered 1 to 83, with the Em reached
// at each step. Every access is held to 1..83: the table has no other steps.
class Programme {
public:
    static constexpr int TAILLE = 83;

    // Number of steps in the programme, 0..83.
    int nb_etapes = 0;

    static bool valide(int k) { return k >= 1 && k <= TAILLE; }
    EtapeProg &etape(int k) { return etapes_[index(k)]; }
    const EtapeProg &etape(int k) const { return etapes_[index(k)]; }
    double &em_etape(int k) { return em_[index(k)]; }
    double em_etape(int k) const { return em_[index(k)]; }

    // A step with its conductances held to 0..100 and concentrations to 0..300.
    static EtapeProg borne(EtapeProg e);

private:
    static std::size_t index(int k) { return std::size_t(k < 1 ? 0 : (k > TAILLE ? TAILLE - 1 : k - 1)); }
    std::array<EtapeProg, TAILLE> etapes_{};
    std::array<double, TAILLE> em_{};
};
