#include "fechner/courbefechner.h"
#include "fechner/grillefechner.h"
#include "common/canevas.h"
#include "common/entier.h"
#include "common/nombres.h"
#include "common/polices.h"

#include <climits>
#include <cmath>

namespace {

constexpr int TAILLE_POINT = 5;

// A dot whose box lies wholly outside the picture is not drawn; its
// coordinates may then be far beyond what an int holds.
bool hors_image(double x, double y, const QImage &image)
{
    return x >= image.width() || y >= image.height() || x + TAILLE_POINT <= 0 || y + TAILLE_POINT <= 0;
}

// Every dot is the same 5 × 5 ellipse: it is drawn once per colour through the
// canvas, on a colour the drawing never uses, and then stamped pixel by pixel.
constexpr Couleur FOND_TAMPON = couleur_rgb(1, 2, 3);

QImage tampon_point(Couleur remplissage)
{
    QImage t = image_unie(TAILLE_POINT, TAILLE_POINT, FOND_TAMPON);
    Canevas c(t);
    c.couleur_pinceau = remplissage;
    c.Ellipse(0, 0, TAILLE_POINT, TAILLE_POINT);
    return t;
}

void poser(Canevas &c, const QImage &tampon, int x, int y) { c.incruster(tampon, x, y, FOND_TAMPON); }

} // namespace

void CourbeFechner::set_echelle(int e) { echelle_ = e < ECHELLE_MIN ? ECHELLE_MIN : e; }

void CourbeFechner::zoom_avant()
{
    if (echelle_ > ECHELLE_MIN) echelle_ -= PAS_ZOOM;
}

void CourbeFechner::zoom_arriere()
{
    if (echelle_ <= INT_MAX - PAS_ZOOM) echelle_ += PAS_ZOOM;
}

int CourbeFechner::pas_graduation(int echelle)
{
    int pas = 2;
    if (echelle > 150) pas = 4;
    if (echelle > 200) pas = 6;
    if (echelle > 250) pas = 8;
    if (echelle < 50) pas = 1;
    return pas;
}

int CourbeFechner::valeur_graduation(int i) { return arrondi((i / 2) * 10 / 11.0); }

double CourbeFechner::abscisse(double masse, int largeur) { return masse * ((largeur - 26) * 0.0005) + 25; }

double CourbeFechner::ordonnee(double masse, int base, int echelle) { return base - (220.0 / echelle) * masse; }

QImage CourbeFechner::tracer(const GrilleFechner &grille, const QImage &blanc) const
{
    QImage image = blanc;
    Canevas c(image);
    const int base = image.height() - 24;
    const QImage vert = tampon_point(VERT), rouge = tampon_point(ROUGE);
    for (int i = 1; i < GrilleFechner::LIGNES - 1; i += 2) {
        // The carried mass is the row heading without its unit ("150g").
        QString s = grille.cellule(0, i);
        s.chop(1);
        const double x = std::nearbyint(abscisse(lire_entier(s).valeur, image.width()));
        for (int j = 1; j < GrilleFechner::COLONNES; ++j) {
            const bool ressenti = grille.cellule(j, i + 1) == QLatin1String("O");
            const LectureEntier a = lire_entier(grille.cellule(j, i));
            if (!a.ok || a.valeur == 0) continue;
            const double y = std::nearbyint(ordonnee(a.valeur, base, echelle_));
            if (hors_image(x, y, image)) continue;
            poser(c, ressenti ? vert : rouge, int(x), int(y));
        }
    }
    affich_graduation(c);
    return image;
}

void CourbeFechner::affich_graduation(Canevas &c) const
{
    const int largeur = c.image().width();
    c.police = police(QStringLiteral("Times New Roman"), pixels_de_points(8));
    const int base = c.image().height() - 20;

    c.couleur_pinceau = AQUA;
    c.Rectangle(0, -8, 25, base + 8);
    c.couleur_pinceau = ARGENT;
    c.Rectangle(0, base, largeur, base + 21);

    // Masses carried: a tick every 100 g, a label every 200 g.
    for (int e = 1; e <= largeur; ++e) {
        if (e % 20 != 0) continue;
        c.Rectangle(e + 25, base, e + 23, base + 5);
        c.couleur_pinceau = ARGENT;
        c.couleur_police = BLANC;
        if (e % 40 == 0) c.TextOut(e + 15, base + 6, QString::number(e * 5));
    }

    // Masses added: ticks and labels at the same rise per gram as the dots.
    const int pas = pas_graduation(echelle_);
    const int hauteur_texte = c.TextExtent(QStringLiteral("0")).height();
    for (int i = 0; i <= 1200; i += 11 * pas) {
        const double y = base - (100.0 / echelle_) * i;
        // Higher ticks and labels would all fall above the picture.
        if (arrondi(y) <= 0 && arrondi(y - 10) + hauteur_texte <= 0) break;
        c.couleur_pinceau = NOIR;
        c.Rectangle(1, arrondi(y), 5, arrondi(y - 1));
        c.couleur_pinceau = ROUGE;
        c.couleur_police = BLANC;
        c.TextOut(5, arrondi(y - 10), QString::number(valeur_graduation(i)));
    }
}
