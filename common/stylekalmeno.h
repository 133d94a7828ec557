#pragma once
#include <QProxyStyle>

// The program's look: scroll-bar thumbs keep a size a pupil can grab, even on
// bars whose page step is a single unit.
class StyleKalmeno : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption *o = nullptr, const QWidget *w = nullptr) const override;
};
