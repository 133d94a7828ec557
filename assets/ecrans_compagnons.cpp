#include "assets/ecrans_compagnons.h"
#include "assets/hermann.h"
#include "common/polices.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// A program window: a navy title bar with its name, a light face.
void fenetre(QPainter &p, int w, int h, const QString &titre)
{
    p.fillRect(0, 0, w, h, QColor(212, 208, 200));
    p.setPen(Qt::black);
    p.drawRect(0, 0, w - 1, h - 1);
    p.fillRect(1, 1, w - 2, 13, QColor(0, 0, 128));
    p.setPen(Qt::white);
    p.setFont(police(QStringLiteral("Arial"), 10, true));
    p.drawText(QRect(4, 1, w - 8, 13), Qt::AlignVCenter | Qt::AlignLeft, titre);
}

} // namespace

QImage image_ecran_terplux()
{
    QImage im(200, 150, QImage::Format_RGB32);
    QPainter p(&im);
    fenetre(p, 200, 150, QStringLiteral("terplux - inhibition latérale"));

    // The stimulus: the first Hermann grid, and the response of the retina,
    // the same grid blurred with darker crossings.
    const QImage grille = image_hermann().copy(0, 3, 67, 99).scaled(90, 90);
    p.drawImage(6, 18, grille);
    QImage reponse(90, 90, QImage::Format_RGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 90; ++x) {
            const double u = std::fmod(x * 67.0 / 90.0, 16.0), v = std::fmod(y * 99.0 / 90.0 * 67.0 / 99.0, 16.0);
            const bool rue_x = u < 3.0, rue_y = v < 3.0;
            int g = 40;
            if (rue_x && rue_y) g = 170;          // crossings: greyer
            else if (rue_x || rue_y) g = 235;     // streets: bright
            reponse.setPixel(x, y, qRgb(g, g, g));
        }
    p.drawImage(104, 18, reponse);
    p.setPen(Qt::black);
    p.drawRect(5, 17, 91, 91);
    p.drawRect(103, 17, 91, 91);

    // The profile along one street: dips at the crossings.
    p.fillRect(6, 114, 188, 30, Qt::white);
    p.setPen(QColor(200, 0, 0));
    QPainterPath profil(QPointF(6, 120));
    for (int x = 0; x <= 188; ++x) {
        const double creux = std::pow(std::cos((x / 188.0) * 6 * M_PI), 8);
        profil.lineTo(6 + x, 118 + 18 * creux);
    }
    p.drawPath(profil);
    p.setPen(Qt::black);
    p.drawRect(5, 113, 189, 31);
    return im;
}

QImage image_ecran_mavoren()
{
    QImage im(200, 152, QImage::Format_RGB32);
    QPainter p(&im);
    fenetre(p, 200, 152, QStringLiteral("mavoren - réflexe et mouvement"));
    p.setFont(police(QStringLiteral("Arial"), 9));

    // Two EMG channels on a dark screen: a tap then the reflex after its
    // latency, a light signal then the later voluntary burst.
    const struct {
        int y;
        QString titre;
        int signal;
        int debut;
        int duree;
    } voies[] = {{20, QStringLiteral("réflexe"), 20, 48, 14}, {82, QStringLiteral("volontaire"), 20, 110, 46}};
    for (const auto &v : voies) {
        p.fillRect(6, v.y, 188, 56, QColor(20, 30, 20));
        p.setPen(QColor(60, 90, 60));
        for (int x = 6; x < 194; x += 20) p.drawLine(x, v.y, x, v.y + 55);
        p.setPen(QColor(255, 255, 0));
        p.drawLine(v.signal, v.y + 4, v.signal, v.y + 52);
        p.setPen(QColor(80, 255, 80));
        QPainterPath trace(QPointF(6, v.y + 28));
        for (int x = 6; x < 194; ++x) {
            double a = 0.6 * std::sin(x * 1.7);
            if (x >= v.debut && x < v.debut + v.duree) a = 18.0 * std::sin(x * 2.3) * std::sin((x - v.debut) * M_PI / v.duree);
            trace.lineTo(x, v.y + 28 - a);
        }
        p.drawPath(trace);
        p.setPen(Qt::white);
        p.drawText(150, v.y + 12, v.titre);
    }
    p.setPen(Qt::black);
    p.drawText(6, 148, QStringLiteral("0        50       100 ms"));
    return im;
}
