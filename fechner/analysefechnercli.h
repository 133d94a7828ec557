#pragma once
#include <QByteArray>
#include <QStringList>

// `kalmeno --analyse-fechner A.fch [B.fch …]`: the analysis of all the trials
// of the files together, printed without any window.

struct SortieAnalyse {
    int statut = 0;     // 0, or 2 when a file cannot be used (or none is given)
    QByteArray sortie;  // one line per carried mass, then "k;<value>;<masses used>"
    QByteArray erreurs; // French messages, one per line
};

SortieAnalyse analyse_fechner_fichiers(const QStringList &chemins);

// When the arguments hold the option, runs it, prints and returns the exit
// status; otherwise returns −1 and prints nothing.
int analyse_fechner_ligne_de_commande(int argc, char **argv);
