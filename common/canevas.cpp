#include "common/canevas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

// Notes one drawing call: drops the journal when the picture was changed
// behind the canvas's back, and follows the picture's content once done.
class Canevas::Note {
public:
    // `repart`: the step covers the whole picture, so it may start a journal
    // where there was none.
    Note(Canevas &c, TraitDessin::Genre genre, bool repart = false) : c_(c)
    {
        if (c_.profondeur_++ > 0) return;
        if (repart && journal_dessin::actif()) {
            noter = true;
            return;
        }
        if (!c_.journal_) return;
        if (c_.image_.cacheKey() != c_.cle_) {
            c_.journal_.reset();
            return;
        }
        t.genre = genre;
        t.plume = c_.couleur_plume;
        t.pinceau = c_.couleur_pinceau;
        t.couleur_police = c_.couleur_police;
        t.largeur = c_.largeur_plume;
        t.style = int(c_.style_plume);
        t.phase = c_.phase_pointille_;
        t.vide = c_.pinceau_vide;
        noter = true;
    }
    ~Note()
    {
        if (--c_.profondeur_ > 0 || !noter) return;
        c_.journal_ = remplace_ ? std::move(remplace_) : journal_dessin::ajouter(c_.journal_, std::move(t));
        c_.cle_ = c_.image_.cacheKey();
    }
    // The step starts the journal anew (it covers the whole picture).
    void remplacer(JournalDessin j) { remplace_ = std::move(j); }

    TraitDessin t;
    bool noter = false;

private:
    Canevas &c_;
    JournalDessin remplace_;
};

Canevas::Canevas(QImage &image) : image_(image)
{
    if (image_.format() != QImage::Format_RGB32) image_ = image_.convertToFormat(QImage::Format_RGB32);
    journal_ = journal_dessin::trouver(image_);
    cle_ = image_.cacheKey();
}

Canevas::~Canevas()
{
    if (journal_ && image_.cacheKey() == cle_) journal_dessin::publier(image_, journal_);
}

void Canevas::MoveTo(int x, int y)
{
    pos_ = QPoint(x, y);
    phase_pointille_ = 0;
}

void Canevas::point_plume(int x, int y)
{
    if (style_plume == StylePlume::Pointille) {
        // Dotted pen: three pixels on, three off, along the line.
        const bool allume = (phase_pointille_ % 6) < 3;
        ++phase_pointille_;
        if (!allume) return;
    }
    if (largeur_plume <= 1) {
        set_pixel(x, y, couleur_plume);
        return;
    }
    // A wide pen is a square nib of 2 pixels, a round one beyond.
    const int r = largeur_plume / 2;
    for (int dy = -r; dy < largeur_plume - r; ++dy)
        for (int dx = -r; dx < largeur_plume - r; ++dx)
            if (largeur_plume <= 2 || 4 * (dx * dx + dy * dy) <= largeur_plume * largeur_plume)
                set_pixel(x + dx, y + dy, couleur_plume);
}

void Canevas::LineTo(int x2, int y2)
{
    Note n(*this, TraitDessin::Genre::Ligne);
    n.t.x1 = pos_.x();
    n.t.y1 = pos_.y();
    n.t.x2 = x2;
    n.t.y2 = y2;
    if (style_plume == StylePlume::Aucun) n.noter = false;
    if (style_plume != StylePlume::Aucun)
        parcourir_segment(pos_, QPoint(x2, y2), [this](int x, int y) { point_plume(x, y); });
    pos_ = QPoint(x2, y2);
}

void Canevas::FillRect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const QRect r = QRect(x1, y1, x2 - x1, y2 - y1).intersected(image_.rect());
    const bool tout = r == image_.rect();
    Note n(*this, TraitDessin::Genre::Pave, tout);
    n.t.x1 = x1, n.t.y1 = y1, n.t.x2 = x2, n.t.y2 = y2, n.t.pinceau = couleur_pinceau;
    if (n.noter && tout) n.remplacer(journal_dessin::uni(image_.size(), couleur_pinceau));
    const uint32_t p = vers_pixel(couleur_pinceau);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto *ligne = reinterpret_cast<uint32_t *>(image_.scanLine(y));
        std::fill(ligne + r.left(), ligne + r.right() + 1, p);
    }
}

void Canevas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x2 - x1 <= 0 || y2 - y1 <= 0) return;
    Note n(*this, TraitDessin::Genre::Rectangle);
    n.t.x1 = x1, n.t.y1 = y1, n.t.x2 = x2, n.t.y2 = y2;
    if (!pinceau_vide) FillRect(x1, y1, x2, y2);
    if (style_plume == StylePlume::Aucun) return;
    // The outline runs inside the box, on its first and last row and column.
    const Couleur c = couleur_plume;
    for (int x = x1; x < x2; ++x) {
        set_pixel(x, y1, c);
        set_pixel(x, y2 - 1, c);
    }
    for (int y = y1; y < y2; ++y) {
        set_pixel(x1, y, c);
        set_pixel(x2 - 1, y, c);
    }
}

void Canevas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int w = x2 - x1, h = y2 - y1;
    if (w <= 0 || h <= 0) return;
    Note n(*this, TraitDessin::Genre::Ellipse);
    n.t.x1 = x1, n.t.y1 = y1, n.t.x2 = x2, n.t.y2 = y2;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    // With a 1-pixel pen QPainter covers x .. x + w, so the box is one smaller.
    // Without an outline the brush colour serves as the pen, since an aliased
    // brush-only ellipse loses its top row.
    const bool contour = style_plume != StylePlume::Aucun;
    QPen plume(vers_qcolor(contour ? couleur_plume : couleur_pinceau));
    plume.setWidth(1);
    if (contour && style_plume == StylePlume::Pointille) plume.setStyle(Qt::DotLine);
    if (!contour && pinceau_vide) plume.setStyle(Qt::NoPen);
    p.setPen(plume);
    if (pinceau_vide)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(vers_qcolor(couleur_pinceau));
    p.drawEllipse(QRect(x1, y1, w - 1, h - 1));
}

