#pragma once
#include <QDialog>

// The colour setting dialog "Mise en couleur".
class Tmise_couleur : public QDialog {
    Q_OBJECT
public:
    explicit Tmise_couleur(QWidget *parent = nullptr);
};
