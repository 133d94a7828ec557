// ess0.nst as the nerve page reads it: any bytes give the action potential,
// then one run with two stimuli is computed and drawn on the trace picture.
#include "nerve/modelenerf.h"
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
    ModeleNerf m;
    m.lire_ess0(octets);
    for (double v : m.courbe_ess0)
        if (!std::isfinite(v)) std::abort();

    static const QImage blanc = image_unie(420, 220, BLANC);
    QImage trace = blanc;
    Canevas c(trace);
    for (bool fibre : {false, true}) {
        m.deux_stim = true;
        ModeleNerf::Reglages r;
        r.position_i_stim = taille > 1 ? donnees[1] % 101 : 0;
        r.p = taille > 2 ? donnees[2] % 101 : 10;
        r.fibre = fibre;
        const ModeleNerf::Resultat res = m.calculer(r);
        m.dessiner_trace(c, res.amplitude, fibre);
    }
    return 0;
}
