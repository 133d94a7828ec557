#pragma once
#include <QMainWindow>

class QCheckBox;
class SortiesPage;
class QLabel;
class QListWidget;
class VueTraces;

// cassybio: the acquisition viewer. Opens a .exw recording, lists its trials,
// plots the channels of the chosen trial (or all trials of its series
// superposed) against time, with two measuring cursors.
class FenetreCassybio : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetreCassybio(QWidget *parent = nullptr);

    QLabel *titre = nullptr;
    QLabel *notes = nullptr;
    QListWidget *liste_essais = nullptr;
    QCheckBox *superposition = nullptr;
    VueTraces *vue = nullptr;
    // "Copier l'image" … "Exporter les données…" of the "Fichier" menu.
    SortiesPage *sorties = nullptr;

    // Opens a recording; returns the error text ("" when it opened). A path
    // component in the wrong case is found all the same.
    QString ouvrir(const QString &chemin);
    // The same, reporting an error in a message box.
    void ouvrir_et_signaler(const QString &chemin);
    QString fichier() const { return fichier_; }

private:
    void dialogue_ouvrir();
    QString fichier_;
};
