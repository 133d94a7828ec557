#include "assets/glyphe_acquisition.h"
#include "common/canevas.h"

#include <QPainter>

QImage image_glyphe_acquisition()
{
    const Couleur fond = couleur_rgb(192, 192, 192);
    QImage im = image_unie(59, 30, fond);
    Canevas c(im);

    // The interface box: a light case with a dark front and four sockets.
    c.couleur_plume = NOIR;
    c.couleur_pinceau = couleur_rgb(230, 230, 220);
    c.Rectangle(1, 9, 22, 27);
    c.couleur_pinceau = couleur_rgb(60, 60, 70);
    c.Rectangle(3, 11, 20, 19);
    const Couleur douilles[] = {ROUGE, NOIR, JAUNE, BLEU};
    for (int k = 0; k < 4; ++k) {
        c.couleur_pinceau = douilles[k];
        c.Ellipse(3 + 4 * k, 21, 7 + 4 * k, 25);
    }
    // Its lead to the computer.
    c.couleur_plume = NOIR;
    c.MoveTo(22, 18);
    c.LineTo(27, 18);

    // The screen: a dark plot with a green grid line and one action potential.
    c.couleur_pinceau = couleur_rgb(80, 80, 80);
    c.Rectangle(27, 1, 58, 25);
    c.couleur_pinceau = couleur_rgb(0, 40, 0);
    c.Rectangle(29, 3, 56, 22);
    c.couleur_plume = couleur_rgb(0, 110, 0);
    c.MoveTo(30, 18);
    c.LineTo(56, 18);
    const QPoint trace[] = {{30, 17}, {36, 17}, {38, 16}, {40, 5}, {42, 6}, {44, 16},
                            {46, 19}, {49, 18}, {55, 17}};
    c.couleur_plume = couleur_rgb(120, 255, 120);
    c.MoveTo(trace[0].x(), trace[0].y());
    for (const QPoint &q : trace) c.LineTo(q.x(), q.y());
    c.set_pixel(55, 17, couleur_rgb(120, 255, 120));
    // The screen's foot.
    c.couleur_pinceau = couleur_rgb(80, 80, 80);
    c.couleur_plume = NOIR;
    c.Rectangle(38, 25, 48, 28);
    c.Rectangle(34, 27, 52, 30);
    return im;
}