QSize Canevas::TextExtent(const QString &texte) const
{
    const QFontMetrics fm(police);
    return {fm.horizontalAdvance(texte), fm.height()};
}

void Canevas::TextOut(int x, int y, const QString &texte)
{
    const QFontMetrics fm(police);
    const QSize s = TextExtent(texte);
    Note n(*this, TraitDessin::Genre::Texte);
    n.t.x1 = x, n.t.y1 = y, n.t.x2 = s.width(), n.t.y2 = s.height();
    n.t.police = police;
    n.t.texte = texte;
    if (!pinceau_vide) FillRect(x, y, x + s.width(), y + s.height());
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont f = police;
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(vers_qcolor(couleur_police));
    p.drawText(x, y + fm.ascent(), texte);
    pos_ = QPoint(x + s.width(), y);
}

Couleur Canevas::pixel(int x, int y) const
{
    if (!image_.rect().contains(x, y)) return -1;
    return depuis_pixel(reinterpret_cast<const uint32_t *>(image_.constScanLine(y))[x]);
}

void Canevas::set_pixel(int x, int y, Couleur c)
{
    if (!image_.rect().contains(x, y)) return;
    Note n(*this, TraitDessin::Genre::Pixel);
    n.t.x1 = x, n.t.y1 = y, n.t.pinceau = c;
    reinterpret_cast<uint32_t *>(image_.scanLine(y))[x] = vers_pixel(c);
}

void Canevas::FloodFill(int x, int y, Couleur bord)
{
    if (!image_.rect().contains(x, y)) return;
    Note n(*this, TraitDessin::Genre::Remplissage);
    n.t.x1 = x, n.t.y1 = y, n.t.plume = bord;
    const uint32_t limite = vers_pixel(bord) & 0xFFFFFF;
    const uint32_t remplissage = vers_pixel(couleur_pinceau);
    const int W = image_.width(), H = image_.height();
    // One detach for the whole fill, not one per pixel visited.
    uint32_t *const base = reinterpret_cast<uint32_t *>(image_.bits());
    const qsizetype pas = image_.bytesPerLine() / 4;
    auto px = [&](int xx, int yy) -> uint32_t & { return base[yy * pas + xx]; };
    if ((px(x, y) & 0xFFFFFF) == limite) return;

    // Scanline fill with a visited mask, so a fill colour equal to colours
    // already inside the area cannot loop.
    std::vector<uint8_t> vu(static_cast<std::size_t>(W) * H, 0);
    std::vector<QPoint> pile{{x, y}};
    while (!pile.empty()) {
        QPoint q = pile.back();
        pile.pop_back();
        int xx = q.x();
        const int yy = q.y();
        auto libre = [&](int a, int b) {
            return !vu[std::size_t(b) * W + a] && (px(a, b) & 0xFFFFFF) != limite;
        };
        if (!libre(xx, yy)) continue;
        while (xx > 0 && libre(xx - 1, yy)) --xx;
        bool haut = false, bas = false;
        for (; xx < W && libre(xx, yy); ++xx) {
            vu[std::size_t(yy) * W + xx] = 1;
            px(xx, yy) = remplissage;
            if (yy > 0) {
                const bool l = libre(xx, yy - 1);
                if (l && !haut) pile.push_back({xx, yy - 1});
                haut = l;
            }
            if (yy < H - 1) {
                const bool l = libre(xx, yy + 1);
                if (l && !bas) pile.push_back({xx, yy + 1});
                bas = l;
            }
        }
    }
}

void Canevas::copier(const QImage &source)
{
    Note n(*this, TraitDessin::Genre::Image, true);
    image_ = source.convertToFormat(QImage::Format_RGB32);
    if (!n.noter) return;
    // The copy keeps the source's journal; a picture without one is taken as it is.
    JournalDessin j = journal_dessin::trouver(image_);
    n.remplacer(j ? j : journal_dessin::image(image_));
}

void Canevas::incruster(const QImage &motif, int x, int y, Couleur transparente)
{
    Note n(*this, TraitDessin::Genre::Incrustation);
    n.t.x1 = x, n.t.y1 = y, n.t.pinceau = transparente;
    n.t.motif = journal_dessin::trouver(motif);
    if (!n.t.motif) n.t.image = motif;
    const QImage m = motif.convertToFormat(QImage::Format_RGB32);
    const uint32_t cle = vers_pixel(transparente) & 0xFFFFFF;
    const QRect r = QRect(x, y, m.width(), m.height()).intersected(image_.rect());
    for (int yy = r.top(); yy <= r.bottom(); ++yy) {
        const auto *s = reinterpret_cast<const uint32_t *>(m.constScanLine(yy - y));
        auto *d = reinterpret_cast<uint32_t *>(image_.scanLine(yy));
        for (int xx = r.left(); xx <= r.right(); ++xx)
            if ((s[xx - x] & 0xFFFFFF) != cle) d[xx] = s[xx - x] | 0xFF000000u;
    }
}

QImage image_unie(int largeur, int hauteur, Couleur c)
{
    QImage im(largeur, hauteur, QImage::Format_RGB32);
    im.fill(vers_pixel(c));
    journal_dessin::publier(im, journal_dessin::uni(im.size(), c));
    return im;
}
