#pragma once
#include <QImage>
#include <QWidget>

#include "fechner/courbefechner.h"
#include "fechner/grillefechner.h"

class BoutonImage;
class Cadre;
class FenetreAnalyse;
class GrilleChaines;
class HotePage;
class ImageWidget;
class QLabel;
class QMenu;
class QPlainTextEdit;

// Page 2, "Loi de Fechner": the question, the measurement grid with its two
// context menus, the curve of the trials with its zoom buttons, and the
// .fch files of the grid.
class PageFechner : public QWidget {
    Q_OBJECT
public:
    static constexpr int INDEX_PAGE = 2;

    PageFechner(HotePage *hote, QWidget *parent = nullptr);

    // Start-up steps: the grid headings and tracked cell, then the first curve.
    void ecrire_entetes();
    void BitBtn3Click();

    // The shared white 420 × 220 picture that plots are cleared with.
    QImage image_blanche() const;

    // Reads a .fch file into the grid, brings this page forward and redraws
    // through the two zoom buttons. A file that cannot be opened changes
    // nothing; a read failure is reported here. True when the file was read.
    bool lec_fechner(const QString &chemin);
    // Writes the grid as a .fch file, replacing any old file only once the
    // new one is complete. A failure is reported here ("Ne peut créer le
    // fichier …"). True when the file was written.
    bool sauver_fechner(const QString &chemin);

    // Grid events.
    void grilleSelectCell(int col, int row);
    void grilleClick();
    void grilleKeyDown(int touche);
    // Writes a text into the tracked cell and redraws.
    void ajoute(const QString &valeur);

    // The outcome menu.
    void testrussi1Click();
    void testchou1Click();
    // The mass menu.
    void lavaleurdelapetitemasse1Click();
    void ajoute1Click();
    void N15g1Click();
    void N20g1Click();
    void N25g1Click();
    void N30g1Click();
    void N40g1Click();
    void N50g1Click();
    void N60g1Click();
    void N70g1Click();
    void N80g1Click();
    void N100g1Click();
    void N120g1Click();
    void N140g1Click();
    void N1601Click();
    void N180g1Click();
    void N200g1Click();
    void N220g1Click();
    void N250g1Click();
    void N280g1Click();
    void N300g1Click();

    // The zoom buttons; a right press on one runs its click five times.
    void BitBtn5Click();
    void BitBtn7Click();
    void BitBtn5MouseDown(Qt::MouseButton bouton);
    void BitBtn7MouseDown(Qt::MouseButton bouton);

    // "Analyser": opens the analysis window (made on first use), which then
    // follows the grid while it is open.
    void Bouton_analyserClick();
    FenetreAnalyse *fenetre_analyse() const { return fenetre_analyse_; }

    // The context menu the grid offers now: chosen by the row of the last selection.
    QMenu *menu_grille() const { return menu_grille_; }
    const GrilleFechner &donnees() const { return donnees_; }
    const CourbeFechner &courbe() const { return courbe_; }

    Cadre *GroupBox3;
    QPlainTextEdit *Memo4;
    GrilleChaines *grille;
    Cadre *GroupBox5;
    ImageWidget *Ima_courbe;
    QLabel *Label25;
    QLabel *Label26;
    BoutonImage *BitBtn4;
    BoutonImage *BitBtn5;
    BoutonImage *BitBtn7;
    ImageWidget *save_ima_blanc;
    QPlainTextEdit *Memo_cassybio;
    BoutonImage *Bouton_analyser;
    QMenu *PopupMenu1;
    QMenu *PopupMenu2;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void creer_courbe();
    void creer_menus();
    // Shows the model's cells in the grid.
    void afficher_grille();
    void cinq_pas(Qt::MouseButton bouton, void (PageFechner::*clic)());

    HotePage *hote_;
    GrilleFechner donnees_;
    CourbeFechner courbe_;
    QMenu *menu_grille_ = nullptr;
    FenetreAnalyse *fenetre_analyse_ = nullptr;
};
