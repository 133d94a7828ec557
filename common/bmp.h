#pragma once
#include <QImage>
#include <QString>

// Reads a .bmp file. Throws ErreurES "Ne peut ouvrir le fichier %s" when the
// path is not a regular file that opens, "Image bitmap incorrecte" when the
// bytes are not a valid bitmap.
QImage lire_bmp(const QString &chemin);
