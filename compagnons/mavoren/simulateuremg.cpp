#include "compagnons/mavoren/simulateuremg.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double RESOLUTION_MV = 1e-4; // the converter's step
constexpr double BRUIT_MV = 0.008;

// One motor unit's potential seen by surface electrodes, starting at its firing
// time: a main phase and a smaller opposite one; x in units of its width.
double potentiel_unite(double x)
{
    if (x <= 0.0) return 0.0;
    return 4.33 * x * (1.0 - 0.5 * x) * std::exp(-x); // peak about 1
}

struct Decharge {
    double t;         // firing time, ms
    double amplitude; // mV, signed
    double largeur;   // ms
};

double au_pas(double v, double pas) { return std::round(v / pas) * pas; }

// The trial: the sensor channel from its shape, the EMG from the discharges,
// both with the amplifier's noise.
Enregistrement construire(const QString &nom, const QString &capteur, double fin_ms,
                          const std::function<double(double)> &forme_capteur, const std::vector<Decharge> &decharges,
                          const QString &muscle, std::mt19937 &g)
{
    Enregistrement e;
    e.periode_ms = SimulateurEmg::PERIODE_MS;
    e.debut_ms = SimulateurEmg::DEBUT_MS;
    e.voies << Enregistrement::Voie{capteur, QStringLiteral("V"), true, -1.0, 6.0}
            << Enregistrement::Voie{QStringLiteral("EMG du ") + muscle, QStringLiteral("mV"), false, 0.0, 0.0};
    Enregistrement::Essai &essai = e.ajouter_essai(nom);
    const int n = int(std::lround((fin_ms - e.debut_ms) / e.periode_ms)) + 1;
    std::normal_distribution<double> bruit(0.0, BRUIT_MV);
    std::vector<double> emg(n, 0.0);
    for (const Decharge &d : decharges) {
        const int i0 = std::max(0, int(std::ceil((d.t - e.debut_ms) / e.periode_ms)));
        const int i1 = std::min(n - 1, int((d.t + 10.0 * d.largeur - e.debut_ms) / e.periode_ms));
        for (int i = i0; i <= i1; ++i) emg[i] += d.amplitude * potentiel_unite((e.temps(i) - d.t) / d.largeur);
    }
    essai.valeurs[0].resize(n);
    essai.valeurs[1].resize(n);
    for (int i = 0; i < n; ++i) {
        essai.valeurs[0][i] = au_pas(forme_capteur(e.temps(i)) + 0.3 * bruit(g), 0.001);
        essai.valeurs[1][i] = au_pas(emg[i] + bruit(g), RESOLUTION_MV);
    }
    return e;
}

} // namespace

double SimulateurEmg::latence_reflexe_ms() const
{
    return DELAI_RECEPTEUR_MS + 1000.0 * arc.afferent_m / vitesse_m_s + DELAI_SYNAPSE_MS +
           1000.0 * arc.efferent_m / vitesse_m_s + DELAI_JONCTION_MS;
}

double SimulateurEmg::conduction_volontaire_ms() const
{
    return 1000.0 * arc.cortex_m / VITESSE_MOELLE + DELAI_SYNAPSE_MS + 1000.0 * arc.efferent_m / vitesse_m_s +
           DELAI_JONCTION_MS;
}

double SimulateurEmg::tirer_traitement_ms(std::mt19937 &g)
{
    std::normal_distribution<double> d(TRAITEMENT_MOYEN_MS, TRAITEMENT_ECART_MS);
    return std::clamp(d(g), TRAITEMENT_MIN_MS, TRAITEMENT_MAX_MS);
}

SimulateurEmg::Essai SimulateurEmg::essai_reflexe(std::mt19937 &g, const QString &nom) const
{
    // One synchronous volley: most motor units fire within 3 ms of the first.
    Essai r;
    r.debut_emg_ms = latence_reflexe_ms();
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<Decharge> d;
    d.push_back({r.debut_emg_ms, 0.35, 0.9});
    for (int k = 1; k < 45; ++k) {
        const double signe = u(g) < 0.85 ? 1.0 : -1.0;
        d.push_back({r.debut_emg_ms + 3.0 * u(g) * u(g), signe * (0.08 + 0.17 * u(g)), 0.7 + 0.6 * u(g)});
    }
    // The hammer's shock sensor: a damped ring from the instant of the tap.
    auto marteau = [](double t) { return t < 0.0 ? 0.0 : 4.0 * std::exp(-t / 2.0) * std::cos(2.0 * M_PI * t / 1.6); };
    r.enregistrement = construire(nom, QStringLiteral("Marteau (capteur de choc)"), FIN_REFLEXE_MS, marteau, d, arc.muscle, g);
    return r;
}

SimulateurEmg::Essai SimulateurEmg::essai_volontaire(std::mt19937 &g, const QString &nom, double traitement_ms) const
{
    // Motor units recruited one after another, each firing at its own rate,
    // for the length of the contraction: an interference pattern.
    Essai r;
    if (traitement_ms < 0.0) traitement_ms = tirer_traitement_ms(g);
    r.debut_emg_ms = traitement_ms + conduction_volontaire_ms();
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double duree = 180.0 + 80.0 * u(g);
    std::vector<Decharge> d;
    for (int k = 0; k < 60; ++k) {
        const double debut = k == 0 ? r.debut_emg_ms : r.debut_emg_ms + 70.0 * u(g) * u(g);
        const double fin = r.debut_emg_ms + duree - 30.0 * u(g);
        const double intervalle = 1000.0 / (9.0 + 14.0 * u(g));
        const double amplitude = (k == 0 ? 0.3 : 0.06 + 0.22 * u(g)) * (k == 0 || u(g) < 0.55 ? 1.0 : -1.0);
        const double largeur = 0.8 + 0.8 * u(g);
        for (double t = debut; t < fin; t += intervalle * (0.85 + 0.3 * u(g))) d.push_back({t, amplitude, largeur});
    }
    // The lamp's light sensor: on for 200 ms from time 0.
    auto lampe = [](double t) { return t >= 0.0 && t < 200.0 ? 5.0 : 0.0; };
    r.enregistrement = construire(nom, QStringLiteral("Signal lumineux (capteur)"), FIN_VOLONTAIRE_MS, lampe, d, arc.muscle, g);
    return r;
}

double SimulateurEmg::debut_activite(const Enregistrement &e, int essai, double apres)
{
    const int n = e.nb_echantillons(essai);
    if (n == 0 || e.voies.size() < 2) return e.fin_ms();
    const std::vector<double> &emg = e.essais[essai].valeurs[1];
    for (int i = e.indice(essai, apres); i < n; ++i)
        if (std::abs(emg[i]) > SEUIL_ACTIVITE_MV) return e.temps(i);
    return e.temps(n - 1);
}
