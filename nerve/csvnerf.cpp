#include "nerve/csvnerf.h"

double position_cm(int gauche, int largeur) { return (gauche + largeur / 2.0 - 12.5) / 7.5; }

QList<csv::Ligne> lignes_csv_nerf(const ModeleNerf &modele, const ModeleNerf::Reglages &r)
{
    return classeur::lignes_csv(classeur_nerf(modele, r));
}

Classeur classeur_nerf(const ModeleNerf &modele, const ModeleNerf::Reglages &r)
{
    auto cm = [&r](Electrode e) {
        return csv::nombre(position_cm(r.montage.gauche_de(e), r.montage.largeur_de(e)), 1);
    };
    const QList<csv::Ligne> reglages{
        {QStringLiteral("intensité (V)"), csv::nombre((100 - r.position_i_stim) / 100.0, 2)},
        {QStringLiteral("second stimulus"), modele.deux_stim ? QStringLiteral("oui") : QStringLiteral("non")},
        {QStringLiteral("délai du second stimulus (ms)"), csv::nombre(r.p / 6.0, 2)},
        {QStringLiteral("anode (cm)"), cm(Electrode::Anode)},
        {QStringLiteral("cathode (cm)"), cm(Electrode::Cathode)},
        {QStringLiteral("électrode d'enregistrement 1 (cm)"), cm(Electrode::Enr1)},
        {QStringLiteral("électrode d'enregistrement 2 (cm)"), cm(Electrode::Enr2)},
        {QStringLiteral("préparation"), r.fibre ? QStringLiteral("fibre") : QStringLiteral("nerf")},
    };
    QList<csv::Ligne> lignes{{QStringLiteral("temps (ms)"), QStringLiteral("signal (mV)")}};
    for (int i = 1; i <= ModeleNerf::NB_DESSINES; ++i) {
        const auto &e = modele.trace_enr[std::size_t(i)];
        lignes.append({csv::nombre(i / 6.0, 2), csv::nombre(e.voie1 - e.voie2, 2)});
    }
    return {{QStringLiteral("Réglages"), reglages, 0}, {QStringLiteral("Trace"), lignes}};
}
