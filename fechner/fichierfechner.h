#pragma once
#include <QByteArray>
#include <QString>

class GrilleFechner;

// The .fch file of a grid: 612 lines, one cell per line, row 0 first and
// within a row column 0 first, the twelfth value of each row included.
// Every line ends with CR LF; texts are in Windows-1252.

// The bytes of the file for a grid.
QByteArray octets_fch(const GrilleFechner &grille);

// Every cell of `grille` replaced by the lines of `octets`: a CR ends a line
// and an LF right after it is skipped, a lone LF stays in the text, byte 26
// ends the file, and the cells past the end are emptied. The tracked cell
// does not change.
void lire_octets_fch(const QByteArray &octets, GrilleFechner &grille);

// Whole-file read into the grid. Returns false, with the grid unchanged, when
// the path is not a regular file or cannot be opened; throws ErreurES when
// reading fails after the open (the grid is then unchanged too).
bool lire_fch(const QString &chemin, GrilleFechner &grille);

// Atomic save: an existing file is replaced only once the new one is wholly
// written. Returns false when the file cannot be created; throws ErreurES
// when writing fails (the old file is then left as it was).
bool ecrire_fch(const QString &chemin, const GrilleFechner &grille);
