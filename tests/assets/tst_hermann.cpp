#include "assets/ecrans_compagnons.h"
#include "assets/hermann.h"

#include <QtTest>

class TstHermann : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void grilles_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        // First grid: black squares on white streets; second: the reverse.
        QTest::newRow("grid 1 square") << QPoint(3 + 6, 3 + 3 + 6) << QColor(Qt::black);
        QTest::newRow("grid 1 crossing") << QPoint(17, 3 + 17) << QColor(Qt::white);
        QTest::newRow("grid 2 square") << QPoint(68 + 3 + 6, 3 + 3 + 6) << QColor(Qt::white);
        QTest::newRow("grid 2 crossing") << QPoint(68 + 17, 3 + 17) << QColor(Qt::black);
        QTest::newRow("grid 3 square") << QPoint(136 + 5 + 4, 5 + 5 + 4) << QColor(Qt::black);
        QTest::newRow("grid 3 wide street") << QPoint(136 + 16, 5 + 30) << QColor(Qt::white);
    }
    void grilles()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        const QImage im = image_hermann();
        QCOMPARE(im.size(), QSize(202, 105));
        QCOMPARE(im.pixelColor(point), couleur);
    }

    void ecrans()
    {
        QCOMPARE(image_ecran_terplux().size(), QSize(200, 150));
        QCOMPARE(image_ecran_mavoren().size(), QSize(200, 152));
    }
};

QTEST_MAIN(TstHermann)
#include "tst_hermann.moc"
