#pragma once
#include <QString>

// A real rounded to the nearest integer, halves to the even neighbour.
// Values beyond the 32-bit range are held to it; NaN gives 0.
int arrondi(double x);

// A real written in fixed point with `decimales` decimals ("." always),
// padded with blanks on the left to `largeur` characters.
// An exact zero never shows a minus sign.
QString format_reel(double x, int largeur, int decimales);
