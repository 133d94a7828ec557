#pragma once
#include <array>

#include "colour/reglescouleur.h"

// The state of the colour-mixing bench: the three colours set by the bars
// (rouge1 … bleu3 as bytes, couleur1 … couleur3) and their four mixtures.
class BancCouleurs {
public:
    // The mixtures, by the colours they mix.
    enum class Somme { S12, S13, S23, S123 };

    // Colour k (1 to 3) from the positions of its red, green and blue bars;
    // returns couleurK.
    Couleur change_couleur(int k, int position_rouge, int position_vert, int position_bleu);

    Octets octets(int k) const { return octets_.at(k - 1); }
    Couleur couleur(int k) const { return couleurs_.at(k - 1); }

    // Computes and stores a mixture of the current colours; returns it.
    Couleur calcul(Somme s);
    Couleur somme(Somme s) const { return sommes_.at(static_cast<int>(s)); }

private:
    std::array<Octets, 3> octets_{};
    std::array<Couleur, 3> couleurs_{couleur_rgb(1, 1, 1), couleur_rgb(1, 1, 1), couleur_rgb(1, 1, 1)};
    std::array<Couleur, 4> sommes_{};
};
