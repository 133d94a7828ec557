#include "fechner/classefechner.h"
#include "fechner/fichierfechner.h"
#include "common/entier.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

#include <QFileInfo>

#include <cmath>

namespace {

constexpr int LIGNES_FICHIER = GrilleFechner::LIGNES * GrilleFechner::COLONNES; // 612
// A grid's file is a few kilobytes; anything much larger is not one.
constexpr qint64 TAILLE_MAX = 1 << 20;

// A heading of a carried mass: digits then "g", as the grid writes them.
bool entete_de_masse(const QString &t)
{
    if (!t.endsWith(QLatin1Char('g'))) return false;
    return lire_entier(t.left(t.size() - 1)).ok;
}

QString raison_contenu(const QByteArray &octets, const GrilleFechner &grille)
{
    if (octets.isEmpty()) return QStringLiteral("fichier vide");
    // Text lines only: a NUL or other control byte means a damaged or foreign file.
    if (!texte_seul(octets)) return QStringLiteral("fichier endommagé");
    LecteurLignes lecteur(octets);
    int lignes = 0;
    try {
        while (!lecteur.fin() && lignes < LIGNES_FICHIER) {
            lecteur.ligne();
            ++lignes;
        }
    } catch (const LigneTropLongue &) {
        return QStringLiteral("ligne trop longue : ce n'est pas un fichier Fechner");
    }
    if (lignes < LIGNES_FICHIER)
        return QStringLiteral("fichier incomplet (%1 lignes sur %2)").arg(lignes).arg(LIGNES_FICHIER);
    bool entete = false;
    for (int i = 1; i < GrilleFechner::LIGNES && !entete; i += 2) entete = entete_de_masse(grille.cellule(0, i));
    if (!entete) return QStringLiteral("ce n'est pas une grille de Fechner");
    return {};
}

} // namespace

QString lire_grille_verifiee(const QString &chemin, GrilleFechner &grille)
{
    QByteArray octets;
    const QString raison =
        lire_fichier_verifie(chemin, TAILLE_MAX, QStringLiteral("ce n'est pas une grille de Fechner"), octets);
    if (!raison.isEmpty()) return raison;
    lire_octets_fch(octets, grille);
    return raison_contenu(octets, grille);
}

namespace {

// The group once its grid is read and checked: analysed, kept when it has trials.
GroupeFechner groupe(const QString &chemin, const GrilleFechner &grille, const QString &raison)
{
    GroupeFechner g;
    g.chemin = chemin;
    g.nom = QFileInfo(chemin).fileName();
    g.grille = grille;
    g.raison = raison;
    if (!g.raison.isEmpty()) return g;
    g.analyse = analyser(g.grille);
    if (g.analyse.essais == 0) {
        g.raison = QStringLiteral("aucun essai");
        return g;
    }
    g.retenu = true;
    return g;
}

} // namespace

GroupeFechner lire_groupe(const QString &chemin)
{
    GrilleFechner grille;
    const QString raison = lire_grille_verifiee(chemin, grille);
    return groupe(chemin, grille, raison);
}

GroupeFechner groupe_depuis_octets(const QString &chemin, const QByteArray &octets)
{
    GrilleFechner grille;
    lire_octets_fch(octets, grille);
    return groupe(chemin, grille, raison_contenu(octets, grille));
}

int ClasseFechner::retenus() const
{
    int n = 0;
    for (const GroupeFechner &g : groupes) n += g.retenu ? 1 : 0;
    return n;
}

ClasseFechner analyser_classe(const QStringList &chemins)
{
    ClasseFechner c;
    QList<EssaiFechner> tous;
    for (const QString &chemin : chemins) {
        c.groupes.append(lire_groupe(chemin));
        if (c.groupes.constLast().retenu) tous += essais_de_grille(c.groupes.constLast().grille);
    }
    c.commune = analyser(tous);
    double somme = 0.0, carres = 0.0;
    for (const GroupeFechner &g : c.groupes) {
        if (!g.retenu || !g.analyse.a_weber) continue;
        ++c.groupes_avec_k;
        somme += g.analyse.k;
    }
    if (c.groupes_avec_k == 0) return c;
    c.moyenne_k = somme / c.groupes_avec_k;
    for (const GroupeFechner &g : c.groupes)
        if (g.retenu && g.analyse.a_weber) carres += (g.analyse.k - c.moyenne_k) * (g.analyse.k - c.moyenne_k);
    if (c.groupes_avec_k >= 2) {
        c.a_erreur_type = true;
        c.erreur_type_k = std::sqrt(carres / (c.groupes_avec_k - 1) / c.groupes_avec_k);
    }
    return c;
}

QString texte_groupes(const ClasseFechner &c)
{
    if (c.groupes_avec_k == 0) return {};
    if (!c.a_erreur_type) return QStringLiteral("Groupes : k = %1 (1 groupe)").arg(nombre_significatif(c.moyenne_k, 2));
    return QStringLiteral("Groupes : k moyen = %1 ± %2 (moyenne ± 2 erreurs types ; %3 groupes)")
        .arg(nombre_significatif(c.moyenne_k, 2), nombre_significatif(2 * c.erreur_type_k, 2))
        .arg(c.groupes_avec_k);
}
