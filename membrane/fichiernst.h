#pragma once
#include <QByteArray>

class Programme;

// The .nst text of a programme: the step count, six whole numbers per step
// (gk, gna, ki, ke, nai, nae), then one real per step (the Em reached), each on
// its own CR LF line; reals in the 23-character form.
QByteArray ecrire_nst(const Programme &p);

// Reads .nst text into `p`. Returns false, leaving `p` untouched, when the
// first line is not a whole number. The count is held to 0..83 (a negative one
// gives an empty programme; steps beyond the 83rd are skipped so the Em values
// stay with their steps), every step value is held to its range, missing lines
// read as 0. Steps past the count keep what they held.
bool lire_nst(const QByteArray &octets, Programme &p);
