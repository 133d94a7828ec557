#include "compagnons/terplux/vueprofil.h"

#include "common/accessibilite.h"
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

VueProfil::VueProfil(QWidget *parent) : QWidget(parent)
{
    setMinimumHeight(150);
    setAccessibleName(QStringLiteral("Profil le long de la ligne rouge : luminance et réponse des cellules"));
    donner_role(this, QAccessible::Chart);
}

void VueProfil::setProfils(const std::vector<double> &stimulus, const std::vector<double> &reponse)
{
    stimulus_ = stimulus;
    reponse_ = reponse;
    update();
}

void VueProfil::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect z(62, 26, width() - 76, height() - 50);
    p.fillRect(z, Qt::white);
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);

    // Grey levels 0 to 1, with a light grid.
    // Grey levels −0.1 to 1.1 fill the plot, so that black and white stay in sight.
    auto y_de = [&z](double v) { return z.bottom() - (std::clamp(v, -0.1, 1.1) + 0.1) / 1.2 * (z.height() - 1); };
    for (int k = 0; k <= 4; ++k) {
        const int y = int(std::lround(y_de(k / 4.0)));
        p.setPen(QColor(225, 225, 225));
        p.drawLine(z.left(), y, z.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - 8, z.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   k == 0 ? QStringLiteral("noir") : k == 4 ? QStringLiteral("blanc") : QString());
    }
    p.drawRect(z.adjusted(0, 0, -1, -1));
    p.save();
    p.translate(14, z.center().y());
    p.rotate(-90);
    p.drawText(QRect(-60, -8, 120, 16), Qt::AlignCenter, QStringLiteral("niveau de gris"));
    p.restore();
    p.drawText(QRect(z.left(), z.bottom() + 4, z.width(), 16), Qt::AlignCenter,
               QStringLiteral("position le long de la ligne rouge"));

    auto tracer = [&](const std::vector<double> &v, const QPen &plume) {
        if (v.size() < 2) return;
        QPainterPath chemin;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const QPointF pt(z.left() + double(i) / (v.size() - 1) * (z.width() - 1),
                             y_de(v[i]));
            if (i == 0) chemin.moveTo(pt);
            else chemin.lineTo(pt);
        }
        p.setPen(plume);
        p.drawPath(chemin);
    };
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(z);
    tracer(stimulus_, QPen(QColor(120, 120, 120), 2));
    tracer(reponse_, QPen(QColor(220, 0, 0), 2));
    p.setClipping(false);

    // Legend over the plot.
    p.setPen(QPen(QColor(120, 120, 120), 3));
    p.drawLine(z.left() + 8, 12, z.left() + 32, 12);
    p.setPen(Qt::black);
    p.drawText(z.left() + 38, 17, QStringLiteral("luminance de l'image présentée"));
    const int x2 = z.left() + 280;
    p.setPen(QPen(QColor(220, 0, 0), 3));
    p.drawLine(x2, 12, x2 + 24, 12);
    p.setPen(Qt::black);
    p.drawText(x2 + 30, 17, QStringLiteral("réponse des cellules de la rétine"));
}
