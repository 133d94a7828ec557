// The real reader of the .nst and ess0.nst files: any text; the value is
// always finite, and a reading that succeeds agrees with strtod.
#include "common/entier.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const std::string texte(reinterpret_cast<const char *>(donnees), taille);
    const LectureReel r = lire_reel(std::string_view(texte));
    if (!std::isfinite(r.valeur)) std::abort();
    if (r.ok) {
        const std::size_t debut = texte.find_first_not_of(" \t");
        char *fin = nullptr;
        const double attendu = std::strtod(texte.c_str() + debut, &fin);
        if (fin != texte.c_str() + texte.size() || attendu != r.valeur) std::abort();
    }
    return 0;
}
