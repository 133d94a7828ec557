#include "common/stylekalmeno.h"

int StyleKalmeno::pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const
{
    if (m == PM_ScrollBarSliderMin) return 12;
    return QProxyStyle::pixelMetric(m, o, w);
}
