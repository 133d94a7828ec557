#pragma once
#include <QDialog>

class QPushButton;

// The About box: product, version, author and contact, and an OK button.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *e) override;
};
