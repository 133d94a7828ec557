#include "colour/reglescouleur.h"
#include "common/canevas.h"
#include "common/nombres.h"

#include <algorithm>

uint8_t octet_de_position(int position) { return static_cast<uint8_t>(254 - position); }

Octets octets_de_positions(int rouge, int vert, int bleu)
{
    return {octet_de_position(rouge), octet_de_position(vert), octet_de_position(bleu)};
}

Couleur couleur_de_octets(Octets o) { return couleur_rgb(o.rouge + 1, o.vert + 1, o.bleu + 1); }

Couleur complementaire(Couleur c) { return 16777215 - c; }

Couleur melange(std::span<const Octets> couleurs)
{
    int vr = 0, vg = 0, vb = 0;
    for (const Octets &o : couleurs) {
        vr += o.rouge;
        vg += o.vert;
        vb += o.bleu;
    }
    const int m = std::max({vr, vg, vb});
    const double d = m > 254 ? m * (1.0 / 254) : 1.0;
    return couleur_rgb(arrondi(vr / d) + 1, arrondi(vg / d) + 1, arrondi(vb / d) + 1);
}

Couleur couleur_de_region(Couleur c, Couleur fond) { return c == fond ? c - 1 : c; }

void remplir_region(QImage &image, QPoint graine, Couleur c, Couleur contour)
{
    Canevas canevas(image);
    canevas.couleur_pinceau = couleur_de_region(c, canevas.pixel(0, 0));
    canevas.FloodFill(graine.x(), graine.y(), contour);
}

Couleur couleur_mise_de_positions(int rouge, int vert, int bleu)
{
    return couleur_de_octets(octets_de_positions(rouge, vert, bleu));
}

std::array<int, 3> positions_de_couleur(Couleur c)
{
    const int b = c / 65536;
    const int reste = c - 65536 * b;
    const int g = reste / 256;
    const int r = reste - 256 * g;
    auto position = [](int composante) { return 254 - static_cast<uint8_t>(composante - 1); };
    return {position(r), position(g), position(b)};
}
