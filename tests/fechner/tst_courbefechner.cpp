#include "fechner/courbefechner.h"
#include "fechner/grillefechner.h"
#include "common/canevas.h"
#include "common/nombres.h"

#include <QtTest>

namespace {

QImage blanc() { return image_unie(420, 220, BLANC); }

Couleur pixel(const QImage &image, int x, int y)
{
    return depuis_pixel(reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x]);
}

// A grid with its headings and one trial: added mass on row `ligne`, outcome below.
GrilleFechner un_essai(int ligne, int colonne, const QString &masse, const QString &issue)
{
    GrilleFechner g;
    g.ecrire_entetes();
    g.ecrire(colonne, ligne, masse);
    g.ecrire(colonne, ligne + 1, issue);
    return g;
}

QImage tracer(const GrilleFechner &g, int echelle = 100)
{
    CourbeFechner c;
    c.set_echelle(echelle);
    return c.tracer(g, blanc());
}

GrilleFechner vide()
{
    GrilleFechner g;
    g.ecrire_entetes();
    return g;
}

} // namespace

class TstCourbeFechner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void abscisse_data()
    {
        QTest::addColumn<int>("masse");
        QTest::addColumn<int>("x");
        // 0.197 pixels per gram from x = 25, worked out in the drawing's own figures.
        QTest::newRow("0 g") << 0 << 25;
        QTest::newRow("20 g: 28.94") << 20 << 29;
        QTest::newRow("500 g: 123.5 to even") << 500 << 124;
        QTest::newRow("1500 g: 320.5 to even") << 1500 << 320;
        QTest::newRow("2000 g") << 2000 << 419;
        QTest::newRow("-500 g: -73.5 to even") << -500 << -74;
    }
    void abscisse()
    {
        QFETCH(int, masse);
        QFETCH(int, x);
        QCOMPARE(arrondi(CourbeFechner::abscisse(masse, 420)), x);
    }

    void ordonnee_data()
    {
        QTest::addColumn<int>("echelle");
        QTest::addColumn<int>("masse");
        QTest::addColumn<int>("y");
        // 196 − (220 / echelle) × masse, halves to even.
        QTest::newRow("10 g at 100") << 100 << 10 << 174;
        QTest::newRow("1 g at 40: 190.5") << 40 << 1 << 190;
        QTest::newRow("50 g at 100") << 100 << 50 << 86;
        QTest::newRow("1 g at 10") << 10 << 1 << 174;
        QTest::newRow("negative 10 g at 100") << 100 << -10 << 218;
    }
    void ordonnee()
    {
        QFETCH(int, echelle);
        QFETCH(int, masse);
        QFETCH(int, y);
        QCOMPARE(arrondi(CourbeFechner::ordonnee(masse, 196, echelle)), y);
    }

    void pas_graduation_data()
    {
        QTest::addColumn<int>("echelle");
        QTest::addColumn<int>("pas");
        // The thresholds 50, 150, 200 and 250 g.
        QTest::newRow("10") << 10 << 1;
        QTest::newRow("40") << 40 << 1;
        QTest::newRow("50") << 50 << 2;
        QTest::newRow("100") << 100 << 2;
        QTest::newRow("150") << 150 << 2;
        QTest::newRow("160") << 160 << 4;
        QTest::newRow("200") << 200 << 4;
        QTest::newRow("210") << 210 << 6;
        QTest::newRow("250") << 250 << 6;
        QTest::newRow("260") << 260 << 8;
        QTest::newRow("5000") << 5000 << 8;
    }
    void pas_graduation()
    {
        QFETCH(int, echelle);
        QFETCH(int, pas);
        QCOMPARE(CourbeFechner::pas_graduation(echelle), pas);
    }

    void valeur_graduation_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("grammes");
        // Tick 11 × pas × k reads 5 × pas × k grams.
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("11: 5 × 10 / 11 = 4.5") << 11 << 5;
        QTest::newRow("22") << 22 << 10;
        QTest::newRow("33: 16 × 10 / 11 = 14.5") << 33 << 15;
        QTest::newRow("66") << 66 << 30;
        QTest::newRow("88") << 88 << 40;
        QTest::newRow("1144") << 1144 << 520;
    }
    void valeur_graduation()
    {
        QFETCH(int, i);
        QFETCH(int, grammes);
        QCOMPARE(CourbeFechner::valeur_graduation(i), grammes);
    }

    void couleur_point_data()
    {
        QTest::addColumn<QString>("issue");
        QTest::addColumn<int>("couleur");
        // Only "O" is green; anything else red.
        QTest::newRow("O") << "O" << VERT;
        QTest::newRow("o lower case") << "o" << ROUGE;
        QTest::newRow("N") << "N" << ROUGE;
        QTest::newRow("empty") << "" << ROUGE;
        QTest::newRow("marked O?") << "O?" << ROUGE;
    }
    void couleur_point()
    {
        QFETCH(QString, issue);
        QFETCH(int, couleur);
        // 10 g on the 0 g row at scale 100: the dot box (25, 174) to (30, 179).
        const QImage i = tracer(un_essai(1, 1, QStringLiteral("10"), issue));
        QCOMPARE(pixel(i, 27, 176), couleur);
        QCOMPARE(pixel(i, 27, 174), NOIR);   // outline, top
        QCOMPARE(pixel(i, 27, 178), NOIR);   // outline, bottom
        QCOMPARE(pixel(i, 27, 173), BLANC);  // above the box
        QCOMPARE(pixel(i, 27, 179), BLANC);  // below: the box excludes y = 179
        QCOMPARE(pixel(i, 30, 176), BLANC);  // right: excludes x = 30
    }

    void sans_point_data()
    {
        QTest::addColumn<QString>("masse");
        QTest::newRow("zero") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("not a whole number") << "12a";
        QTest::newRow("marked") << "12?";
        QTest::newRow("blanks") << "  ";
        QTest::newRow("decimal") << "10.5";
    }
    void sans_point()
    {
        QFETCH(QString, masse);
        QCOMPARE(tracer(un_essai(21, 4, masse, QStringLiteral("O"))), tracer(vide()));
    }

    void position_point_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("masse");
        QTest::addColumn<int>("echelle");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // Box top-left from the carried mass of the heading and the added mass.
        QTest::newRow("500g row, 50 g") << 25 << 3 << "500g" << "50" << 100 << 124 << 86;
        QTest::newRow("2000g row at the right edge") << 49 << 10 << "2000g" << "10" << 100 << 419 << 174;
        QTest::newRow("$1F mass is 31 g") << 1 << 2 << "0g" << "$1F" << 100 << 25 << 128;
        QTest::newRow("leading blank") << 1 << 2 << "0g" << " 20" << 100 << 25 << 152;
        QTest::newRow("twelfth value plotted") << 1 << 11 << "0g" << "50" << 100 << 25 << 86;
        QTest::newRow("heading from a file: 1000g on row 1") << 1 << 1 << "1000g" << "10" << 100 << 222 << 174;
        QTest::newRow("heading without digits: 0 g") << 3 << 1 << "abc" << "10" << 100 << 25 << 174;
        QTest::newRow("heading cut at the letter: 12a0g reads 12") << 3 << 1 << "12a0g" << "10" << 100 << 27 << 174;
        QTest::newRow("scale 40: 190.5 to 190") << 1 << 1 << "0g" << "1" << 40 << 25 << 190;
    }
    void position_point()
    {
        QFETCH(int, ligne);
        QFETCH(int, colonne);
        QFETCH(QString, entete);
        QFETCH(QString, masse);
        QFETCH(int, echelle);
        QFETCH(int, x);
        QFETCH(int, y);
        GrilleFechner g = un_essai(ligne, colonne, masse, QStringLiteral("N"));
        g.ecrire(0, ligne, entete);
        const QImage avec = tracer(g, echelle);
        const QImage sans = tracer(vide(), echelle);
        // The pixels the dot changed lie in its 5 × 5 box, clipped to the picture.
        QRect change;
        for (int py = 0; py < avec.height(); ++py)
            for (int px = 0; px < avec.width(); ++px)
                if (pixel(avec, px, py) != pixel(sans, px, py)) change |= QRect(px, py, 1, 1);
        const QRect boite = QRect(x, y, 5, 5) & avec.rect();
        if (boite == QRect(x, y, 5, 5)) {
            QCOMPARE(change, boite);
            QCOMPARE(pixel(avec, x + 2, y + 2), ROUGE);
        } else {
            QVERIFY(boite.contains(change));
            QCOMPARE(change.left(), x);
        }
    }

    void axes_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("couleur");
        // An empty grid at scale 100: the two bands, their outlines and ticks.
        QTest::newRow("white plot") << 200 << 100 << BLANC;
        QTest::newRow("aqua band") << 12 << 100 << AQUA;
        QTest::newRow("aqua band right outline x = 24") << 24 << 100 << NOIR;
        QTest::newRow("aqua band ends before x = 25") << 25 << 100 << BLANC;
        QTest::newRow("silver band") << 200 << 212 << ARGENT;
        QTest::newRow("silver band top outline y = 200") << 200 << 200 << NOIR;
        QTest::newRow("under the band, left") << 30 << 203 << ARGENT;
        QTest::newRow("horizontal tick at 100 g: x 43, 44") << 43 << 203 << NOIR;
        QTest::newRow("tick right column") << 44 << 203 << NOIR;
        QTest::newRow("tick two pixels wide") << 45 << 203 << ARGENT;
        QTest::newRow("tick five rows high") << 43 << 205 << ARGENT;
        QTest::newRow("vertical tick 0 g at y = 199") << 2 << 199 << NOIR;
        QTest::newRow("vertical tick 10 g at y = 177") << 2 << 177 << NOIR;
        QTest::newRow("beside the tick") << 2 << 176 << AQUA;
        QTest::newRow("vertical tick 20 g at y = 155") << 2 << 155 << NOIR;
    }
    void axes()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, couleur);
        QCOMPARE(pixel(tracer(vide()), x, y), couleur);
    }

    void graduation_data()
    {
        QTest::addColumn<int>("echelle");
        QTest::addColumn<int>("y_tick");
        // First tick above zero: i = 11 × pas, y = 200 − (100 / echelle) × i, the row above it.
        QTest::newRow("scale 30, step 1: 163.3") << 30 << 162;
        QTest::newRow("scale 100, step 2: 178") << 100 << 177;
        QTest::newRow("scale 200, step 4: 178") << 200 << 177;
        QTest::newRow("scale 250, step 6: 173.6") << 250 << 173;
        QTest::newRow("scale 300, step 8: 170.7") << 300 << 170;
    }
    void graduation()
    {
        QFETCH(int, echelle);
        QFETCH(int, y_tick);
        const QImage i = tracer(vide(), echelle);
        QCOMPARE(pixel(i, 2, y_tick), NOIR);
        QCOMPARE(pixel(i, 2, y_tick + 1), AQUA);
        QCOMPARE(pixel(i, 2, y_tick - 1), AQUA);
        // The label beside it has a red background.
        bool rouge = false;
        for (int y = y_tick - 12; y < y_tick; ++y)
            for (int x = 5; x < 24; ++x) rouge |= pixel(i, x, y) == ROUGE;
        QVERIFY(rouge);
    }

    void masses_extremes_data()
    {
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("masse");
        QTest::addColumn<int>("echelle");
        // Values whose coordinates overflow 32 bits are skipped, not wrapped around.
        QTest::newRow("largest added mass") << "0g" << "2147483647" << 10;
        QTest::newRow("smallest added mass") << "0g" << "-2147483648" << 10;
        QTest::newRow("hex top bit") << "0g" << "$80000000" << 10;
        QTest::newRow("largest carried mass") << "2147483647g" << "10" << 100;
        QTest::newRow("huge carried, huge added") << "$7FFFFFFFg" << "-2147483648" << 10;
    }
    void masses_extremes()
    {
        QFETCH(QString, entete);
        QFETCH(QString, masse);
        QFETCH(int, echelle);
        GrilleFechner g = un_essai(1, 1, masse, QStringLiteral("O"));
        g.ecrire(0, 1, entete);
        QCOMPARE(tracer(g, echelle), tracer(vide(), echelle));
    }

    void masse_negative()
    {
        // −1 g at scale 100: top at 198.2 → 198, below the reference line;
        // the silver band covers the rest of the dot.
        const QImage i = tracer(un_essai(1, 1, QStringLiteral("-1"), QStringLiteral("O")));
        QCOMPARE(pixel(i, 27, 199), VERT);
        QCOMPARE(pixel(i, 27, 201), ARGENT);
    }

    void zoom_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<bool>("avant");
        QTest::addColumn<int>("attendu");
        // "+" takes 10 g off down to 10; "-" adds 10 g.
        QTest::newRow("+ at 100") << 100 << true << 90;
        QTest::newRow("+ at 20") << 20 << true << 10;
        QTest::newRow("+ at 10 stays") << 10 << true << 10;
        QTest::newRow("- at 10") << 10 << false << 20;
        QTest::newRow("- at 100") << 100 << false << 110;
    }
    void zoom()
    {
        QFETCH(int, depart);
        QFETCH(bool, avant);
        QFETCH(int, attendu);
        CourbeFechner c;
        QCOMPARE(c.echelle(), 100);
        c.set_echelle(depart);
        if (avant)
            c.zoom_avant();
        else
            c.zoom_arriere();
        QCOMPARE(c.echelle(), attendu);
    }

    void redessin_complet()
    {
        // Each drawing starts from the blank: a dot drawn before leaves no trace.
        CourbeFechner c;
        const QImage avec = c.tracer(un_essai(1, 1, QStringLiteral("10"), QStringLiteral("O")), blanc());
        QVERIFY(avec != c.tracer(vide(), blanc()));
        QCOMPARE(avec.size(), QSize(420, 220));
        QCOMPARE(pixel(blanc(), 27, 176), BLANC);
    }
};

QTEST_MAIN(TstCourbeFechner)
#include "tst_courbefechner.moc"
