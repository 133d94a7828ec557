#pragma once
#include <QString>

// A real rounded to the nearest integer, halves to the even neighbour.
// Values beyond the 32-bit range are held to it; NaN gives 0.
int arrondi(double x);

// A real written in fixed point with `decimales` decimals ("." always),
// padded with blanks on the left to `largeur` characters.
// A value that shows as zero never has a minus sign: -0.004 with two
// decimals is "0.00", not "-0.00".
QString format_reel(double x, int largeur, int decimales);

// A real in the 23-character form of the program's files: a blank or "-", one
// digit, ".", 14 digits, "E", the exponent's sign and 4 digits.
// −85.37 gives "-8.53700000000000E+0001", 0 gives " 0.00000000000000E+0000".
QString format_reel_fichier(double x);
