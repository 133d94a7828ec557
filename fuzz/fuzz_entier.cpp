// The whole-number reader: any text; a reading that succeeds agrees with the
// C library's, and the QString form agrees with the byte form.
#include "common/entier.h"

#include <QString>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const std::string texte(reinterpret_cast<const char *>(donnees), taille);
    const LectureEntier l = lire_entier(std::string_view(texte));
    if (taille == 0 && (l.ok || l.valeur != 0)) std::abort();
    if (l.ok) {
        const std::size_t debut = texte.find_first_not_of(" \t");
        const bool hex = texte[debut] == '$';
        errno = 0;
        const long long attendu = hex ? std::strtoll(texte.c_str() + debut + 1, nullptr, 16)
                                      : std::strtoll(texte.c_str() + debut, nullptr, 10);
        if (errno != 0) std::abort();
        if (hex ? int32_t(uint32_t(attendu)) != l.valeur : attendu != l.valeur) std::abort();
    }
    // Latin-1 text reads the same through QString.
    const LectureEntier q = lire_entier(QString::fromLatin1(texte.data(), qsizetype(texte.size())));
    if (q.ok != l.ok || q.valeur != l.valeur) std::abort();
    return 0;
}
