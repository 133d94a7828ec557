#pragma once
#include <QDialog>

#include "colour/palettechoix.h"

class Cadre;
class Forme;
class QPushButton;

// The colour choice dialog "Choix couleur": a borderless window of ten
// columns of two squares; pressing either square of a column returns the pale
// colour of its upper square in `couleur_choisie`; "x" returns nothing.
class TForm_coul : public QDialog {
    Q_OBJECT
public:
    explicit TForm_coul(QWidget *parent = nullptr);

    // Colours of the upper squares and of the lower squares of columns 6 to 8.
    void FormCreate();
    // Shape2MouseDown … Shape10MouseDown: a press on a square of column 1 to 10.
    void ShapeMouseDown(int colonne);
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *e) override;

public:

    // The square above (the colour returned) and below, column 1 to 10.
    Forme *carre_haut(int colonne) const;
    Forme *carre_bas(int colonne) const;
    // The colours the upper squares show now, column 1 at index 0.
    std::array<Couleur, NB_COLONNES> couleurs_hautes() const;

    Couleur couleur_choisie = -1;
    Cadre *GroupBox6;
    QPushButton *BitBtn1;

private:
    std::array<Forme *, NB_COLONNES> hauts_{};
    std::array<Forme *, NB_COLONNES> bas_{};
};
