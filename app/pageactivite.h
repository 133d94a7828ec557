#pragma once
#include <QWidget>

class BoutonImage;
class Cadre;
class HotePage;

// Page 4, "Activité volont./réflexe": a recording shown in the acquisition
// program and the start of the companion program mavoren.
class PageActivite : public QWidget {
    Q_OBJECT
public:
    PageActivite(HotePage *hote, QWidget *parent = nullptr);

    void BitBtn10Click(); // shows the reflex and voluntary recording
    void BitBtn11Click(); // starts mavoren

    Cadre *GroupBox8;
    BoutonImage *BitBtn10;
    BoutonImage *BitBtn11;

private:
    HotePage *hote_;
};
