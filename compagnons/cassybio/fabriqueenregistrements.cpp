#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/commun/texte.h"
#include "compagnons/mavoren/simulateuremg.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double BRUIT_MV = 0.01;
// One fibre's action potential under an electrode, as a smooth spike rising to
// its peak in POINTE_MS and back near zero about 1 ms after it began.
constexpr double POINTE_MS = 0.3;
// Speeds within a group, relative to the group's.
constexpr double DISPERSION[] = {0.94, 0.97, 1.0, 1.03, 1.06};
constexpr double NERF_MV = 4.0;  // the whole nerve's potential under one electrode, both groups together
constexpr double FIBRE_MV = 1.5; // one fibre's, with the gain of its recording
constexpr double NERF_ELECTRODES_MM[] = {50.0, 65.0};
constexpr double FIBRE_ELECTRODES_MM[] = {20.0, 30.0};
constexpr double DERNIER_CHOC_MS = 15.0; // a train leaves time for its last response
constexpr double EPS = 1e-9;             // times are sums of steps

double au_pas(double v, double pas) { return std::round(v / pas) * pas; }

double pointe(double t)
{
    if (t <= 0.0) return 0.0;
    const double x = t / POINTE_MS;
    return x * x * x * std::exp(3.0 * (1.0 - x));
}

// The stimulus artefact: a sharp spike and a small opposite tail, growing with the shock.
double artefact(double t, double volts)
{
    if (t < 0.0) return 0.0;
    return volts * (3.0 * std::exp(-t / 0.06) - 0.6 * std::exp(-t / 0.35));
}

} // namespace

const std::vector<FabriqueEnregistrements::Groupe> &FabriqueEnregistrements::groupes()
{
    static const std::vector<Groupe> g = {
        {QStringLiteral("fibres à longue période réfractaire"), 2.0, 0.55, 38.0, 0.30, 0.70},
        {QStringLiteral("fibres à courte période réfractaire"), 1.5, 0.45, 42.0, 0.20, 0.45},
    };
    return g;
}

const QList<double> &FabriqueEnregistrements::intervalles()
{
    static const QList<double> i = {5.0, 4.0, 3.0, 2.5, 2.2, 2.1, 2.0, 1.9, 1.8, 1.7, 1.6, 1.5, 1.4, 1.3, 1.0};
    return i;
}

const QList<double> &FabriqueEnregistrements::periodes_trains(int groupe)
{
    // Around each group's absolute period, in steps the sampling can hold.
    static const QList<double> longue = {2.5, 2.2, 2.1, 2.05, 2.0, 1.95, 1.8};
    static const QList<double> courte = {1.7, 1.6, 1.55, 1.5, 1.45, 1.35};
    return groupe == 0 ? longue : courte;
}

const QList<int> &FabriqueEnregistrements::intensites()
{
    static const QList<int> i = {10, 15, 18, 19, 20, 22, 25, 30, 35, 40, 50, 60, 70, 80, 100};
    return i;
}

double FabriqueEnregistrements::fraction_excitee(const Groupe &g, double volts)
{
    // The most excitable sixth or so answer together at the group's threshold,
    // then the others as the shock grows.
    if (volts < g.seuil_v - EPS) return 0.0;
    return std::min(1.0, 0.15 + 0.85 * (volts - g.seuil_v) / (g.seuil_plein_v - g.seuil_v));
}

std::vector<FabriqueEnregistrements::Potentiel> FabriqueEnregistrements::potentiels(const Groupe &g,
                                                                                  const std::vector<double> &chocs)
{
    std::vector<Potentiel> r;
    double dernier = -1e9;
    for (double t : chocs) {
        const double ecart = t - dernier;
        if (ecart <= g.periode_absolue_ms + EPS) continue; // absolute refractory period
        r.push_back({t, 1.0 - std::exp(-(ecart - g.periode_absolue_ms) / TAU_RELATIVE_MS)});
        dernier = t;
    }
    return r;
}

FabriqueEnregistrements::FabriqueEnregistrements(unsigned graine) : graine_(graine) {}

