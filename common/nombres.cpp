#include "common/nombres.h"

#include <cfenv>
#include <cmath>
#include <limits>

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
    if (x == 0.0) x = 0.0; // drops the sign of -0.0
    QString s = QString::number(x, 'f', decimales);
    if (s.size() < largeur) s.prepend(QString(largeur - s.size(), QLatin1Char(' ')));
    return s;
}
