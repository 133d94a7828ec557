#include "membrane/animationions.h"
#include "common/canevas.h"
#include "common/nombres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// A colour no particle drawing uses, around the particle's pattern.
constexpr Couleur FOND_MOTIF = couleur_rgb(1, 2, 3);

// The particle's 5 × 5 pattern as the canvas draws it (ellipse outline, then a
// flood fill of its inside): 0 untouched, 1 outline, 2 inside. Drawing from
// this pattern gives the same pixels as the ellipse and fill, since the outline
// is closed and the fill cannot leave it, at a fraction of the cost.
struct Motif {
    std::array<std::array<uint8_t, 5>, 5> m{};
    Motif()
    {
        const Couleur fond = FOND_MOTIF;
        QImage im = image_unie(5, 5, fond);
        Canevas c(im);
        c.couleur_plume = NOIR;
        c.couleur_pinceau = ROUGE;
        c.Ellipse(0, 0, 5, 5);
        c.couleur_pinceau = LIME;
        c.FloodFill(2, 2, NOIR);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const Couleur p = c.pixel(x, y);
                m[y][x] = p == fond ? 0 : (p == NOIR ? 1 : 2);
            }
    }
};

const Motif &motif()
{
    static const Motif m;
    return m;
}

// The particle drawn by the canvas in one colour, on a colour it never uses.
QImage image_motif(Couleur remplissage)
{
    QImage im = image_unie(5, 5, FOND_MOTIF);
    Canevas c(im);
    c.couleur_plume = NOIR;
    c.couleur_pinceau = remplissage;
    c.Ellipse(0, 0, 5, 5);
    c.FloodFill(2, 2, NOIR);
    return im;
}

// Draws the particles of one call: straight from their pattern, or, where the
// screen keeps drawing journals (125 or 150 %), stamped through a canvas so
// that they are drawn again round at the screen's scale. Same pixels either way.
class DessinIons {
public:
    explicit DessinIons(QImage &image) : image_(image)
    {
        if (!journal_dessin::actif()) return;
        canevas_.emplace(image_);
    }
    void operator()(int i, AnimationIons::Ion p)
    {
        if (canevas_)
            canevas_->incruster(motif_colore(i % 2 == 1), p.x, p.y, FOND_MOTIF);
        else
            AnimationIons::dessiner_ion(image_, i, p);
    }

private:
    // The two particles, drawn again only when their journal was lost.
    static const QImage &motif_colore(bool rouge)
    {
        static QImage motifs[2];
        QImage &m = motifs[rouge ? 1 : 0];
        if (m.isNull() || !journal_dessin::trouver(m)) m = image_motif(rouge ? ROUGE : LIME);
        return m;
    }

    QImage &image_;
    std::optional<Canevas> canevas_;
};

} // namespace

int AnimationIons::tirage(std::mt19937 &gen, int n)
{
    if (n <= 0) return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return d(gen);
}

int AnimationIons::seuil(double e_k) { return arrondi(std::fabs(e_k * 0.1)); }

void AnimationIons::remise_zero(double c_ki, double c_ke)
{
    moyenne = 0.0;
    n_ticks = 0;
    x_membrane = LARGEUR / 2;
    n_sorties = 0;
    n_entrees = 0;
    const int64_t n = 2 * int64_t(arrondi(c_ki / 2)) + 2 * int64_t(arrondi(c_ke / 2));
    nb_ions = int(std::clamp<int64_t>(n, 0, MAX_IONS));
}

void AnimationIons::placer(double c_ki, double c_ke, std::mt19937 &gen, QImage &image)
{
    const int dedans = std::clamp(arrondi(c_ki), 0, MAX_IONS);
    const int fin = std::clamp(arrondi(c_ke + c_ki), 0, MAX_IONS);
    DessinIons dessiner(image);
    for (int i = 1; i <= dedans; ++i) {
        const int x = 5 + tirage(gen, LARGEUR / 2 - 10);
        const int y = 5 + tirage(gen, HAUTEUR - 10);
        ions[i] = {x, y};
        dessiner(i, ions[i]);
    }
    for (int i = std::max(arrondi(c_ki + 1), 1); i <= fin; ++i) {
        const int x = LARGEUR / 2 + 5 + tirage(gen, LARGEUR / 2 - 10);
        const int y = 5 + tirage(gen, HAUTEUR - 10);
        ions[i] = {x, y};
        dessiner(i, ions[i]);
    }
}

