#pragma once
#include <QByteArray>
#include <QString>

class GrilleFechner;

// The .fch file of a grid: 612 lines, one cell per line, row 0 first and
// within a row column 0 first, the twelfth value of each row included.
// Every line ends with CR LF; texts are in Windows-1252. A CR, LF or byte 26
// in a cell is written as a blank so that the lines stay in place.

// The bytes of the file for a grid.
QByteArray octets_fch(const GrilleFechner &grille);

// Every cell of `grille` replaced by the lines of `octets` (CR LF, lone LF and
// lone CR end a line, a leading UTF-8 mark is skipped, byte 26 ends the file)
// and the cells past the end emptied. False, with the grid unchanged, when a
// line is longer than LONGUEUR_MAX_LIGNE: the file is not a grid. The tracked
// cell does not change.
bool lire_octets_fch(const QByteArray &octets, GrilleFechner &grille);

// Reads the file's first 612 lines into the grid; nothing after them is
// read. Returns false, with the grid unchanged, when the path is not a regular
// file or cannot be opened; throws ErreurES, with the grid unchanged too, when
// reading fails after the open ("Ne peut ouvrir le fichier %s" for a line
// longer than the bound).
bool lire_fch(const QString &chemin, GrilleFechner &grille);

// Atomic save: an existing file is replaced only once the new one is wholly
// written. Returns false when the file cannot be created; throws ErreurES
// when writing fails (the old file is then left as it was).
bool ecrire_fch(const QString &chemin, const GrilleFechner &grille);
