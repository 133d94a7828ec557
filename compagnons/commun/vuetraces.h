#pragma once
#include "compagnons/commun/enregistrement.h"

#include <QWidget>

// Plots the channels of a recording against time, one band per channel, with
// two cursors that read time and amplitude differences. The mouse drags the
// nearest cursor; the wheel zooms in time around the pointer; a double click
// shows the whole recording again. By keyboard, once focused: Left and Right
// move the cursor chosen (one sample, with Shift ten), 1 and 2 or Space choose
// C1 or C2, Home shows the whole recording.
class VueTraces : public QWidget {
    Q_OBJECT
public:
    explicit VueTraces(QWidget *parent = nullptr);

    void setEnregistrement(const Enregistrement &e);
    const Enregistrement &enregistrement() const { return enr_; }
    // The trial shown in full colour; with superposition every trial of its
    // series is drawn and the current one over the others.
    void setEssaiCourant(int essai);
    int essaiCourant() const { return essai_; }
    void setSuperposition(bool oui);
    // The series of a trial: its name up to the first digit, so that
    // "Intervalle 2,1 ms" and "Intervalle 1,5 ms" go together, apart from
    // "Fibre à PR longue : 488 Hz".
    static QString serie(const QString &nom_essai);
    // What the empty view says.
    void setMessageVide(const QString &texte);

    // Cursor times, always on a sample of the current trial.
    double curseur(int n) const { return n == 0 ? c1_ : c2_; }
    void setCurseur(int n, double t);
    double ecart() const { return c2_ - c1_; }
    // The time window shown; toutVoir shows the whole current trial (the
    // longest one when superposed), as a change of trial does.
    void setFenetre(double debut, double fin);
    void toutVoir();
    double fenetreDebut() const { return t0_; }
    double fenetreFin() const { return t1_; }

    // The pixel column of a time, and the time of a column (plot coordinates).
    int x_de(double t) const;
    double t_de(int x) const;

    QSize sizeHint() const override { return {640, 360}; }

Q_SIGNALS:
    void curseursDeplaces();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *ev) override;
    void keyPressEvent(QKeyEvent *ev) override;
    void mouseMoveEvent(QMouseEvent *ev) override;
    void mouseDoubleClickEvent(QMouseEvent *ev) override;
    void wheelEvent(QWheelEvent *ev) override;

private:
    QString description_clavier() const; // the cursors' times and the keys, for screen readers
    QRect zone() const;          // the plotting area
    QRect bande(int voie) const; // one channel's band within it
    double cale(double t) const; // the time of the nearest sample

    Enregistrement enr_;
    int essai_ = 0;
    bool superposition_ = false;
    double c1_ = 0.0, c2_ = 0.0;
    double t0_ = 0.0, t1_ = 1.0;
    int saisi_ = -1;
    QString vide_ = QStringLiteral("Aucun enregistrement");
};
