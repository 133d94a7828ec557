#include "fechner/csvanalyse.h"
#include "fechner/analysefechner.h"
#include "fechner/classefechner.h"
#include "common/exportcsv.h"

QList<QStringList> lignes_resultats(const AnalyseFechner &a)
{
    QList<QStringList> lignes;
    for (const LigneAnalyse &l : a.lignes)
        lignes << QStringList{QString::number(l.portee), QString::number(l.essais), texte_seuil(l), texte_rapport(l)};
    lignes << QStringList{QStringLiteral("k"), a.a_weber ? nombre_fr(a.k, DECIMALES_RAPPORT) : QString(),
                          QString::number(a.masses_utilisees)};
    return lignes;
}

namespace {

void bloc(QList<QStringList> &lignes, const QString &titre, const AnalyseFechner &a)
{
    lignes << QStringList{QStringLiteral("Analyse"), titre};
    lignes << QStringList{QStringLiteral("Masse portée (g)"), QStringLiteral("Essais"), QStringLiteral("Seuil ΔI (g)"),
                          QStringLiteral("ΔI/I")};
    lignes += lignes_resultats(a);
    if (!a.a_weber) lignes << QStringList{QStringLiteral("Pas assez d'essais")};
    if (a.a_ecart)
        lignes << QStringList{QStringLiteral("Écart résiduel (g)"), nombre_fr(a.ecart_residuel, DECIMALES_SEUIL)};
    if (a.a_fechner)
        lignes << QStringList{QStringLiteral("S = a·ln I + b"), QStringLiteral("a"), nombre_fr(a.a, 2),
                              QStringLiteral("b"), nombre_fr(a.b, 2)};
}

} // namespace

QByteArray csv_analyse(const AnalyseFechner &page, const ClasseFechner *classe)
{
    QList<QStringList> lignes;
    bloc(lignes, QStringLiteral("Grille de la page"), page);
    if (classe) {
        lignes << QStringList{};
        bloc(lignes, QStringLiteral("Classe (%1 fichiers retenus)").arg(classe->retenus()), classe->commune);
        lignes << QStringList{};
        lignes << QStringList{QStringLiteral("Fichier"), QStringLiteral("k"), QStringLiteral("Masses utilisées"),
                              QStringLiteral("Remarque")};
        for (const GroupeFechner &g : classe->groupes) {
            if (g.retenu)
                lignes << QStringList{g.nom, g.analyse.a_weber ? nombre_fr(g.analyse.k, DECIMALES_RAPPORT) : QString(),
                                      QString::number(g.analyse.masses_utilisees),
                                      g.analyse.a_weber ? QString() : QStringLiteral("Pas assez d'essais")};
            else
                lignes << QStringList{g.nom, QString(), QString(), QStringLiteral("écarté : ") + g.raison};
        }
    }
    return csv::octets(lignes);
}
