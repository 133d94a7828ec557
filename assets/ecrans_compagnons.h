#pragma once
#include <QImage>

// Pictures of the companion programs' screens, shown on their launch buttons.
QImage image_ecran_terplux(); // 200 × 150: a grid, its retinal response and a profile
QImage image_ecran_mavoren(); // 200 × 152: reflex and voluntary EMG traces
