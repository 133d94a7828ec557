#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/commun/texte.h"
#include "compagnons/mavoren/simulateuremg.h"

#include <cmath>
#include <random>

namespace {

constexpr double ECHANTILLONS_PAR_MS = 6.0;
constexpr int ECHANTILLON_STIMULUS = 2; // the model's first stimulus falls on its sample 2
constexpr double DUREE_CHOC_MS = 0.1;
constexpr double BRUIT_MV = 0.01;

double au_pas(double v, double pas) { return std::round(v / pas) * pas; }

// The stimulus artefact: a sharp spike and a small opposite tail, growing with the shock.
double artefact(double t, double volts)
{
    if (t < 0.0) return 0.0;
    return volts * (3.0 * std::exp(-t / 0.06) - 0.6 * std::exp(-t / 0.35));
}

} // namespace

const QList<int> &FabriqueEnregistrements::delais()
{
    static const QList<int> d = {60, 48, 36, 30, 24, 20, 18, 16, 14, 12, 11, 10, 8};
    return d;
}

const QList<int> &FabriqueEnregistrements::intensites()
{
    static const QList<int> i = {10, 15, 20, 25, 30, 35, 40, 50, 60, 70, 80, 100};
    return i;
}

FabriqueEnregistrements::FabriqueEnregistrements(const ModeleNerf &nerf, unsigned graine) : nerf_(nerf), graine_(graine) {}

double FabriqueEnregistrements::signal(const ModeleNerf &m, double gain, double t)
{
    auto v = [&m](int i) {
        if (i < 1 || i > ModeleNerf::NB_ECHANTILLONS - 1) return 0.0;
        return m.trace_enr[i].voie1 - m.trace_enr[i].voie2;
    };
    const double x = t * ECHANTILLONS_PAR_MS + ECHANTILLON_STIMULUS;
    const int i = int(std::floor(x));
    const double f = x - i;
    // Catmull-Rom through the four neighbouring samples.
    const double p0 = v(i - 1), p1 = v(i), p2 = v(i + 1), p3 = v(i + 2);
    const double s = 0.5 * (2.0 * p1 + (p2 - p0) * f + (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3) * f * f +
                            (3.0 * p1 - p0 - 3.0 * p2 + p3) * f * f * f);
    return gain * s;
}

void FabriqueEnregistrements::ajouter_essai(Enregistrement &e, const QString &nom, int position_i_stim, bool deux, int p)
{
    ModeleNerf::Reglages r;
    r.position_i_stim = position_i_stim;
    r.p = p;
    nerf_.deux_stim = deux;
    const ModeleNerf::Resultat res = nerf_.calculer(r);
    const double volts = nerf_.intensite_stim / 100.0;
    const double t2 = p / ECHANTILLONS_PAR_MS;

    std::mt19937 g(graine_ + unsigned(e.essais.size()) * 7919u);
    std::normal_distribution<double> bruit(0.0, BRUIT_MV);
    Enregistrement::Essai &essai = e.ajouter_essai(nom);
    const int n = int(std::lround((FIN_MS - DEBUT_MS) / PERIODE_MS)) + 1;
    for (int i = 0; i < n; ++i) {
        const double t = e.temps(i);
        // Times are sums of steps: a tolerance keeps the sample at 0 inside the shock.
        auto dans_choc = [t](double debut) { return t >= debut - 1e-9 && t < debut + DUREE_CHOC_MS - 1e-9; };
        const bool choc = dans_choc(0.0) || (deux && dans_choc(t2));
        essai.valeurs[0].push_back(choc ? volts : 0.0);
        double mv = res.reponse ? signal(nerf_, res.amplitude, t) * MV_PAR_UNITE : 0.0;
        mv += artefact(t, volts) + (deux ? artefact(t - t2, volts) : 0.0) + bruit(g);
        essai.valeurs[1].push_back(au_pas(mv, 1e-4));
    }
}

Enregistrement FabriqueEnregistrements::refractaire()
{
    Enregistrement e;
    e.titre = QStringLiteral("Période réfractaire : deux stimulations de plus en plus rapprochées");
    e.notes << QStringLiteral("Nerf sciatique de grenouille, deux chocs de 0,50 V ; enregistrement entre deux "
                              "électrodes posées sur le nerf (potentiel global biphasique).")
            << QStringLiteral("Superposez les essais : la deuxième réponse diminue quand l'intervalle raccourcit, "
                              "puis disparaît.")
            << QStringLiteral("Mesurez avec les curseurs l'intervalle le plus court qui donne encore une deuxième "
                              "réponse, et celui en dessous duquel elle n'est plus complète.");
    e.periode_ms = PERIODE_MS;
    e.debut_ms = DEBUT_MS;
    e.voies << Enregistrement::Voie{QStringLiteral("Stimulation"), QStringLiteral("V"), true, -0.1, 1.1}
            << Enregistrement::Voie{QStringLiteral("Potentiel global du nerf"), QStringLiteral("mV"), false, 0.0, 0.0};
    for (int p : delais())
        ajouter_essai(e, QStringLiteral("Intervalle %1 ms").arg(en_francais(p / ECHANTILLONS_PAR_MS, 2)),
                      POSITION_REFRACTAIRE, true, p);
    return e;
}

Enregistrement FabriqueEnregistrements::recrutement()
{
    Enregistrement e;
    e.titre = QStringLiteral("Recrutement des fibres : stimulations d'intensité croissante");
    e.notes << QStringLiteral("Nerf sciatique de grenouille, un choc par essai, de 0,10 V à 1,00 V.")
            << QStringLiteral("Mesurez l'amplitude de la réponse à chaque intensité : rien sous le seuil, puis une "
                              "réponse qui grandit avec le nombre de fibres excitées et plafonne quand toutes "
                              "répondent.");
    e.periode_ms = PERIODE_MS;
    e.debut_ms = DEBUT_MS;
    e.voies << Enregistrement::Voie{QStringLiteral("Stimulation"), QStringLiteral("V"), true, -0.1, 1.1}
            << Enregistrement::Voie{QStringLiteral("Potentiel global du nerf"), QStringLiteral("mV"), false, 0.0, 0.0};
    for (int i : intensites())
        ajouter_essai(e, QStringLiteral("Intensité %1 V").arg(en_francais(i / 100.0, 2)), 100 - i, false, 0);
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
