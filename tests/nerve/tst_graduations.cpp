// The time and distance scales: ticks every 15 pixels, numbers every 30.
#include "common/canevas.h"
#include "nerve/graduations.h"

#include <QtTest>

class TstGraduations : public QObject {
    Q_OBJECT
private:
    QImage temps_ = image_unie(402, 19);
    QImage distance_ = image_unie(402, 19);

private Q_SLOTS:
    void initTestCase() { dessiner_graduations(temps_, distance_); }

    void coches_data()
    {
        QTest::addColumn<bool>("sur_temps");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("noir");
        // Time scale, b = -1: rectangle (round(1.5(i + 25) - 31), 3) to (round(1.5(i + 24) - 31), 6).
        QTest::newRow("time i=0: round(6.5) = 6 and 5, column 5") << true << 5 << 3 << true;
        QTest::newRow("time i=0: rows 3 to 5") << true << 5 << 5 << true;
        QTest::newRow("time i=0: not row 6") << true << 5 << 6 << false;
        QTest::newRow("time i=0: not row 2") << true << 5 << 2 << false;
        QTest::newRow("time i=0: one pixel wide, not column 6") << true << 6 << 4 << false;
        QTest::newRow("time i=10: 22 and 20, columns 20 and 21") << true << 20 << 4 << true;
        QTest::newRow("time i=10: column 21") << true << 21 << 4 << true;
        QTest::newRow("time i=10: not column 22") << true << 22 << 4 << false;
        QTest::newRow("time i=20: round(36.5) = 36 and 35, column 35") << true << 35 << 4 << true;
        QTest::newRow("time i=260: round(396.5) = 396 and 395") << true << 395 << 4 << true;
        // Distance scale: 15 pixels further left, rows 3 to 6.
        QTest::newRow("distance i=0 is left of the picture") << false << 0 << 4 << false;
        QTest::newRow("distance i=10: round(6.5) = 6 and 5, column 5") << false << 5 << 3 << true;
        QTest::newRow("distance i=10: down to row 6") << false << 5 << 6 << true;
        QTest::newRow("distance i=10: not row 7") << false << 5 << 7 << false;
        QTest::newRow("distance i=20: round(21.5) = 22 and 20, column 21") << false << 21 << 4 << true;
        QTest::newRow("distance: nothing between ticks") << false << 13 << 4 << false;
    }
    void coches()
    {
        QFETCH(bool, sur_temps);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, noir);
        QImage &im = sur_temps ? temps_ : distance_;
        Canevas c(im);
        QCOMPARE(c.pixel(x, y) == NOIR, noir);
    }

    void nombres_data()
    {
        QTest::addColumn<bool>("sur_temps");
        QTest::addColumn<int>("x0");
        QTest::addColumn<int>("x1");
        // Labels at round(1.5(i + 15)) - 19, from row 7 down.
        QTest::newRow("time 0 at x = 3") << true << 3 << 10;
        QTest::newRow("time 1 at x = 33") << true << 33 << 40;
        QTest::newRow("distance 0 at x = 3") << false << 3 << 10;
        QTest::newRow("distance 4 at x = 33") << false << 33 << 40;
    }
    void nombres()
    {
        // Some ink below the ticks where each number is written, none between numbers.
        QFETCH(bool, sur_temps);
        QFETCH(int, x0);
        QFETCH(int, x1);
        QImage &im = sur_temps ? temps_ : distance_;
        Canevas c(im);
        int encre = 0, entre = 0;
        for (int y = 7; y < 19; ++y) {
            for (int x = x0; x < x1; ++x) encre += c.pixel(x, y) != BLANC;
            for (int x = x0 + 12; x < x0 + 18; ++x) entre += c.pixel(x, y) != BLANC;
        }
        QVERIFY(encre > 5);
        QCOMPARE(entre, 0);
    }
};

QTEST_MAIN(TstGraduations)
#include "tst_graduations.moc"
