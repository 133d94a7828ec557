// couleurs.kmo reader: any bytes paint lines 1 to 8 in order or stop with
// error 106; a file read whole writes back to the same values.
#include "colour/fichiercouleurs.h"
#include "common/erreures.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    FichierCouleurs::Valeurs lues{};
    int attendue = 1;
    bool complet = true;
    try {
        FichierCouleurs::lire_texte(octets, [&](int ligne, Couleur v) {
            if (ligne != attendue++) std::abort();
            lues[ligne - 1] = v;
        });
    } catch (const ErreurES &e) {
        if (e.code_es() != 106) std::abort();
        complet = false;
    }
    if (!complet) return 0;
    if (attendue != FichierCouleurs::NB_LIGNES + 1) std::abort();
    FichierCouleurs::Valeurs relues{};
    FichierCouleurs::lire_texte(FichierCouleurs::texte(lues), [&](int ligne, Couleur v) { relues[ligne - 1] = v; });
    if (relues != lues) std::abort();
    return 0;
}
