#pragma once
#include <QImage>

// The two scales of the simulator, drawn once at start-up: the time scale under
// the trace (0, 1, 2 ... ms, 30 pixels per ms) and the distance scale over the
// nerve (0, 4, 8 ... cm, 7.5 pixels per cm). Both pictures are 402 × 19.
void dessiner_graduations(QImage &temps, QImage &distance);
