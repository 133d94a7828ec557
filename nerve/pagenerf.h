#pragma once
#include <array>
#include <optional>

#include <QWidget>

#include "nerve/electrodes.h"
#include "nerve/modelenerf.h"

class BoutonImage;
class Cadre;
class Forme;
class GroupeOptions;
class HotePage;
class ImageWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// Page 3, "Période réfractaire": the questionnaire on refractory periods (left)
// and the simulated stimulation of a nerve or a single fibre (right).
class PageNerf : public QWidget {
    Q_OBJECT
public:
    PageNerf(HotePage *hote, QWidget *parent = nullptr);

    // Start-up and page entry.
    void affich_grad();   // the time and distance scales, drawn once
    void BitBtn21Click(); // "Charger": reloads the action potential, shows the page
    void lec_fic_ess0();

    // The simulator.
    void BitBtn22Click(); // the run: computes the responses and redraws Ima_st
    void Scroll_i_stimChange();
    void CheckBox1Click();
    void Scroll_tempsChange();
    void Radio_nerfClick();

    // The electrodes: the named handlers share one routine per event.
    void Shape_anodeMouseDown(int X) { electrode_saisie(X); }
    void Shape_cathodeMouseDown(int X) { electrode_saisie(X); }
    void Shape_enr1MouseDown(int X) { electrode_saisie(X); }
    void Shape_enr2MouseDown(int X) { electrode_saisie(X); }
    void Shape_anodeMouseMove(int X) { electrode_deplacee(Electrode::Anode, X); }
    void Shape_cathodeMouseMove(int X) { electrode_deplacee(Electrode::Cathode, X); }
    void Shape_enr1MouseMove(int X) { electrode_deplacee(Electrode::Enr1, X); }
    void Shape_enr2MouseMove(int X) { electrode_deplacee(Electrode::Enr2, X); }
    void Shape_anodeMouseUp() { electrode_lachee(); }
    void Shape_cathodeMouseUp() { electrode_lachee(); }
    void Shape_enr1MouseUp() { electrode_lachee(); }
    void Shape_enr2MouseUp() { electrode_lachee(); }
    void deplace_shape(Electrode e, int X);
    void Shape_nerfMouseDown();

    // The questionnaire.
    void BitBtn19Click(); // "Correction"
    void BitBtn8Click();  // "Voir fichier sur la période réfractaire"
    void BitBtn9Click();  // "Voir fichier sur le recrutement de fibres"

    // An electrode with the focus moved by an arrow key (`pas` pixels, 10 with
    // Shift): a press at its left edge and a move, under the dragging rules.
    void electrode_clavier(Electrode e, int pas);

    // The electrodes' places as the rules read them from the shapes.
    Montage montage() const;
    Forme *electrode(Electrode e) const { return electrodes_[static_cast<int>(e)]; }

    ModeleNerf modele;
    // The set-up of the last run, for the data export; none before the first run.
    std::optional<ModeleNerf::Reglages> reglages_trace;
    bool deplacement_actif = false;
    int x_saisie = 0;

    Cadre *GroupBox7;
    Cadre *GroupBox11;

    // Questionnaire (GroupBox7).
    QPlainTextEdit *Memo5;
    BoutonImage *BitBtn8;
    BoutonImage *BitBtn9;
    QListWidget *FileListBox1;
    QComboBox *pref_rel;
    QComboBox *pref_abs;
    QLineEdit *fib_lpr;
    QLineEdit *fib_cpr;
    QLineEdit *vit_influx;
    QComboBox *combo_electrode;
    QLineEdit *Edit_seuil;
    Forme *refr_rel;
    Forme *refr_abs;
    Forme *freq_long;
    Forme *freq_court;
    Forme *vit_inf;
    Forme *elec_stim;
    Forme *res_seuil;
    QPushButton *BitBtn19;

    // Simulator (GroupBox11), bottom to top.
    ImageWidget *Ima_st;
    ImageWidget *ima_nerf;
    Forme *Shape_anode;
    Forme *Shape_anode2;
    Forme *Shape_cathode;
    Forme *Shape_cathode2;
    Forme *Shape_enr1;
    Forme *Shape_enr12;
    Forme *shape_enr22;
    Forme *Shape_enr2;
    Forme *Shape_nerf;
    QLabel *Lab_a;
    QLabel *Lab_b;
    Forme *prem_artef;
    Forme *deux_artef;
    ImageWidget *Ima_grad;
    QLabel *Label21;
    ImageWidget *Ima_grad2;
    QLabel *Label22;
    QLabel *anode;
    QLabel *cathode;
    Cadre *Panel2;
    QLabel *Label14;
    QLabel *Lab_stim;
    QScrollBar *Scroll_i_stim;
    QCheckBox *CheckBox1;
    QLabel *Label13;
    QScrollBar *Scroll_temps;
    Cadre *Panel3;
    GroupeOptions *Radio_nerf;
    Cadre *GroupBox12;
    QPushButton *BitBtn22;
    QPushButton *BitBtn21;

protected:
    // Arrow keys on an electrode; the run when the key is released.
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void creer_questionnaire();
    void creer_simulateur();
    void electrode_saisie(int X);
    void electrode_deplacee(Electrode e, int X);
    void electrode_lachee();
    void decrire_electrode(Electrode e); // its position in its accessible description
    void poser_suiveurs(Electrode e);
    void voir_fichier(const char *enregistrement);

    HotePage *hote_;
    std::array<Forme *, 4> electrodes_{};
    std::array<Forme *, 4> fils_{};
    std::array<QLabel *, 4> signes_{};
    std::array<Forme *, 7> lampes_{};
};
