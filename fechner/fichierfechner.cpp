#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

QByteArray octets_fch(const GrilleFechner &grille)
{
    QByteArray octets;
    octets.reserve(GrilleFechner::LIGNES * GrilleFechner::COLONNES * 8);
    for (int r = 0; r < GrilleFechner::LIGNES; ++r) {
        for (int c = 0; c < GrilleFechner::COLONNES; ++c) {
            QByteArray ligne = vers_cp1252(grille.cellule(c, r));
            // A CR, an LF or a Ctrl-Z inside a cell (pasted text) would end
            // the line or the file early and shift every later cell: write a
            // blank.
            ligne.replace('\r', ' ').replace('\n', ' ').replace(char(26), ' ');
            octets += ligne;
            octets += "\r\n";
        }
    }
    return octets;
}

namespace {

// The 612 lines into a copy of the grid, which replaces it once all are read:
// a damaged file (a line longer than the bound) or a failure while reading
// leaves the grid as it was.
bool lire_lignes_fch(LecteurLignes &lecteur, GrilleFechner &grille)
{
    GrilleFechner lu = grille;
    try {
        for (int r = 0; r < GrilleFechner::LIGNES; ++r)
            for (int c = 0; c < GrilleFechner::COLONNES; ++c) lu.ecrire(c, r, depuis_cp1252(lecteur.ligne()));
    } catch (const LigneTropLongue &) {
        return false;
    }
    grille = lu;
    return true;
}

} // namespace

bool lire_octets_fch(const QByteArray &octets, GrilleFechner &grille)
{
    LecteurLignes lecteur(octets);
    return lire_lignes_fch(lecteur, grille);
}

bool lire_fch(const QString &chemin, GrilleFechner &grille)
{
    LecteurLignes lecteur(QByteArray{});
    if (!lecteur.ouvrir(chemin)) return false;
    if (!lire_lignes_fch(lecteur, grille)) throw ErreurES::ouverture(chemin);
    return true;
}

bool ecrire_fch(const QString &chemin, const GrilleFechner &grille)
{
    return ecrire_fichier(chemin, octets_fch(grille));
}
