#pragma once
#include <QWidget>

class Cadre;
class HotePage;
class QTimer;

// Page 0, "Contrastes successifs": the afterimage experiment, its questionnaire
// and the colour-mixing bench.
class PageContrastes : public QWidget {
    Q_OBJECT
public:
    PageContrastes(HotePage *hote, QWidget *parent = nullptr);

    // Start-up steps of this page, in the order the main window runs them.
    void raz_compteur_voir();      // compteur_voir := 0
    void init_cases_coul();        // coul16 orange, table of the sixteen squares
    void Scroll_bleuChange();
    void Scroll_bleu2Change();
    void Scroll_bleu3Change();
    void cacher_complementaire();  // hides Label3, comp_ess_coul, Shape2

    // Commands of the menus.
    void Unecouleur1Click();
    void Deuxcouleurs1Click();
    void Troiscouleurs1Click();
    void Voirlacomplmentaire1Click();

    Cadre *GroupBox1;
    Cadre *GroupBox2;
    Cadre *GroupBox6;
    QTimer *Timer_voir;
    QTimer *Timer_reaff_image;

private:
    void montrer_page();
    HotePage *hote_;
};
