#pragma once
#include <QString>

// A number as the companion programs show it to the pupil: fixed decimals,
// the French decimal comma.
QString en_francais(double v, int decimales);
