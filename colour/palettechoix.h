#pragma once
#include <array>

#include "common/couleur.h"

#include <QString>

// The colours of the colour choice dialog and the key of the questionnaire.

constexpr Couleur coul_orange = 8241136;   // (240, 191, 125)
constexpr Couleur coul_cyan = 16776960;    // (0, 255, 255)
constexpr Couleur coul_violet = 14090385;  // (145, 0, 215)

// One column of the dialog: the pale colour above (the one returned), the
// saturated colour below, and the names of the two squares.
struct ColonneChoix {
    Couleur haut;
    Couleur bas;
    const char *nom_haut;
    const char *nom_bas;
};

constexpr int NB_COLONNES = 10;
const std::array<ColonneChoix, NB_COLONNES> &colonnes_choix();

// The questionnaire: for each of its eight rows, the real colour shown and the
// dialog column (1 to 10) whose upper square is the expected seen colour.
struct LigneCle {
    Couleur reelle;
    int colonne;
};

constexpr int NB_LIGNES = 8;
const std::array<LigneCle, NB_LIGNES> &cle_questionnaire();

// The answer held by a square before any choice: no dialog colour has it.
constexpr Couleur SANS_REPONSE = 7;

// Right or wrong for each row: the answer against the upper colour of the
// row's column, as the dialog shows it now (`hauts`, column 1 at index 0).
std::array<bool, NB_LIGNES> correction(const std::array<Couleur, NB_LIGNES> &reponses,
                                       const std::array<Couleur, NB_COLONNES> &hauts);

// The French name of a colour of the dialog or of the questionnaire, for
// screen readers ("rouge", "rouge pâle"); empty for any other colour.
QString nom_couleur(Couleur c);
