#include "compagnons/mavoren/simulateuremg.h"

#include <QtTest>

class TstSimulateurEmg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void latence_reflexe_data()
    {
        QTest::addColumn<double>("afferent");
        QTest::addColumn<double>("efferent");
        QTest::addColumn<double>("vitesse");
        QTest::addColumn<double>("latence");
        // (afferent + efferent) / speed, plus 1 + 0.8 + 0.7 = 2.5 ms of receptor, synapse and junction.
        QTest::newRow("1 m at 50 m/s: 20 + 2.5") << 0.5 << 0.5 << 50.0 << 22.5;
        QTest::newRow("1 m at 100 m/s: 10 + 2.5") << 0.5 << 0.5 << 100.0 << 12.5;
        QTest::newRow("1.9 m at 60 m/s: 31.67 + 2.5") << 0.95 << 0.95 << 60.0 << 1900.0 / 60.0 + 2.5;
        QTest::newRow("0.7 m at 10 m/s, demyelinated: 70 + 2.5") << 0.35 << 0.35 << 10.0 << 72.5;
        QTest::newRow("uneven paths: 0.3 + 0.9 m at 60 m/s: 20 + 2.5") << 0.3 << 0.9 << 60.0 << 22.5;
    }
    void latence_reflexe()
    {
        QFETCH(double, afferent);
        QFETCH(double, efferent);
        QFETCH(double, vitesse);
        QFETCH(double, latence);
        SimulateurEmg s;
        s.arc.afferent_m = afferent;
        s.arc.efferent_m = efferent;
        s.vitesse_m_s = vitesse;
        QVERIFY(std::abs(s.latence_reflexe_ms() - latence) < 1e-9);

        // The EMG of a tap starts at that latency, to within two samples, and not before.
        for (unsigned graine : {1u, 2u, 3u}) {
            std::mt19937 g(graine);
            const SimulateurEmg::Essai e = s.essai_reflexe(g, "x");
            QCOMPARE(e.debut_emg_ms, latence);
            const double debut = SimulateurEmg::debut_activite(e.enregistrement, 0, SimulateurEmg::DEBUT_MS);
            QVERIFY2(debut >= latence && debut <= latence + 0.2, qPrintable(QString::number(debut)));
        }
    }

    void catalogue_data()
    {
        QTest::addColumn<int>("arc");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        // Textbook T-reflex latencies in an adult at 60 m/s: biceps 12–16, knee 18–23, ankle 30–35 ms.
        QTest::newRow("biceps") << 0 << 12.0 << 16.0;
        QTest::newRow("knee jerk") << 1 << 18.0 << 23.0;
        QTest::newRow("ankle jerk") << 2 << 30.0 << 35.0;
    }
    void catalogue()
    {
        QFETCH(int, arc);
        QFETCH(double, min);
        QFETCH(double, max);
        SimulateurEmg s;
        s.arc = ArcReflexe::catalogue().at(arc);
        QVERIFY(s.latence_reflexe_ms() >= min && s.latence_reflexe_ms() <= max);
    }

    void temps_de_reaction_data()
    {
        QTest::addColumn<double>("traitement");
        QTest::addColumn<double>("debut");
        // Knee: 150 ms of brain time + 0.6 m / 60 m/s in the cord + 0.8 + 0.6 m / 60 m/s + 0.7.
        QTest::newRow("150 ms of brain time") << 150.0 << 150.0 + 10.0 + 0.8 + 10.0 + 0.7;
        QTest::newRow("100 ms") << 100.0 << 100.0 + 21.5;
    }
    void temps_de_reaction()
    {
        QFETCH(double, traitement);
        QFETCH(double, debut);
        SimulateurEmg s;
        std::mt19937 g(5);
        const SimulateurEmg::Essai e = s.essai_volontaire(g, "v", traitement);
        QVERIFY(std::abs(e.debut_emg_ms - debut) < 1e-9);
        const double vu = SimulateurEmg::debut_activite(e.enregistrement, 0, SimulateurEmg::DEBUT_MS);
        QVERIFY2(vu >= debut && vu <= debut + 0.2, qPrintable(QString::number(vu)));
    }

    void reaction_variable_reflexe_constant()
    {
        // Over many trials the reaction time varies within its bounds and
        // always exceeds the reflex latency, which does not vary.
        SimulateurEmg s;
        std::mt19937 g(11);
        double min = 1e9, max = 0;
        for (int k = 0; k < 200; ++k) {
            const double t = SimulateurEmg::tirer_traitement_ms(g);
            QVERIFY(t >= SimulateurEmg::TRAITEMENT_MIN_MS && t <= SimulateurEmg::TRAITEMENT_MAX_MS);
            min = std::min(min, t);
            max = std::max(max, t);
        }
        QVERIFY(max - min > 50.0);
        QVERIFY(min + s.conduction_volontaire_ms() > 4 * s.latence_reflexe_ms());
    }

    void essai_enregistre()
    {
        // Two channels from −20 ms every 0.1 ms; the sensor is still before 0 and moves at 0.
        SimulateurEmg s;
        std::mt19937 g(3);
        const Enregistrement e = s.essai_reflexe(g, "Réflexe n°1").enregistrement;
        QCOMPARE(e.voies.size(), 2);
        QCOMPARE(e.essais.front().nom, QString("Réflexe n°1"));
        QCOMPARE(e.nb_echantillons(0), 1201);
        QCOMPARE(e.fin_ms(), SimulateurEmg::FIN_REFLEXE_MS);
        QVERIFY(std::abs(e.valeur(0, 0, -0.1)) < 0.05);
        QVERIFY(e.valeur(0, 0, 0.0) > 3.0);
        // The compound response is of the order of a millivolt.
        double crete = 0.0;
        for (double v : e.essais.front().valeurs[1]) crete = std::max(crete, std::abs(v));
        QVERIFY2(crete > 0.8 && crete < 5.0, qPrintable(QString::number(crete)));
        // The same seed gives the same trial.
        std::mt19937 g2(3);
        QCOMPARE(s.essai_reflexe(g2, "Réflexe n°1").enregistrement.essais.front().valeurs, e.essais.front().valeurs);
    }
};

QTEST_GUILESS_MAIN(TstSimulateurEmg)
#include "tst_simulateuremg.moc"
