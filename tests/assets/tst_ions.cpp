#include "assets/icone.h"
#include "assets/ions.h"
#include "common/bmp.h"

#include <QtTest>

#include <functional>

class TstIons : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tailles_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QSize>("taille");
        QTest::newRow("anion") << "an.bmp" << QSize(20, 17);
        QTest::newRow("K+") << "k.bmp" << QSize(21, 18);
        QTest::newRow("Na+") << "na.bmp" << QSize(32, 18);
        QTest::newRow("arrow in to out") << "fl_i_e.bmp" << QSize(34, 11);
        QTest::newRow("arrow out to in") << "fl_e_i.bmp" << QSize(34, 11);
    }
    void tailles()
    {
        // The build writes each picture as a valid .bmp of its design size.
        QFETCH(QString, fichier);
        QFETCH(QSize, taille);
        const QString run = qEnvironmentVariable("KALMENO_RUN_DIR");
        QVERIFY(!run.isEmpty());
        const QImage im = lire_bmp(run + "/" + fichier);
        QCOMPARE(im.size(), taille);
    }

    void dessins()
    {
        // The ion symbols carry their colours: red K+, blue Na+, green anion.
        auto compte = [](const QImage &im, std::function<bool(QColor)> f) {
            int n = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x) n += f(im.pixelColor(x, y)) ? 1 : 0;
            return n;
        };
        QVERIFY(compte(image_ion_k(), [](QColor c) { return c.red() > 150 && c.green() < 60; }) > 100);
        QVERIFY(compte(image_ion_na(), [](QColor c) { return c.blue() > 150 && c.red() < 60; }) > 150);
        QVERIFY(compte(image_anion(), [](QColor c) { return c.green() > 120 && c.red() < 60; }) > 80);
        // The arrows point the right way: the head is the tall end.
        const QImage d = image_fleche_i_e(), g = image_fleche_e_i();
        QCOMPARE(d.pixelColor(30, 1).red(), 255);
        QCOMPARE(d.pixelColor(3, 1), QColor(Qt::white));
        QCOMPARE(g.pixelColor(3, 1).red(), 255);
        QCOMPARE(g.pixelColor(30, 1), QColor(Qt::white));
        QCOMPARE(image_icone(48).size(), QSize(48, 48));
    }
};

QTEST_MAIN(TstIons)
#include "tst_ions.moc"
