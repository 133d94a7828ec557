#include "membrane/csvnernst.h"
#include "membrane/programme.h"

namespace {

csv::Ligne entete()
{
    return {QStringLiteral("étape"), QStringLiteral("GK (%)"), QStringLiteral("GNa (%)"),
            QStringLiteral("[K]i (mmol/L)"), QStringLiteral("[K]e (mmol/L)"), QStringLiteral("[Na]i (mmol/L)"),
            QStringLiteral("[Na]e (mmol/L)"), QStringLiteral("Em (mV)")};
}

csv::Ligne ligne(int k, const EtapeProg &e, double em)
{
    return {csv::nombre(k),     csv::nombre(e.gk),  csv::nombre(e.gna), csv::nombre(e.ki),
            csv::nombre(e.ke),  csv::nombre(e.nai), csv::nombre(e.nae), csv::nombre(em, 2)};
}

} // namespace

QList<csv::Ligne> lignes_csv_nernst(const Programme &p, std::span<const double> em_enregistre)
{
    QList<csv::Ligne> lignes{entete()};
    for (int k = 1; k <= p.nb_etapes; ++k) lignes.append(ligne(k, p.etape(k), p.em_etape(k)));
    if (!em_enregistre.empty()) {
        lignes.append(csv::Ligne{});
        lignes.append({QStringLiteral("Enregistrement")});
        lignes.append(entete());
        for (std::size_t i = 0; i < em_enregistre.size() && Programme::valide(int(i) + 1); ++i)
            lignes.append(ligne(int(i) + 1, p.etape(int(i) + 1), em_enregistre[i]));
    }
    return lignes;
}
