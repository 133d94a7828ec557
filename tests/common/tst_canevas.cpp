#include "common/canevas.h"

#include <QGuiApplication>
#include <QtTest>

namespace {

// The x where a row of the picture has a given colour.
QList<int> ligne(const Canevas &c, int y, int largeur, Couleur col)
{
    QList<int> xs;
    for (int x = 0; x < largeur; ++x)
        if (c.pixel(x, y) == col) xs << x;
    return xs;
}

} // namespace

class TstCanevas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rectangle_data()
    {
        QTest::addColumn<QRect>("coins"); // x1, y1, x2, y2 as given to Rectangle
        QTest::newRow("in order") << QRect(QPoint(2, 2), QPoint(6, 5));
        QTest::newRow("corners swapped") << QRect(QPoint(6, 5), QPoint(2, 2));
    }
    void rectangle()
    {
        QFETCH(QRect, coins);
        QImage im = image_unie(10, 10, ROUGE);
        Canevas c(im);
        c.couleur_pinceau = BLANC;
        c.Rectangle(coins.left(), coins.top(), coins.right(), coins.bottom());
        // Covers x 2..5 and y 2..4: right and bottom edges excluded.
        QCOMPARE(ligne(c, 2, 10, NOIR), (QList<int>{2, 3, 4, 5}));
        QCOMPARE(ligne(c, 4, 10, NOIR), (QList<int>{2, 3, 4, 5}));
        QCOMPARE(ligne(c, 3, 10, NOIR), (QList<int>{2, 5}));
        QCOMPARE(ligne(c, 3, 10, BLANC), (QList<int>{3, 4}));
        QCOMPARE(c.pixel(6, 2), ROUGE);
        QCOMPARE(c.pixel(2, 5), ROUGE);
    }

    void remplissage_rectangle()
    {
        QImage im = image_unie(8, 8, NOIR);
        Canevas c(im);
        c.couleur_pinceau = AQUA;
        c.FillRect(1, 1, 4, 3);
        QCOMPARE(ligne(c, 1, 8, AQUA), (QList<int>{1, 2, 3}));
        QCOMPARE(ligne(c, 2, 8, AQUA), (QList<int>{1, 2, 3}));
        QCOMPARE(ligne(c, 3, 8, AQUA), QList<int>{});
        // Partly outside the picture: clipped, no crash.
        c.FillRect(-5, -5, 2, 2);
        QCOMPARE(c.pixel(0, 0), AQUA);
    }

    void ellipse_data()
    {
        QTest::addColumn<bool>("contour");
        QTest::newRow("with outline") << true;
        QTest::newRow("brush only keeps its top row") << false;
    }
    void ellipse()
    {
        QFETCH(bool, contour);
        QImage im = image_unie(20, 20, BLANC);
        Canevas c(im);
        c.couleur_pinceau = MARINE;
        c.couleur_plume = contour ? NOIR : MARINE;
        if (!contour) c.style_plume = Canevas::StylePlume::Aucun;
        c.Ellipse(5, 5, 11, 11); // box x 5..10, y 5..10
        auto touche = [&](int x, int y) { return c.pixel(x, y) != BLANC; };
        int xmin = 99, xmax = -1, ymin = 99, ymax = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (touche(x, y)) {
                    xmin = std::min(xmin, x);
                    xmax = std::max(xmax, x);
                    ymin = std::min(ymin, y);
                    ymax = std::max(ymax, y);
                }
        QCOMPARE(xmin, 5);
        QCOMPARE(xmax, 10);
        QCOMPARE(ymin, 5);
        QCOMPARE(ymax, 10);
        QCOMPARE(c.pixel(8, 8), MARINE);
    }

    void trait_data()
    {
        QTest::addColumn<QPoint>("de");
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<int>("nombre");
        QTest::newRow("horizontal") << QPoint(0, 0) << QPoint(5, 0) << 5;
        QTest::newRow("vertical") << QPoint(3, 1) << QPoint(3, 7) << 6;
        QTest::newRow("right to left") << QPoint(9, 2) << QPoint(4, 2) << 5;
        QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(4, 4) << 4;
        QTest::newRow("zero length draws nothing") << QPoint(2, 2) << QPoint(2, 2) << 0;
    }
    void trait()
    {
        QFETCH(QPoint, de);
        QFETCH(QPoint, a);
        QFETCH(int, nombre);
        QImage im = image_unie(10, 10, BLANC);
        Canevas c(im);
        c.MoveTo(de.x(), de.y());
        c.LineTo(a.x(), a.y());
        int n = 0;
        for (int y = 0; y < 10; ++y) n += ligne(c, y, 10, NOIR).size();
        QCOMPARE(n, nombre);
        QCOMPARE(c.pixel(a.x(), a.y()), BLANC); // the last pixel is left out
        if (nombre) QCOMPARE(c.pixel(de.x(), de.y()), NOIR);
        QCOMPARE(c.position(), a);
    }

    void pointille()
    {
        QImage im = image_unie(14, 1, BLANC);
        Canevas c(im);
        c.style_plume = Canevas::StylePlume::Pointille;
        c.MoveTo(0, 0);
        c.LineTo(13, 0);
        QCOMPARE(ligne(c, 0, 14, NOIR), (QList<int>{0, 1, 2, 6, 7, 8, 12}));
    }

    void plume_large()
    {
        QImage im = image_unie(10, 10, BLANC);
        Canevas c(im);
        c.largeur_plume = 2;
        c.couleur_plume = MARINE;
        c.MoveTo(2, 5);
        c.LineTo(6, 5);
        QVERIFY(ligne(c, 5, 10, MARINE).contains(2));
        QVERIFY(ligne(c, 4, 10, MARINE).size() + ligne(c, 6, 10, MARINE).size() > 0);
    }

    void texte_opaque()
    {
        QImage im = image_unie(60, 30, BLANC);
        Canevas c(im);
        c.police = QFont("Liberation Serif");
        c.police.setPixelSize(11);
        c.couleur_pinceau = ROUGE;
        c.couleur_police = BLANC;
        c.TextOut(5, 4, "200");
        const QSize s = c.TextExtent("200");
        QVERIFY(s.width() > 5 && s.height() > 5);
        // The box behind the text is the brush colour, placed by its top-left corner.
        QCOMPARE(c.pixel(5, 4), ROUGE);
        QCOMPARE(c.pixel(5 + s.width() - 1, 4 + s.height() - 1), ROUGE);
        QCOMPARE(c.pixel(4, 4), BLANC);
        QCOMPARE(c.pixel(5, 3), BLANC);
        QCOMPARE(c.pixel(5 + s.width(), 4), BLANC);
        int blancs = 0;
        for (int y = 4; y < 4 + s.height(); ++y) blancs += ligne(c, y, 60, BLANC).size() - 60 + s.width();
        QVERIFY(blancs > 0); // the glyphs themselves, in the text colour
    }

    void remplissage_data()
    {
        QTest::addColumn<QPoint>("graine");
        QTest::addColumn<bool>("rempli");
        QTest::newRow("inside") << QPoint(4, 4) << true;
        QTest::newRow("on the border changes nothing") << QPoint(2, 2) << false;
        QTest::newRow("outside the picture") << QPoint(40, 40) << false;
    }
    void remplissage()
    {
        QFETCH(QPoint, graine);
        QFETCH(bool, rempli);
        QImage im = image_unie(12, 12, BLANC);
        Canevas c(im);
        c.couleur_plume = BLEU;
        c.pinceau_vide = true;
        c.Rectangle(2, 2, 8, 8); // blue outline x 2..7
        c.pinceau_vide = false;
        const QImage avant = im.copy();
        c.couleur_pinceau = ROUGE;
        c.FloodFill(graine.x(), graine.y(), BLEU);
        if (!rempli) {
            QCOMPARE(im, avant);
            return;
        }
        QCOMPARE(ligne(c, 4, 12, ROUGE), (QList<int>{3, 4, 5, 6}));
        QCOMPARE(c.pixel(2, 4), BLEU);
        QCOMPARE(c.pixel(1, 4), BLANC);
        QCOMPARE(c.pixel(0, 0), BLANC);
    }

    // Fills seeded away from an edge of the picture that must still reach it.
    // A blue wall stands in a white 12 × 10 picture; the pixels of `zone` that
    // are not wall turn red, every other pixel keeps its colour. The zones
    // follow from the wall by hand: a wall with a gap leaves one area around
    // it, a wall across the picture splits it in two.
    void remplissage_bords_data()
    {
        QTest::addColumn<QRect>("mur");
        QTest::addColumn<QPoint>("graine");
        QTest::addColumn<QRect>("zone");
        const QRect tout(0, 0, 12, 10);
        QTest::newRow("column 0, across a wall x = 8") << QRect(8, 0, 1, 10) << QPoint(5, 5) << QRect(0, 0, 8, 10);
        QTest::newRow("column 0, round the foot of a wall x = 4")
            << QRect(4, 0, 1, 8) << QPoint(9, 2) << tout;
        QTest::newRow("last column, across a wall x = 3") << QRect(3, 0, 1, 10) << QPoint(6, 5)
                                                          << QRect(4, 0, 8, 10);
        QTest::newRow("last column, over the top of a wall x = 7")
            << QRect(7, 2, 1, 8) << QPoint(2, 6) << tout;
        QTest::newRow("row 0, across a wall y = 7") << QRect(0, 7, 12, 1) << QPoint(5, 4) << QRect(0, 0, 12, 7);
        QTest::newRow("row 0, past the end of a wall y = 4")
            << QRect(0, 4, 9, 1) << QPoint(2, 8) << tout;
        QTest::newRow("last row, across a wall y = 2") << QRect(0, 2, 12, 1) << QPoint(5, 6)
                                                       << QRect(0, 3, 12, 7);
        QTest::newRow("last row, before the start of a wall y = 5")
            << QRect(3, 5, 9, 1) << QPoint(9, 1) << tout;
    }
    void remplissage_bords()
    {
        QFETCH(QRect, mur);
        QFETCH(QPoint, graine);
        QFETCH(QRect, zone);
        QImage im = image_unie(12, 10, BLANC);
        Canevas c(im);
        for (int y = mur.top(); y <= mur.bottom(); ++y)
            for (int x = mur.left(); x <= mur.right(); ++x) c.set_pixel(x, y, BLEU);
        c.couleur_pinceau = ROUGE;
        c.FloodFill(graine.x(), graine.y(), BLEU);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x) {
                const Couleur attendu = mur.contains(x, y) ? BLEU : (zone.contains(x, y) ? ROUGE : BLANC);
                QVERIFY2(c.pixel(x, y) == attendu, qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
            }
    }

    void remplissage_quatre_voisins()
    {
        // Two areas that touch only at a corner stay apart.
        QImage im = image_unie(4, 4, BLANC);
        Canevas c(im);
        c.set_pixel(1, 0, BLEU);
        c.set_pixel(0, 1, BLEU);
        c.couleur_pinceau = ROUGE;
        c.FloodFill(0, 0, BLEU);
        QCOMPARE(c.pixel(0, 0), ROUGE);
        QCOMPARE(c.pixel(1, 1), BLANC);
        // A fill colour already present inside the area does not loop.
        c.couleur_pinceau = BLANC;
        c.FloodFill(3, 3, BLEU);
        QCOMPARE(c.pixel(3, 3), BLANC);
    }

    void pixels_et_copie()
    {
        QImage im = image_unie(3, 3, BLANC);
        Canevas c(im);
        QCOMPARE(c.pixel(-1, 0), -1);
        QCOMPARE(c.pixel(3, 0), -1);
        c.set_pixel(1, 1, couleur_rgb(1, 2, 3));
        QCOMPARE(c.pixel(1, 1), couleur_rgb(1, 2, 3));
        c.copier(image_unie(420, 220, BLANC));
        QCOMPARE(im.size(), QSize(420, 220));
        QCOMPARE(c.pixel(419, 219), BLANC);
    }
};

QTEST_MAIN(TstCanevas)
#include "tst_canevas.moc"
