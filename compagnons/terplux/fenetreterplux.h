#pragma once
#include "common/classeur.h"
#include "compagnons/terplux/retine.h"
#include "compagnons/terplux/stimuli.h"

#include <QMainWindow>

class QButtonGroup;
class SortiesPage;
class QLabel;
class QSlider;
class VueImage;
class VueProfil;

// terplux: a picture, the response of a retina of centre-surround cells to
// it, and both along one row, with the strength and size of the receptive
// fields set by the pupil.
class FenetreTerplux : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetreTerplux(QWidget *parent = nullptr);

    QButtonGroup *motifs = nullptr;
    QSlider *curseur_force = nullptr;
    QSlider *curseur_taille = nullptr;
    QLabel *texte_force = nullptr;
    QLabel *texte_taille = nullptr;
    QLabel *image_champ = nullptr;
    QLabel *explication = nullptr;
    VueImage *vue_stimulus = nullptr;
    VueImage *vue_reponse = nullptr;
    VueProfil *profil = nullptr;
    // "Copier l'image" … "Exporter les données…" of the "Fichier" menu.
    SortiesPage *sorties = nullptr;
    // The profile row as spreadsheet lines: stimulus and response, 0 black to 1 white.
    Classeur classeur_profil() const;

    const Retine &retine() const { return retine_; }
    const Luminances &reponse() const { return reponse_; }
    // The response on the pictures' grey scale (0 black, 1 white).
    double gris_reponse(int x, int y) const;

    void choisir_motif(Motif m);
    void calculer();
    void montrer_ligne(int y);

private:
    Retine retine_;
    Motif motif_ = Motif::HermannNoir;
    Stimulus stimulus_;
    Luminances reponse_;
    double lo_ = 0.0, hi_ = 1.0;
    std::vector<double> profil_stimulus_, profil_reponse_;
};
