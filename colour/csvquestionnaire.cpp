#include "colour/csvquestionnaire.h"

QString nom_couleur(Couleur c)
{
    // The real colours of the key first, then the upper squares of the
    // choice dialog in column order: white is named once.
    static const char *const reelles[NB_LIGNES] = {"rouge", "jaune", "bleu", "fuchsia",
                                                   "vert",  "orange", "blanc", "noir"};
    static const char *const pales[NB_COLONNES] = {"rose pâle",  "jaune pâle", "bleu pâle", "rose-violet pâle",
                                                   "vert pâle",  "orangé pâle", "cyan pâle", "violet pâle",
                                                   "blanc",      "gris"};
    const QString code = QStringLiteral("#%1%2%3")
                             .arg(rouge_de(c), 2, 16, QLatin1Char('0'))
                             .arg(vert_de(c), 2, 16, QLatin1Char('0'))
                             .arg(bleu_de(c), 2, 16, QLatin1Char('0'))
                             .toUpper();
    const char *nom = nullptr;
    for (int k = 0; k < NB_LIGNES && !nom; ++k)
        if (cle_questionnaire()[k].reelle == c) nom = reelles[k];
    for (int k = 0; k < NB_COLONNES && !nom; ++k)
        if (colonnes_choix()[k].haut == c) nom = pales[k];
    return nom ? QString::fromUtf8(nom) + QStringLiteral(" (") + code + QLatin1Char(')') : code;
}

QList<csv::Ligne> lignes_csv_questionnaire(const std::array<Couleur, NB_LIGNES> &reponses,
                                           const std::array<std::optional<bool>, NB_LIGNES> &marques)
{
    QList<csv::Ligne> lignes{{QStringLiteral("couleur réelle"), QStringLiteral("couleur vue"),
                              QStringLiteral("juste/faux")}};
    for (int k = 0; k < NB_LIGNES; ++k) {
        const QString vue = reponses[k] == SANS_REPONSE ? QString() : nom_couleur(reponses[k]);
        const QString note = !marques[k] ? QString() : *marques[k] ? QStringLiteral("juste") : QStringLiteral("faux");
        lignes.append({nom_couleur(cle_questionnaire()[k].reelle), vue, note});
    }
    return lignes;
}
