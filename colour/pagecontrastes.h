#pragma once
#include <array>

#include <QWidget>

#include "assets/venn.h"
#include "colour/banccouleurs.h"
#include "colour/experiencevoir.h"

class BoutonImage;
class Cadre;
class Forme;
class HotePage;
class ImageWidget;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class TForm_coul;

// Page 0, "Contrastes successifs": the afterimage experiment and its
// questionnaire on the left, the colour-mixing bench on the right.
class PageContrastes : public QWidget {
    Q_OBJECT
public:
    PageContrastes(HotePage *hote, QWidget *parent = nullptr);

    // The colour choice dialog the answer squares open.
    void set_form_coul(TForm_coul *form_coul) { form_coul_ = form_coul; }

    // Start-up steps of this page, in the order the main window runs them.
    void raz_compteur_voir();      // compteur_voir := 0
    void init_cases_coul();        // coul16 orange, table of the sixteen squares
    void cacher_complementaire();  // hides Label3, comp_ess_coul, Shape2

    // The nine bars of the bench.
    void scroll_rougeChange() { change_couleur(); }
    void Scroll_vertChange() { change_couleur(); }
    void Scroll_bleuChange() { change_couleur(); }
    void Scroll_rouge2Change() { change_couleur2(); }
    void Scroll_vert2Change() { change_couleur2(); }
    void Scroll_bleu2Change() { change_couleur2(); }
    void Scroll_rouge3Change() { change_couleur3(); }
    void Scroll_vert3Change() { change_couleur3(); }
    void Scroll_bleu3Change() { change_couleur3(); }

    // One colour from its bars and everything that depends on it.
    void change_couleur() { recalculer_couleur(1); }
    void change_couleur2() { recalculer_couleur(2); }
    void change_couleur3() { recalculer_couleur(3); }

    // Fills of the Venn picture: the single-colour regions and the mixtures.
    void trace_ellipse1(Couleur c) { trace_region(RegionVenn::Gauche, c); }
    void trace_ellipse2(Couleur c) { trace_region(RegionVenn::Droite, c); }
    void trace_ellipse3(Couleur c) { trace_region(RegionVenn::Haut, c); }
    void calcul_somme() { calcul_melange(BancCouleurs::Somme::S12); }
    void calcul_somme2() { calcul_melange(BancCouleurs::Somme::S13); }
    void calcul_somme3() { calcul_melange(BancCouleurs::Somme::S23); }
    void calcul_somme_tout() { calcul_melange(BancCouleurs::Somme::S123); }

    // Layouts of the bench and the complementary display.
    void Unecouleur1Click() { disposition(1); }
    void Deuxcouleurs1Click() { disposition(2); }
    void Troiscouleurs1Click() { disposition(3); }
    void BitBtn6Click();
    void Voirlacomplmentaire1Click();

    // The afterimage experiment.
    void btn_lancerClick();
    void Timer_voirTimer();
    void Timer_reaff_imageTimer();

    // The questionnaire: coul21MouseDown … coul28MouseDown are rows 1 … 8.
    void coul2MouseDown(int rang);
    void change_coul(Forme *carre);
    void BitBtn2Click();

    const BancCouleurs &banc() const { return banc_; }
    const ExperienceVoir &experience() const { return experience_; }
    Forme *cases_coul(int i) const { return cases_coul_.at(i); }

    // Left half.
    Cadre *GroupBox1;
    ImageWidget *Image1;
    ImageWidget *Image2;
    Cadre *Panel1;
    Forme *Shape1;
    QPushButton *BitBtn3;
    QPlainTextEdit *Memo2;
    Cadre *GroupBox2;
    QPlainTextEdit *Memo1;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *BitBtn2;
    std::array<Forme *, 8> coul1{}; // coul11 … coul18
    std::array<Forme *, 8> coul2{}; // coul21 … coul28
    std::array<Forme *, 8> cor{};   // cor1 … cor8
    QTimer *Timer_voir;
    QTimer *Timer_reaff_image;

    // Right half.
    Cadre *GroupBox6;
    Forme *ess_coul;
    Forme *ess_coul2;
    Forme *comp_ess_coul;
    Forme *Shape2;
    Forme *Shape_somme;
    QLabel *Label3;
    QLabel *Label4;
    ImageWidget *Image3;
    BoutonImage *BitBtn6;
    Cadre *Group_coul1;
    Cadre *Group_coul2;
    Cadre *GroupBox9;
    QScrollBar *scroll_rouge, *Scroll_vert, *Scroll_bleu;
    QScrollBar *Scroll_rouge2, *Scroll_vert2, *Scroll_bleu2;
    QScrollBar *Scroll_rouge3, *Scroll_vert3, *Scroll_bleu3;

private:
    void creer_experience();
    void creer_questionnaire();
    void creer_banc();
    Cadre *creer_cadre_couleur(const char *nom, QPoint place, int k);
    void recalculer_couleur(int k);
    void trace_region(RegionVenn r, Couleur c);
    void calcul_melange(BancCouleurs::Somme s);
    void disposition(int nombre);
    void appliquer_experience();

    HotePage *hote_;
    TForm_coul *form_coul_ = nullptr;
    BancCouleurs banc_;
    ExperienceVoir experience_;
    std::array<Forme *, 17> cases_coul_{}; // entries 1 to 16
};