void AnimationIons::pas(double e_k, std::mt19937 &gen, QImage &image)
{
    const int s = seuil(e_k);
    const int n = std::clamp(nb_ions, 0, MAX_IONS);
    DessinIons dessiner(image);
    for (int i = 1; i <= n; ++i) {
        const Ion avant = ions[i];
        int x = avant.x, y = avant.y;
        int r = tirage(gen, 3);
        if (r == 1) x += 5;
        else if (r == 2) x -= 5;
        r = tirage(gen, 3);
        if (r == 1) y += 3;
        else if (r == 2) y -= 3;
        y = std::max(y, 3);
        y = std::min(y, HAUTEUR - 3);
        x = std::max(x, 5);
        x = std::min(x, LARGEUR - 5);
        if (x == LARGEUR / 2) x = avant.x; // never on the membrane itself
        const bool potassium = i % 2 == 1;

        if (avant.x > x_membrane && x < x_membrane) { // entry
            if (!potassium) {
                x = avant.x;
            } else if (n_entrees < s + n_sorties) {
                ++n_entrees;
            } else if (e_k > 0) {
                x = avant.x;
                n_sorties = 0;
                n_entrees = s;
            } else {
                ++n_entrees;
            }
        } else if (avant.x < x_membrane && x > x_membrane) { // exit
            if (!potassium) {
                x = avant.x;
            } else if (n_sorties < s + n_entrees) {
                ++n_sorties;
            } else if (e_k >= 0) {
                ++n_sorties;
            } else {
                x = avant.x;
                n_entrees = 0;
                n_sorties = s;
            }
        }
        garder_les_comptes_bornes();
        ions[i] = {x, y};
        dessiner(i, ions[i]);
    }

    if (n_ticks < 50) ++n_ticks; // beyond 50 it is brought back to 49 below
    if (e_k != 0.0) {
        const int d = std::abs(n_sorties - n_entrees);
        if (n_ticks == 50) {
            moyenne = (49 * moyenne + d) * 0.02;
            n_ticks = 49;
        } else {
            moyenne = ((n_ticks - 1) * moyenne + d) / n_ticks;
        }
    }
}

// Only the difference of the two counts matters; when both grow without a
// normalisation (EK = 0 lets every ion cross) their common part is dropped.
void AnimationIons::garder_les_comptes_bornes()
{
    constexpr int limite = 1 << 30;
    if (n_entrees > limite && n_sorties > limite) {
        const int commun = std::min(n_entrees, n_sorties);
        n_entrees -= commun;
        n_sorties -= commun;
    }
}

int AnimationIons::largeur_fleche() const { return std::abs(arrondi(10 * moyenne)); }

std::optional<QString> AnimationIons::legende_em(double e_k) const
{
    // EK < 0: the potential shown is negative; written from the signed value so
    // that a mean that shows as zero gives "Em=0.00", not "Em=-0.00".
    if (e_k < 0) return QStringLiteral("Em=") + format_reel(-10 * moyenne, 2, 2);
    if (e_k > 0) return QStringLiteral("Em=") + format_reel(10 * moyenne, 2, 2);
    return std::nullopt;
}

void AnimationIons::dessiner_ion(QImage &image, int i, Ion p)
{
    const uint32_t plein = vers_pixel(i % 2 == 1 ? ROUGE : LIME);
    const uint32_t noir = vers_pixel(NOIR);
    const Motif &m = motif();
    const int W = image.width(), H = image.height();
    for (int dy = 0; dy < 5; ++dy) {
        const int y = p.y + dy;
        if (y < 0 || y >= H) continue;
        auto *ligne = reinterpret_cast<uint32_t *>(image.scanLine(y));
        for (int dx = 0; dx < 5; ++dx) {
            const int x = p.x + dx;
            if (x < 0 || x >= W || m.m[dy][dx] == 0) continue;
            ligne[x] = m.m[dy][dx] == 1 ? noir : plein;
        }
    }
}

void AnimationIons::dessiner_membrane(QImage &fond)
{
    Canevas c(fond);
    c.couleur_plume = NOIR;
    c.style_plume = Canevas::StylePlume::Pointille;
    c.MoveTo(LARGEUR / 2 + 3, 0);
    c.LineTo(LARGEUR / 2 + 3, HAUTEUR);
    c.style_plume = Canevas::StylePlume::Plein;
}
