#include "assets/venn.h"
#include "common/canevas.h"

QPoint graine_venn(RegionVenn r)
{
    switch (r) {
    case RegionVenn::Gauche: return {20, 150};
    case RegionVenn::Droite: return {220, 150};
    case RegionVenn::Haut: return {140, 50};
    case RegionVenn::GaucheDroite: return {130, 170};
    case RegionVenn::GaucheHaut: return {100, 100};
    case RegionVenn::DroiteHaut: return {150, 110};
    case RegionVenn::Centre: return {130, 130};
    }
    return {};
}

QImage image_venn()
{
    QImage im = image_unie(LARGEUR_VENN, HAUTEUR_VENN, FOND_VENN);
    Canevas c(im);
    c.couleur_plume = CONTOUR_VENN;
    c.pinceau_vide = true;
    // Outlines only; the regions are filled afterwards, from their seeds, so
    // that no blue pixel is left inside one. Interiors: left x 0..159 (cut by
    // the edge) y 92..202; right x 72..247 y 92..203; top x 70..167 y 7..161.
    c.Ellipse(-40, 91, 161, 204);
    c.Ellipse(71, 91, 249, 205);
    c.Ellipse(69, 6, 169, 163);
    // A rule and a shape cut off by the right edge, part of no region.
    c.MoveTo(255, 12);
    c.LineTo(255, 197);
    c.Ellipse(262, 70, 300, 140);

    c.pinceau_vide = false;
    for (RegionVenn r : {RegionVenn::Gauche, RegionVenn::Droite, RegionVenn::Haut, RegionVenn::GaucheDroite,
                         RegionVenn::GaucheHaut, RegionVenn::DroiteHaut, RegionVenn::Centre}) {
        c.couleur_pinceau = (r == RegionVenn::Gauche || r == RegionVenn::Droite) ? ROUGE : BLANC;
        const QPoint g = graine_venn(r);
        c.FloodFill(g.x(), g.y(), CONTOUR_VENN);
    }
    return im;
}
