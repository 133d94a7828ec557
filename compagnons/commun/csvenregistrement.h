#pragma once
#include "common/exportcsv.h"
#include "compagnons/commun/enregistrement.h"

// A recording as spreadsheet lines: a header row (trial, time, then each
// channel with its unit), then one row per sample of every trial, trial after
// trial.
QList<csv::Ligne> lignes_csv_enregistrement(const Enregistrement &e);
