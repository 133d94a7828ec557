#pragma once
#include "common/exportcsv.h"

class GrilleFechner;

// The grid as spreadsheet lines: a header row, then one row per trial whose
// added mass is a whole number, in the grid's order (carried masses down,
// trials across, the twelfth value of a row as trial 11). The carried mass is
// read from the row heading as the curve reads it; "ressentie" is "O", "N" or
// empty when the outcome cell holds anything else.
QList<csv::Ligne> lignes_csv_fechner(const GrilleFechner &grille);
// Whether the grid holds at least one such trial.
bool a_des_essais(const GrilleFechner &grille);
