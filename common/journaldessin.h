#pragma once
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

#include <memory>

#include "common/couleur.h"

// What a canvas drew on a picture, step by step, so that the screen can draw
// the same picture again at a scale such as 1.25 or 1.5 with text and lines at
// the screen's own resolution. The 100 % picture stays the one the pages read;
// the journal only serves the eye. A journal belongs to a picture's exact
// content (its cache key): once the picture is changed by anything but a
// canvas, it has none and the screen falls back to repeating its pixels.
struct TraitDessin {
    enum class Genre { Uni, Image, Ligne, Rectangle, Pave, Ellipse, Texte, Pixel, Remplissage, Incrustation };
    Genre genre = Genre::Uni;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Couleur plume = NOIR, pinceau = BLANC, couleur_police = NOIR;
    int largeur = 1;
    int style = 0; // Canevas::StylePlume
    int phase = 0; // Ligne: the dotted pattern's place at the start
    bool vide = false;
    QFont police;
    QString texte;
    QImage image; // Image: the starting picture; Incrustation: the motif at 100 %
    std::shared_ptr<const struct NoeudDessin> motif; // Incrustation: the motif's journal, if any
};

struct NoeudDessin {
    NoeudDessin() = default;
    NoeudDessin(const NoeudDessin &) = default;
    ~NoeudDessin();
    TraitDessin trait;
    std::shared_ptr<const NoeudDessin> avant; // null: the first step
    QSize taille;                             // the picture's size at 100 %
    int longueur = 1;
};

using JournalDessin = std::shared_ptr<const NoeudDessin>;

namespace journal_dessin {

// Journals are kept only where a screen shows pictures at a scale that is not
// a whole number (found from the screens once the application exists);
// elsewhere drawing costs nothing more. `activer` decides it instead.
bool actif();
void activer(bool a);

// A first step: a picture of one colour, or a picture taken as it is.
JournalDessin uni(const QSize &taille, Couleur c);
JournalDessin image(const QImage &im);
// The journal with one more step; null once it grows too long to replay.
JournalDessin ajouter(const JournalDessin &j, TraitDessin t);

// The journal that drew exactly this picture, if one is known.
JournalDessin trouver(const QImage &im);
void publier(const QImage &im, const JournalDessin &j);
// The picture will never be shown again (its last holder lets it go): its
// journal goes at once, before the ones still in use. An animation's frames
// then keep two journals, not a thousand.
void oublier(const QImage &im);
// How many journals are kept.
int nombre_gardes();

// The picture drawn again at `echelle` device pixels per picture pixel. Picture
// pixel x covers device columns X(x) .. X(x + 1) − 1 with
// X(x) = round(decalage.x + x · echelle) − round(decalage.x), the same rounding
// the screen gives to the picture's edges, so the result fits the place the
// picture takes. `lisse` smooths a starting picture taken as it is.
QImage rendre(const JournalDessin &j, qreal echelle, QPointF decalage = {}, bool lisse = false);

} // namespace journal_dessin
