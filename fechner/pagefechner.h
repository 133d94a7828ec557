#pragma once
#include <QImage>
#include <QWidget>

class Cadre;
class HotePage;
class ImageWidget;
class QMenu;

// Page 2, "Loi de Fechner": the measurement grid, its curve and the two
// context menus of the grid.
class PageFechner : public QWidget {
    Q_OBJECT
public:
    PageFechner(HotePage *hote, QWidget *parent = nullptr);

    // Start-up steps: the grid headings and tracked cell, then the first curve.
    void ecrire_entetes();
    void BitBtn3Click();

    // The shared white 420 × 220 picture that plots are cleared with.
    QImage image_blanche() const;

    Cadre *GroupBox3;
    ImageWidget *save_ima_blanc;
    QMenu *PopupMenu1;
    QMenu *PopupMenu2;

private:
    HotePage *hote_;
};
