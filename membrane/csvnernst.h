#pragma once
#include <span>

#include "common/classeur.h"
#include "membrane/programme.h"

// The curve programme and the last live recording as tables. "Programme":
// one row per step 1..nb_etapes with its six settings and the Em reached, the
// last step's Em being the one the replay computes (the trial stops before
// it); left out when the programme has no step. "Enregistrement", when a live
// recording left steps: each with the settings in force when it was recorded
// and the Em plotted then. Both under the same header row.
Classeur classeur_nernst(const Programme &p, std::span<const PasEnregistre> enregistre = {});
// The same tables as the lines of one CSV file.
QList<csv::Ligne> lignes_csv_nernst(const Programme &p, std::span<const PasEnregistre> enregistre = {});
