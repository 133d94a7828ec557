#include "common/entier.h"

#include <QtTest>

class TstEntier : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("valeur");
        QTest::addColumn<bool>("ok");
        // The reading rule of the program: value and success.
        QTest::newRow("plain") << "150" << 150 << true;
        QTest::newRow("leading blanks") << "  12" << 12 << true;
        QTest::newRow("plus sign") << "+7" << 7 << true;
        QTest::newRow("minus sign") << "-5" << -5 << true;
        QTest::newRow("hex $1f") << "$1f" << 31 << true;
        QTest::newRow("hex upper") << "$1F" << 31 << true;
        QTest::newRow("hex top bit is negative") << "$FFFFFFFF" << -1 << true;
        QTest::newRow("hex 80000000") << "$80000000" << int(0x80000000u) << true;
        QTest::newRow("max int") << "2147483647" << 2147483647 << true;
        QTest::newRow("min int") << "-2147483648" << int(-2147483647 - 1) << true;
        QTest::newRow("overflow keeps digits that fit") << "2147483648" << 214748364 << false;
        QTest::newRow("negative overflow, no sign") << "-2147483649" << 214748364 << false;
        QTest::newRow("hex overflow") << "$100000000" << 0x10000000 << false;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("blanks only") << "   " << 0 << false;
        QTest::newRow("trailing letter") << "12a" << 12 << false;
        QTest::newRow("trailing blank") << "12 " << 12 << false;
        QTest::newRow("sign without digits") << "-" << 0 << false;
        QTest::newRow("sign dropped on failure") << "-12x" << 12 << false;
        QTest::newRow("dollar alone") << "$" << 0 << false;
        QTest::newRow("sign before dollar") << "-$1" << 0 << false;
        QTest::newRow("decimal point") << "1.5" << 1 << false;
        QTest::newRow("question mark") << "20?" << 20 << false;
        QTest::newRow("letters") << "oui" << 0 << false;
    }
    void lecture()
    {
        QFETCH(QString, texte);
        QFETCH(int, valeur);
        QFETCH(bool, ok);
        const LectureEntier r = lire_entier(texte);
        QCOMPARE(r.valeur, valeur);
        QCOMPARE(r.ok, ok);
    }

    void reel_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::addColumn<bool>("ok");
        QTest::newRow("file form negative") << "-8.53700000000000E+0001" << -85.37 << true;
        QTest::newRow("file form zero") << " 0.00000000000000E+0000" << 0.0 << true;
        QTest::newRow("file form positive") << " 7.66600000000000E+0001" << 76.66 << true;
        QTest::newRow("plain") << "12.5" << 12.5 << true;
        QTest::newRow("plus sign") << "+3" << 3.0 << true;
        QTest::newRow("lower e") << "1e2" << 100.0 << true;
        QTest::newRow("point first") << ".5" << 0.5 << true;
        QTest::newRow("empty") << "" << 0.0 << false;
        QTest::newRow("garbage") << "abc" << 0.0 << false;
        QTest::newRow("valid prefix") << "12.5x" << 12.5 << false;
        QTest::newRow("dangling exponent") << "3E" << 3.0 << false;
        QTest::newRow("comma is no separator") << "0,2" << 0.0 << false;
        QTest::newRow("too large") << "1e400" << 0.0 << false;
    }
    void reel()
    {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QFETCH(bool, ok);
        const QByteArray b = texte.toLatin1();
        const LectureReel r = lire_reel(std::string_view(b.constData(), std::size_t(b.size())));
        QCOMPARE(r.valeur, valeur);
        QCOMPARE(r.ok, ok);
    }

    void reel_ignores_locale()
    {
        // Whatever LC_NUMERIC says, "." is the separator.
        const char *ancien = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
        const LectureReel r = lire_reel("2.5");
        if (ancien) std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(r.valeur, 2.5);
    }
};

QTEST_GUILESS_MAIN(TstEntier)
#include "tst_entier.moc"
