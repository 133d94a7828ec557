#include "fechner/csvanalyse.h"
#include "fechner/analysefechner.h"
#include "fechner/classefechner.h"
#include "common/exportcsv.h"

const QStringList titres_resultats = {QStringLiteral("masse"),     QStringLiteral("essais"),
                                      QStringLiteral("fausses_alertes"), QStringLiteral("seuil"),
                                      QStringLiteral("seuil_bas"), QStringLiteral("seuil_haut"),
                                      QStringLiteral("rapport"),   QStringLiteral("remarque")};

namespace {

// A value at the ratios' precision, or an empty field when it was not found.
QString valeur(double v, bool trouvee) { return trouvee ? nombre_fr(v, DECIMALES_RAPPORT) : QString(); }

} // namespace

QList<QStringList> lignes_resultats(const AnalyseFechner &a)
{
    QList<QStringList> lignes;
    for (const LigneAnalyse &l : a.lignes) {
        const QString bas = l.a_seuil() ? nombre_fr(l.seuil_bas, DECIMALES_SEUIL) : QString();
        const QString haut = l.a_seuil() ? nombre_fr(l.seuil_haut, DECIMALES_SEUIL) : QString();
        lignes << QStringList{QString::number(l.portee), QString::number(l.essais),
                              l.controles > 0 ? nombre_fr(l.taux_fausses_alertes(), 2) : QString(),
                              texte_seuil(l), bas, haut, texte_rapport(l),
                              remarque_seuil(l, false)};
    }
    lignes << QStringList{QStringLiteral("k"), valeur(a.k, a.a_weber), valeur(a.k_bas, a.a_intervalle),
                          valeur(a.k_haut, a.a_intervalle), QString::number(a.masses_utilisees),
                          QString::number(a.essais_utilises)};
    return lignes;
}

namespace {

void bloc(QList<QStringList> &lignes, const QString &titre, const AnalyseFechner &a)
{
    lignes << QStringList{QStringLiteral("Analyse"), titre};
    lignes << QStringList{QStringLiteral("Masse portée (g)"), QStringLiteral("Essais"), QStringLiteral("Fausses alertes"),
                          QStringLiteral("Seuil ΔI (g)"), QStringLiteral("Seuil bas (g)"), QStringLiteral("Seuil haut (g)"),
                          QStringLiteral("ΔI/I"), QStringLiteral("Remarque")};
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
        lignes << QStringList{QStringLiteral("Fichier"), QStringLiteral("k"), QStringLiteral("k bas"), QStringLiteral("k haut"),
                              QStringLiteral("Masses utilisées"), QStringLiteral("Remarque")};
        for (const GroupeFechner &g : classe->groupes) {
            const AnalyseFechner &a = g.analyse;
            if (g.retenu)
                lignes << QStringList{g.nom, valeur(a.k, a.a_weber), valeur(a.k_bas, a.a_intervalle),
                                      valeur(a.k_haut, a.a_intervalle), QString::number(a.masses_utilisees),
                                      a.a_weber ? QString() : QStringLiteral("Pas assez d'essais")};
            else
                lignes << QStringList{g.nom, QString(), QString(), QString(), QString(), QStringLiteral("écarté : ") + g.raison};
        }
        if (classe->groupes_avec_k > 0)
            lignes << QStringList{QStringLiteral("Moyenne des k des groupes"), nombre_fr(classe->moyenne_k, DECIMALES_RAPPORT),
                                  QStringLiteral("2 erreurs types"),
                                  valeur(2 * classe->erreur_type_k, classe->a_erreur_type),
                                  QStringLiteral("%1 groupes").arg(classe->groupes_avec_k)};
    }
    return csv::octets(lignes);
}
