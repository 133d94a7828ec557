#pragma once
#include <array>

// The four electrodes hooked onto the nerve, as the drag rules see them:
// their left edges and widths in the simulator's group box, and the left edge
// of the stimulator panel, which bounds the drags and marks the nerve's end.
enum class Electrode { Anode, Cathode, Enr1, Enr2 };

struct Montage {
    std::array<int, 4> gauche{64, 80, 208, 224};
    std::array<int, 4> largeur{5, 5, 5, 5};
    int panel2_gauche = 331;

    int gauche_de(Electrode e) const { return gauche[static_cast<int>(e)]; }
    int largeur_de(Electrode e) const { return largeur[static_cast<int>(e)]; }
    // The right end of the nerve: beyond it a cathode no longer stimulates
    // and a recording electrode no longer records.
    int fin_nerf() const { return panel2_gauche - 20; }
};

bool est_stimulatrice(Electrode e);

// Where an electrode goes when the mouse is at X within it, grabbed at
// x_saisie: its new left edge, or its present one when the rules refuse the move.
int deplace_shape(const Montage &m, Electrode e, int X, int x_saisie);

// The wire and sign label that follow an electrode whose left edge is `gauche`;
// `bord_droit` is the right edge of the nerve picture (ima_nerf Left + Width).
struct Suiveurs {
    int fil_gauche;
    int fil_largeur;
    int signe_gauche; // stimulating electrodes only
};
Suiveurs suiveurs(Electrode e, int gauche, int bord_droit);
