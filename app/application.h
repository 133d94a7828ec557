#pragma once
#include <QImage>

// What the program sets up before its main window: name, font substitutions,
// style, the default font of the dialogs and menus, the icon. Shared by the
// entry and the start-up measure, so that both start the same way.
void preparer_application();

// The sizes of the window icon, as compiled in, and the icon at one of them
// (null at any other size).
inline constexpr int TAILLES_ICONE_FENETRE[] = {16, 32, 48, 64};
QImage image_icone_compilee(int taille);
