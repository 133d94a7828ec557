#pragma once
#include <array>
#include <optional>

#include "colour/palettechoix.h"
#include "common/exportcsv.h"

// The afterimage questionnaire as spreadsheet lines: a header row, then one
// row per real colour with the colour the pupil chose as seen (empty before
// any choice) and, once corrected, "oui" or "non" as the mark shows it (words
// a spreadsheet keeps as text, where "faux" would become a boolean).
// Colours are written by name when they are ones of the experiment, always
// with their #RRGGBB code.
QList<csv::Ligne> lignes_csv_questionnaire(const std::array<Couleur, NB_LIGNES> &reponses,
                                           const std::array<std::optional<bool>, NB_LIGNES> &marques);

// "rouge (#FF0000)", "cyan pâle (#B3FAFF)", or "#123456" for another colour.
QString nom_et_code_couleur(Couleur c);
