#include "membrane/etatnernst.h"
#include "common/canevas.h"
#include "common/nombres.h"

#include <cmath>

EtapeProg EtatNernst::valeurs_courantes() const
{
    const ModeleMembrane &m = membrane;
    return {m.gk, m.gna, arrondi(m.c_ki), arrondi(m.c_ke), arrondi(m.c_nai), arrondi(m.c_nae)};
}

void EtatNernst::ecrire_champ(int32_t EtapeProg::*champ, int32_t valeur)
{
    if (Programme::valide(etape) && etape_modifiable()) programme.etape(etape).*champ = valeur;
}

void EtatNernst::trace_point(QImage &plot, bool avec_em, int n)
{
    std::optional<double> em;
    if (avec_em || essai_en_cours) {
        membrane.calcul_em();
        em = membrane.em;
    }
    courbe.trace_point(plot, n, membrane.gk, membrane.gna, em);
}

void EtatNernst::reaff_tout(QImage &plot, const QImage &blanc)
{
    Canevas(plot).copier(blanc);
    for (int i = 1; i <= programme.nb_etapes && Programme::valide(i); ++i) {
        membrane.gk = programme.etape(i).gk;
        membrane.gna = programme.etape(i).gna;
        // Before the first step there is no current step: the concentrations stay.
        if (Programme::valide(etape)) {
            const EtapeProg &e = programme.etape(etape);
            membrane.c_ki = e.ki;
            membrane.c_ke = e.ke;
            membrane.c_nai = e.nai;
            membrane.c_nae = e.nae;
        }
        trace_point(plot, false, i);
    }
}

void EtatNernst::reaff_tout_sans_reglages(QImage &plot, const QImage &blanc)
{
    const ModeleMembrane avant = membrane;
    reaff_tout(plot, blanc);
    membrane.gk = avant.gk;
    membrane.gna = avant.gna;
    membrane.c_ki = avant.c_ki;
    membrane.c_ke = avant.c_ke;
    membrane.c_nai = avant.c_nai;
    membrane.c_nae = avant.c_nae;
}

bool EtatNernst::pas_enregistrement()
{
    ++etape;
    if (etape > Programme::TAILLE) {
        etape = Programme::TAILLE;
        return false;
    }
    programme.etape(etape) = valeurs_courantes();
    return true;
}

void EtatNernst::noter_enregistrement()
{
    if (!Programme::valide(etape)) return;
    enregistre.resize(std::size_t(etape));
    enregistre[std::size_t(etape) - 1] = {programme.etape(etape), membrane.em};
}

bool EtatNernst::ajouter_etape()
{
    if (etape >= Programme::TAILLE) return false;
    ++etape;
    if (etape > programme.nb_etapes) programme.nb_etapes = etape;
    programme.etape(etape) = valeurs_courantes();
    return true;
}

void EtatNernst::debut_essai()
{
    mode_edition = false;
    em_prec = 10000;
    essai_en_cours = true;
    etape = 0;
}

bool EtatNernst::reglage_essai()
{
    const EtapeProg &premiere = Programme::borne(programme.etape(1));
    if (premiere.gk != 0 && premiere.gna == 0) {
        membrane.gk = 100;
        membrane.calcul_em();
    } else if (premiere.gk == 0 && premiere.gna != 0) {
        membrane.gna = 100;
        membrane.calcul_em();
    }
    if (std::fabs(em_prec - membrane.em) > 1) {
        membrane.gk = premiere.gk;
        membrane.gna = premiere.gna;
        membrane.calcul_em();
        em_prec = membrane.em;
        return false;
    }
    return true;
}

bool EtatNernst::etape_suivante_essai()
{
    ++etape;
    if (etape >= programme.nb_etapes) {
        essai_en_cours = false;
        return false;
    }
    return true;
}

void EtatNernst::appliquer_etape_essai() { appliquer_etape(etape); }

namespace {

void regler(ModeleMembrane &m, const EtapeProg &etape)
{
    const EtapeProg e = Programme::borne(etape);
    m.gk = e.gk;
    m.gna = e.gna;
    m.c_ki = e.ki;
    m.c_ke = e.ke;
    m.c_nai = e.nai;
    m.c_nae = e.nae;
    m.calcul_pot_eq();
}

} // namespace

void EtatNernst::appliquer_etape(int k)
{
    if (Programme::valide(k)) regler(membrane, programme.etape(k));
}

double EtatNernst::em_derniere_etape(const Programme &p)
{
    const int n = p.nb_etapes;
    if (!Programme::valide(n)) return 0.0;
    ModeleMembrane m;
    if (n == 1) {
        regler(m, p.etape(1));
        m.calcul_em();
        return m.em_cible;
    }
    regler(m, p.etape(n - 1));
    m.em = p.em_etape(n - 1);
    for (int i = 0; i < RELAXATIONS_PAR_PAS; ++i) m.calcul_em();
    regler(m, p.etape(n));
    m.calcul_em();
    return m.em;
}
