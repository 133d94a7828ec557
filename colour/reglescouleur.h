#pragma once
#include <array>
#include <cstdint>
#include <span>

#include <QImage>
#include <QPoint>

#include "common/couleur.h"

// The colour rules of the "Contrastes successifs" page and of the colour
// setting dialog, without widgets.

// A colour as the bench stores it: each component minus 1 (rouge1, vert1, ...).
struct Octets {
    uint8_t rouge = 0;
    uint8_t vert = 0;
    uint8_t bleu = 0;
    bool operator==(const Octets &) const = default;
};

// 254 − position, kept as a byte: a bar at the top (0) gives 254, that is the
// component 255.
uint8_t octet_de_position(int position);
Octets octets_de_positions(int rouge, int vert, int bleu);
// (rouge + 1) + 256 × (vert + 1) + 65536 × (bleu + 1).
Couleur couleur_de_octets(Octets o);
// 16777215 − c: each component c becomes 255 − c.
Couleur complementaire(Couleur c);

// The additive mixture of stored colours: sums per primary; when the largest
// sum m passes 254 every sum is divided by m / 254; each component is then
// the rounded quotient (halves to even) plus 1.
Couleur melange(std::span<const Octets> couleurs);

// The colour a region is painted with: one less than asked when the asked
// colour equals the picture's background pixel (0, 0), so the background
// never joins a region.
Couleur couleur_de_region(Couleur c, Couleur fond);
// Fills the region of `image` around `graine`, bounded by `contour`, with `c`
// under the rule above.
void remplir_region(QImage &image, QPoint graine, Couleur c, Couleur contour);

// The colour setting dialog: a component from a bar is (254 − position as a
// byte) + 1, from 1 at the bottom to 255 at the top.
Couleur couleur_mise_de_positions(int rouge, int vert, int bleu);
// The bar positions that show a colour: B = c / 65536, G = (c − 65536 B) / 256,
// R = the rest (divisions truncated toward zero); each bar at
// 254 − ((component − 1) as a byte). Negative results are clamped by the bars.
std::array<int, 3> positions_de_couleur(Couleur c);
