#include "nerve/csvnerf.h"

#include <QtTest>

// The nerve trace as spreadsheet rows: the set-up, then time and signal.
class TstCsvNerf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void position_data()
    {
        QTest::addColumn<int>("gauche");
        QTest::addColumn<double>("cm");
        // The distance scale: 0 under x = 12.5 of the group box, 7.5 pixels per cm;
        // an electrode 5 pixels wide stands at its middle.
        QTest::newRow("at the scale's 0") << 10 << 0.0;
        QTest::newRow("anode at start") << 64 << 7.2;
        QTest::newRow("recording 1 at start") << 208 << 26.4;
        QTest::newRow("end of the nerve, 311") << 311 << (311 + 2.5 - 12.5) / 7.5;
    }
    void position()
    {
        QFETCH(int, gauche);
        QFETCH(double, cm);
        QCOMPARE(position_cm(gauche, 5), cm);
    }

    void lignes_data()
    {
        QTest::addColumn<int>("position_i_stim");
        QTest::addColumn<int>("p");
        QTest::addColumn<bool>("fibre");
        QTest::addColumn<bool>("deux");
        QTest::addColumn<QStringList>("reglages");
        QTest::newRow("nerve, one stimulus")
            << 40 << 50 << false << false
            << QStringList{"intensité (V);0,60", "second stimulus;non", "délai du second stimulus (ms);8,33",
                           "anode (cm);7,2", "cathode (cm);9,3", "électrode d'enregistrement 1 (cm);26,4",
                           "électrode d'enregistrement 2 (cm);28,5", "préparation;nerf"};
        QTest::newRow("fibre, two stimuli 2 ms apart")
            << 0 << 12 << true << true
            << QStringList{"intensité (V);1,00", "second stimulus;oui", "délai du second stimulus (ms);2,00",
                           "anode (cm);7,2", "cathode (cm);9,3", "électrode d'enregistrement 1 (cm);26,4",
                           "électrode d'enregistrement 2 (cm);28,5", "préparation;fibre"};
    }
    void lignes()
    {
        QFETCH(int, position_i_stim);
        QFETCH(int, p);
        QFETCH(bool, fibre);
        QFETCH(bool, deux);
        QFETCH(QStringList, reglages);
        ModeleNerf m;
        m.deux_stim = deux;
        m.trace_enr[1] = {2.0, 0.5};
        m.trace_enr[6] = {0.0, 10.256};
        m.trace_enr[81] = {99.0, 0.0}; // not drawn, not written
        ModeleNerf::Reglages r;
        r.position_i_stim = position_i_stim;
        r.p = p;
        r.fibre = fibre;
        QStringList l;
        for (const csv::Ligne &x : lignes_csv_nerf(m, r)) l << x.join(';');
        QCOMPARE(l.mid(0, 8), reglages);
        QCOMPARE(l[8], QString());
        QCOMPARE(l[9], QString("temps (ms);signal (mV)"));
        QCOMPARE(l.size(), 10 + ModeleNerf::NB_DESSINES);
        QCOMPARE(l[10], QString("0,17;1,50"));  // sample 1: voie1 − voie2
        QCOMPARE(l[15], QString("1,00;-10,26")); // sample 6 is 1 ms after the stimulus
        QCOMPARE(l.last(), QString("13,33;0,00"));
    }
};

QTEST_GUILESS_MAIN(TstCsvNerf)
#include "tst_csvnerf.moc"
