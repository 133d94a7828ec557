#pragma once
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include "common/couleur.h"
#include "common/journaldessin.h"

// Drawing on a picture with the rules the program's drawings were made for:
// shapes given by two corners cover x1 .. x2 − 1 and y1 .. y2 − 1; a line leaves
// out its last pixel; text has an opaque background in the brush colour and is
// placed by its top-left corner; no antialiasing. Colours are colour values.
class Canevas {
public:
    enum class StylePlume { Plein, Pointille, Aucun };

    explicit Canevas(QImage &image);
    ~Canevas();
    Canevas(const Canevas &) = delete;
    Canevas &operator=(const Canevas &) = delete;

    QImage &image() { return image_; }

    // Pen, brush and font as the drawings set them.
    Couleur couleur_plume = NOIR;
    int largeur_plume = 1;
    StylePlume style_plume = StylePlume::Plein;
    Couleur couleur_pinceau = BLANC;
    bool pinceau_vide = false; // a clear brush fills nothing and draws text transparent
    QFont police;
    Couleur couleur_police = NOIR;

    QPoint position() const { return pos_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString &texte);
    // Width and height of a text in the current font.
    QSize TextExtent(const QString &texte) const;

    Couleur pixel(int x, int y) const; // −1 outside the picture
    void set_pixel(int x, int y, Couleur c);
    // Fills the 4-connected area around (x, y) up to the pixels of colour `bord`
    // with the brush colour. A start on the border colour changes nothing.
    void FloodFill(int x, int y, Couleur bord);
    // The picture becomes a copy of `source`.
    void copier(const QImage &source);
    // Copies `motif` with its top-left corner at (x, y), leaving out its pixels
    // of colour `transparente`.
    void incruster(const QImage &motif, int x, int y, Couleur transparente);

private:
    // Each drawing call notes itself in the picture's journal (when the screen
    // keeps journals), once, however many calls it makes itself.
    class Note;
    void point_plume(int x, int y);
    QImage &image_;
    JournalDessin journal_;
    qint64 cle_ = 0;
    int profondeur_ = 0;
    QPoint pos_{0, 0};
    int phase_pointille_ = 0;
};

// Calls `point(x, y)` along the Bresenham line from `a` up to, but not
// including, `b`.
template <class F>
void parcourir_segment(QPoint a, QPoint b, F &&point)
{
    int x = a.x(), y = a.y();
    const int x2 = b.x(), y2 = b.y();
    const int dx = x < x2 ? x2 - x : x - x2, sx = x < x2 ? 1 : -1;
    const int dy = -(y < y2 ? y2 - y : y - y2), sy = y < y2 ? 1 : -1;
    int err = dx + dy;
    while (!(x == x2 && y == y2)) {
        point(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// A blank RGB32 picture of the given size, filled with a colour.
QImage image_unie(int largeur, int hauteur, Couleur c = BLANC);
