#pragma once
#include <QImage>
#include <QString>

// Reads a .bmp file. Throws ErreurES "Ne peut ouvrir le fichier %s" when the
// path is not a regular file that opens, "Image bitmap incorrecte" when the
// bytes are not a valid bitmap: pixel data cut short, a picture beyond 8192
// pixels a side or 2048 × 2048 pixels in all, or a file beyond 17 MB, which
// is then not read further.
QImage lire_bmp(const QString &chemin);
