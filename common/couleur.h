#pragma once
#include <cstdint>
#include <QColor>
#include <QPalette>

// A colour value: R + 256 × G + 65536 × B. A negative value stands for a
// system colour; the only one the program stores is the frames' face colour.
using Couleur = int32_t;

constexpr Couleur COULEUR_FACE = -2147483633; // default face colour of frames

constexpr Couleur couleur_rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int rouge_de(Couleur c) { return c & 0xFF; }
constexpr int vert_de(Couleur c) { return (c >> 8) & 0xFF; }
constexpr int bleu_de(Couleur c) { return (c >> 16) & 0xFF; }

constexpr Couleur NOIR = couleur_rgb(0, 0, 0);
constexpr Couleur BLANC = couleur_rgb(255, 255, 255);
constexpr Couleur ROUGE = couleur_rgb(255, 0, 0);
constexpr Couleur LIME = couleur_rgb(0, 255, 0);
constexpr Couleur VERT = couleur_rgb(0, 128, 0);
constexpr Couleur BLEU = couleur_rgb(0, 0, 255);
constexpr Couleur MARINE = couleur_rgb(0, 0, 128);
constexpr Couleur JAUNE = couleur_rgb(255, 255, 0);
constexpr Couleur AQUA = couleur_rgb(0, 255, 255);
constexpr Couleur ARGENT = couleur_rgb(192, 192, 192);
constexpr Couleur SARCELLE = couleur_rgb(0, 128, 128);

// The colour to paint: a negative value paints with the palette's button colour,
// a value above 24 bits with its low 24 bits.
QColor vers_qcolor(Couleur c, const QPalette &palette = QPalette());
Couleur depuis_qcolor(const QColor &q);
// A pixel of an RGB32 picture as a colour value and back.
constexpr Couleur depuis_pixel(uint32_t p) { return couleur_rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
constexpr uint32_t vers_pixel(Couleur c)
{
    return 0xFF000000u | (uint32_t(rouge_de(c)) << 16) | (uint32_t(vert_de(c)) << 8) | uint32_t(bleu_de(c));
}
