#pragma once
#include <QImage>
#include <QWidget>

#include <memory>

#include "fechner/analysefechner.h"
#include "fechner/classefechner.h"

class BoutonImage;
class Cadre;
class GrilleFechner;
class ImageWidget;
class QFileDialog;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QComboBox;
class QTabWidget;
class QTableWidget;
class QTimer;

// "Analyse des résultats": the analysis of the page's grid (a table of the
// thresholds, the psychometric curve of each carried mass, Weber's and
// Fechner's plots, a short explanation), following
// the grid while open; the class's results from several .fch files; the
// picture and the data taken out of the program.
class FenetreAnalyse : public QWidget {
    Q_OBJECT
public:
    // `grille` is the page's grid; it outlives the window, which is its child.
    FenetreAnalyse(const GrilleFechner *grille, QWidget *parent);

    // Re-analyses the grid at once; `grille_changee` does it once the
    // current event is over, however many cells changed in it.
    void actualiser();
    void grille_changee();

    // Reads and analyses the groups' files; the list and the pooled analysis
    // replace the previous ones.
    void charger_classe(const QStringList &chemins);

    // Button handlers.
    void Bouton_classeClick();
    void Bouton_copierClick();
    void Bouton_enregistrerClick();
    void Bouton_exporterClick();
    // The saves behind the last two; a failure is reported. True when written.
    bool enregistrer_image(const QString &chemin);
    bool exporter_donnees(const QString &chemin);

    const AnalyseFechner &analyse() const { return analyse_; }
    const ClasseFechner *classe() const { return classe_.get(); }
    // The four plots, as copied and saved.
    QImage image() const;

    Cadre *Cadre_groupe;
    QTableWidget *Table_groupe;
    QLabel *Label_k_groupe;
    Cadre *Cadre_classe;
    BoutonImage *Bouton_classe;
    QLabel *Label_classe;
    QTableWidget *Table_fichiers;
    QTableWidget *Table_classe;
    QLabel *Label_k_classe;
    QTabWidget *Onglets_traces;
    QComboBox *Choix_masse;
    ImageWidget *Ima_psychometrique;
    ImageWidget *Ima_weber;
    ImageWidget *Ima_rapports;
    ImageWidget *Ima_fechner;
    QPlainTextEdit *Memo_explication;
    BoutonImage *Bouton_copier;
    BoutonImage *Bouton_enregistrer;
    BoutonImage *Bouton_exporter;
    QTimer *Timer_analyse;
    QScrollArea *Defilement; // holds the controls; scrolls on a small screen

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void ajuster_a_l_ecran(); // bounded by the screen, frame included, and inside it

private:
    void montrer();
    // The row of the psychometric curve (of the grid, or of the class when `de_la_classe`).
    const LigneAnalyse *ligne_choisie(bool *de_la_classe = nullptr) const;
    QImage courbe(int hauteur) const;
    void tracer_courbe();
    // A file dialog made on first use: the class's files, the picture, the data.
    QFileDialog *dialogue(const char *nom);
    QString choisir(const char *nom);

    const GrilleFechner *grille_;
    AnalyseFechner analyse_;
    std::unique_ptr<ClasseFechner> classe_;
};

