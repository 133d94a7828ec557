#pragma once
#include "compagnons/terplux/luminances.h"

#include <QImage>

#include <vector>

// Retinal cells with centre-surround receptive fields: each cell's response is
// the light on its excitatory centre (a Gaussian of width sigma_centre) minus
// `force` times the light on its inhibitory surround (a Gaussian `rapport`
// times wider). Both Gaussians weigh 1 in all, so a uniform field of
// luminance L gives (1 − force) × L everywhere.
class Retine {
public:
    double sigma_centre = 3.0; // pixels
    double rapport = 3.0;      // surround width / centre width
    double force = 0.8;        // 0: no lateral inhibition, 1: as strong as the centre

    double sigma_pourtour() const { return sigma_centre * rapport; }
    Luminances reponse(const Luminances &stimulus) const;
    // The receptive field's weight at a distance r from its centre (pixels).
    double poids(double r) const;
    // A picture of the receptive field (centre light, surround dark on a mid
    // grey for zero), `cote` pixels square, `echelle` pixels of picture per
    // pixel of field.
    QImage image_champ(int cote, double echelle) const;

    // A 1-D Gaussian of width sigma, weights summing to 1, over ±3 sigma.
    static std::vector<double> noyau(double sigma);
    // The picture blurred by that Gaussian along both axes; borders repeat outward.
    static Luminances flou(const Luminances &im, double sigma);
};
