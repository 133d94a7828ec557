#pragma once
#include <array>
#include <functional>

#include <QByteArray>
#include <QList>
#include <QString>

#include "common/couleur.h"

class LecteurLignes;

// The colour settings file "couleurs.kmo": eight lines, each the colour value
// of one frame as a signed decimal, CR LF after every line. Line 1 to 3: the
// frames of page 0; 4: page 1; 5: page 2; 6: page 3 (both of its frames on
// reading); 7: page 4; 8: page 5.
class FichierCouleurs {
public:
    static constexpr int NB_LIGNES = 8;
    using Valeurs = std::array<Couleur, NB_LIGNES>;
    // Called for each line read, in order: line number (1 to 8) and value.
    using Peintre = std::function<void(int ligne, Couleur valeur)>;

    static QString nom() { return QStringLiteral("couleurs.kmo"); }

    static QByteArray texte(const Valeurs &valeurs);
    // Reads the eight lines of a file's bytes. An empty line, or a line past
    // the end of a shorter file, gives 0; blanks around the number are allowed;
    // lines after the eighth are ignored. A line that is not a whole number
    // (one longer than LONGUEUR_MAX_LIGNE included) throws ErreurES 106 once
    // the lines before it are painted. CR LF, lone LF and lone CR end a line;
    // a leading UTF-8 mark is skipped.
    static void lire_texte(const QByteArray &octets, const Peintre &peindre);
    static void lire_lignes(LecteurLignes &lecteur, const Peintre &peindre);

    // Writes the file; false when it cannot be created (nothing written).
    static bool ecrire(const QString &chemin, const Valeurs &valeurs);
    // Reads the file's first eight lines; false when it cannot be opened
    // (nothing painted).
    static bool lire(const QString &chemin, const Peintre &peindre);

    // The lines whose frames "Mise en couleur" colours on a page (0 to 5); the
    // first one's frame gives the starting colour. Empty for any other page.
    static QList<int> lignes_de_page(int page);
};
