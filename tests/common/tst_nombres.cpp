#include "common/couleur.h"
#include "common/nombres.h"

#include <QtTest>

class TstNombres : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arrondi_pair_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("attendu");
        QTest::newRow("half to even down") << 0.5 << 0;
        QTest::newRow("half to even up") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("negative half") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("190.5 (Fechner scale 40)") << 190.5 << 190;
        QTest::newRow("151 / 2 bars") << 75.5 << 76;
        QTest::newRow("below half") << 2.49 << 2;
        QTest::newRow("above half") << 2.51 << 3;
        QTest::newRow("huge is held") << 1e12 << 2147483647;
        QTest::newRow("huge negative is held") << -1e12 << int(-2147483647 - 1);
        QTest::newRow("nan") << std::nan("") << 0;
    }
    void arrondi_pair()
    {
        QFETCH(double, x);
        QFETCH(int, attendu);
        QCOMPARE(arrondi(x), attendu);
    }

    void legende_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("padded") << -85.37 << 7 << 2 << " -85.37";
        QTest::newRow("padded wider") << 76.66 << 8 << 2 << "   76.66";
        QTest::newRow("width 2 integer") << 0.0 << 2 << 0 << " 0";
        QTest::newRow("exact zero") << 0.0 << 1 << 2 << "0.00";
        QTest::newRow("negative zero shows no sign") << -0.0 << 1 << 2 << "0.00";
        QTest::newRow("-0.004 shows as zero, no sign") << -0.004 << 2 << 2 << "0.00";
        QTest::newRow("-0.4 with no decimals, padded") << -0.4 << 2 << 0 << " 0";
        // The double nearest -0.005 is -0.00500000000000000010..., past the half.
        QTest::newRow("-0.005 keeps its sign") << -0.005 << 2 << 2 << "-0.01";
        QTest::newRow("-0.0001 with four decimals") << -0.0001 << 1 << 4 << "-0.0001";
        QTest::newRow("narrower than text") << 108.59 << 3 << 2 << "108.59";
        QTest::newRow("rounding") << 1.005 << 1 << 1 << "1.0";
        QTest::newRow("no decimals") << 150.0 << 3 << 0 << "150";
    }
    void legende()
    {
        QFETCH(double, x);
        QFETCH(int, largeur);
        QFETCH(int, decimales);
        QFETCH(QString, attendu);
        QCOMPARE(format_reel(x, largeur, decimales), attendu);
    }

    void reel_fichier_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("negative") << -85.37 << "-8.53700000000000E+0001";
        QTest::newRow("zero") << 0.0 << " 0.00000000000000E+0000";
        QTest::newRow("negative zero") << -0.0 << " 0.00000000000000E+0000";
        QTest::newRow("positive") << 76.66 << " 7.66600000000000E+0001";
        QTest::newRow("small") << 0.00125 << " 1.25000000000000E-0003";
        QTest::newRow("one") << 1.0 << " 1.00000000000000E+0000";
        QTest::newRow("large exponent") << -1.5e300 << "-1.50000000000000E+0300";
    }
    void reel_fichier()
    {
        QFETCH(double, x);
        QFETCH(QString, attendu);
        const QString s = format_reel_fichier(x);
        QCOMPARE(s, attendu);
        QCOMPARE(s.size(), 23);
    }

    void couleurs_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("valeur");
        QTest::newRow("orange of the dialog") << 240 << 191 << 125 << 8241136;
        QTest::newRow("cyan") << 0 << 255 << 255 << 16776960;
        QTest::newRow("violet") << 145 << 0 << 215 << 14090385;
        QTest::newRow("white") << 255 << 255 << 255 << 16777215;
        QTest::newRow("black") << 0 << 0 << 0 << 0;
    }
    void couleurs()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(int, valeur);
        QCOMPARE(couleur_rgb(r, g, b), valeur);
        QCOMPARE(rouge_de(valeur), r);
        QCOMPARE(vert_de(valeur), g);
        QCOMPARE(bleu_de(valeur), b);
        QCOMPARE(depuis_pixel(vers_pixel(valeur)), valeur);
        QCOMPARE(depuis_qcolor(vers_qcolor(valeur)), valeur);
    }

    void couleur_systeme()
    {
        // The face colour is negative and paints with the palette's button colour.
        QCOMPARE(COULEUR_FACE, int(0x8000000F));
        QPalette p;
        p.setColor(QPalette::Button, QColor(1, 2, 3));
        QCOMPARE(vers_qcolor(COULEUR_FACE, p), QColor(1, 2, 3));
        // Above 24 bits only the low 24 bits paint.
        QCOMPARE(vers_qcolor(0x7F0000FF), QColor(255, 0, 0));
    }
};

QTEST_GUILESS_MAIN(TstNombres)
#include "tst_nombres.moc"
