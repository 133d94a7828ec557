#pragma once
#include "compagnons/terplux/luminances.h"

#include <QString>

// The pictures shown to the retina, luminance 0 (black) to 1 (white).
enum class Motif { HermannNoir, HermannBlanc, BandesMach, ContrasteSimultane };

struct Stimulus {
    Luminances image;
    int ligne_conseillee = 0; // a row where the profile shows the effect
};

// Geometry of the Hermann grids: streets of `rue` pixels between squares of
// `carre` pixels, a street along every edge.
struct GrilleHermann {
    int carre = 34;
    int rue = 10;
    int periode() const { return carre + rue; }
    // Centre of the street crossing number (i, j), and of the street between
    // crossings (i, j) and (i + 1, j).
    int centre_rue(int i) const { return i * periode() + rue / 2; }
    int milieu_carre(int i) const { return i * periode() + rue + carre / 2; }
};

constexpr int TAILLE_STIMULUS = 318; // 7 squares and 8 streets of the default grid

Stimulus creer_stimulus(Motif m, const GrilleHermann &g = GrilleHermann());
QString nom_motif(Motif m);
// What the pupil should look at, for each picture.
QString explication_motif(Motif m);

// Layout of the Mach bands and the simultaneous-contrast picture, for the tests
// and the profile.
struct DispositionMach {
    int debut_rampe = 119;
    int fin_rampe = 199;
    double sombre = 0.2;
    double clair = 0.8;
};
struct DispositionContraste {
    int cote = 50;        // the grey squares' side
    double gris = 0.5;
    double fond_sombre = 0.08;
    double fond_clair = 0.92;
    // Left edges of the two grey squares (on the dark, then on the light half).
    int gauche_sombre() const { return TAILLE_STIMULUS / 4 - cote / 2; }
    int gauche_clair() const { return 3 * TAILLE_STIMULUS / 4 - cote / 2; }
    int haut() const { return TAILLE_STIMULUS / 2 - cote / 2; }
};
