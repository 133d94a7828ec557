#pragma once

// What the program sets up before its main window: name, font substitutions,
// style, the default font of the dialogs and menus, the icon. Shared by the
// entry and the start-up measure, so that both start the same way.
void preparer_application();
