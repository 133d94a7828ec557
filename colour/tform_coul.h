#pragma once
#include <QDialog>

// The colour choice dialog "Choix couleur": a borderless window of ten colours.
class TForm_coul : public QDialog {
    Q_OBJECT
public:
    explicit TForm_coul(QWidget *parent = nullptr);
};
