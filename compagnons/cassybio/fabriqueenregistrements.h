#pragma once
#include "compagnons/commun/enregistrement.h"
#include "nerve/modelenerf.h"

#include <QByteArray>
#include <QList>

// The recordings shown through the acquisition launcher, made with Kalmeno's
// nerve model (the one of the page "Période réfractaire") and with mavoren's
// EMG simulator: what a class would have recorded on a real bench.
class FabriqueEnregistrements {
public:
    static constexpr double PERIODE_MS = 0.05;
    static constexpr double DEBUT_MS = -1.0;
    static constexpr double FIN_MS = 19.0;
    static constexpr double MV_PAR_UNITE = 0.05; // drawn curve units to mV at the electrodes
    static constexpr int POSITION_REFRACTAIRE = 50; // intensity 0.50 V
    // Delays of the second stimulus, in samples of the model (1/6 ms).
    static const QList<int> &delais();
    // Intensities of the recruitment series, in hundredths of a volt.
    static const QList<int> &intensites();

    // `nerf` holds the action potential curve (ess0.nst).
    explicit FabriqueEnregistrements(const ModeleNerf &nerf, unsigned graine = 1);

    Enregistrement refractaire();
    Enregistrement recrutement();
    static Enregistrement reflexe_volontaire(unsigned graine = 1);

    // The nerve signal of the model's last run at time t (ms after the first
    // stimulus), in curve units times the run's gain, smoothly interpolated
    // between the model's samples.
    static double signal(const ModeleNerf &m, double gain, double t);

    // The batch template of the launcher (CR LF lines, "SET CHEM_CAS" on the second).
    static QByteArray modele_lanceur();

private:
    // One trial: one or two stimuli of the same intensity, p samples apart.
    void ajouter_essai(Enregistrement &e, const QString &nom, int position_i_stim, bool deux, int p);
    ModeleNerf nerf_;
    unsigned graine_;
};
