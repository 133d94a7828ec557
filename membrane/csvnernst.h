#pragma once
#include <span>

#include "common/exportcsv.h"

class Programme;

// The curve programme as spreadsheet lines: a header row, then one row per
// step 1..nb_etapes with its six settings and the Em reached. When a live
// recording left steps (`em_enregistre` holds the Em plotted for each), an
// empty line, a line "Enregistrement" and the recorded steps follow under the
// same header.
QList<csv::Ligne> lignes_csv_nernst(const Programme &p, std::span<const double> em_enregistre = {});
