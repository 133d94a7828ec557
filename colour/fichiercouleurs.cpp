#include "colour/fichiercouleurs.h"
#include "common/entier.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

QByteArray FichierCouleurs::texte(const Valeurs &valeurs)
{
    QList<QByteArray> lignes;
    for (Couleur v : valeurs) lignes << QByteArray::number(v);
    return joindre_lignes(lignes);
}

void FichierCouleurs::lire_texte(const QByteArray &octets, const Peintre &peindre)
{
    LecteurLignes lecteur(octets);
    lire_lignes(lecteur, peindre);
}

void FichierCouleurs::lire_lignes(LecteurLignes &lecteur, const Peintre &peindre)
{
    for (int ligne = 1; ligne <= NB_LIGNES; ++ligne) {
        QByteArray l;
        try {
            l = lecteur.ligne().trimmed();
        } catch (const LigneTropLongue &) {
            // No number is that long: the line is not a whole number.
            throw ErreurES::code(106);
        }
        Couleur valeur = 0;
        if (!l.isEmpty()) {
            const LectureEntier e = lire_entier(std::string_view(l.constData(), std::size_t(l.size())));
            if (!e.ok) throw ErreurES::code(106);
            valeur = e.valeur;
        }
        peindre(ligne, valeur);
    }
}

bool FichierCouleurs::ecrire(const QString &chemin, const Valeurs &valeurs)
{
    return ecrire_fichier(chemin, texte(valeurs));
}

bool FichierCouleurs::lire(const QString &chemin, const Peintre &peindre)
{
    // Only the eight lines are read, however big the file.
    LecteurLignes lecteur(QByteArray{});
    if (!lecteur.ouvrir(chemin)) return false;
    lire_lignes(lecteur, peindre);
    return true;
}

QList<int> FichierCouleurs::lignes_de_page(int page)
{
    switch (page) {
    case 0: return {1, 2, 3};
    case 1: return {4};
    case 2: return {5};
    case 3: return {6};
    case 4: return {7};
    case 5: return {8};
    default: return {};
    }
}
