#include "membrane/csvnernst.h"
#include "membrane/etatnernst.h"

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

Classeur classeur_nernst(const Programme &p, std::span<const PasEnregistre> enregistre)
{
    Classeur c;
    if (p.nb_etapes > 0) {
        QList<csv::Ligne> lignes{entete()};
        for (int k = 1; k < p.nb_etapes; ++k) lignes.append(ligne(k, p.etape(k), p.em_etape(k)));
        lignes.append(ligne(p.nb_etapes, p.etape(p.nb_etapes), EtatNernst::em_derniere_etape(p)));
        c.append({QStringLiteral("Programme"), lignes});
    }
    if (!enregistre.empty()) {
        QList<csv::Ligne> lignes{entete()};
        for (std::size_t i = 0; i < enregistre.size() && Programme::valide(int(i) + 1); ++i)
            lignes.append(ligne(int(i) + 1, enregistre[i].reglages, enregistre[i].em));
        c.append({QStringLiteral("Enregistrement"), lignes, 1, true});
    }
    if (c.isEmpty()) c.append({QStringLiteral("Programme"), {entete()}});
    return c;
}

QList<csv::Ligne> lignes_csv_nernst(const Programme &p, std::span<const PasEnregistre> enregistre)
{
    return classeur::lignes_csv(classeur_nernst(p, enregistre));
}
