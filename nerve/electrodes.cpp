#include "nerve/electrodes.h"

bool est_stimulatrice(Electrode e) { return e == Electrode::Anode || e == Electrode::Cathode; }

int deplace_shape(const Montage &m, Electrode e, int X, int x_saisie)
{
    const int actuel = m.gauche_de(e);
    const int n = actuel + X - x_saisie;
    const int w = m.largeur_de(e);
    // Never onto the stimulator panel, never off the left of the nerve.
    if (n >= m.panel2_gauche - 10 || n + w <= 15) return actuel;
    if (est_stimulatrice(e)) {
        // A stimulating electrode stays left of both recording ones.
        if (n + w < m.gauche_de(Electrode::Enr1) && n + w < m.gauche_de(Electrode::Enr2)) return n;
        return actuel;
    }
    // A recording electrode stays right of both stimulating ones.
    const int bord_cathode = m.gauche_de(Electrode::Cathode) + m.largeur_de(Electrode::Cathode);
    const int bord_anode = m.gauche_de(Electrode::Anode) + m.largeur_de(Electrode::Anode);
    if (n > bord_cathode && n > bord_anode) return n;
    return actuel;
}

Suiveurs suiveurs(Electrode e, int gauche, int bord_droit)
{
    // Stimulating wires run into the stimulator panel, recording wires stop
    // inside the recorder panel.
    const int retrait = est_stimulatrice(e) ? 3 : 30;
    return {gauche, bord_droit - gauche - retrait, gauche - 2};
}
