// .fch reader: any bytes fill the 51 × 12 grid; the cell check and the curve
// of the trials then run on what was read, at the start scale and zoomed in
// and out as the zoom buttons do; then the class's check of a group's file
// and the analysis with its plots, whose numbers must all be finite.
#include "fechner/analysefechner.h"
#include "fechner/classefechner.h"
#include "fechner/courbefechner.h"
#include "fechner/tracesanalyse.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "common/canevas.h"
#include "fuzz/qt_hors_ecran.h"

#include <cmath>
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
    GrilleFechner grille;
    grille.ecrire_entetes();
    lire_octets_fch(octets, grille);

    // Written back and read again, the grid is the same (no CR, LF or Ctrl-Z
    // can survive a read, so nothing is blanked on the way; a line past the
    // bound leaves the grid as it was).
    GrilleFechner relu;
    if (!lire_octets_fch(octets_fch(grille), relu) || !(relu == grille)) std::abort();

    for (int r = 1; r < GrilleFechner::LIGNES; ++r)
        for (int c = 1; c < GrilleFechner::COLONNES_VISIBLES; ++c)
            GrilleFechner::verifier(grille.cellule(c, r), GrilleFechner::est_ligne_issue(r));

    static const QImage blanc = image_unie(420, 220, BLANC);
    CourbeFechner courbe;
    const int echelle = taille > 0 ? donnees[0] * 40 : CourbeFechner::ECHELLE_DEPART;
    courbe.set_echelle(echelle);
    for (int zoom = 0; zoom < 2; ++zoom) {
        const QImage image = courbe.tracer(grille, blanc);
        if (image.size() != blanc.size()) std::abort();
        courbe.zoom_avant();
    }

    const GroupeFechner groupe = groupe_depuis_octets(QStringLiteral("g.fch"), octets);
    const AnalyseFechner &a = groupe.analyse;
    for (const LigneAnalyse &l : a.lignes)
        if (!std::isfinite(l.seuil) || !std::isfinite(l.rapport())) std::abort();
    for (const PointFechner &p : a.echelle)
        if (!std::isfinite(p.sensation) || !std::isfinite(p.ln_portee)) std::abort();
    for (double v : {a.k, a.k_bas, a.k_haut, a.ecart_residuel, a.a, a.b})
        if (!std::isfinite(v)) std::abort();
    for (const LigneAnalyse &l : a.lignes)
        if (!std::isfinite(l.seuil_bas) || !std::isfinite(l.seuil_haut) || tracer_psychometrique(&l, {}, true).isNull()) std::abort();
    if (image_analyse(analyser(grille), &a, QImage()).height() != 2 * HAUTEUR_TRACE) std::abort();
    return 0;
}
