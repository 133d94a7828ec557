#include "assets/ions.h"
#include "common/canevas.h"
#include "common/polices.h"

#include <QPainter>

namespace {

// A round ion with its symbol written in white across it.
QImage ion(int w, int h, Couleur fond, const QString &symbole, int pixels)
{
    QImage im = image_unie(w, h, BLANC);
    Canevas c(im);
    c.couleur_plume = fond;
    c.couleur_pinceau = fond;
    c.Ellipse(0, 0, w, h);
    QPainter p(&im);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(police(QStringLiteral("Arial"), pixels, true));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, symbole);
    return im;
}

QImage fleche(bool vers_droite)
{
    const int W = 34, H = 11;
    QImage im = image_unie(W, H, BLANC);
    Canevas c(im);
    c.couleur_pinceau = ROUGE;
    c.couleur_plume = ROUGE;
    // Shaft, 3 pixels thick, then a head 11 pixels tall.
    const int tete = 9;
    if (vers_droite)
        c.FillRect(0, 4, W - tete, 7);
    else
        c.FillRect(tete, 4, W, 7);
    for (int i = 0; i < tete; ++i) {
        const int demi = (H / 2) * (tete - i) / tete;
        const int x = vers_droite ? W - tete + i : tete - 1 - i;
        for (int y = H / 2 - demi; y <= H / 2 + demi; ++y) c.set_pixel(x, y, ROUGE);
    }
    return im;
}

} // namespace

QImage image_ion_k() { return ion(21, 18, couleur_rgb(220, 0, 0), QStringLiteral("K+"), 11); }

QImage image_ion_na() { return ion(32, 18, couleur_rgb(0, 0, 230), QStringLiteral("Na+"), 11); }

QImage image_anion()
{
    QImage im = image_unie(20, 17, BLANC);
    Canevas c(im);
    c.couleur_plume = NOIR;
    c.couleur_pinceau = couleur_rgb(0, 160, 0);
    c.Ellipse(0, 0, 20, 17);
    // The minus sign of the negative charge.
    c.couleur_pinceau = NOIR;
    c.FillRect(5, 7, 15, 10);
    return im;
}

QImage image_fleche_i_e() { return fleche(true); }
QImage image_fleche_e_i() { return fleche(false); }
