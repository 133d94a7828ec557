#include "assets/paysage.h"

#include <QSet>
#include <QtTest>

class TstPaysage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void couleurs_data()
    {
        QTest::addColumn<QColor>("couleur");
        QTest::addColumn<int>("minimum"); // pixels at least: flat areas, not specks
        // The eight real colours of the questionnaire, black as the outlines.
        QTest::newRow("red ground") << QColor(255, 0, 0) << 3000;
        QTest::newRow("yellow sky") << QColor(255, 255, 0) << 3000;
        QTest::newRow("blue hills") << QColor(0, 0, 255) << 1500;
        QTest::newRow("fuchsia walls") << QColor(255, 0, 255) << 1000;
        QTest::newRow("lime roof and crown") << QColor(0, 255, 0) << 1000;
        QTest::newRow("orange chimney, trunk, door") << QColor(240, 191, 125) << 300;
        QTest::newRow("white sun and windows") << QColor(255, 255, 255) << 300;
        QTest::newRow("black outlines") << QColor(0, 0, 0) << 500;
    }
    void couleurs()
    {
        QFETCH(QColor, couleur);
        QFETCH(int, minimum);
        const QImage im = image_paysage();
        QCOMPARE(im.size(), QSize(231, 124));
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) n += im.pixelColor(x, y) == couleur;
        QVERIFY2(n >= minimum, qPrintable(QString::number(n)));
    }

    void contours_alignes()
    {
        // Every black outline pixel of the picture is a grey one of its twin,
        // and the twin has nothing else but white.
        const QImage a = image_paysage(), b = image_paysage_contours();
        QCOMPARE(b.size(), a.size());
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const bool trait = a.pixelColor(x, y) == QColor(Qt::black);
                const QColor c = b.pixelColor(x, y);
                QCOMPARE(c, trait ? gris_contours() : QColor(Qt::white));
            }
    }

    void cheminee()
    {
        // The point to fix is the top of the chimney, outlined, orange under it.
        const QImage a = image_paysage();
        const QPoint p = point_fixation();
        QCOMPARE(a.pixelColor(p), QColor(Qt::black));
        QCOMPARE(a.pixelColor(p + QPoint(0, 3)), QColor(240, 191, 125));
    }
};

QTEST_MAIN(TstPaysage)
#include "tst_paysage.moc"
