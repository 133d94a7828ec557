#pragma once
#include <QDialog>

#include "common/couleur.h"

class Cadre;
class QPushButton;
class QScrollBar;

// The colour setting dialog "Mise en couleur": three bars set a colour shown
// in a preview frame; OK returns it in `couleur_mise`.
class Tmise_couleur : public QDialog {
    Q_OBJECT
public:
    explicit Tmise_couleur(QWidget *parent = nullptr);

    // couleur_mise from the three bars, shown in Group_ess_coul.
    void mise_en_couleur();
    void scroll_rougeChange();
    void Scroll_vertChange();
    void Scroll_bleuChange();

    // Before showing: start from a frame's colour and set the bars to it; each
    // bar that moves recomputes couleur_mise.
    void partir_de(Couleur depart);

    Couleur couleur_mise = 0;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;
    QScrollBar *scroll_rouge;
    QScrollBar *Scroll_vert;
    QScrollBar *Scroll_bleu;
    Cadre *Group_ess_coul;

protected:
    void showEvent(QShowEvent *e) override;
};
