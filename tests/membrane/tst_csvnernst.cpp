#include "membrane/csvnernst.h"
#include "membrane/fichiernst.h"
#include "membrane/programme.h"

#include <QtTest>

// The programme as spreadsheet rows: every step with its Em, then the
// recorded steps when a live recording left some.
class TstCsvNernst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lignes_data()
    {
        QTest::addColumn<QByteArray>("nst");
        QTest::addColumn<QList<double>>("enregistre"); // Em of recorded steps whose GK is 10 × their rank
        QTest::addColumn<QStringList>("attendu");       // every line, fields joined by ";"
        const QString entete = "étape;GK (%);GNa (%);[K]i (mmol/L);[K]e (mmol/L);[Na]i (mmol/L);[Na]e (mmol/L);Em (mV)";
        // The two-step example of the .nst format: Em -85.37 then 76.66 as
        // written; the trial stops before step 2, whose Em is one replay tick
        // after step 1's: EK(150/6) = -26.52 × ln 25 = -85.370, held for 40
        // relaxations; then ENa(8/144) = +76.658 and one relaxation at rate
        // 100 × 0.005: -85.370 + 0.5 × (76.658 + 85.370) = -4.356.
        const QByteArray deux = "2\r\n100\r\n0\r\n150\r\n6\r\n8\r\n144\r\n0\r\n100\r\n150\r\n6\r\n8\r\n144\r\n"
                                "-8.53700000000000E+0001\r\n 7.66600000000000E+0001\r\n";
        QTest::newRow("empty programme") << QByteArray("0\r\n") << QList<double>{} << QStringList{entete};
        QTest::newRow("two steps, the last one replayed")
            << deux << QList<double>{}
            << QStringList{entete, "1;100;0;150;6;8;144;-85,37", "2;0;100;150;6;8;144;-4,36"};
        // One step: the Em the trial settles on, EK.
        QTest::newRow("one step: the settled Em")
            << QByteArray("1\r\n100\r\n0\r\n150\r\n6\r\n8\r\n144\r\n 0.00000000000000E+0000\r\n")
            << QList<double>{} << QStringList{entete, "1;100;0;150;6;8;144;-85,37"};
        // The recorded steps keep the settings they were recorded with, not
        // the programme's steps of the same rank.
        QTest::newRow("recording after the programme")
            << deux << QList<double>{-80.004, 12.5}
            << QStringList{entete, "1;100;0;150;6;8;144;-85,37", "2;0;100;150;6;8;144;-4,36", "",
                           "Enregistrement", entete, "1;10;5;140;5;10;130;-80,00", "2;20;5;140;5;10;130;12,50"};
        QTest::newRow("recording alone: no programme table")
            << QByteArray("0\r\n") << QList<double>{-70.0} << QStringList{entete, "1;10;5;140;5;10;130;-70,00"};
    }
    void lignes()
    {
        QFETCH(QByteArray, nst);
        QFETCH(QList<double>, enregistre);
        QFETCH(QStringList, attendu);
        Programme p;
        QVERIFY(lire_nst(nst, p));
        std::vector<PasEnregistre> pas;
        for (double em : enregistre) pas.push_back({{int32_t(10 * (pas.size() + 1)), 5, 140, 5, 10, 130}, em});
        QStringList lignes;
        for (const csv::Ligne &l : lignes_csv_nernst(p, pas)) lignes << l.join(';');
        QCOMPARE(lignes, attendu);
        // The workbook: one sheet per table.
        QStringList feuilles;
        for (const Tableau &t : classeur_nernst(p, pas)) feuilles << t.nom;
        QCOMPARE(feuilles.size(), (p.nb_etapes > 0 || pas.empty() ? 1 : 0) + (pas.empty() ? 0 : 1));
        QCOMPARE(feuilles.constLast(), pas.empty() ? QString("Programme") : QString("Enregistrement"));
    }

    void programme_plein()
    {
        Programme p;
        p.nb_etapes = Programme::TAILLE;
        const std::vector<PasEnregistre> em(200, PasEnregistre{}); // more than the table holds
        const QList<csv::Ligne> l = lignes_csv_nernst(p, em);
        QCOMPARE(l.size(), 1 + 83 + 3 + 83);
    }
};

QTEST_GUILESS_MAIN(TstCsvNernst)
#include "tst_csvnernst.moc"
