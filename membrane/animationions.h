#pragma once
#include <QImage>
#include <QString>

#include <array>
#include <optional>
#include <random>

// The ion-flux animation of the equilibrium mode: K+ ions (odd numbers, red)
// and their anions (even numbers, lime) moving at random in a 300 × 164 box
// split by the membrane at x = 150. Only K+ crosses; the net number of
// crossings is capped at |EK| / 10, and its running mean gives the electrical
// force and the potential shown (10 mV per net crossing).
class AnimationIons {
public:
    struct Ion {
        int x = 0;
        int y = 0;
    };
    static constexpr int MAX_IONS = 600;
    static constexpr int LARGEUR = 300;
    static constexpr int HAUTEUR = 164;

    std::array<Ion, MAX_IONS + 1> ions{}; // numbered 1..600
    int nb_ions = 0;
    int n_entrees = 0; // K+ crossings outside → inside
    int n_sorties = 0; // K+ crossings inside → outside
    int x_membrane = LARGEUR / 2;
    double moyenne = 0.0; // running mean of the net crossing count
    int n_ticks = 0;

    // Counts and mean back to zero; the particle count from the even
    // concentrations, never above 600.
    void remise_zero(double c_ki, double c_ke);
    // Particles 1..[K]i at random inside, the next ones up to [K]i + [K]e
    // outside, each drawn on `image`.
    void placer(double c_ki, double c_ke, std::mt19937 &gen, QImage &image);
    // One step: every particle moves, crossings follow the rules, each particle
    // is drawn on `image`; then the running mean is updated.
    void pas(double e_k, std::mt19937 &gen, QImage &image);

    // The largest net number of crossings: Round(|EK| × 0.1).
    static int seuil(double e_k);
    // Width of the electrical arrow: 10 pixels per net crossing of the mean.
    int largeur_fleche() const;
    // "Em=-…" (EK < 0) or "Em=…" (EK > 0) from the mean, "Em=0.00" while the
    // mean shows as zero; nothing when EK = 0.
    std::optional<QString> legende_em(double e_k) const;

    // A particle: a 5 × 5 ellipse outlined in black, filled red (odd i) or lime.
    static void dessiner_ion(QImage &image, int i, Ion p);
    // The clean background: the dotted membrane line at x = 153.
    static void dessiner_membrane(QImage &fond);
    // Uniform on 0 .. n − 1.
    static int tirage(std::mt19937 &gen, int n);

private:
    void garder_les_comptes_bornes();
};
