#pragma once
#include <QByteArray>
#include <QString>

class LecteurLignes;
class Programme;

// The .nst text of a programme: the step count, six whole numbers per step
// (gk, gna, ki, ke, nai, nae), then one real per step (the Em reached), each on
// its own CR LF line; reals in the 23-character form.
QByteArray ecrire_nst(const Programme &p);

// Reads .nst text into `p`. Returns false, leaving `p` untouched, when the
// first line is not a whole number or a line read is longer than
// LONGUEUR_MAX_LIGNE (not a .nst file). The count is held to 0..83 (a negative
// one gives an empty programme; steps beyond the 83rd are skipped so the Em
// values stay with their steps), every step value is held to its range,
// missing lines read as 0. Steps past the count keep what they held. Lines
// after the programme's are not read. CR LF, lone LF and lone CR end a line;
// a leading UTF-8 mark is skipped.
bool lire_nst(LecteurLignes &lignes, Programme &p);
bool lire_nst(const QByteArray &octets, Programme &p);

// Why text is refused as a programme where nothing may be guessed (the
// command line), or "" when it is a whole one: empty, bytes no text holds, a
// line longer than the bound, a first line that is no step count of 0..83,
// fewer lines than the count asks for, a value that is not a number.
QString raison_refus_nst(const QByteArray &octets);
