#include "assets/glyphe_melange.h"
#include "assets/venn.h"
#include "common/canevas.h"

#include <QtTest>

Q_DECLARE_METATYPE(RegionVenn)

namespace {

const QList<RegionVenn> toutes = {RegionVenn::Gauche,     RegionVenn::Droite,     RegionVenn::Haut,
                                   RegionVenn::GaucheDroite, RegionVenn::GaucheHaut, RegionVenn::DroiteHaut,
                                   RegionVenn::Centre};

// The pixels of the region around a seed: a 4-connected walk up to the blue outline.
QList<QPoint> region(const QImage &im, QPoint graine)
{
    QImage copie = im;
    Canevas c(copie);
    c.couleur_pinceau = couleur_rgb(1, 2, 3);
    c.FloodFill(graine.x(), graine.y(), CONTOUR_VENN);
    QList<QPoint> pts;
    for (int y = 0; y < copie.height(); ++y)
        for (int x = 0; x < copie.width(); ++x)
            if (depuis_pixel(copie.pixel(x, y)) == couleur_rgb(1, 2, 3)) pts << QPoint(x, y);
    return pts;
}

} // namespace

class TstVenn : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void regions_data()
    {
        QTest::addColumn<RegionVenn>("r");
        QTest::addColumn<Couleur>("couleur");
        QTest::addColumn<QRect>("etendue"); // the interiors the bench was designed on
        // Left and right only are red, the others white.
        QTest::newRow("left only") << RegionVenn::Gauche << ROUGE << QRect(QPoint(0, 92), QPoint(159, 202));
        QTest::newRow("right only") << RegionVenn::Droite << ROUGE << QRect(QPoint(72, 92), QPoint(247, 203));
        QTest::newRow("top only") << RegionVenn::Haut << BLANC << QRect(QPoint(70, 7), QPoint(167, 161));
        QTest::newRow("left and right") << RegionVenn::GaucheDroite << BLANC << QRect(QPoint(72, 92), QPoint(159, 202));
        QTest::newRow("left and top") << RegionVenn::GaucheHaut << BLANC << QRect(QPoint(70, 92), QPoint(159, 161));
        QTest::newRow("right and top") << RegionVenn::DroiteHaut << BLANC << QRect(QPoint(72, 92), QPoint(167, 161));
        QTest::newRow("all three") << RegionVenn::Centre << BLANC << QRect(QPoint(72, 92), QPoint(159, 161));
    }
    void regions()
    {
        QFETCH(RegionVenn, r);
        QFETCH(Couleur, couleur);
        QFETCH(QRect, etendue);
        const QImage im = image_venn();
        const QList<QPoint> pts = region(im, graine_venn(r));
        QVERIFY(pts.size() > 300);
        QRect boite;
        for (const QPoint &p : pts) {
            boite |= QRect(p, QSize(1, 1));
            // One colour inside: the region is closed and has no blue in it.
            QCOMPARE(depuis_pixel(im.pixel(p)), couleur);
        }
        QVERIFY2(etendue.adjusted(-1, -1, 1, 1).contains(boite), qPrintable(QString("%1,%2 %3x%4")
                 .arg(boite.x()).arg(boite.y()).arg(boite.width()).arg(boite.height())));
        // The region does not reach the grey background.
        QVERIFY(!pts.contains(QPoint(0, 0)));
        // No other seed lies in this region: the seven seeds are in seven regions.
        for (RegionVenn autre : toutes)
            if (autre != r) QVERIFY(!pts.contains(graine_venn(autre)));
    }

    void image()
    {
        const QImage im = image_venn();
        QCOMPARE(im.size(), QSize(275, 209));
        QCOMPARE(depuis_pixel(im.pixel(0, 0)), FOND_VENN);
        // The rule near x 255 and the shape cut by the right edge.
        QCOMPARE(depuis_pixel(im.pixel(255, 100)), CONTOUR_VENN);
        int bleus = 0;
        for (int y = 0; y < im.height(); ++y) bleus += depuis_pixel(im.pixel(274, y)) == CONTOUR_VENN;
        QVERIFY(bleus >= 2);
        // Only the four colours of the picture.
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) {
                const Couleur c = depuis_pixel(im.pixel(x, y));
                QVERIFY(c == FOND_VENN || c == CONTOUR_VENN || c == ROUGE || c == BLANC);
            }
    }

    void glyphe()
    {
        // Three discs, red, lime and blue, on a transparent ground.
        const QImage g = image_glyphe_melange();
        QCOMPARE(g.size(), QSize(15, 13));
        QCOMPARE(g.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(g.pixelColor(3, 8), QColor(255, 0, 0));
        QCOMPARE(g.pixelColor(10, 8), QColor(0, 255, 0));
        QCOMPARE(g.pixelColor(7, 3), QColor(0, 0, 255));
    }
};

QTEST_MAIN(TstVenn)
#include "tst_venn.moc"
