#pragma once
#include <QImage>

// The 59 × 30 picture of the buttons that show a recording in the acquisition
// program: the interface box with its sockets, wired to a screen with a trace.
QImage image_glyphe_acquisition();
