#pragma once
#include <QWidget>

class Cadre;
class HotePage;

// Page 3, "Période réfractaire": the questionnaire and the nerve stimulation simulator.
class PageNerf : public QWidget {
    Q_OBJECT
public:
    PageNerf(HotePage *hote, QWidget *parent = nullptr);

    void affich_grad();   // start-up: the time and distance scales
    void BitBtn21Click(); // page entry: "Charger", reloads the action potential

    Cadre *GroupBox7;
    Cadre *GroupBox11;

private:
    HotePage *hote_;
};