void FabriqueEnregistrements::ajouter_essai(Enregistrement &e, const QString &nom, const Preparation &p, double volts,
                                            const std::vector<double> &chocs) const
{
    // Every response: its group's speed, its start, its size.
    struct Reponse {
        double vitesse, t, taille;
    };
    std::vector<Reponse> reponses;
    for (int k : p.groupes) {
        const Groupe &g = groupes()[k];
        const double part = p.groupes.size() > 1 ? g.part : 1.0;
        const double excitee = p.dispersion ? fraction_excitee(g, volts) : 1.0;
        if (excitee == 0.0) continue;
        const int n = p.dispersion ? int(std::size(DISPERSION)) : 1;
        for (const Potentiel &pa : potentiels(g, chocs))
            for (int d = 0; d < n; ++d)
                reponses.push_back({g.vitesse_m_s * (p.dispersion ? DISPERSION[d] : 1.0), pa.t,
                                    p.amplitude_mv * part * excitee * pa.taille / n});
    }

    std::mt19937 alea(graine_ + unsigned(e.essais.size()) * 7919u);
    std::normal_distribution<double> bruit(0.0, BRUIT_MV);
    Enregistrement::Essai &essai = e.ajouter_essai(nom);
    const int n = int(std::lround((FIN_MS - DEBUT_MS) / PERIODE_MS)) + 1;
    for (int i = 0; i < n; ++i) {
        const double t = e.temps(i);
        bool choc = false;
        double mv = 0.0;
        for (double tc : chocs) {
            choc = choc || (t >= tc - EPS && t < tc + DUREE_CHOC_MS - EPS);
            mv += artefact(t - tc + EPS, volts);
        }
        // mm / (m/s) = ms. The first electrode sees the potential, the second the same later, inverted.
        for (const Reponse &r : reponses)
            mv += r.taille * (pointe(t - r.t - p.distance1_mm / r.vitesse) - pointe(t - r.t - p.distance2_mm / r.vitesse));
        essai.valeurs[0].push_back(choc ? volts : 0.0);
        essai.valeurs[1].push_back(au_pas(mv + bruit(alea), 1e-4));
    }
}

Enregistrement FabriqueEnregistrements::refractaire() const
{
    Enregistrement e;
    e.titre = QStringLiteral("Période réfractaire : deux chocs de plus en plus rapprochés, puis trains de chocs sur "
                             "une fibre");
    e.notes << QStringLiteral("Nerf sciatique de grenouille : des fibres à longue période réfractaire et des fibres "
                              "à courte période réfractaire, un peu plus rapides. Enregistrement entre deux "
                              "électrodes posées sur le nerf (potentiel global biphasique).")
            << QStringLiteral("Essais « Intervalle » : deux chocs supramaximaux de 1,00 V. Superposez les essais et "
                              "mesurez avec les curseurs l'intervalle entre les deux chocs (Δt). Notez le plus court "
                              "qui donne une deuxième réponse entière, puis le plus court qui donne encore une "
                              "deuxième réponse.")
            << QStringLiteral("Essais « Fibre » : une fibre isolée de chaque sorte reçoit un train de chocs (PR : "
                              "période réfractaire) ; sa fréquence est dans le nom de l'essai (f = 1 / Δt entre deux "
                              "chocs). Notez la fréquence la plus haute à laquelle elle répond à chaque choc : "
                              "au-delà, elle en saute un sur deux.");
    e.periode_ms = PERIODE_MS;
    e.debut_ms = DEBUT_MS;
    e.voies << Enregistrement::Voie{QStringLiteral("Stimulation"), QStringLiteral("V"), true, -0.1, 1.1}
            << Enregistrement::Voie{QStringLiteral("Potentiel du nerf ou de la fibre"), QStringLiteral("mV"), false,
                                    0.0, 0.0};
    const Preparation nerf{{0, 1}, NERF_MV, NERF_ELECTRODES_MM[0], NERF_ELECTRODES_MM[1], true};
    for (double i : intervalles())
        ajouter_essai(e, QStringLiteral("Intervalle %1 ms").arg(en_francais(i, 1)), nerf, VOLTS_PAIRES, {0.0, i});
    for (int g = 0; g < 2; ++g) {
        const Preparation fibre{{g}, FIBRE_MV, FIBRE_ELECTRODES_MM[0], FIBRE_ELECTRODES_MM[1], false};
        for (double periode : periodes_trains(g)) {
            std::vector<double> chocs;
            for (int k = 0; k * periode <= DERNIER_CHOC_MS + EPS; ++k) chocs.push_back(k * periode);
            ajouter_essai(e,
                          QStringLiteral("Fibre à PR %1 : %2 Hz")
                              .arg(g == 0 ? QStringLiteral("longue") : QStringLiteral("courte"))
                              .arg(std::lround(1000.0 / periode)),
                          fibre, VOLTS_TRAINS, chocs);
        }
    }
    return e;
}

