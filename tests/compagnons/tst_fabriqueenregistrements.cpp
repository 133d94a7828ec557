#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/commun/formatexw.h"
#include "compagnons/mavoren/simulateuremg.h"
#include "common/fichiertexte.h"

#include <QtTest>

namespace {

QString run_dir() { return qEnvironmentVariable("KALMENO_RUN_DIR"); }

// The peak-to-peak size of the nerve channel between t0 and t1, in one trial,
// or in its difference with another (what remains once the common part is gone).
double crete_a_crete(const Enregistrement &e, int essai, double t0, double t1, int moins = -1)
{
    double bas = 0.0, haut = 0.0;
    for (int i = e.indice(essai, t0); i <= e.indice(essai, t1); ++i) {
        double v = e.essais[essai].valeurs[1][i];
        if (moins >= 0) v -= e.essais[moins].valeurs[1][i];
        bas = std::min(bas, v);
        haut = std::max(haut, v);
    }
    return haut - bas;
}

using Groupe = FabriqueEnregistrements::Groupe;
const Groupe &longue() { return FabriqueEnregistrements::groupes()[0]; }
const Groupe &courte() { return FabriqueEnregistrements::groupes()[1]; }

// The nerve's responses start about 1.1 ms after a shock (5 cm at up to 45 m/s)
// and are over 2 ms later.
constexpr double DEBUT_REPONSE = 0.8;
constexpr double FIN_REPONSE = 3.2;

} // namespace

