#pragma once
#include <QImage>

// The 202 × 105 Hermann grids of the page "Champs récepteurs": three square
// grids, black squares on white streets, white squares on black streets, and
// black squares on wider streets, where the grey spots at the crossings fade.
QImage image_hermann();
