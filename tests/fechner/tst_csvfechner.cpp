#include "fechner/csvfechner.h"
#include "fechner/grillefechner.h"

#include <QtTest>

using Cellules = QList<std::tuple<int, int, QString>>; // column, row, text

// The grid's trials as spreadsheet rows: which cells count and how they read.
class TstCsvFechner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lignes_data()
    {
        QTest::addColumn<Cellules>("cellules");
        QTest::addColumn<QStringList>("attendu"); // the rows after the header, fields joined by ";"
        QTest::newRow("empty grid: header only") << Cellules{} << QStringList{};
        QTest::newRow("felt and not felt")
            << Cellules{{1, 1, "5"}, {1, 2, "O"}, {2, 3, "10"}, {2, 4, "N"}}
            << QStringList{"0;1;5;O", "20;2;10;N"};
        QTest::newRow("grid order: masses down, trials across")
            << Cellules{{3, 49, "300"}, {2, 1, "15"}, {1, 1, "5"}}
            << QStringList{"0;1;5;", "0;2;15;", "2000;3;300;"};
        QTest::newRow("whole numbers as the curve reads them")
            << Cellules{{1, 5, " 40"}, {2, 5, "$1F"}, {3, 5, "-5"}, {4, 5, "0"}}
            << QStringList{"40;1;40;", "40;2;31;", "40;3;-5;", "40;4;0;"};
        QTest::newRow("not numbers are left out")
            << Cellules{{1, 7, "12a?"}, {2, 7, ""}, {3, 7, "10 g"}, {4, 7, "7"}}
            << QStringList{"60;4;7;"};
        QTest::newRow("answers read as the analysis reads them")
            << Cellules{{1, 9, "5"}, {1, 10, "OUI?"}, {2, 9, "5"}, {2, 10, "o"}, {3, 9, "5"}, {3, 10, " n "}}
            << QStringList{"80;1;5;", "80;2;5;O", "80;3;5;N"};
        QTest::newRow("the hidden twelfth value is trial 11")
            << Cellules{{11, 11, "25"}, {11, 12, "O"}} << QStringList{"100;11;25;O"};
    }
    void lignes()
    {
        QFETCH(Cellules, cellules);
        QFETCH(QStringList, attendu);
        GrilleFechner g;
        g.ecrire_entetes();
        for (const auto &[col, ligne, texte] : cellules) g.ecrire(col, ligne, texte);
        const QList<csv::Ligne> l = lignes_csv_fechner(g);
        QCOMPARE(l.first(), (csv::Ligne{"masse portée (g)", "essai", "masse ajoutée (g)", "ressentie (O/N)"}));
        QStringList rangs;
        for (qsizetype i = 1; i < l.size(); ++i) rangs << l[i].join(';');
        QCOMPARE(rangs, attendu);
        QCOMPARE(a_des_essais(g), !attendu.isEmpty());
    }

    // A full grid: 25 carried masses × 11 trials, every one a number.
    void grille_pleine()
    {
        GrilleFechner g;
        g.ecrire_entetes();
        for (int ligne = 1; ligne < 50; ligne += 2)
            for (int col = 1; col <= 11; ++col) {
                g.ecrire(col, ligne, QString::number(col * 10));
                g.ecrire(col, ligne + 1, col % 2 ? "O" : "N");
            }
        const QByteArray octets = csv::octets(lignes_csv_fechner(g));
        QCOMPARE(octets.count("\r\n"), 1 + 25 * 11);
        QVERIFY(octets.endsWith("2000;11;110;O\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstCsvFechner)
#include "tst_csvfechner.moc"
