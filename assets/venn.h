#pragma once
#include <QImage>
#include <QPoint>

#include "common/couleur.h"

// The three-ellipse picture of the colour-mixing bench: 275 × 209 on a grey
// background, a left, a right and a top ellipse outlined in pure blue, whose
// overlaps make seven closed regions. The blue outline is the fill boundary
// and occurs inside no region.
enum class RegionVenn { Gauche, Droite, Haut, GaucheDroite, GaucheHaut, DroiteHaut, Centre };

constexpr int LARGEUR_VENN = 275;
constexpr int HAUTEUR_VENN = 209;
constexpr Couleur FOND_VENN = couleur_rgb(159, 176, 192);
constexpr Couleur CONTOUR_VENN = couleur_rgb(0, 0, 255);

// A point inside each region, where its fill starts.
QPoint graine_venn(RegionVenn r);

// The picture as built into the page: left-only and right-only regions red,
// the five others white.
QImage image_venn();
