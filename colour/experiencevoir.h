#pragma once

// The afterimage experiment: a fixation phase of 20 one-second ticks with a
// growing bar, then the outline picture for 15 seconds. The two flags stand
// for the page's two timers.
class ExperienceVoir {
public:
    enum class Etat { Repos, Fixation, ImageConsecutive };
    static constexpr int TICS_FIXATION = 20;

    int compteur_voir = 0;
    bool voir = false;           // Timer_voir enabled
    bool reaff_image = false;    // Timer_reaff_image enabled
    bool image1 = true;          // the coloured picture shown
    bool image2 = false;         // the outline picture shown, over it
    int largeur_barre = 0;       // width of the progress bar

    // One tick of the fixation timer; the bar grows by a twentieth of the
    // panel's width (in whole pixels) a tick.
    void tic_voir(int largeur_panneau);
    // The end of the afterimage phase.
    void tic_reaff_image();
    // "lancer": starts a fixation, cuts one short, or restarts.
    void lancer();

    Etat etat() const;
};
