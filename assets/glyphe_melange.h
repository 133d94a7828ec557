#pragma once
#include <QImage>

// The glyph of the layout button of the colour-mixing bench: three small
// overlapping discs, red, lime and blue, on a transparent background (15 × 13).
QImage image_glyphe_melange();
