#include "membrane/modelemembrane.h"

#include <QtTest>

// Expected potentials are −61/2.3 × ln(inside / outside), computed by hand.
class TstModeleMembrane : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pot_eq_data()
    {
        QTest::addColumn<double>("ki");
        QTest::addColumn<double>("ke");
        QTest::addColumn<double>("nai");
        QTest::addColumn<double>("nae");
        QTest::addColumn<double>("ek");
        QTest::addColumn<double>("ena");
        QTest::addColumn<QString>("legende_k");
        QTest::addColumn<QString>("legende_na");
        QTest::newRow("start-up values") << 150.0 << 6.0 << 8.0 << 144.0 << -85.3701849204175 << 76.65768575289829
                                         << "EeqK=-85.37" << "EnaK=76.66";
        QTest::newRow("textbook K 140/4, Na 12/145") << 140.0 << 4.0 << 12.0 << 145.0 << -94.29401380471924
                                                     << 66.08758810895088 << "EeqK=-94.29" << "EnaK=66.09";
        QTest::newRow("equal K: zero without sign") << 5.0 << 5.0 << 144.0 << 144.0 << 0.0 << 0.0 << "EeqK=0.00"
                                                    << "EnaK=0.00";
        QTest::newRow("K inside 0 becomes 0.1") << 0.0 << 6.0 << 8.0 << 144.0 << 108.58913838936876
                                                << 76.65768575289829 << "EeqK=108.59" << "EnaK=76.66";
        QTest::newRow("K outside 0 becomes 0.1") << 6.0 << 0.0 << 8.0 << 144.0 << -108.58913838936876
                                                 << 76.65768575289829 << "EeqK=-108.59" << "EnaK=76.66";
        QTest::newRow("both zero: 0.1 / 0.1") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << "EeqK=0.00"
                                              << "EnaK=0.00";
        QTest::newRow("above 300 held to 300") << 1000.0 << 0.0 << 8.0 << 144.0 << -212.3427920115935
                                               << 76.65768575289829 << "EeqK=-212.34" << "EnaK=76.66";
        QTest::newRow("negative held to 0 then 0.1") << -5.0 << 6.0 << 8.0 << 144.0 << 108.58913838936876
                                                     << 76.65768575289829 << "EeqK=108.59" << "EnaK=76.66";
    }
    void pot_eq()
    {
        QFETCH(double, ki);
        QFETCH(double, ke);
        QFETCH(double, nai);
        QFETCH(double, nae);
        QFETCH(double, ek);
        QFETCH(double, ena);
        QFETCH(QString, legende_k);
        QFETCH(QString, legende_na);
        ModeleMembrane m;
        m.c_ki = ki;
        m.c_ke = ke;
        m.c_nai = nai;
        m.c_nae = nae;
        m.calcul_pot_eq();
        QVERIFY(qAbs(m.e_k - ek) < 1e-9);
        QVERIFY(qAbs(m.e_na - ena) < 1e-9);
        QCOMPARE(m.legende_ek(), legende_k);
        QCOMPARE(m.legende_ena(), legende_na);
    }

    void zero_remplace_data()
    {
        QTest::addColumn<double>("ki");
        QTest::addColumn<double>("ke");
        QTest::addColumn<double>("ki_apres");
        QTest::addColumn<double>("ke_apres");
        QTest::newRow("the 0.1 stays in the variable") << 0.0 << 6.0 << 0.1 << 6.0;
        QTest::newRow("outside too") << 0.0 << 0.0 << 0.1 << 0.1;
        QTest::newRow("whole values untouched") << 150.0 << 6.0 << 150.0 << 6.0;
        QTest::newRow("out of range held") << 301.0 << -1.0 << 300.0 << 0.1;
    }
    void zero_remplace()
    {
        QFETCH(double, ki);
        QFETCH(double, ke);
        QFETCH(double, ki_apres);
        QFETCH(double, ke_apres);
        ModeleMembrane m;
        m.c_ki = ki;
        m.c_ke = ke;
        m.calcul_pot_eq();
        QCOMPARE(m.c_ki, ki_apres);
        QCOMPARE(m.c_ke, ke_apres);
    }

    // Em steps at the start-up concentrations: em += (target − em) × s × 0.005.
    void relaxation_data()
    {
        QTest::addColumn<int>("gk");
        QTest::addColumn<int>("gna");
        QTest::addColumn<QList<double>>("suite");
        QTest::addColumn<QString>("legende");
        QTest::newRow("GK 100: half the distance each step")
            << 100 << 0 << QList<double>{-42.68509246020875, -64.02763869031313, -74.69891180536531} << "Em=-74.70";
        QTest::newRow("GK = GNa = 100: target at once")
            << 100 << 100 << QList<double>{-4.356249583759606, -4.356249583759606} << "Em=-4.36";
        QTest::newRow("GK 20: a tenth of the distance")
            << 20 << 0 << QList<double>{-8.537018492041751, -16.220335134879328, -23.135320113433146} << "Em=-23.14";
        QTest::newRow("both 0: em 0, no division") << 0 << 0 << QList<double>{0.0, 0.0} << "Em=0.00";
        QTest::newRow("out of range held to 100") << 1000 << -5 << QList<double>{-42.68509246020875} << "Em=-42.69";
    }
    void relaxation()
    {
        QFETCH(int, gk);
        QFETCH(int, gna);
        QFETCH(QList<double>, suite);
        QFETCH(QString, legende);
        ModeleMembrane m;
        m.calcul_pot_eq();
        m.gk = gk;
        m.gna = gna;
        for (double attendu : suite) {
            m.calcul_em();
            QVERIFY2(qAbs(m.em - attendu) < 1e-9, qPrintable(QString::number(m.em, 'g', 17)));
        }
        QCOMPARE(m.legende_em(), legende);
    }

    // The Em caption: two decimals, and a value that shows as zero has no sign.
    void legende_em_data()
    {
        QTest::addColumn<double>("em");
        QTest::addColumn<QString>("legende");
        QTest::newRow("-0.004 rounds to zero") << -0.004 << "Em=0.00";
        QTest::newRow("-0.0049 rounds to zero") << -0.0049 << "Em=0.00";
        // The double nearest -0.005 lies just past the half: -0.00500000000000000010.
        QTest::newRow("-0.005") << -0.005 << "Em=-0.01";
        QTest::newRow("exact zero") << 0.0 << "Em=0.00";
        QTest::newRow("negative zero") << -0.0 << "Em=0.00";
        QTest::newRow("0.004") << 0.004 << "Em=0.00";
        QTest::newRow("-0.006") << -0.006 << "Em=-0.01";
        QTest::newRow("start-up EK") << -85.3701849204175 << "Em=-85.37";
    }
    void legende_em()
    {
        QFETCH(double, em);
        QFETCH(QString, legende);
        ModeleMembrane m;
        m.em = em;
        QCOMPARE(m.legende_em(), legende);
    }

    void conductances_nulles_remettent_a_zero()
    {
        ModeleMembrane m;
        m.calcul_pot_eq();
        m.gk = 100;
        m.calcul_em();
        m.gk = 0;
        m.calcul_em();
        QCOMPARE(m.em, 0.0);
        QCOMPARE(m.em_cible, 0.0);
    }
};

QTEST_GUILESS_MAIN(TstModeleMembrane)
#include "tst_modelemembrane.moc"
