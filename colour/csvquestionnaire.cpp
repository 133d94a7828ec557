#include "colour/csvquestionnaire.h"

QString nom_et_code_couleur(Couleur c)
{
    const QString code = QStringLiteral("#%1%2%3")
                             .arg(rouge_de(c), 2, 16, QLatin1Char('0'))
                             .arg(vert_de(c), 2, 16, QLatin1Char('0'))
                             .arg(bleu_de(c), 2, 16, QLatin1Char('0'))
                             .toUpper();
    const QString nom = nom_couleur(c);
    return nom.isEmpty() ? code : nom + QStringLiteral(" (") + code + QLatin1Char(')');
}

QList<csv::Ligne> lignes_csv_questionnaire(const std::array<Couleur, NB_LIGNES> &reponses,
                                           const std::array<std::optional<bool>, NB_LIGNES> &marques)
{
    QList<csv::Ligne> lignes{{QStringLiteral("couleur réelle"), QStringLiteral("couleur vue"),
                              QStringLiteral("réponse juste")}};
    for (int k = 0; k < NB_LIGNES; ++k) {
        const QString vue = reponses[k] == SANS_REPONSE ? QString() : nom_et_code_couleur(reponses[k]);
        const QString note = !marques[k] ? QString() : *marques[k] ? QStringLiteral("oui") : QStringLiteral("non");
        lignes.append({nom_et_code_couleur(cle_questionnaire()[k].reelle), vue, note});
    }
    return lignes;
}
