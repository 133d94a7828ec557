#pragma once
#include <QImage>

class Canevas;
class GrilleFechner;

// The curve of the grid: one dot per trial, across at the carried mass of its
// row, up at the added mass; green when the difference was felt ("O"), red
// otherwise. The vertical scale `echelle` is in grams per 220 pixels.
class CourbeFechner {
public:
    static constexpr int ECHELLE_DEPART = 100;
    static constexpr int ECHELLE_MIN = 10;
    static constexpr int PAS_ZOOM = 10;

    int echelle() const { return echelle_; }
    void set_echelle(int e);
    // "+": 10 g less per picture height, never below 10.
    void zoom_avant();
    // "-": 10 g more per picture height.
    void zoom_arriere();

    // The whole drawing on a copy of `blanc`: dots, then the axes over them.
    QImage tracer(const GrilleFechner &grille, const QImage &blanc) const;
    // The two axis bands with their ticks and labels.
    void affich_graduation(Canevas &c) const;

    // Tick-step factor of the vertical axis for a scale: 1, 2, 4, 6 or 8.
    static int pas_graduation(int echelle);
    // The label of the vertical tick i (i counted in 1/2.2 g steps): grams.
    static int valeur_graduation(int i);
    // Left edge of the dots of a carried mass (m grams) in a picture `largeur` wide.
    static double abscisse(double masse, int largeur);
    // Top edge of a dot of `masse` grams above the reference line `base`.
    static double ordonnee(double masse, int base, int echelle);

private:
    int echelle_ = ECHELLE_DEPART;
};