Enregistrement FabriqueEnregistrements::recrutement() const
{
    Enregistrement e;
    e.titre = QStringLiteral("Recrutement des fibres : stimulations d'intensité croissante");
    e.notes << QStringLiteral("Nerf sciatique de grenouille, un choc par essai, de 0,10 V à 1,00 V.")
            << QStringLiteral("Mesurez l'amplitude de la réponse à chaque intensité : rien sous le seuil, puis une "
                              "réponse qui grandit avec le nombre de fibres excitées et plafonne quand toutes "
                              "répondent. L'intensité la plus faible qui donne une réponse est le seuil des fibres "
                              "les plus sensibles.");
    e.periode_ms = PERIODE_MS;
    e.debut_ms = DEBUT_MS;
    e.voies << Enregistrement::Voie{QStringLiteral("Stimulation"), QStringLiteral("V"), true, -0.1, 1.1}
            << Enregistrement::Voie{QStringLiteral("Potentiel global du nerf"), QStringLiteral("mV"), false, 0.0, 0.0};
    const Preparation nerf{{0, 1}, NERF_MV, NERF_ELECTRODES_MM[0], NERF_ELECTRODES_MM[1], true};
    for (int i : intensites())
        ajouter_essai(e, QStringLiteral("Intensité %1 V").arg(en_francais(i / 100.0, 2)), nerf, i / 100.0, {0.0});
    return e;
}

Enregistrement FabriqueEnregistrements::reflexe_volontaire(unsigned graine)
{
    std::mt19937 g(graine);
    SimulateurEmg sim;
    sim.arc = ArcReflexe::catalogue().at(1);
    Enregistrement e;
    e.titre = QStringLiteral("Activité réflexe et activité volontaire du quadriceps");
    e.notes << QStringLiteral("Essais 1 à 3 : percussion du tendon rotulien au marteau (réflexe myotatique).")
            << QStringLiteral("Essais 4 à 6 : le sujet contracte le muscle dès qu'une lampe s'allume (temps de "
                              "réaction).")
            << QStringLiteral("Le stimulus est au temps 0 : mesurez avec les curseurs le délai avant le début de "
                              "l'EMG, puis comparez.");
    e.periode_ms = SimulateurEmg::PERIODE_MS;
    e.debut_ms = SimulateurEmg::DEBUT_MS;
    e.voies << Enregistrement::Voie{QStringLiteral("Stimulus : marteau ou lampe"), QStringLiteral("V"), true, -1.0, 6.0}
            << Enregistrement::Voie{QStringLiteral("EMG du quadriceps"), QStringLiteral("mV"), false, 0.0, 0.0};
    for (int k = 1; k <= 3; ++k)
        e.essais.push_back(sim.essai_reflexe(g, QStringLiteral("Réflexe rotulien n°%1").arg(k)).enregistrement.essais.front());
    for (int k = 1; k <= 3; ++k)
        e.essais.push_back(
            sim.essai_volontaire(g, QStringLiteral("Mouvement volontaire n°%1").arg(k)).enregistrement.essais.front());
    return e;
}

QByteArray FabriqueEnregistrements::modele_lanceur()
{
    return QByteArrayLiteral("@ECHO OFF\r\n"
                             "SET CHEM_CAS=C:\\CASSYBIO\\\r\n"
                             "REM cassybio : le visualiseur d'enregistrements de Kalmeno.\r\n"
                             "REM Au demarrage, Kalmeno recopie ce modele en cassybio.bat a cote de cassybio.pif\r\n"
                             "REM et la ligne CHEM_CAS y nomme le dossier CASSYBIO de son repertoire de depart.\r\n"
                             "REM cassybio.pif ouvre l'enregistrement dont le chemin est son seul argument.\r\n");
}
