#pragma once
#include <QFont>
#include <QString>

// Fonts of the original layout, by name and pixel size (as at 96 dpi).
// The names map to Liberation and DejaVu fonts through substitutions set at start.
QFont police(const QString &famille, int pixels, bool gras = false);
// Points to pixels at 96 dpi: 7 → 9, 8 → 11, 9 → 12, 10 → 13.
int pixels_de_points(int points);
// Maps "System", "MS Sans Serif", "Tahoma", "Arial", "Times New Roman" once.
void installer_substitutions();
