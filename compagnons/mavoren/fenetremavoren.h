#pragma once
#include "common/exportcsv.h"
#include "compagnons/mavoren/simulateuremg.h"

#include <QMainWindow>

#include <random>
#include <vector>

class QComboBox;
class SortiesPage;
class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;
class VueTraces;

// mavoren: the pupil taps a tendon or lights a lamp for the subject, sees the
// EMG of the muscle and measures with two cursors the reflex latency and the
// reaction time, then notes the measures in a table.
class FenetreMavoren : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetreMavoren(unsigned graine, QWidget *parent = nullptr);

    QComboBox *choix_reflexe = nullptr;
    QSlider *curseur_vitesse = nullptr;
    QLabel *texte_vitesse = nullptr;
    QLabel *texte_trajet = nullptr;
    QPushButton *bouton_reflexe = nullptr;
    QPushButton *bouton_signal = nullptr;
    QLabel *lampe = nullptr;
    VueTraces *vue_reflexe = nullptr;
    VueTraces *vue_volontaire = nullptr;
    QPushButton *noter_reflexe = nullptr;
    QPushButton *noter_volontaire = nullptr;
    QTableWidget *mesures = nullptr;
    // "Copier l'image" … "Exporter les données…" of the "Fichier" menu.
    SortiesPage *sorties = nullptr;
    // The table of measures as spreadsheet lines.
    QList<csv::Ligne> lignes_mesures() const;

    const SimulateurEmg &simulateur() const { return sim_; }
    int nb_essais() const { return int(essais_.size()); }

    void frapper_tendon();
    void allumer_signal();
    // Adds the gap between the two cursors of a view to the table.
    void noter(VueTraces *vue);
    // Every trial so far, as one recording the acquisition viewer can open.
    Enregistrement tous_les_essais() const;

private:
    void reglages_changes();
    void enregistrer();

    SimulateurEmg sim_;
    std::mt19937 alea_;
    std::vector<Enregistrement> essais_;
    int nb_reflexes_ = 0;
    int nb_volontaires_ = 0;
};
