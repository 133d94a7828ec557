#include "nerve/graduations.h"
#include "common/canevas.h"
#include "common/nombres.h"
#include "common/polices.h"

void dessiner_graduations(QImage &temps, QImage &distance)
{
    Canevas t(temps), d(distance);
    // The tick rows hang from the top; b serves both pictures.
    const int b = temps.height() - 20;
    t.police = police(QStringLiteral("Times New Roman"), pixels_de_points(8));
    d.police = police(QStringLiteral("Times New Roman"), pixels_de_points(7));
    t.couleur_plume = NOIR;
    d.couleur_plume = NOIR;
    for (int i = 0; i <= temps.width(); ++i) {
        if (i % 10 != 0) continue;
        // A tick every 15 pixels; the distance ticks sit 15 pixels further left.
        // Filled black: at 100 % a tick is all outline, and redrawn larger at
        // 125 or 150 % it stays a mark instead of a hollow box.
        t.couleur_pinceau = NOIR;
        d.couleur_pinceau = NOIR;
        t.Rectangle(arrondi(1.5 * (i + 25) - 31), b + 4, arrondi(1.5 * (i + 24) - 31), b + 7);
        d.Rectangle(arrondi(1.5 * (i + 25) - 46), b + 4, arrondi(1.5 * (i + 24) - 46), b + 8);
        t.couleur_pinceau = BLANC;
        d.couleur_pinceau = BLANC;
        t.couleur_police = NOIR;
        // Every second tick carries its number: ms on one, cm on the other.
        if (i % 20 == 0) {
            const int x = arrondi(1.5 * (i + 15)) - 19;
            t.TextOut(x, b + 8, QString::number(i / 20));
            d.TextOut(x, b + 8, QString::number(i / 5));
        }
    }
}
