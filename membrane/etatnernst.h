#pragma once
#include <QImage>
#include <vector>

#include "membrane/animationions.h"
#include "membrane/modelemembrane.h"
#include "membrane/programme.h"
#include "membrane/tracecourbe.h"

// Everything the "Loi de Nernst" page knows, without widgets: the membrane,
// the picture ratios, the two modes, the curve programme with its current
// step, the plot and the animation; and the rules of recording, editing and
// replaying the programme.
class EtatNernst {
public:
    ModeleMembrane membrane;
    Programme programme;
    TraceCourbe courbe;
    AnimationIons anim;

    // Height / width of the ion pictures, from their design sizes.
    double rapport_k = 18.0 / 21.0;
    double rapport_na = 18.0 / 32.0;
    double rapport_an = 17.0 / 20.0;

    bool mode_equilibre = false;
    bool mode_edition = false;
    bool essai_en_cours = false;
    int etape = 0; // current step, 0 before the first one
    double em_prec = 0.0;
    bool en_programmation = false; // between "Program.COURBE" and "Fin program."
    bool enregistrement = false;   // a live recording runs
    bool chargement = false;       // the page is loading a step into its bars

    // Each step of the last live recording since "EFFACER", for the data
    // export: the settings as recorded and the Em plotted.
    std::vector<PasEnregistre> enregistre;
    // Notes the step just recorded, `etape`, with the Em just plotted.
    void noter_enregistrement();

    // Whether the bars write into the current step: while the programme is
    // edited, except during a live recording (a recorded step keeps what was
    // plotted), and while the page loads a step (it gets its own values back,
    // evened). Outside these a bar move changes no step.
    bool etape_modifiable() const { return chargement || (en_programmation && !enregistrement); }

    // The page's settings as a step: conductances and rounded concentrations.
    EtapeProg valeurs_courantes() const;
    // Writes one field of the current step, when there is one and it may be
    // changed.
    void ecrire_champ(int32_t EtapeProg::*champ, int32_t valeur);

    // Plots step n; with Em (after one more relaxation step) when asked or
    // while a trial runs.
    void trace_point(QImage &plot, bool avec_em, int n);
    // Clears the plot and replots steps 1..nb_etapes with each step's
    // conductances and the current step's concentrations; the model is left
    // with the last step's conductances and the current step's concentrations.
    void reaff_tout(QImage &plot, const QImage &blanc);
    // The same redraw, the model keeping its own conductances and
    // concentrations: what a bar move redraws while editing.
    void reaff_tout_sans_reglages(QImage &plot, const QImage &blanc);

    // One tick of live recording: the next step takes the page's settings.
    // False, with nothing recorded, once the 83 steps are used.
    bool pas_enregistrement();
    // Appends a step after the current one from the page's settings; false when
    // the table is full (nothing appended).
    bool ajouter_etape();

    // Start of a trial of the programme.
    void debut_essai();
    // One settling tick before the replay; true once Em has settled.
    bool reglage_essai();
    // Moves to the next step of the replay; false, ending the trial, after the
    // step before the last.
    bool etape_suivante_essai();
    // The current step's settings into the model (held to their ranges), with
    // the equilibrium potentials.
    void appliquer_etape_essai();
    // The same for step k.
    void appliquer_etape(int k);

    // Relaxation steps of Em between two replay ticks at the design's pace:
    // Timer_k and Timer_na at 5 ms during Timer_reaff's 100 ms.
    static constexpr int RELAXATIONS_PAR_PAS = 2 * 100 / 5;
    // The Em a trial reaches at the programme's last step, which the replay
    // stops before: one more replay tick after the Em of the step before it
    // (the settled Em of a one-step programme).
    static double em_derniere_etape(const Programme &p);
};
