#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "common/fichiertexte.h"

QByteArray octets_fch(const GrilleFechner &grille)
{
    QByteArray octets;
    octets.reserve(GrilleFechner::LIGNES * GrilleFechner::COLONNES * 8);
    for (int r = 0; r < GrilleFechner::LIGNES; ++r) {
        for (int c = 0; c < GrilleFechner::COLONNES; ++c) {
            QByteArray ligne = vers_cp1252(grille.cellule(c, r));
            // A CR or a Ctrl-Z inside a cell (pasted text) would end the line
            // or the file early and shift every later cell: write a blank.
            ligne.replace('\r', ' ').replace(char(26), ' ');
            octets += ligne;
            octets += "\r\n";
        }
    }
    return octets;
}

void lire_octets_fch(const QByteArray &octets, GrilleFechner &grille)
{
    LecteurLignes lecteur(octets);
    for (int r = 0; r < GrilleFechner::LIGNES; ++r)
        for (int c = 0; c < GrilleFechner::COLONNES; ++c) grille.ecrire(c, r, depuis_cp1252(lecteur.ligne()));
}

bool lire_fch(const QString &chemin, GrilleFechner &grille)
{
    QByteArray octets;
    if (!lire_fichier(chemin, octets)) return false;
    lire_octets_fch(octets, grille);
    return true;
}

bool ecrire_fch(const QString &chemin, const GrilleFechner &grille)
{
    return ecrire_fichier(chemin, octets_fch(grille));
}
