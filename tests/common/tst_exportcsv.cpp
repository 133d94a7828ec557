#include "common/exportcsv.h"

#include <QtTest>

// The spreadsheet file: what a French spreadsheet needs to open it directly.
class TstExportCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nombre_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("decimal comma") << 3.5 << 1 << "3,5";
        QTest::newRow("padded decimals") << 2.0 << 2 << "2,00";
        QTest::newRow("negative") << -85.37 << 2 << "-85,37";
        QTest::newRow("rounded up") << 0.666 << 2 << "0,67";
        QTest::newRow("no decimals") << 150.0 << 0 << "150";
        QTest::newRow("negative zero after rounding") << -0.001 << 2 << "0,00";
    }
    void nombre()
    {
        QFETCH(double, valeur);
        QFETCH(int, decimales);
        QFETCH(QString, attendu);
        QCOMPARE(csv::nombre(valeur, decimales), attendu);
    }

    void nombre_independant_de_la_locale()
    {
        const QLocale ancienne;
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(csv::nombre(1234.5, 1), QString("1234,5")); // no thousands separator
        QLocale::setDefault(ancienne);
    }

    void champ_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("plain") << "masse portée (g)" << "masse portée (g)";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("semicolon") << "a;b" << "\"a;b\"";
        QTest::newRow("quote doubled") << "dit \"oui\"" << "\"dit \"\"oui\"\"\"";
        QTest::newRow("line break") << "a\nb" << "\"a\nb\"";
        QTest::newRow("comma is not special") << "1,5" << "1,5";
    }
    void champ()
    {
        QFETCH(QString, texte);
        QFETCH(QString, ecrit);
        QCOMPARE(csv::champ(texte), ecrit);
    }

    void octets_data()
    {
        QTest::addColumn<QList<csv::Ligne>>("lignes");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("nothing: the mark alone") << QList<csv::Ligne>{} << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("header and a row")
            << QList<csv::Ligne>{{"étape", "Em (mV)"}, {"1", "-85,37"}}
            << QByteArray("\xEF\xBB\xBF" "\xC3\xA9tape;Em (mV)\r\n1;-85,37\r\n");
        QTest::newRow("empty line and empty field")
            << QList<csv::Ligne>{{}, {"a", "", "c"}} << QByteArray("\xEF\xBB\xBF\r\na;;c\r\n");
        QTest::newRow("quoted field") << QList<csv::Ligne>{{"x;y", "z"}} << QByteArray("\xEF\xBB\xBF\"x;y\";z\r\n");
    }
    void octets()
    {
        QFETCH(QList<csv::Ligne>, lignes);
        QFETCH(QByteArray, attendu);
        QCOMPARE(csv::octets(lignes), attendu);
    }
};

QTEST_GUILESS_MAIN(TstExportCsv)
#include "tst_exportcsv.moc"
