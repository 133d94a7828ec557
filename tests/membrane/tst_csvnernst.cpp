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
        QTest::addColumn<QList<double>>("enregistre");
        QTest::addColumn<QStringList>("attendu"); // every line, fields joined by ";"
        const QString entete = "étape;GK (%);GNa (%);[K]i (mmol/L);[K]e (mmol/L);[Na]i (mmol/L);[Na]e (mmol/L);Em (mV)";
        // The two-step example of the .nst format: Em -85.37 then 76.66.
        const QByteArray deux = "2\r\n100\r\n0\r\n150\r\n6\r\n8\r\n144\r\n0\r\n100\r\n150\r\n6\r\n8\r\n144\r\n"
                                "-8.53700000000000E+0001\r\n 7.66600000000000E+0001\r\n";
        QTest::newRow("empty programme") << QByteArray("0\r\n") << QList<double>{} << QStringList{entete};
        QTest::newRow("two steps")
            << deux << QList<double>{}
            << QStringList{entete, "1;100;0;150;6;8;144;-85,37", "2;0;100;150;6;8;144;76,66"};
        QTest::newRow("recording after the programme")
            << deux << QList<double>{-80.004, 12.5}
            << QStringList{entete, "1;100;0;150;6;8;144;-85,37", "2;0;100;150;6;8;144;76,66", "",
                           "Enregistrement", entete, "1;100;0;150;6;8;144;-80,00", "2;0;100;150;6;8;144;12,50"};
        QTest::newRow("recording alone") << QByteArray("0\r\n") << QList<double>{-70.0}
                                         << QStringList{entete, "", "Enregistrement", entete, "1;0;0;0;0;0;0;-70,00"};
    }
    void lignes()
    {
        QFETCH(QByteArray, nst);
        QFETCH(QList<double>, enregistre);
        QFETCH(QStringList, attendu);
        Programme p;
        QVERIFY(lire_nst(nst, p));
        const std::vector<double> em(enregistre.begin(), enregistre.end());
        QStringList lignes;
        for (const csv::Ligne &l : lignes_csv_nernst(p, em)) lignes << l.join(';');
        QCOMPARE(lignes, attendu);
    }

    void programme_plein()
    {
        Programme p;
        p.nb_etapes = Programme::TAILLE;
        const std::vector<double> em(200, 1.0); // more than the table holds
        const QList<csv::Ligne> l = lignes_csv_nernst(p, em);
        QCOMPARE(l.size(), 1 + 83 + 3 + 83);
    }
};

QTEST_GUILESS_MAIN(TstCsvNernst)
#include "tst_csvnernst.moc"
