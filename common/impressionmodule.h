#pragma once
#include <QString>
#include <QtGlobal>

#include <functional>

class QPagedPaintDevice;
class QWidget;

#ifdef KALMENO_IMPRESSION_LIEE
#define KALMENO_IMPRESSION_EXPORT // linked into the program: nothing to export
#else
#define KALMENO_IMPRESSION_EXPORT Q_DECL_EXPORT
#endif
// The print module's one entry: the toolkit's print dialog, and the drawing on
// the printer once accepted. Returns false when the pupil cancels.
extern "C" KALMENO_IMPRESSION_EXPORT bool kalmeno_dialogue_impression(QWidget *parent, const QString &titre,
                                                                      const std::function<void(QPagedPaintDevice &)> &dessiner);
using DialogueImpression = decltype(&kalmeno_dialogue_impression);

// The module's file name, without the system's prefix and suffix.
inline constexpr char MODULE_IMPRESSION[] = "kalmeno_impression";
