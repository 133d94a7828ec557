#pragma once
#include <QImage>

// The program's icon: a nerve cell with its axon, on a teal disc.
QImage image_icone(int taille = 32);
