#pragma once
#include <QWidget>

class Cadre;
class HotePage;

// Page 4, "Activité volont./réflexe": a recording shown in the acquisition
// program and the start of the companion program mavoren.
class PageActivite : public QWidget {
    Q_OBJECT
public:
    PageActivite(HotePage *hote, QWidget *parent = nullptr);

    Cadre *GroupBox8;

private:
    HotePage *hote_;
};
