#include "common/entier.h"

#include <cmath>
#include <charconv>

namespace {

bool est_blanc(char c) { return c == ' ' || c == '\t'; }

int chiffre_hex(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

LectureEntier lire_entier(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && est_blanc(t[i])) ++i;

    bool negatif = false;
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negatif = t[i] == '-';
        ++i;
    }

    // The largest magnitude the result may take; eight hex digits with the top
    // bit set read as a negative number in two's complement.
    const int64_t limite = base == 16 ? 0xFFFFFFFFLL : (negatif ? 2147483648LL : 2147483647LL);
    int64_t v = 0;
    std::size_t debut = i;
    bool deborde = false;
    while (i < t.size()) {
        const int c = base == 16 ? chiffre_hex(t[i]) : (t[i] >= '0' && t[i] <= '9' ? t[i] - '0' : -1);
        if (c < 0) break;
        const int64_t suivant = v * base + c;
        if (suivant > limite) {
            deborde = true;
            break;
        }
        v = suivant;
        ++i;
    }

    LectureEntier r;
    const bool chiffres = i > debut;
    r.ok = chiffres && !deborde && i == t.size();
    if (r.ok)
        r.valeur = static_cast<int32_t>(negatif ? -v : v);
    else
        r.valeur = static_cast<int32_t>(static_cast<uint32_t>(v)); // digits so far, no sign
    return r;
}

LectureEntier lire_entier(const QString &texte)
{
    const QByteArray octets = texte.toLatin1();
    return lire_entier(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

LectureReel lire_reel(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && est_blanc(t[i])) ++i;
    const std::size_t debut = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;

    auto chiffres = [&](std::size_t &k) {
        const std::size_t d = k;
        while (k < t.size() && t[k] >= '0' && t[k] <= '9') ++k;
        return k - d;
    };

    std::size_t fin_valide = debut; // end of the longest prefix that is a number
    std::size_t n = chiffres(i);
    if (n > 0) fin_valide = i;
    if (i < t.size() && t[i] == '.') {
        ++i;
        const std::size_t m = chiffres(i);
        if (n + m > 0) fin_valide = i;
        n += m;
    }
    if (n > 0 && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        if (chiffres(k) > 0) {
            i = k;
            fin_valide = k;
        }
    }

    LectureReel r;
    if (n == 0) return r;
    // from_chars ignores the locale; it takes no leading "+", so skip it here.
    std::size_t d = debut;
    if (t[d] == '+') ++d;
    const auto res = std::from_chars(t.data() + d, t.data() + fin_valide, r.valeur);
    if (res.ec != std::errc() || !std::isfinite(r.valeur)) {
        r.valeur = 0.0;
        return r;
    }
    r.ok = fin_valide == t.size();
    return r;
}
