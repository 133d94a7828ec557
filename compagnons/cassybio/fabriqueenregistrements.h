#pragma once
#include "compagnons/commun/enregistrement.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// The recordings shown through the acquisition launcher: what a class would
// record on a frog sciatic nerve (paired shocks, trains on single fibres,
// recruitment) and, with mavoren's EMG simulator, on a quadriceps.
//
// The nerve holds two groups of fibres. Each has its absolute refractory
// period, after which a fibre's action potential recovers its full size within
// a brief relative period, its share of the compound response, its conduction
// speed (spread by a few per cent within the group) and its range of
// thresholds. The compound response is recorded between two electrodes on the
// nerve, so each fibre's potential appears under the first one, then inverted
// under the second.
class FabriqueEnregistrements {
public:
    static constexpr double PERIODE_MS = 0.05;
    static constexpr double DEBUT_MS = -1.0;
    static constexpr double FIN_MS = 19.0;
    static constexpr double VOLTS_PAIRES = 1.0;  // supramaximal shocks of the paired trials
    static constexpr double VOLTS_TRAINS = 0.5;  // shocks of the trains on single fibres
    static constexpr double TAU_RELATIVE_MS = 0.025; // recovery after the absolute period
    static constexpr double DUREE_CHOC_MS = 0.1;

    struct Groupe {
        QString nom;                 // as the questionnaire names it
        double periode_absolue_ms;   // no action potential at or under this interval
        double part;                 // share of the compound response
        double vitesse_m_s;          // conduction speed
        double seuil_v;              // the most excitable fibres answer from here
        double seuil_plein_v;        // every fibre of the group answers from here
    };
    // The fibres with a long refractory period, then those with a short one.
    static const std::vector<Groupe> &groupes();

    // Intervals between the two shocks of the paired trials, in ms.
    static const QList<double> &intervalles();
    // Periods of the trains given to one fibre of each group, in ms.
    static const QList<double> &periodes_trains(int groupe);
    // Intensities of the recruitment series, in hundredths of a volt.
    static const QList<int> &intensites();

    // The share of a group's fibres that a shock of this intensity excites.
    static double fraction_excitee(const Groupe &g, double volts);
    // A fibre of the group given shocks at these times (ms): for each shock it
    // answers, the shock's time and the size of its action potential (1 when
    // fully recovered, less in the relative period).
    struct Potentiel {
        double t;
        double taille;
    };
    static std::vector<Potentiel> potentiels(const Groupe &g, const std::vector<double> &chocs);

    explicit FabriqueEnregistrements(unsigned graine = 1);

    Enregistrement refractaire() const;
    Enregistrement recrutement() const;
    static Enregistrement reflexe_volontaire(unsigned graine = 1);

    // The batch template of the launcher (CR LF lines, "SET CHEM_CAS" on the second).
    static QByteArray modele_lanceur();

private:
    // What the electrodes see: the whole nerve or one fibre of a group.
    struct Preparation {
        std::vector<int> groupes; // indices into groupes()
        double amplitude_mv;      // of one group's whole potential, or of the fibre's
        double distance1_mm;      // from the cathode to each recording electrode
        double distance2_mm;
        bool dispersion;          // speeds spread within a group (a nerve) or not (a fibre)
    };
    void ajouter_essai(Enregistrement &e, const QString &nom, const Preparation &p, double volts,
                       const std::vector<double> &chocs) const;
    unsigned graine_;
};
