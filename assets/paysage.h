#pragma once
#include <QImage>

// The pictures of the afterimage experiment, 231 × 124: a landscape with a
// house and its chimney, a tree, hills, the sun and the sky in saturated flat
// colours with black outlines, and its twin, the same drawing as thin
// light-grey outlines on white, every outline pixel at the same place.
constexpr int LARGEUR_PAYSAGE = 231;
constexpr int HAUTEUR_PAYSAGE = 124;

QImage image_paysage();
QImage image_paysage_contours();

// The grey of the outline twin.
QColor gris_contours();
// The point the pupil fixes: the top of the chimney.
QPoint point_fixation();
