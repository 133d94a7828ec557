#include "colour/palettechoix.h"

const std::array<ColonneChoix, NB_COLONNES> &colonnes_choix()
{
    static const std::array<ColonneChoix, NB_COLONNES> t = {{
        {couleur_rgb(255, 177, 167), ROUGE, "Shape2", "Sh_coul1"},
        {couleur_rgb(252, 249, 192), JAUNE, "Shape3", "Sh_coul2"},
        {couleur_rgb(179, 205, 255), BLEU, "Shape4", "Sh_coul3"},
        {couleur_rgb(255, 179, 245), couleur_rgb(255, 0, 255), "Shape5", "Sh_coul4"},
        {couleur_rgb(184, 255, 179), LIME, "Shape6", "Sh_coul5"},
        {couleur_rgb(255, 228, 179), coul_orange, "Shape7", "Sh_coul6"},
        {couleur_rgb(179, 250, 255), coul_cyan, "Shape1", "Sh_coul7"},
        {couleur_rgb(209, 179, 255), coul_violet, "Shape10", "Sh_coul8"},
        {BLANC, BLANC, "Shape8", "Sh_coul9"},
        {couleur_rgb(163, 163, 163), NOIR, "Shape9", "Sh_coul10"},
    }};
    return t;
}

const std::array<LigneCle, NB_LIGNES> &cle_questionnaire()
{
    static const std::array<LigneCle, NB_LIGNES> t = {{
        {ROUGE, 7},
        {JAUNE, 3},
        {BLEU, 2},
        {couleur_rgb(255, 0, 255), 5},
        {LIME, 4},
        {coul_orange, 8},
        {BLANC, 10},
        {NOIR, 9},
    }};
    return t;
}

std::array<bool, NB_LIGNES> correction(const std::array<Couleur, NB_LIGNES> &reponses,
                                       const std::array<Couleur, NB_COLONNES> &hauts)
{
    std::array<bool, NB_LIGNES> justes{};
    for (int k = 0; k < NB_LIGNES; ++k)
        justes[k] = reponses[k] == hauts.at(cle_questionnaire()[k].colonne - 1);
    return justes;
}

QString nom_couleur(Couleur c)
{
    // The real colours of the questionnaire first, then the dialog's squares.
    static const char *const reelles[NB_LIGNES] = {"rouge", "jaune", "bleu", "magenta",
                                                   "vert",  "orange", "blanc", "noir"};
    static const char *const fonces[NB_COLONNES] = {"rouge", "jaune", "bleu", "magenta", "vert",
                                                    "orange", "cyan", "violet", "blanc", "noir"};
    static const char *const pales[NB_COLONNES] = {"rouge pâle", "jaune pâle", "bleu pâle", "magenta pâle",
                                                   "vert pâle", "orange pâle", "cyan pâle", "violet pâle",
                                                   "blanc", "gris"};
    for (int k = 0; k < NB_LIGNES; ++k)
        if (cle_questionnaire()[k].reelle == c) return QString::fromUtf8(reelles[k]);
    for (int i = 0; i < NB_COLONNES; ++i) {
        if (colonnes_choix()[i].haut == c) return QString::fromUtf8(pales[i]);
        if (colonnes_choix()[i].bas == c) return QString::fromUtf8(fonces[i]);
    }
    return {};
}
