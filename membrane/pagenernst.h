#pragma once
#include <QWidget>

#include "membrane/etatnernst.h"

class Cadre;
class Forme;
class HotePage;
class ImageWidget;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

// Page 5, "Loi de Nernst": the membrane between two compartments, its ion
// pictures, conductances and potentials, the curve programme and the animation.
// The state and the rules live in `etat`; the page shows them and wires the
// controls to the handlers.
class PageNernst : public QWidget {
    Q_OBJECT
public:
    // Timer_anim's interval: one step of the ions per frame of a 60 Hz screen.
    static constexpr int INTERVALLE_ANIMATION_MS = 16;

    PageNernst(HotePage *hote, QWidget *parent = nullptr);

    // Start-up steps of this page.
    void Scroll_gkChange();
    void Scroll_gnaChange();
    void enregistrer_rapports();   // aspect ratios of the built-in ion pictures
    void concentrations_depart();  // 150, 6, 8, 144
    void calcul_images();
    void grad_nernst();

    void Afficherlespotdquilibre1Click();

    // Membrane: potentials, bars, picture clicks, the two relaxation timers.
    void calcul_pot_eq();
    void calcul_em();
    void Scroll_kiChange();
    void Scroll_keChange();
    void Scroll_naiChange();
    void Scroll_naeChange();
    void ima_kiMouseDown(Qt::MouseButton bouton);
    void ima_keMouseDown(Qt::MouseButton bouton);
    void ima_naiMouseDown(Qt::MouseButton bouton);
    void ima_naeMouseDown(Qt::MouseButton bouton);
    void Timer_kTimer();
    void Timer_naTimer();

    // Curve programme.
    void trace_point(bool avec_em, int n);
    // With `garder_reglages` the model keeps its conductances and
    // concentrations through the redraw.
    void reaff_tout(bool garder_reglages = false);
    void curseur();  // the step cursor at the current step
    void BitBtn14Click();  // "Lancer COURBE" / "STOP"
    void BitBtn15Click();  // "EFFACER"
    void BitBtn16Click();  // "Program.COURBE" / "Fin program."
    void recule1Click();   // "<--"
    void BitBtn17Click();  // "-->"
    void avance1Click();   // appends a step
    void BitBtn18Click();  // "Essai COURBE"
    void Timer_courbeTimer();
    void Timer_reaffTimer();

    // Ion-flux animation.
    void BitBtn12Click();  // to the equilibrium mode
    void BitBtn13Click();  // back to the permeability mode
    void GOClick();        // "LANCER" / "STOP"
    void remise_zero_anim();
    void rempl_image(ImageWidget *image);
    void Timer_animTimer();

    // Programme files. `lec_nernst` reads a .nst file into the programme (a
    // file that cannot be opened or whose first line is not a whole number
    // changes nothing and gives false); with `afficher` the page is brought
    // forward and a trial started. `sauver_nernst` writes the programme, replacing
    // the file only once complete; on failure it shows "Ne peut créer le
    // fichier …" and gives false.
    bool lec_nernst(const QString &file_name, bool afficher);
    bool sauver_nernst(const QString &chemin);

    EtatNernst etat;
    // The picture ratios, as the main window's start-up reads them.
    double &rapport_k = etat.rapport_k;
    double &rapport_na = etat.rapport_na;
    double &rapport_an = etat.rapport_an;

    Cadre *GroupBox10;
    QLabel *Label12;
    QLabel *Lab_em;
    QPushButton *BitBtn12;
    QPushButton *BitBtn13;
    QLabel *Label9;
    QLabel *Label10;
    QPushButton *GO;
    QLabel *force1;
    QLabel *force2;
    ImageWidget *Ima_fl_i_e;
    ImageWidget *ima_fl_e_i;
    QLabel *lab_gk;
    QLabel *lab_gna;
    QLabel *lab_nai;
    QLabel *lab_ki;
    QLabel *lab_ke;
    QLabel *lab_nae;
    QScrollBar *Scroll_nai;
    QScrollBar *Scroll_ki;
    QScrollBar *Scroll_ke;
    QScrollBar *Scroll_nae;
    Forme *Shape15;
    Forme *Shape16;
    Forme *Shape17;
    ImageWidget *ima_pe1;
    ImageWidget *ima_pe2;
    Forme *Shape11;
    QScrollBar *Scroll_gk;
    QScrollBar *Scroll_gna;
    ImageWidget *ani;
    ImageWidget *ane;
    ImageWidget *ima_ki;
    ImageWidget *ima_ke;
    ImageWidget *ima_nai;
    ImageWidget *ima_nae;
    ImageWidget *Ima_sav;
    QLabel *Label11;
    ImageWidget *ima_leg;
    ImageWidget *Ima_pa;
    QPushButton *BitBtn14;
    QPushButton *BitBtn15;
    QPushButton *BitBtn16;
    QPushButton *recule1;
    QPushButton *BitBtn17;
    QPushButton *BitBtn18;
    QPushButton *avance1;
    QTimer *Timer_k;
    QTimer *Timer_na;
    QTimer *Timer_courbe;
    QTimer *Timer_reaff;
    QTimer *Timer_anim;

private:
    // What tells the four concentration bars apart.
    struct Concentration {
        QScrollBar *barre;
        double ModeleMembrane::*valeur;
        int32_t EtapeProg::*champ;
        QLabel *etiquette;
        QString prefixe;
        bool potassium;
    };
    // What tells the two conductance bars apart.
    struct Conductance {
        QScrollBar *barre;
        int ModeleMembrane::*valeur;
        int32_t EtapeProg::*champ;
        QLabel *etiquette;
        QString prefixe;
    };
    void changement_concentration(const Concentration &c);
    void changement_conductance(const Conductance &c);
    void clic_image(double ModeleMembrane::*valeur, Qt::MouseButton bouton);
    void taille_image(ImageWidget *image, double aire, double rapport);
    void charger_etape(int k);
    void effacer_courbe();
    void boutons_courbe(bool actifs);
    void placer_fleche(ImageWidget *fleche, int largeur, int gauche);
    static void echanger_boutons(QPushButton *presse, QPushButton *remplacant);
    ImageWidget *cadre_visible() const;
    ImageWidget *cadre_cache() const;

    HotePage *hote_;
    Concentration conc_ki_, conc_ke_, conc_nai_, conc_nae_;
    Conductance cond_gk_, cond_gna_;
};
