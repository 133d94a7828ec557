#pragma once
#include "compagnons/commun/enregistrement.h"

#include <QByteArray>
#include <QString>

// The .exw recording format, a plain text format described in
// compagnons/README.md: a header (title, notes, sampling period, start time,
// channels), then trials, each a line "essai" followed by one line of values
// per sample. Numbers use "." whatever the locale.
class FormatExw {
public:
    static constexpr int VOIES_MAX = 16;
    static constexpr qint64 VALEURS_MAX = 20'000'000;

    struct Lecture {
        bool ok = false;
        Enregistrement enregistrement;
        QString erreur; // French, naming the line at fault
    };

    static QByteArray ecrire(const Enregistrement &e);
    static Lecture lire(const QByteArray &octets);
    // Reads a file; a missing or unreadable file is an error like any other.
    static Lecture lire_fichier(const QString &chemin);
};
