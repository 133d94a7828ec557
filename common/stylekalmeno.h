#pragma once
#include <QProxyStyle>

// The program's look: scroll-bar thumbs keep a size a pupil can grab, even on
// bars whose page step is a single unit; group frames are an etched line.
// Built on the toolkit's Fusion style on every system, so that the pages look
// and measure the same on Windows as on Linux.
class StyleKalmeno : public QProxyStyle {
    Q_OBJECT
public:
    StyleKalmeno() : QProxyStyle(QStringLiteral("Fusion")) {}
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption *o = nullptr, const QWidget *w = nullptr) const override;
    // The menu bar's overflow chevrons are drawn here: the toolkit's own are
    // picture files whose reading loads every image-format plugin at start-up.
    // Frames drawn as an etched line, without the toolkit's frame picture,
    // whose reading likewise loads the image-format plugins.
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w = nullptr) const override;
    // In a report picture (common/imagerapport.h) focus frames and highlighted
    // current items are left out.
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w = nullptr) const override;
    // Scroll bars that have the keyboard show it with a dotted line along their edge.
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex *o, QPainter *p,
                            const QWidget *w = nullptr) const override;
    QIcon standardIcon(StandardPixmap icone, const QStyleOption *o = nullptr, const QWidget *w = nullptr) const override;
};
