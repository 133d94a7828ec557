#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// A recording as the acquisition viewer shows it: channels sampled at one
// period, in one or more trials (sweeps) that share the same channels.
// Time of sample i: debut_ms + i × periode_ms.
class Enregistrement {
public:
    struct Voie {
        QString nom;
        QString unite;
        // Display range; when not fixed the viewer takes it from the data.
        bool echelle_fixee = false;
        double min = 0.0;
        double max = 0.0;
    };
    struct Essai {
        QString nom;
        std::vector<std::vector<double>> valeurs; // [channel][sample]
    };

    QString titre;
    QStringList notes;
    double periode_ms = 1.0;
    double debut_ms = 0.0;
    QList<Voie> voies;
    std::vector<Essai> essais;

    // A trial with every channel present and empty, ready to be filled.
    Essai &ajouter_essai(const QString &nom);

    int nb_echantillons(int essai) const;
    int nb_echantillons_max() const;
    double temps(int i) const { return debut_ms + i * periode_ms; }
    double fin_ms() const; // time of the last sample of the longest trial
    // The sample nearest to time t in a trial, held within the trial.
    int indice(int essai, double t) const;
    // The value of a channel at the sample nearest to t.
    double valeur(int essai, int voie, double t) const;
    // The channel's display range: fixed, or the data's extent over every
    // trial with a small margin; never empty.
    std::pair<double, double> etendue(int voie) const;
};
