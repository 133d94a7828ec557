#pragma once
#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <QStringList>

#include "common/couleur.h"
#include "common/classeur.h"
#include "common/hote.h"
#include "common/sortiespage.h"

#include <array>
#include <functional>

class Cadre;
class PageActivite;
class PageChamps;
class PageContrastes;
class PageFechner;
class PageNernst;
class PageNerf;
class QAction;
class SortiesPage;
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
    // Options > Taille de l'affichage (app/tform1_affichage.cpp): remembers the
    // size and, when it differs from this run's, offers to restart.
    void choisir_taille_affichage(int pourcentage);
    void Ajusteralecran1Click(); // the largest size that fits the screen

    // HotePage
    int page_courante() const override;
    void montrer_page(int index) override;
    QAction *element_menu(const char *nom) const override;
    QString rep_depart() const override { return rep_depart_; }
    QImage image_blanche() const override;
    QWidget *fenetre() override { return this; }

    QTabWidget *Notebook1;
    // The first page is built with the window. The others are built when first
    // needed (shown, or reached by a menu, a file or another page) and then run
    // their part of the start-up sequence: the start stays quick and small.
    PageContrastes *page_contrastes;
    PageChamps *page_champs();
    PageFechner *page_fechner();
    PageNerf *page_nerf();
    PageActivite *page_activite();
    PageNernst *page_nernst();
    bool page_construite(int index) const { return pages_[index] != nullptr; }

    QTimer *Timer_debut;
    // The five file dialogs (OpenDialog1..3, SaveDialog1..2), made on first use.
    QFileDialog *dialogue(const char *nom);

    // The picture of a notebook page as it shows (the page built if need be),
    // and the commands that take it out of the program: "Fichier" > "Copier
    // l'image de la page" … "Exporter les données…".
    QImage image_page(int index);
    QWidget *vue_page(int index);
    // The page's tables of numbers, or nothing when it has none to give.
    std::function<Classeur()> donnees_page(int index);
    SortiesPage *sorties = nullptr;

    TForm_coul *Form_coul;
    // The two dialogs that only their menu item opens are made on first use.
    Tmise_couleur *mise_couleur();
    TAboutBox *AboutBox();

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void creer_menus();
    void creer_menus_sorties(QMenu *fichier, QAction *quitter);
    // The page showing, for the export commands.
    SortiesPage::Source source_sorties();
    void creer_menu_affichage(QMenu *options);
    // Before a restart: offers to save the Fechner grid and the Nernst
    // programme; false when the pupil cancels.
    bool sauver_avant_redemarrage();
    void fixer_taille_exterieure();
    void charger_images(); // start-up step 16
    // Shows a file dialog; the chosen file, or "" when cancelled.
    QString choisir(QFileDialog *d);
    QList<Cadre *> cadres_de_ligne(int ligne);       // frames of a colour-file line
    QWidget *page(int index);                        // the page, built if need be
    void etapes_de_page(int index);                  // the start-up steps that concern one page
    void part_du_demarrage(int index);               // what a page built late receives of the start-up
    void sav_couleurs();                             // writes couleurs.kmo
    QString rep_depart_;
    QString chemin_cassybio_;

    std::array<QWidget *, 6> pages_{};   // the pages built so far
    std::array<QWidget *, 6> onglets_{}; // the notebook's tabs, holding them
    bool demarrage_fait_ = false;
    bool page_par_code_ = false; // montrer_page is changing the page
    // What the start-up sequence read for the pages not yet built.
    QMap<int, Couleur> couleurs_lues_;             // line of couleurs.kmo → colour
    bool cassybio_lu_ = false;
    QStringList lignes_cassybio_;                   // the acquisition template
    QList<QPair<const char *, QImage>> images_lues_; // Nernst picture → bitmap read
    mutable QImage blanc_;                          // the white plot the pages share
    Tmise_couleur *mise_couleur_ = nullptr;
    TAboutBox *about_box_ = nullptr;
};
