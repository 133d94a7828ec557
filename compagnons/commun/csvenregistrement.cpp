#include "compagnons/commun/csvenregistrement.h"

QList<csv::Ligne> lignes_csv_enregistrement(const Enregistrement &e)
{
    csv::Ligne entete{QStringLiteral("essai"), QStringLiteral("temps (ms)")};
    for (const Enregistrement::Voie &v : e.voies)
        entete.append(v.unite.isEmpty() ? v.nom : v.nom + QStringLiteral(" (") + v.unite + QLatin1Char(')'));
    QList<csv::Ligne> lignes{entete};
    for (int k = 0; k < int(e.essais.size()); ++k) {
        const Enregistrement::Essai &essai = e.essais[std::size_t(k)];
        for (int i = 0; i < e.nb_echantillons(k); ++i) {
            csv::Ligne l{essai.nom, csv::nombre(e.temps(i), 3)};
            for (const auto &voie : essai.valeurs)
                l.append(i < int(voie.size()) ? csv::nombre(voie[std::size_t(i)], 3) : QString());
            lignes.append(l);
        }
    }
    return lignes;
}
