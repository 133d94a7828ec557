#pragma once
#include <QMainWindow>

#include "common/hote.h"

class Cadre;
class PageActivite;
class PageChamps;
class PageContrastes;
class PageFechner;
class PageNernst;
class PageNerf;
class QAction;
class QFileDialog;
class QMenu;
class QTabWidget;
class QTimer;
class TAboutBox;
class TForm_coul;
class Tmise_couleur;

// The main window: the notebook of the six pages, the menus, the file dialogs,
// the one-shot start-up sequence and the page-entry steps.
class TForm1 : public QMainWindow, public HotePage {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // Handlers of the window, its timer, notebook and menus.
    void FormCreate();
    void Timer_debutTimer();
    void Notebook1Click();
    void Notebook1Change() {}
    void Ouvrir1Click();
    void Sauve1Click();
    void Quitter1Click();
    void Apropos1Click();
    void FormClose();
    void adap_cassybio();        // start-up step 12: the acquisition program's launcher files
    void lec_couleurs();         // start-up step 3: the colour settings file
    void Miseencouleur1Click();  // Options > Mise en couleur

    // HotePage
    int page_courante() const override;
    void montrer_page(int index) override;
    QAction *element_menu(const char *nom) const override;
    QString rep_depart() const override { return rep_depart_; }
    QImage image_blanche() const override;
    QWidget *fenetre() override { return this; }

    QTabWidget *Notebook1;
    PageContrastes *page_contrastes;
    PageChamps *page_champs;
    PageFechner *page_fechner;
    PageNerf *page_nerf;
    PageActivite *page_activite;
    PageNernst *page_nernst;

    QTimer *Timer_debut;
    // The five file dialogs (OpenDialog1..3, SaveDialog1..2), made on first use.
    QFileDialog *dialogue(const char *nom);

    TForm_coul *Form_coul;
    Tmise_couleur *mise_couleur;
    TAboutBox *AboutBox;

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void creer_menus();
    void fixer_taille_exterieure();
    void charger_images(); // start-up step 16
    // Shows a file dialog; the chosen file, or "" when cancelled.
    QString choisir(QFileDialog *d);
    QList<Cadre *> cadres_de_ligne(int ligne) const; // frames of a colour-file line
    void sav_couleurs();                             // writes couleurs.kmo
    QString rep_depart_;
    QString chemin_cassybio_;
};
