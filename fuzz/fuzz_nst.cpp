// .nst reader of the curve programme: any bytes, then what the page does
// with a programme it opened: the redraw of every step and a whole trial.
#include "membrane/etatnernst.h"
#include "membrane/fichiernst.h"
#include "common/canevas.h"
#include "fuzz/qt_hors_ecran.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    preparer_qt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    EtatNernst etat;
    if (!lire_nst(octets, etat.programme)) return 0;
    const Programme &p = etat.programme;
    if (p.nb_etapes < 0 || p.nb_etapes > Programme::TAILLE) std::abort();
    for (int i = 1; i <= p.nb_etapes; ++i)
        if (!(Programme::borne(p.etape(i)) == p.etape(i))) std::abort();

    // Saved and read again, the steps come back unchanged.
    Programme relu;
    if (!lire_nst(ecrire_nst(p), relu) || relu.nb_etapes != p.nb_etapes) std::abort();
    for (int i = 1; i <= p.nb_etapes; ++i)
        if (!(relu.etape(i) == p.etape(i))) std::abort();

    static const QImage blanc = image_unie(420, 220, BLANC);
    QImage plot = blanc;
    etat.etape = p.nb_etapes;
    etat.reaff_tout(plot, blanc);

    // The trial: settling ticks, then one step per tick, each plotted.
    etat.debut_essai();
    for (int tic = 0; tic < 2000 && !etat.reglage_essai(); ++tic) {
    }
    while (etat.etape_suivante_essai()) {
        etat.appliquer_etape_essai();
        etat.trace_point(plot, true, etat.etape);
        TraceCourbe::curseur(plot, etat.etape);
    }
    if (etat.etape < 0 || etat.etape > Programme::TAILLE + 1) std::abort();
    return 0;
}
