#pragma once
#include <QGuiApplication>

// The readers' callers draw with fonts, which need a GUI application; the
// fuzz targets run without a display, on the offscreen platform.
inline void preparer_qt(int *argc, char ***argv)
{
    static bool fait = false;
    if (fait) return;
    fait = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}
