#include "nerve/modelenerf.h"
#include "common/canevas.h"
#include "common/entier.h"
#include "common/fichiertexte.h"
#include "common/nombres.h"

#include <algorithm>
#include <cstdint>

namespace {

// Curve values beyond this many millivolts cannot be drawn anyway; holding
// them keeps every difference and product finite.
constexpr double VALEUR_MAX = 1.0e6;
// The trace's y is held one picture height above and below the picture.
constexpr double Y_MIN = -220.0;
constexpr double Y_MAX = 440.0;

std::string_view vue(const QByteArray &b) { return {b.constData(), static_cast<std::size_t>(b.size())}; }

} // namespace

void ModeleNerf::lec_fic_ess0(const QString &chemin)
{
    LecteurLignes lignes(QByteArray{});
    if (!lignes.ouvrir(chemin)) return;
    lire_ess0(lignes);
}

void ModeleNerf::lire_ess0(const QByteArray &octets)
{
    LecteurLignes lignes(octets);
    lire_ess0(lignes);
}

void ModeleNerf::lire_ess0(LecteurLignes &lignes)
{
    // Read into a copy: a line longer than the bound marks a file that is not
    // a curve, which then changes nothing, as a first line that is not a number.
    std::array<double, TAILLE_COURBE> lu = courbe_ess0;
    try {
        const LectureEntier n = lire_entier(vue(lignes.ligne()));
        if (!n.ok) return;
        // The six integer lines of every step are skipped; past the end of the
        // file there is nothing left to skip.
        const int64_t a_sauter = 6 * int64_t(n.valeur);
        for (int64_t i = 0; i < a_sauter && !lignes.fin(); ++i) lignes.ligne();
        // Then one value per step; the slots beyond the table are not stored.
        const int nb = std::min(n.valeur, TAILLE_COURBE);
        for (int k = 0; k < nb; ++k)
            lu[k] = std::clamp(lire_reel(vue(lignes.ligne())).valeur, -VALEUR_MAX, VALEUR_MAX);
    } catch (const LigneTropLongue &) {
        return;
    }
    courbe_ess0 = lu;
}

void ModeleNerf::enregistrer(int debut, bool voie1, double facteur)
{
    // Only entries 1 to 119 are ever written.
    for (int i = 1; i <= TAILLE_ONDE; ++i) {
        const int k = debut + i;
        if (k < 1 || k >= NB_ECHANTILLONS) continue;
        (voie1 ? trace_enr[k].voie1 : trace_enr[k].voie2) = facteur * onde_pa[i - 1];
    }
}

ModeleNerf::Resultat ModeleNerf::calculer(const Reglages &r)
{
    const Montage &m = r.montage;
    const int anode = m.gauche_de(Electrode::Anode);
    const int cathode = m.gauche_de(Electrode::Cathode);
    const int enr1 = m.gauche_de(Electrode::Enr1);
    const int enr2 = m.gauche_de(Electrode::Enr2);
    const int fin_nerf = m.fin_nerf();
    const int p = r.p;
    Resultat res;

    // 2-3. A clean recording and the waveform above the resting level.
    trace_enr.fill(Echantillon{});
    for (int k = 0; k < TAILLE_ONDE; ++k) onde_pa[k] = courbe_ess0[k] - courbe_ess0[BASELINE];

    // 4. An anode between the cathode and the recording electrodes blocks part of the volley.
    const double efficacite = cathode < anode ? 0.6 : 1.0;
    // 5. Conduction delays, 6 pixels of nerve per sample; the two are rounded differently.
    decal_enr1 = (enr1 - cathode) / 6;
    decal_enr2 = arrondi((enr2 - enr1) / 6.0);
    // 6. A cathode off the nerve stimulates nothing.
    intensite_stim = cathode > fin_nerf ? 0 : 100 - r.position_i_stim;
    // 7. Recruitment grows with intensity up to a ceiling.
    double amplitude = intensite_stim * 0.01 * efficacite;
    if (amplitude > 0.7) amplitude = 0.7;
    res.amplitude = amplitude;
    // 8.
    res.deux_artef_gauche = 5 * p + 10;
    // 9. Two close sub-threshold stimuli sum up.
    const double seuil = 20.0 / efficacite;
    const bool sommation =
        deux_stim && p < 20 && 10.0 / efficacite < intensite_stim && intensite_stim < 20.0 / efficacite;
    // 10.
    if (intensite_stim < seuil && !sommation) return res;

    // 11. The response to the first stimulus.
    res.reponse = true;
    if (!sommation) {
        if (enr1 < fin_nerf) enregistrer(decal_enr1, true, 1.0);
        if (enr2 < fin_nerf) enregistrer(decal_enr1 + decal_enr2, false, 1.0);
    }
    if (!deux_stim) return res;

    // 12. The size of the second response.
    double facteur_deux;
    if (p >= 20) {
        facteur_deux = 1.0;
    } else {
        facteur_deux = 0.05 * p;
        if (!(facteur_deux > 0.5)) facteur_deux = 0.0;
    }
    if (facteur_deux <= 0.5 && amplitude > 0.7 / 3) return res; // absolute refractory period
    if (facteur_deux < 1.0 && amplitude <= 0.7 / 3) facteur_deux = 1.0 + (20 - p) / 15.0;
    if (r.fibre) facteur_deux = 1.0; // a fibre answers all or nothing

    // 13. The response to the second stimulus, p samples later; it replaces the first where they overlap.
    decal_enr1 += p;
    if (enr1 < fin_nerf) enregistrer(decal_enr1, true, facteur_deux);
    if (enr2 < fin_nerf) enregistrer(decal_enr1 + decal_enr2, false, facteur_deux);
    return res;
}

int ModeleNerf::y_trace(double v, double amplitude)
{
    const double y = 110.0 - v * amplitude;
    return arrondi(std::clamp(y, Y_MIN, Y_MAX));
}

void ModeleNerf::dessiner_trace(Canevas &c, double amplitude, bool fibre)
{
    x_prec = 1;
    for (int i = 1; i <= NB_DESSINES; ++i) {
        const double v = trace_enr[i].voie1 - trace_enr[i].voie2;
        if (fibre) amplitude = 0.7;
        const int y = y_trace(v, amplitude);
        c.couleur_pinceau = MARINE;
        c.pinceau_vide = false;
        c.Ellipse(5 * i, y, 5 * i + 6, y + 6);
        c.largeur_plume = 2;
        c.MoveTo(x_prec + 2, y_trace(val_prec, amplitude) + 2);
        c.couleur_plume = MARINE;
        if (i != 1) c.LineTo(5 * i + 2, y);
        c.largeur_plume = 1;
        c.couleur_plume = NOIR;
        val_prec = v;
        x_prec = 5 * i;
    }
}
