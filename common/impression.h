#pragma once
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// The print dialog ("Imprimer") on a landscape page, then the drawing on the
// printer the pupil chose. The toolkit's print support is loaded by the first
// print, not by every start, where it is a shared library of its own. Returns
// false when the pupil cancels, or when the print support cannot be loaded
// (then reported).
bool dialogue_impression(QWidget *parent, const QString &titre, const std::function<void(QPagedPaintDevice &)> &dessiner);
