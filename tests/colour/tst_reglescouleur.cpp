#include "colour/reglescouleur.h"
#include "common/canevas.h"

#include <QtTest>

#include <vector>

namespace {

// A colour as its three components (what the pupil sees), for readable rows.
Octets octets_de(int r, int g, int b)
{
    return {uint8_t(r - 1), uint8_t(g - 1), uint8_t(b - 1)};
}

} // namespace

class TstReglesCouleur : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void position_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("composante");
        QTest::newRow("bar at the top gives 255") << 0 << 255;
        QTest::newRow("bar at the bottom gives 10") << 245 << 10;
        QTest::newRow("middle: 255 - 100") << 100 << 155;
    }
    void position()
    {
        QFETCH(int, position);
        QFETCH(int, composante);
        const Couleur c = couleur_de_octets(octets_de_positions(position, position, position));
        QCOMPARE(rouge_de(c), composante);
        QCOMPARE(vert_de(c), composante);
        QCOMPARE(bleu_de(c), composante);
    }

    void composition()
    {
        // Each bar sets its own primary: red + 256 green + 65536 blue.
        QCOMPARE(couleur_de_octets(octets_de_positions(96, 79, 63)), couleur_rgb(159, 176, 192));
        QCOMPARE(couleur_de_octets(octets_de_positions(0, 245, 245)), couleur_rgb(255, 10, 10));
        QCOMPARE(complementaire(couleur_rgb(10, 10, 10)), couleur_rgb(245, 245, 245));
        QCOMPARE(complementaire(ROUGE), AQUA);
    }

    void melange_data()
    {
        QTest::addColumn<QList<QColor>>("couleurs");
        QTest::addColumn<QColor>("attendu");
        using L = QList<QColor>;
        // Worked examples of the mixing rule.
        QTest::newRow("red + green, scaled by 263/254")
            << L{QColor(255, 10, 10), QColor(10, 255, 10)} << QColor(255, 255, 18);
        QTest::newRow("red + green + blue is white")
            << L{QColor(255, 10, 10), QColor(10, 255, 10), QColor(10, 10, 255)} << QColor(255, 255, 255);
        QTest::newRow("two starting colours: 9 + 9 + 1")
            << L{QColor(10, 10, 10), QColor(10, 10, 10)} << QColor(19, 19, 19);
        QTest::newRow("three starting colours: 27 + 1")
            << L{QColor(10, 10, 10), QColor(10, 10, 10), QColor(10, 10, 10)} << QColor(28, 28, 28);
        QTest::newRow("(200,100,50) + (100,100,100): 298 198 148 scaled")
            << L{QColor(200, 100, 50), QColor(100, 100, 100)} << QColor(255, 170, 127);
        // Hand calculations.
        QTest::newRow("two whites: 508 halved") << L{QColor(Qt::white), QColor(Qt::white)} << QColor(255, 255, 255);
        QTest::newRow("three whites: 762 / 3")
            << L{QColor(Qt::white), QColor(Qt::white), QColor(Qt::white)} << QColor(255, 255, 255);
        QTest::newRow("sum exactly 254 is not scaled: 127 + 127 + 1")
            << L{QColor(128, 10, 10), QColor(128, 10, 10)} << QColor(255, 19, 19);
        QTest::newRow("sum 255 is scaled: 200 * 254/255 = 199.2")
            << L{QColor(129, 101, 10), QColor(128, 101, 10)} << QColor(255, 200, 19);
        QTest::newRow("halves to even: 263/2 = 131.5 and 265/2 = 132.5 both give 132")
            << L{QColor(Qt::white), QColor(255, 10, 12)} << QColor(255, 133, 133);
    }
    void melange()
    {
        QFETCH(QList<QColor>, couleurs);
        QFETCH(QColor, attendu);
        std::vector<Octets> o;
        for (const QColor &q : couleurs) o.push_back(octets_de(q.red(), q.green(), q.blue()));
        QCOMPARE(vers_qcolor(::melange(o)), attendu);
    }

    void region_data()
    {
        QTest::addColumn<Couleur>("demande");
        QTest::addColumn<Couleur>("peint");
        QTest::newRow("the background grey is painted one less in red")
            << couleur_rgb(159, 176, 192) << couleur_rgb(158, 176, 192);
        QTest::newRow("any other colour as asked") << couleur_rgb(160, 176, 192) << couleur_rgb(160, 176, 192);
        QTest::newRow("white") << BLANC << BLANC;
    }
    void region()
    {
        QFETCH(Couleur, demande);
        QFETCH(Couleur, peint);
        // A grey picture with one blue box: the fill stays inside the box.
        QImage im = image_unie(20, 20, couleur_rgb(159, 176, 192));
        Canevas c(im);
        c.couleur_plume = BLEU;
        c.pinceau_vide = true;
        c.Rectangle(5, 5, 15, 15);
        remplir_region(im, {10, 10}, demande, BLEU);
        const Canevas lu(im);
        QCOMPARE(lu.pixel(10, 10), peint);
        QCOMPARE(lu.pixel(6, 13), peint);
        QCOMPARE(lu.pixel(5, 10), BLEU);
        QCOMPARE(lu.pixel(2, 2), couleur_rgb(159, 176, 192));
        QCOMPARE(couleur_de_region(demande, couleur_rgb(159, 176, 192)), peint);
    }

    void positions_data()
    {
        QTest::addColumn<Couleur>("couleur");
        QTest::addColumn<QList<int>>("positions");
        // The split of the colour value: B = c / 65536, G = rest / 256, R = rest.
        QTest::newRow("face colour: R -241 G -255 B -32767") << COULEUR_FACE << QList<int>{240, 254, 254};
        QTest::newRow("pure red: zero components give -1, clamped by the bar")
            << ROUGE << QList<int>{0, -1, -1};
        QTest::newRow("white: all at the top") << BLANC << QList<int>{0, 0, 0};
        QTest::newRow("(1,1,1): all at the bottom") << couleur_rgb(1, 1, 1) << QList<int>{254, 254, 254};
        QTest::newRow("the Venn grey") << couleur_rgb(159, 176, 192) << QList<int>{96, 79, 63};
    }
    void positions()
    {
        QFETCH(Couleur, couleur);
        QFETCH(QList<int>, positions);
        const std::array<int, 3> p = positions_de_couleur(couleur);
        QCOMPARE((QList<int>{p[0], p[1], p[2]}), positions);
    }

    void couleur_mise_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<Couleur>("couleur");
        QTest::newRow("first use on a face-coloured page: (15, 1, 1)") << QList<int>{240, 254, 254}
                                                                       << couleur_rgb(15, 1, 1);
        QTest::newRow("all at the top: white") << QList<int>{0, 0, 0} << BLANC;
        QTest::newRow("all at the bottom: (1, 1, 1)") << QList<int>{254, 254, 254} << couleur_rgb(1, 1, 1);
    }
    void couleur_mise()
    {
        QFETCH(QList<int>, positions);
        QFETCH(Couleur, couleur);
        QCOMPARE(couleur_mise_de_positions(positions[0], positions[1], positions[2]), couleur);
        // Setting the bars from the colour found gives back the same positions.
        const std::array<int, 3> p = positions_de_couleur(couleur);
        QCOMPARE((QList<int>{p[0], p[1], p[2]}), positions);
    }
};

QTEST_GUILESS_MAIN(TstReglesCouleur)
#include "tst_reglescouleur.moc"
