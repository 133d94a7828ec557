#pragma once
#include <array>
#include <QString>

// The data of the measurement grid: 51 rows of 12 texts (the 11 cells shown
// and a twelfth value per row that is never shown), the cell the program
// tracks as current, and the check made when the pupil leaves a cell.
//
// Row 0 holds the trial headings, column 0 the row headings; odd rows give
// the added masses (grams) for the carried mass of their heading, even rows
// the outcome of the trial above ("O" felt, "N" not felt).
class GrilleFechner {
public:
    static constexpr int LIGNES = 51;
    static constexpr int COLONNES = 12;         // the twelfth is never shown
    static constexpr int COLONNES_VISIBLES = 11;

    // Which context menu the grid offers after a selection.
    enum class Menu { Issue, Masse };

    const QString &cellule(int colonne, int ligne) const;
    // Out-of-range cells are ignored.
    void ecrire(int colonne, int ligne, const QString &texte);
    void effacer(); // every cell empty

    // The row and column headings ("0g" … "2000g", "--o/n--", "ess1" … "ess10")
    // and the tracked cell at row 1, column 1.
    void ecrire_entetes();
    static QString libelle_masse(int rang); // rang 0..24: "0g" … "2000g"

    int ligne_courante() const { return ligne_courante_; }
    int colonne_courante() const { return colonne_courante_; }

    // The pupil moves to (colonne, ligne): the cell left is checked, the new
    // one becomes the tracked cell. Returns the menu for the new row.
    Menu selectionner(int colonne, int ligne);

    // The text a cell keeps when it is left: letters a–z upper-cased; on an
    // outcome row anything but "O", "N" or nothing, on a mass row anything
    // but a whole number or nothing, is marked once with a trailing "?".
    static QString verifier(const QString &texte, bool ligne_issue);
    static bool est_ligne_issue(int ligne) { return ligne % 2 == 0; }

    // What an outcome cell says of its trial, as the analysis and the exports
    // read it: "O" or "o" felt, "N" or "n" not felt (blanks around ignored),
    // anything else (nothing, "?", other text) no trial yet.
    enum class Reponse { Sentie, NonSentie, Aucune };
    static Reponse reponse(const QString &cellule);

    bool operator==(const GrilleFechner &autre) const { return cellules_ == autre.cellules_; }

private:
    std::array<std::array<QString, COLONNES>, LIGNES> cellules_;
    int ligne_courante_ = 1;
    int colonne_courante_ = 1;
};
