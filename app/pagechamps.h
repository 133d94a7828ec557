#pragma once
#include <QWidget>

class Cadre;
class HotePage;

// Page 1, "Champs récepteurs": the lateral-inhibition picture, its question,
// and the start of the companion program terplux.
class PageChamps : public QWidget {
    Q_OBJECT
public:
    PageChamps(HotePage *hote, QWidget *parent = nullptr);

    Cadre *GroupBox4;

private:
    HotePage *hote_;
};
