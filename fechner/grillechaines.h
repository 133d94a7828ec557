#pragma once
#include <QTableWidget>

// A string grid with a fixed first row and first column: those cells are
// headings shown in the table's headers, which stay in place while the rest
// scrolls; they are neither selectable nor editable. The other cells are
// edited in place, and a rectangular range may be selected.
//
// Right mouse presses never move the current cell, so that a context menu
// acts on the cell selected last. Keys reach `toucheTraitee` once the grid has
// processed them (moved its current cell); Tab and Backtab too, from the grid
// or from a cell's editor. A left click in a cell reaches `clicCellule` once
// the grid has made that cell current, also when the move opened its editor.
class GrilleChaines : public QTableWidget {
    Q_OBJECT
public:
    GrilleChaines(int colonnes, int lignes, QWidget *parent = nullptr);

    // Every column (the heading column included) and every row, in pixels.
    void dimensionner(int largeur_colonne, int hauteur_ligne);

    QString texte(int colonne, int ligne) const;
    void ecrire_texte(int colonne, int ligne, const QString &texte);
    // Makes the cell current without announcing a selection.
    void placer_courante(int colonne, int ligne);

Q_SIGNALS:
    // The pupil made (colonne, ligne) the current cell, by mouse or keyboard.
    void selectionCellule(int colonne, int ligne);
    void toucheTraitee(int touche);
    void clicCellule();

protected:
    bool viewportEvent(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void recopier_entete(int colonne, int ligne);
    QWidget *coin_ = nullptr;
    bool placement_ = false;
    QPersistentModelIndex appui_;
};
