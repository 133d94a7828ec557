#include "compagnons/terplux/stimuli.h"

namespace {

Luminances grille(const GrilleHermann &g, double carres, double rues)
{
    Luminances im(TAILLE_STIMULUS, TAILLE_STIMULUS, rues);
    for (int y = 0; y < TAILLE_STIMULUS; ++y)
        for (int x = 0; x < TAILLE_STIMULUS; ++x)
            if (x % g.periode() >= g.rue && y % g.periode() >= g.rue) im.at(x, y) = carres;
    return im;
}

} // namespace

Stimulus creer_stimulus(Motif m, const GrilleHermann &g)
{
    Stimulus s;
    switch (m) {
    case Motif::HermannNoir:
    case Motif::HermannBlanc:
        s.image = m == Motif::HermannNoir ? grille(g, 0.0, 1.0) : grille(g, 1.0, 0.0);
        s.ligne_conseillee = g.centre_rue(3);
        break;
    case Motif::BandesMach: {
        const DispositionMach d;
        s.image = Luminances(TAILLE_STIMULUS, TAILLE_STIMULUS);
        for (int x = 0; x < TAILLE_STIMULUS; ++x) {
            double v = d.sombre;
            if (x >= d.fin_rampe) v = d.clair;
            else if (x > d.debut_rampe) v = d.sombre + (d.clair - d.sombre) * (x - d.debut_rampe) / double(d.fin_rampe - d.debut_rampe);
            for (int y = 0; y < TAILLE_STIMULUS; ++y) s.image.at(x, y) = v;
        }
        s.ligne_conseillee = TAILLE_STIMULUS / 2;
        break;
    }
    case Motif::ContrasteSimultane: {
        const DispositionContraste d;
        s.image = Luminances(TAILLE_STIMULUS, TAILLE_STIMULUS);
        for (int y = 0; y < TAILLE_STIMULUS; ++y)
            for (int x = 0; x < TAILLE_STIMULUS; ++x) {
                double v = x < TAILLE_STIMULUS / 2 ? d.fond_sombre : d.fond_clair;
                const bool dans_y = y >= d.haut() && y < d.haut() + d.cote;
                if (dans_y && x >= d.gauche_sombre() && x < d.gauche_sombre() + d.cote) v = d.gris;
                if (dans_y && x >= d.gauche_clair() && x < d.gauche_clair() + d.cote) v = d.gris;
                s.image.at(x, y) = v;
            }
        s.ligne_conseillee = TAILLE_STIMULUS / 2;
        break;
    }
    }
    return s;
}

QString nom_motif(Motif m)
{
    switch (m) {
    case Motif::HermannNoir: return QStringLiteral("Grille de Hermann : carrés noirs");
    case Motif::HermannBlanc: return QStringLiteral("Grille de Hermann : carrés blancs");
    case Motif::BandesMach: return QStringLiteral("Bandes de Mach");
    case Motif::ContrasteSimultane: return QStringLiteral("Contraste simultané");
    }
    return {};
}

QString explication_motif(Motif m)
{
    switch (m) {
    case Motif::HermannNoir:
        return QStringLiteral(
            "Regardez la grille de gauche : des taches grises semblent occuper les croisements des rues blanches, "
            "sauf au croisement que vous fixez.\n\n"
            "Une cellule dont le centre est sur un croisement reçoit de la lumière sur les quatre côtés de son "
            "pourtour : elle est plus inhibée que dans une rue, où le pourtour touche deux carrés noirs. "
            "Sa réponse est plus faible : le croisement paraît plus sombre.\n\n"
            "Réduisez la force de l'inhibition : les taches s'effacent. Changez la taille du champ : l'effet est "
            "le plus net quand le centre couvre à peu près la largeur d'une rue.");
    case Motif::HermannBlanc:
        return QStringLiteral(
            "Ici les rues sont noires : des taches claires semblent apparaître aux croisements.\n\n"
            "Le pourtour d'une cellule placée sur un croisement reçoit moins de lumière que dans une rue "
            "(quatre côtés noirs au lieu de deux) : elle est moins inhibée, sa réponse est plus forte.");
    case Motif::BandesMach:
        return QStringLiteral(
            "Deux plages uniformes sont reliées par un dégradé régulier. On voit pourtant une bande plus sombre "
            "au pied du dégradé et une bande plus claire à son sommet.\n\n"
            "Au pied du dégradé, le pourtour d'une cellule reçoit plus de lumière que son centre : elle est "
            "davantage inhibée. Au sommet, c'est l'inverse. Le profil montre ces creux et ces bosses.");
    case Motif::ContrasteSimultane:
        return QStringLiteral(
            "Les deux carrés gris ont exactement la même luminance. Celui qui est sur le fond noir paraît "
            "pourtant plus clair que celui qui est sur le fond blanc.\n\n"
            "Un fond clair inhibe fortement les cellules qui regardent le carré ; un fond sombre les inhibe "
            "peu. Comparez les réponses le long du profil.");
    }
    return {};
}
