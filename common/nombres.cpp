#include "common/nombres.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <limits>
#include <string>

int arrondi(double x)
{
    if (std::isnan(x)) return 0;
    constexpr double bas = std::numeric_limits<int>::min();
    constexpr double haut = std::numeric_limits<int>::max();
    if (x <= bas) return std::numeric_limits<int>::min();
    if (x >= haut) return std::numeric_limits<int>::max();
    const double r = std::nearbyint(x); // default rounding mode: to nearest, ties to even
    return static_cast<int>(r);
}

QString format_reel(double x, int largeur, int decimales)
{
    QString s = QString::number(x, 'f', decimales);
    // A value that shows as zero ("-0.00" for -0.0 or -0.004) is written without its sign.
    if (s.startsWith(QLatin1Char('-'))
        && std::all_of(s.cbegin() + 1, s.cend(), [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); }))
        s.remove(0, 1);
    if (s.size() < largeur) s.prepend(QString(largeur - s.size(), QLatin1Char(' ')));
    return s;
}

QString format_reel_fichier(double x)
{
    if (!std::isfinite(x)) x = 0.0;
    if (x == 0.0) x = 0.0;
    char tampon[64];
    // to_chars ignores the locale: "8.53700000000000e+01".
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::scientific, 14);
    const std::string_view t(tampon, std::size_t(r.ptr - tampon));
    const std::size_t e = t.find('e');
    const int exposant = std::atoi(std::string(t.substr(e + 1)).c_str());
    QString s = QLatin1Char(x < 0 ? '-' : ' ') + QString::fromLatin1(t.data(), qsizetype(e));
    s += QStringLiteral("E%1%2").arg(QLatin1Char(exposant < 0 ? '-' : '+')).arg(std::abs(exposant), 4, 10, QLatin1Char('0'));
    return s;
}
