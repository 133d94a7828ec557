#include "compagnons/commun/texte.h"

#include <cmath>

QString en_francais(double v, int decimales)
{
    // A value that rounds to zero is shown "0,00", never "-0,00".
    if (std::abs(v) * std::pow(10.0, decimales) < 0.5) v = 0.0;
    return QString::number(v, 'f', decimales).replace(QLatin1Char('.'), QLatin1Char(','));
}
