#include "fechner/classefechner.h"
#include "fechner/fichierfechner.h"
#include "common/entier.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

#include <QFileInfo>

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
    for (char o : octets) {
        const unsigned char b = static_cast<unsigned char>(o);
        if (b < 0x20 && b != '\r' && b != '\n' && b != '\t' && b != 26) return QStringLiteral("fichier endommagé");
    }
    LecteurLignes lecteur(octets);
    int lignes = 0;
    while (!lecteur.fin() && lignes < LIGNES_FICHIER) {
        lecteur.ligne();
        ++lignes;
    }
    if (lignes < LIGNES_FICHIER)
        return QStringLiteral("fichier incomplet (%1 lignes sur %2)").arg(lignes).arg(LIGNES_FICHIER);
    bool entete = false;
    for (int i = 1; i < GrilleFechner::LIGNES && !entete; i += 2) entete = entete_de_masse(grille.cellule(0, i));
    if (!entete) return QStringLiteral("ce n'est pas une grille de Fechner");
    return {};
}

} // namespace

GroupeFechner lire_groupe(const QString &chemin)
{
    GroupeFechner g;
    g.chemin = chemin;
    g.nom = QFileInfo(chemin).fileName();
    if (!est_fichier_ordinaire(chemin)) {
        g.raison = QStringLiteral("fichier introuvable ou illisible");
        return g;
    }
    if (QFileInfo(chemin).size() > TAILLE_MAX) {
        g.raison = QStringLiteral("ce n'est pas une grille de Fechner");
        return g;
    }
    QByteArray octets;
    try {
        if (!lire_fichier(chemin, octets)) {
            g.raison = QStringLiteral("fichier introuvable ou illisible");
            return g;
        }
    } catch (const ErreurES &e) {
        g.raison = e.texte();
        return g;
    }
    return groupe_depuis_octets(chemin, octets);
}

GroupeFechner groupe_depuis_octets(const QString &chemin, const QByteArray &octets)
{
    GroupeFechner g;
    g.chemin = chemin;
    g.nom = QFileInfo(chemin).fileName();
    lire_octets_fch(octets, g.grille);
    g.raison = raison_contenu(octets, g.grille);
    if (!g.raison.isEmpty()) return g;
    g.analyse = analyser(g.grille);
    if (g.analyse.essais == 0) {
        g.raison = QStringLiteral("aucun essai");
        return g;
    }
    g.retenu = true;
    return g;
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
    return c;
}
