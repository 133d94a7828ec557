#include "common/canevas.h"
#include "membrane/animationions.h"
#include "common/journaldessin.h"

#include <QtTest>

#include <cmath>

namespace {

// EK for [K]i / [K]e, as the membrane model computes it.
double ek(double ki, double ke) { return -61.0 / 2.3 * std::log(ki / ke); }

} // namespace

class TstAnimationIons : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void comptes_data()
    {
        QTest::addColumn<double>("ki");
        QTest::addColumn<double>("ke");
        QTest::addColumn<int>("nb_ions");
        QTest::addColumn<int>("seuil");
        QTest::newRow("start-up 150 / 6") << 150.0 << 6.0 << 156 << 9;   // Round(8.537)
        QTest::newRow("equal: no threshold") << 40.0 << 40.0 << 80 << 0;
        QTest::newRow("zero replaced by 0.1") << 0.1 << 300.0 << 300 << 21; // Round(21.23)
        QTest::newRow("both full: 600") << 300.0 << 300.0 << 600 << 0;
        QTest::newRow("held to the table") << 1000.0 << 1000.0 << 600 << 0;
    }
    void comptes()
    {
        QFETCH(double, ki);
        QFETCH(double, ke);
        QFETCH(int, nb_ions);
        QFETCH(int, seuil);
        AnimationIons a;
        a.n_entrees = 4;
        a.moyenne = 3;
        a.remise_zero(ki, ke);
        QCOMPARE(a.nb_ions, nb_ions);
        QCOMPARE(a.n_entrees, 0);
        QCOMPARE(a.moyenne, 0.0);
        QCOMPARE(a.x_membrane, 150);
        QCOMPARE(AnimationIons::seuil(ek(ki, ke)), seuil);
    }

    void placement()
    {
        std::mt19937 gen(7);
        AnimationIons a;
        QImage im = image_unie(300, 164);
        a.remise_zero(150, 6);
        a.placer(150, 6, gen, im);
        for (int i = 1; i <= 156; ++i) {
            const auto p = a.ions[i];
            QVERIFY(p.y >= 5 && p.y <= 158);
            if (i <= 150)
                QVERIFY2(p.x >= 5 && p.x <= 144, qPrintable(QString::number(i)));
            else
                QVERIFY(p.x >= 155 && p.x <= 294);
        }
    }

    // Many seeded steps for each sign of EK: anions never cross, the net count
    // never goes past the threshold against the diffusion, a particle standing
    // on a multiple of 5 never crosses.
    void regles_data()
    {
        QTest::addColumn<double>("ki");
        QTest::addColumn<double>("ke");
        QTest::newRow("EK < 0 (150 / 6)") << 150.0 << 6.0;
        QTest::newRow("EK > 0 (20 / 200)") << 20.0 << 200.0;
        QTest::newRow("EK = 0 (100 / 100)") << 100.0 << 100.0;
    }
    void regles()
    {
        QFETCH(double, ki);
        QFETCH(double, ke);
        const double e = ek(ki, ke);
        const int s = AnimationIons::seuil(e);
        std::mt19937 gen(12345);
        AnimationIons a;
        QImage im = image_unie(300, 164);
        a.remise_zero(ki, ke);
        a.placer(ki, ke, gen, im);
        // Particles 1 and 2 start on multiples of 5 on either side.
        a.ions[1] = {145, 80};
        a.ions[2] = {155, 80};
        int net_max = 0; // net crossings in the direction of the diffusion
        for (int t = 0; t < 3000; ++t) {
            std::array<AnimationIons::Ion, AnimationIons::MAX_IONS + 1> avant = a.ions;
            a.pas(e, gen, im);
            for (int i = 1; i <= a.nb_ions; ++i) {
                const bool dedans_avant = avant[i].x < 150, dedans = a.ions[i].x < 150;
                QVERIFY(a.ions[i].x != 150);
                QVERIFY(a.ions[i].x >= 5 && a.ions[i].x <= 295 && a.ions[i].y >= 3 && a.ions[i].y <= 161);
                if (i % 2 == 0) QCOMPARE(dedans, dedans_avant);
            }
            QVERIFY(a.ions[1].x < 150);
            QVERIFY(a.ions[1].x % 5 == 0);
            const int net = e < 0 ? a.n_sorties - a.n_entrees : a.n_entrees - a.n_sorties;
            if (e != 0) QVERIFY(net <= s);
            net_max = std::max(net_max, net);
            QVERIFY(a.n_ticks <= 50);
        }
        if (e != 0)
            QCOMPARE(net_max, s);
        else
            QCOMPARE(a.moyenne, 0.0);
    }

    // At EK = 0 (equal concentrations, ln 1 = 0) there is no threshold and
    // neither direction is refused: every K+ ion that reaches the other side
    // crosses and is counted, so the two counts are exactly the crossings seen
    // (no normalisation ever resets them).
    void ek_nul_passages_libres_data()
    {
        QTest::addColumn<double>("c");
        QTest::addColumn<int>("graine");
        QTest::newRow("100 / 100") << 100.0 << 12345;
        QTest::newRow("300 / 300, the 600 particles") << 300.0 << 77;
        QTest::newRow("10 / 10, few ions") << 10.0 << 5;
    }
    void ek_nul_passages_libres()
    {
        QFETCH(double, c);
        QFETCH(int, graine);
        const double e = ek(c, c);
        QCOMPARE(e, 0.0);
        std::mt19937 gen(graine);
        AnimationIons a;
        QImage im = image_unie(300, 164);
        a.remise_zero(c, c);
        a.placer(c, c, gen, im);
        int entrees = 0, sorties = 0;
        for (int t = 0; t < 2000; ++t) {
            const auto avant = a.ions;
            a.pas(e, gen, im);
            for (int i = 1; i <= a.nb_ions; i += 2) {
                entrees += avant[i].x > 150 && a.ions[i].x < 150;
                sorties += avant[i].x < 150 && a.ions[i].x > 150;
            }
            QCOMPARE(a.n_entrees, entrees);
            QCOMPARE(a.n_sorties, sorties);
        }
        // Enough crossings both ways for a refusal to have had its chance.
        QVERIFY(entrees > 20);
        QVERIFY(sorties > 20);
    }

    // The start-up case: the net outward count reaches 9, Em shown nears 90.
    void depart_vers_90()
    {
        std::mt19937 gen(2024);
        AnimationIons a;
        QImage im = image_unie(300, 164);
        const double e = ek(150, 6);
        a.remise_zero(150, 6);
        a.placer(150, 6, gen, im);
        int max_net = 0;
        for (int t = 0; t < 2000; ++t) {
            a.pas(e, gen, im);
            max_net = std::max(max_net, a.n_sorties - a.n_entrees);
        }
        QCOMPARE(max_net, 9);
        QVERIFY(10 * a.moyenne > 75 && 10 * a.moyenne <= 90);
        QVERIFY(a.legende_em(e)->startsWith("Em=-"));
        QCOMPARE(a.largeur_fleche(), std::abs(qRound(10 * a.moyenne)));
    }

    void legende_data()
    {
        QTest::addColumn<double>("e_k");
        QTest::addColumn<double>("moyenne");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("EK < 0: minus written before") << -85.37 << 8.7 << "Em=-87.00";
        QTest::newRow("EK > 0") << 60.0 << 0.45 << "Em=4.50";
        QTest::newRow("EK < 0, mean 0 after a reset: no minus") << -85.37 << 0.0 << "Em=0.00";
        QTest::newRow("EK < 0, mean that shows as zero") << -85.37 << 0.0004 << "Em=0.00";
        QTest::newRow("EK < 0, smallest mean shown") << -85.37 << 0.001 << "Em=-0.01";
        QTest::newRow("EK = 0: caption kept") << 0.0 << 1.0 << "";
    }
    void legende()
    {
        QFETCH(double, e_k);
        QFETCH(double, moyenne);
        QFETCH(QString, attendu);
        AnimationIons a;
        a.moyenne = moyenne;
        QCOMPARE(a.legende_em(e_k).value_or(QString()), attendu);
    }

    // Drawing a particle from its pattern gives the pixels of the ellipse and
    // flood fill it stands for, on a crowded picture with the dotted membrane.
    void dessin_comme_le_canevas()
    {
        QImage rapide = image_unie(300, 164);
        AnimationIons::dessiner_membrane(rapide);
        QImage lent = rapide.copy();
        std::mt19937 gen(99);
        for (int i = 1; i <= 600; ++i) {
            const AnimationIons::Ion p{5 + AnimationIons::tirage(gen, 291), 3 + AnimationIons::tirage(gen, 159)};
            AnimationIons::dessiner_ion(rapide, i, p);
            Canevas c(lent);
            c.couleur_plume = NOIR;
            c.couleur_pinceau = i % 2 ? ROUGE : LIME;
            c.Ellipse(p.x, p.y, p.x + 5, p.y + 5);
            c.FloodFill(p.x + 2, p.y + 2, NOIR);
        }
        QCOMPARE(rapide, lent);
    }

    void journal_des_ions()
    {
        // Where the screen keeps drawing journals the particles go through the
        // canvas: the same pixels, and a journal that gives them.
        QImage fond = image_unie(300, 164);
        AnimationIons::dessiner_membrane(fond);
        AnimationIons direct, par_canevas;
        direct.remise_zero(150, 6);
        par_canevas.remise_zero(150, 6);
        QImage a = fond, b = fond;
        std::mt19937 g1(5), g2(5);
        direct.placer(150, 6, g1, a);
        direct.pas(-85, g1, a);
        journal_dessin::activer(true);
        QImage fond_j = image_unie(300, 164);
        AnimationIons::dessiner_membrane(fond_j);
        b = fond_j;
        par_canevas.placer(150, 6, g2, b);
        par_canevas.pas(-85, g2, b);
        journal_dessin::activer(false);
        QCOMPARE(b, a);
        journal_dessin::activer(true);
        const JournalDessin j = journal_dessin::trouver(b);
        QVERIFY(j);
        QCOMPARE(journal_dessin::rendre(j, 1), b);
        journal_dessin::activer(false);
    }

    void membrane_pointillee()
    {
        QImage fond = image_unie(300, 164);
        AnimationIons::dessiner_membrane(fond);
        int noirs = 0;
        for (int y = 0; y < 164; ++y) noirs += fond.pixel(153, y) == qRgb(0, 0, 0);
        QVERIFY(noirs > 60 && noirs < 110); // dotted, not solid
        QCOMPARE(fond.pixel(152, 0), qRgb(255, 255, 255));
    }
};

QTEST_GUILESS_MAIN(TstAnimationIons)
#include "tst_animationions.moc"
