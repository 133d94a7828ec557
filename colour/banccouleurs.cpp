#include "colour/banccouleurs.h"

#include <vector>

Couleur BancCouleurs::change_couleur(int k, int position_rouge, int position_vert, int position_bleu)
{
    octets_.at(k - 1) = octets_de_positions(position_rouge, position_vert, position_bleu);
    couleurs_.at(k - 1) = couleur_de_octets(octets_.at(k - 1));
    return couleurs_.at(k - 1);
}

Couleur BancCouleurs::calcul(Somme s)
{
    std::vector<Octets> melanges;
    switch (s) {
    case Somme::S12: melanges = {octets_[0], octets_[1]}; break;
    case Somme::S13: melanges = {octets_[0], octets_[2]}; break;
    case Somme::S23: melanges = {octets_[1], octets_[2]}; break;
    case Somme::S123: melanges = {octets_[0], octets_[1], octets_[2]}; break;
    }
    const Couleur c = melange(melanges);
    sommes_.at(static_cast<int>(s)) = c;
    return c;
}
