#pragma once
#include "compagnons/commun/enregistrement.h"
#include "compagnons/mavoren/arcreflexe.h"

#include <random>

// The electromyogram of a muscle after a tap on its tendon (myotatic reflex)
// or after a light signal the subject answers by contracting it (voluntary
// movement). Each trial is a recording of two channels: the stimulus sensor
// (the hammer's shock sensor, or the lamp's light sensor) and the EMG, the
// stimulus at time 0.
class SimulateurEmg {
public:
    static constexpr double PERIODE_MS = 0.1;
    static constexpr double DEBUT_MS = -20.0;
    static constexpr double FIN_REFLEXE_MS = 100.0;
    static constexpr double FIN_VOLONTAIRE_MS = 450.0;
    // Fixed delays of the reflex: the stretch receptor's response, the one
    // synapse in the spinal cord, the neuromuscular junction.
    static constexpr double DELAI_RECEPTEUR_MS = 1.0;
    static constexpr double DELAI_SYNAPSE_MS = 0.8;
    static constexpr double DELAI_JONCTION_MS = 0.7;
    // Conduction speed in the spinal cord's motor tracts.
    static constexpr double VITESSE_MOELLE = 60.0;
    // Seeing the light and deciding to move: mean and spread, in ms.
    static constexpr double TRAITEMENT_MOYEN_MS = 150.0;
    static constexpr double TRAITEMENT_ECART_MS = 25.0;
    static constexpr double TRAITEMENT_MIN_MS = 100.0;
    static constexpr double TRAITEMENT_MAX_MS = 260.0;
    // An EMG sample above this (mV) is muscle activity, not noise.
    static constexpr double SEUIL_ACTIVITE_MV = 0.05;

    ArcReflexe arc = ArcReflexe::catalogue().at(1);
    double vitesse_m_s = 60.0; // peripheral nerve fibres, both ways

    // Tap to first EMG activity: receptor, afferent path, synapse, efferent
    // path, junction.
    double latence_reflexe_ms() const;
    // Command leaving the cortex to first EMG activity.
    double conduction_volontaire_ms() const;
    // A brain time drawn for one trial, held within its bounds.
    static double tirer_traitement_ms(std::mt19937 &g);

    struct Essai {
        Enregistrement enregistrement; // one trial, two channels
        double debut_emg_ms = 0.0;     // when the first motor unit fires
    };
    Essai essai_reflexe(std::mt19937 &g, const QString &nom) const;
    // `traitement_ms` < 0 draws one.
    Essai essai_volontaire(std::mt19937 &g, const QString &nom, double traitement_ms = -1.0) const;

    // The first time the EMG channel of a trial exceeds the activity threshold
    // at or after `apres`; the end of the trial when it never does.
    static double debut_activite(const Enregistrement &e, int essai, double apres);
};
