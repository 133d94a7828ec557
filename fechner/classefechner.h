#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "fechner/analysefechner.h"
#include "fechner/grillefechner.h"

// The class's results: one .fch file per group, each analysed on its own,
// and all the trials of the groups kept together analysed as one.

struct GroupeFechner {
    QString chemin;
    QString nom;          // the file name without its folder
    bool retenu = false;  // false: left out, `raison` says why
    QString raison;
    GrilleFechner grille;
    AnalyseFechner analyse;
};

// Reads a grid's file and checks it: the reason it is refused (it cannot be
// read, is empty, holds bytes no grid holds, has a line longer than the
// bound, has fewer than the 612 lines of a grid, has no carried-mass
// heading), or "" with `grille` read.
QString lire_grille_verifiee(const QString &chemin, GrilleFechner &grille);

// Reads and checks one group's file, as above; a file without trial is left
// out too.
GroupeFechner lire_groupe(const QString &chemin);
// The same checks and analysis on the bytes of a file already read.
GroupeFechner groupe_depuis_octets(const QString &chemin, const QByteArray &octets);

struct ClasseFechner {
    QList<GroupeFechner> groupes; // in the order given
    AnalyseFechner commune;       // the trials of the groups kept, together
    // The groups' own k: how many have one, their mean and its standard
    // error (the spread of the k over √n; two groups at least).
    int groupes_avec_k = 0;
    double moyenne_k = 0.0;
    bool a_erreur_type = false;
    double erreur_type_k = 0.0;
    int retenus() const;
};

// "Groupes : k moyen = 0,071 ± 0,012 (moyenne ± 2 erreurs types ; 5 groupes)",
// or "" when no group has a k.
QString texte_groupes(const ClasseFechner &c);

ClasseFechner analyser_classe(const QStringList &chemins);
