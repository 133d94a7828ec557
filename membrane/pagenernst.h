#pragma once
#include <QWidget>

class Cadre;
class HotePage;
class ImageWidget;
class QTimer;

// Page 5, "Loi de Nernst": the membrane between two compartments, its ion
// pictures, conductances and potentials, the curve programme and the animation.
class PageNernst : public QWidget {
    Q_OBJECT
public:
    PageNernst(HotePage *hote, QWidget *parent = nullptr);

    // Start-up steps of this page.
    void Scroll_gkChange();
    void Scroll_gnaChange();
    void enregistrer_rapports();   // aspect ratios of the built-in ion pictures
    void concentrations_depart();  // 150, 6, 8, 144
    void calcul_images();
    void grad_nernst();

    void Afficherlespotdquilibre1Click();

    Cadre *GroupBox10;
    ImageWidget *ani;
    ImageWidget *ane;
    ImageWidget *ima_ki;
    ImageWidget *ima_ke;
    ImageWidget *ima_nai;
    ImageWidget *ima_nae;
    ImageWidget *Ima_fl_i_e;
    ImageWidget *ima_fl_e_i;
    QTimer *Timer_k;
    QTimer *Timer_na;
    QTimer *Timer_courbe;
    QTimer *Timer_reaff;
    QTimer *Timer_anim;

    double rapport_k = 0.0;
    double rapport_na = 0.0;
    double rapport_an = 0.0;

private:
    HotePage *hote_;
};
