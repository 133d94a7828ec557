#include "fechner/csvfechner.h"
#include "common/entier.h"
#include "fechner/grillefechner.h"

namespace {

// Calls f(carried mass, trial, added mass, outcome) for each trial holding a number.
template <class F> void pour_chaque_essai(const GrilleFechner &g, F f)
{
    for (int ligne = 1; ligne < GrilleFechner::LIGNES - 1; ligne += 2) {
        QString entete = g.cellule(0, ligne);
        entete.chop(1); // "150g" without its unit
        const int32_t portee = lire_entier(entete).valeur;
        for (int col = 1; col < GrilleFechner::COLONNES; ++col) {
            const LectureEntier ajoutee = lire_entier(g.cellule(col, ligne));
            if (!ajoutee.ok) continue;
            // The answer as the analysis reads it; empty when there is none yet.
            switch (GrilleFechner::reponse(g.cellule(col, ligne + 1))) {
            case GrilleFechner::Reponse::Sentie: f(portee, col, ajoutee.valeur, QStringLiteral("O")); break;
            case GrilleFechner::Reponse::NonSentie: f(portee, col, ajoutee.valeur, QStringLiteral("N")); break;
            case GrilleFechner::Reponse::Aucune: f(portee, col, ajoutee.valeur, QString()); break;
            }
        }
    }
}

} // namespace

QList<csv::Ligne> lignes_csv_fechner(const GrilleFechner &grille)
{
    QList<csv::Ligne> lignes{{QStringLiteral("masse portée (g)"), QStringLiteral("essai"),
                              QStringLiteral("masse ajoutée (g)"), QStringLiteral("ressentie (O/N)")}};
    pour_chaque_essai(grille, [&](int32_t portee, int essai, int32_t ajoutee, const QString &issue) {
        lignes.append({csv::nombre(portee), csv::nombre(essai), csv::nombre(ajoutee), issue});
    });
    return lignes;
}

bool a_des_essais(const GrilleFechner &grille)
{
    bool un = false;
    pour_chaque_essai(grille, [&](int32_t, int, int32_t, const QString &) { un = true; });
    return un;
}
