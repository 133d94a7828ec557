#pragma once
#include <QGroupBox>

#include "common/couleur.h"

// A frame (group box or panel) whose background is a colour value. A negative
// value paints with the palette's face colour and is kept as it was set.
class Cadre : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int colourValue READ couleur WRITE set_couleur)
    Q_PROPERTY(int tag READ tag WRITE setTag)
public:
    explicit Cadre(const QString &titre = QString(), QWidget *parent = nullptr);

    Couleur couleur() const { return couleur_; }
    void set_couleur(Couleur c);
    // Bevelled panel look instead of a titled group box.
    void setPanneau(bool panneau);
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Couleur couleur_ = COULEUR_FACE;
    bool panneau_ = false;
    int tag_ = 0;
};