class TstFabriqueEnregistrements : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void relu_par_le_visualiseur_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("nb_essais");
        // 15 paired trials, then 7 trains on a long-period fibre and 6 on a short-period one.
        QTest::newRow("refractory period") << "&refr~A.exw" << 15 + 7 + 6;
        QTest::newRow("recruitment") << "&recr~A.exw" << int(FabriqueEnregistrements::intensites().size());
        QTest::newRow("reflex and voluntary") << "&revol~A.exw" << 6;
    }
    void relu_par_le_visualiseur()
    {
        // The files the build wrote hold exactly what the tool makes, and read back.
        QFETCH(QString, fichier);
        QFETCH(int, nb_essais);
        const FormatExw::Lecture l = FormatExw::lire_fichier(run_dir() + "/cassybio/electro/" + fichier);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(int(l.enregistrement.essais.size()), nb_essais);
        const FabriqueEnregistrements f;
        const Enregistrement attendu = fichier.startsWith("&refr") ? f.refractaire()
                                       : fichier.startsWith("&recr") ? f.recrutement()
                                                                     : FabriqueEnregistrements::reflexe_volontaire();
        QCOMPARE(l.enregistrement.titre, attendu.titre);
        QCOMPARE(l.enregistrement.notes, attendu.notes);
        QCOMPARE(l.enregistrement.periode_ms, attendu.periode_ms);
        QCOMPARE(l.enregistrement.debut_ms, attendu.debut_ms);
        for (int e = 0; e < nb_essais; ++e) {
            QCOMPARE(l.enregistrement.essais[e].nom, attendu.essais[e].nom);
            QCOMPARE(l.enregistrement.essais[e].valeurs, attendu.essais[e].valeurs);
        }
    }

    void potentiels_data()
    {
        QTest::addColumn<int>("groupe");
        QTest::addColumn<QList<double>>("chocs");
        QTest::addColumn<QList<double>>("tailles"); // of each shock's action potential; 0: none
        // Absolute periods 2.0 and 1.5 ms; then 1 - exp(-(interval - period) / 0.025 ms).
        QTest::newRow("long, 2.5 ms: whole") << 0 << QList<double>{0, 2.5} << QList<double>{1, 1};
        QTest::newRow("long, 2.1 ms: 1 - e^-4") << 0 << QList<double>{0, 2.1} << QList<double>{1, 0.9817};
        QTest::newRow("long, 2.05 ms: 1 - e^-2") << 0 << QList<double>{0, 2.05} << QList<double>{1, 0.8647};
        QTest::newRow("long, 2.0 ms: absolute") << 0 << QList<double>{0, 2.0} << QList<double>{1, 0};
        QTest::newRow("long, 1.9 ms: absolute") << 0 << QList<double>{0, 1.9} << QList<double>{1, 0};
        QTest::newRow("short, 2.0 ms: whole") << 1 << QList<double>{0, 2.0} << QList<double>{1, 1};
        QTest::newRow("short, 1.6 ms: 1 - e^-4") << 1 << QList<double>{0, 1.6} << QList<double>{1, 0.9817};
        QTest::newRow("short, 1.5 ms: absolute") << 1 << QList<double>{0, 1.5} << QList<double>{1, 0};
        // In a train too fast for the fibre, the shock after a missed one finds it recovered.
        QTest::newRow("long, 500 Hz train: one in two") << 0 << QList<double>{0, 2, 4, 6} << QList<double>{1, 0, 1, 0};
        QTest::newRow("short, 645 Hz train: every one")
            << 1 << QList<double>{0, 1.55, 3.1} << QList<double>{1, 0.8647, 0.8647};
        QTest::newRow("short, 690 Hz train: one in two")
            << 1 << QList<double>{0, 1.45, 2.9, 4.35} << QList<double>{1, 0, 1, 0};
    }
    void potentiels()
    {
        QFETCH(int, groupe);
        QFETCH(QList<double>, chocs);
        QFETCH(QList<double>, tailles);
        const auto p = FabriqueEnregistrements::potentiels(FabriqueEnregistrements::groupes()[groupe],
                                                           std::vector<double>(chocs.begin(), chocs.end()));
        int k = 0;
        for (int i = 0; i < chocs.size(); ++i) {
            if (tailles[i] == 0) continue;
            QVERIFY(k < int(p.size()));
            QCOMPARE(p[k].t, chocs[i]);
            QVERIFY2(std::abs(p[k].taille - tailles[i]) < 1e-4, qPrintable(QString::number(p[k].taille)));
            ++k;
        }
        QCOMPARE(int(p.size()), k);
    }

    void groupes()
    {
        // 500 Hz and 667 Hz at most; the short-period fibres a little faster and
        // the more excitable, at 0.20 V; every fibre excited by 0.70 V.
        QCOMPARE(1000.0 / longue().periode_absolue_ms, 500.0);
        QCOMPARE(std::round(1000.0 / courte().periode_absolue_ms), 667.0);
        QVERIFY(courte().vitesse_m_s > longue().vitesse_m_s && courte().vitesse_m_s < 1.2 * longue().vitesse_m_s);
        QCOMPARE(longue().part + courte().part, 1.0);
        QCOMPARE(std::min(longue().seuil_v, courte().seuil_v), 0.20);
        QCOMPARE(std::max(longue().seuil_plein_v, courte().seuil_plein_v), 0.70);
    }

    void periode_refractaire_data()
    {
        QTest::addColumn<double>("intervalle");
        QTest::addColumn<QString>("deuxieme"); // "entière", "réduite" or "absente"
        // Whole from 2.1 ms (both groups), reduced from 2.0 to 1.6 ms (the short-period
        // fibres alone), absent from 1.5 ms down.
        for (double i : {5.0, 4.0, 3.0, 2.5, 2.2, 2.1})
            QTest::addRow("%.1f ms: whole", i) << i << "entière";
        for (double i : {2.0, 1.9, 1.8, 1.7, 1.6})
            QTest::addRow("%.1f ms: reduced", i) << i << "réduite";
        for (double i : {1.5, 1.4, 1.3, 1.0})
            QTest::addRow("%.1f ms: none", i) << i << "absente";
    }
    void periode_refractaire()
    {
        QFETCH(double, intervalle);
        QFETCH(QString, deuxieme);
        const Enregistrement e = FabriqueEnregistrements().refractaire();
        const int k = FabriqueEnregistrements::intervalles().indexOf(intervalle);
        QVERIFY(k >= 0);
        QVERIFY(e.essais[k].nom.startsWith(QStringLiteral("Intervalle ") + QString::number(intervalle, 'f', 1).replace('.', ',')));
        // The first response stands alone in trial 0 (5 ms) up to 6 ms, and in the
        // trial at 1.0 ms, which has no second one: what differs from one of them
        // after trial k's second shock is the second response.
        const int seule = FabriqueEnregistrements::intervalles().indexOf(1.0);
        const double premiere = crete_a_crete(e, 0, DEBUT_REPONSE, FIN_REPONSE);
        const double seconde = crete_a_crete(e, k, intervalle + DEBUT_REPONSE, intervalle + FIN_REPONSE,
                                             k == seule ? 0 : seule);
        const double rapport = seconde / premiere;
        const QString vu = QString::number(rapport);
        if (deuxieme == "entière") QVERIFY2(rapport > 0.95 && rapport < 1.05, qPrintable(vu));
        else if (deuxieme == "réduite") QVERIFY2(rapport > 0.35 && rapport < 0.75, qPrintable(vu));
        else QVERIFY2(rapport < 0.05, qPrintable(vu));
        // Two shocks of 1.00 V on the stimulation channel.
        QCOMPARE(e.valeur(k, 0, 0.0), 1.0);
        QCOMPARE(e.valeur(k, 0, intervalle + 0.05), 1.0);
        QCOMPARE(e.valeur(k, 0, -0.5), 0.0);
        QCOMPARE(e.valeur(k, 0, intervalle - 0.05), 0.0);
    }

    void trains_data()
    {
        QTest::addColumn<int>("groupe");
        QTest::addColumn<double>("periode");
        QTest::addColumn<bool>("suit"); // the fibre answers every shock
        // A fibre follows while the period exceeds its absolute refractory period.
        QTest::newRow("long, 2.5 ms (400 Hz)") << 0 << 2.5 << true;
        QTest::newRow("long, 2.05 ms (488 Hz)") << 0 << 2.05 << true;
        QTest::newRow("long, 2.0 ms (500 Hz)") << 0 << 2.0 << false;
        QTest::newRow("long, 1.8 ms (556 Hz)") << 0 << 1.8 << false;
        QTest::newRow("short, 1.55 ms (645 Hz)") << 1 << 1.55 << true;
        QTest::newRow("short, 1.5 ms (667 Hz)") << 1 << 1.5 << false;
        QTest::newRow("short, 1.35 ms (741 Hz)") << 1 << 1.35 << false;
    }
    void trains()
    {
        QFETCH(int, groupe);
        QFETCH(double, periode);
        QFETCH(bool, suit);
        const Enregistrement e = FabriqueEnregistrements().refractaire();
        int k = FabriqueEnregistrements::intervalles().size();
        if (groupe == 1) k += FabriqueEnregistrements::periodes_trains(0).size();
        k += FabriqueEnregistrements::periodes_trains(groupe).indexOf(periode);
        QVERIFY(e.essais[k].nom.contains(QString::number(std::lround(1000 / periode)) + " Hz"));
        // Shocks every period up to 15 ms; after each one, a fibre's potential
        // (over 2 cm) or nothing but the artefact's tail.
        const double premiere = crete_a_crete(e, k, 0.3, 1.4);
        QVERIFY(premiere > 1.0);
        int reponses = 0, chocs = 0;
        for (double t = 0; t <= 15.0 + 1e-9; t += periode, ++chocs) {
            QCOMPARE(e.valeur(k, 0, t), FabriqueEnregistrements::VOLTS_TRAINS);
            if (crete_a_crete(e, k, t + 0.3, t + 1.3) > 0.5 * premiere) ++reponses;
        }
        if (suit) QCOMPARE(reponses, chocs);
        else QCOMPARE(reponses, (chocs + 1) / 2);
    }

    void recrutement_data()
    {
        QTest::addColumn<int>("intensite");
        QTest::addColumn<double>("bas"); // share of the largest response
        QTest::addColumn<double>("haut");
        // No fibre below 0.20 V; at 0.20 V a sixth of the short-period fibres
        // (a few per cent of the nerve); all of them by 0.45 V, all fibres by 0.70 V.
        QTest::newRow("0.10 V: nothing") << 10 << 0.0 << 0.02;
        QTest::newRow("0.19 V: nothing") << 19 << 0.0 << 0.02;
        QTest::newRow("0.20 V: the most excitable") << 20 << 0.03 << 0.15;
        QTest::newRow("0.40 V: more") << 40 << 0.35 << 0.8;
        QTest::newRow("0.70 V: every fibre") << 70 << 0.98 << 1.02;
        QTest::newRow("1.00 V: no more") << 100 << 0.98 << 1.02;
    }
    void recrutement()
    {
        QFETCH(int, intensite);
        QFETCH(double, bas);
        QFETCH(double, haut);
        const Enregistrement e = FabriqueEnregistrements().recrutement();
        const QList<int> &i = FabriqueEnregistrements::intensites();
        const int k = i.indexOf(intensite);
        const double reference = crete_a_crete(e, i.indexOf(100), DEBUT_REPONSE, FIN_REPONSE);
        const double part = crete_a_crete(e, k, DEBUT_REPONSE, FIN_REPONSE) / reference;
        QVERIFY2(part >= bas && part <= haut, qPrintable(QString::number(part)));
        QCOMPARE(e.valeur(k, 0, 0.0), intensite / 100.0);
        // The response never shrinks as the shock grows.
        for (int j = 1; j < i.size(); ++j)
            QVERIFY(crete_a_crete(e, j, DEBUT_REPONSE, FIN_REPONSE) >
                    crete_a_crete(e, j - 1, DEBUT_REPONSE, FIN_REPONSE) - 0.05);
    }

    void reflexe_puis_volontaire()
    {
        // Three taps then three light signals; each EMG starts after its stimulus
        // at the simulator's latency or reaction time.
        const Enregistrement e = FabriqueEnregistrements::reflexe_volontaire();
        SimulateurEmg s;
        for (int k = 0; k < 3; ++k) {
            const double d = SimulateurEmg::debut_activite(e, k, 0.0);
            QVERIFY(d >= s.latence_reflexe_ms() && d <= s.latence_reflexe_ms() + 0.2);
        }
        for (int k = 3; k < 6; ++k) {
            const double d = SimulateurEmg::debut_activite(e, k, 0.0);
            QVERIFY(d >= SimulateurEmg::TRAITEMENT_MIN_MS + s.conduction_volontaire_ms());
            QVERIFY(d <= SimulateurEmg::TRAITEMENT_MAX_MS + s.conduction_volontaire_ms() + 0.2);
        }
    }

    void modele_du_lanceur()
    {
        // CR LF lines; "SET CHEM_CAS" on the second, and on no other.
        LecteurLignes l(FabriqueEnregistrements::modele_lanceur());
        QList<QByteArray> lignes;
        while (!l.fin()) lignes << l.ligne();
        QVERIFY(lignes.size() >= 2);
        QVERIFY(lignes[1].startsWith("SET CHEM_CAS="));
        for (int k = 0; k < lignes.size(); ++k) QCOMPARE(lignes[k].contains("SET CHEM_CAS"), k == 1);
        QVERIFY(FabriqueEnregistrements::modele_lanceur().endsWith("\r\n"));
        QByteArray sav;
        QVERIFY(lire_fichier(run_dir() + "/cassybio/cassybio.sav", sav));
        QCOMPARE(sav, FabriqueEnregistrements::modele_lanceur());
    }

    void lanceurs_executables()
    {
        // The launcher and its local copy are the viewer itself, executable:
        // by its rights here, by its contents (a program file starts "MZ") on
        // Windows, which starts a program whatever its extension.
        const bool windows = QSysInfo::productType() == QLatin1String("windows");
        for (const char *f : {"/CASSYBIO/cassybio.ppp", "/cassybio/cassybio.pif", "/terplux/terplux.exe", "/mavoren/mavoren.exe"}) {
            const QFileInfo info(run_dir() + f);
            QFile programme(info.filePath());
            QVERIFY2(info.isFile() && programme.open(QIODevice::ReadOnly), f);
            QVERIFY2(windows ? programme.read(2) == "MZ" : info.isExecutable(), f);
        }
    }
};

QTEST_GUILESS_MAIN(TstFabriqueEnregistrements)
#include "tst_fabriqueenregistrements.moc"
