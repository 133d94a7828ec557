#include "fechner/analysefechnercli.h"
#include "fechner/classefechner.h"
#include "fechner/csvanalyse.h"
#include "common/fichierssysteme.h"

#include <QFile>

#include <cstdio>
#include <cstring>

SortieAnalyse analyse_fechner_fichiers(const QStringList &chemins)
{
    SortieAnalyse s;
    if (chemins.isEmpty()) {
        s.statut = 2;
        s.erreurs = QStringLiteral("kalmeno : --analyse-fechner attend un ou plusieurs fichiers .fch\n").toUtf8();
        return s;
    }
    const ClasseFechner classe = analyser_classe(chemins);
    for (const GroupeFechner &g : classe.groupes)
        if (!g.retenu) s.erreurs += QStringLiteral("kalmeno : %1 : %2\n").arg(g.chemin, g.raison).toUtf8();
    // A file left out would change the class's numbers without a word: refuse.
    if (!s.erreurs.isEmpty()) {
        s.statut = 2;
        return s;
    }
    // Rows left out are said, with the file and the reason.
    for (const GroupeFechner &g : classe.groupes)
        for (const QString &t : textes_lignes_ecartees(lignes_ecartees(g.grille)))
            s.erreurs += QStringLiteral("kalmeno : %1 : %2\n").arg(g.chemin, t).toUtf8();
    s.sortie += titres_resultats.join(QLatin1Char(';')).toUtf8() + '\n';
    for (const QStringList &ligne : lignes_resultats(classe.commune))
        s.sortie += ligne.join(QLatin1Char(';')).toUtf8() + '\n';
    if (!classe.commune.a_weber) s.erreurs += QStringLiteral("Pas assez d'essais\n").toUtf8();
    return s;
}

int analyse_fechner_ligne_de_commande(int argc, char **argv)
{
    int option = -1;
    for (int i = 1; i < argc && option < 0; ++i)
        if (std::strcmp(argv[i], "--analyse-fechner") == 0) option = i;
    if (option < 0) return -1;
    QStringList chemins;
    for (int i = option + 1; i < argc; ++i) chemins << QFile::decodeName(argv[i]);
    const SortieAnalyse s = analyse_fechner_fichiers(chemins);
    sortie_standard_binaire();
    std::fwrite(s.sortie.constData(), 1, std::size_t(s.sortie.size()), stdout);
    std::fflush(stdout);
    std::fwrite(s.erreurs.constData(), 1, std::size_t(s.erreurs.size()), stderr);
    return s.statut;
}
