#pragma once
#include <array>

#include <QByteArray>
#include <QString>

#include "nerve/electrodes.h"

class Canevas;
class LecteurLignes;

// The nerve stimulation simulator: the shape of one action potential loaded
// from ess0.nst, and the signal seen between the two recording electrodes after
// one or two stimuli, drawn as on an oscilloscope.
class ModeleNerf {
public:
    static constexpr int TAILLE_COURBE = 84;
    static constexpr int TAILLE_ONDE = 30;
    static constexpr int NB_ECHANTILLONS = 120; // entries 1 to 120
    static constexpr int NB_DESSINES = 80;
    static constexpr int BASELINE = 69; // slot of the curve that holds the resting level

    struct Echantillon {
        double voie1 = 0.0; // under recording electrode 1
        double voie2 = 0.0; // under recording electrode 2
    };

    // What one run reads from the page.
    struct Reglages {
        Montage montage;
        int position_i_stim = 100; // Scroll_i_stim: intensity = 100 − position
        int p = 50;                // Scroll_temps: delay of the second stimulus, in samples
        bool fibre = false;        // Radio_nerf on "Fibre"
    };

    // What one run changes on the page besides the trace.
    struct Resultat {
        bool reponse = false;      // something was recorded: the first artefact moves to 10
        int deux_artef_gauche = 0; // left edge of the second stimulus's artefact
        double amplitude = 0.0;    // gain of the trace, pixels per curve unit
    };

    std::array<double, TAILLE_COURBE> courbe_ess0{};
    std::array<double, TAILLE_ONDE> onde_pa{};
    std::array<Echantillon, NB_ECHANTILLONS + 1> trace_enr{}; // slot 0 unused
    int intensite_stim = 0;
    bool deux_stim = false;
    int decal_enr1 = 0;
    int decal_enr2 = 0;
    int x_prec = 0;
    double val_prec = 0.0;

    // Loads the curve file, reading only the lines it needs; a file that
    // cannot be opened, whose first line is not a number or that holds a line
    // longer than LONGUEUR_MAX_LIGNE changes nothing.
    void lec_fic_ess0(const QString &chemin);
    // The same from the file's bytes, or from its lines.
    void lire_ess0(const QByteArray &octets);
    void lire_ess0(LecteurLignes &lignes);

    // The run: computes trace_enr from the set-up.
    Resultat calculer(const Reglages &r);
    // Draws trace_enr (its first 80 samples) on the trace picture.
    void dessiner_trace(Canevas &c, double amplitude, bool fibre);

    // The trace's y for a signal v at gain `amplitude`: baseline 110, a
    // positive signal goes up; held within a band around the picture.
    static int y_trace(double v, double amplitude);

private:
    void enregistrer(int debut, bool voie1, double facteur);
};
