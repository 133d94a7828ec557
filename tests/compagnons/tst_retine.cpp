#include "compagnons/terplux/retine.h"
#include "compagnons/terplux/stimuli.h"

#include <QtTest>

#include <numeric>

class TstRetine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noyau_data()
    {
        QTest::addColumn<double>("sigma");
        QTest::addColumn<int>("taille"); // 2 × ceil(3 sigma) + 1
        QTest::newRow("sigma 1") << 1.0 << 7;
        QTest::newRow("sigma 3") << 3.0 << 19;
        QTest::newRow("sigma 2.2") << 2.2 << 15;
        QTest::newRow("sigma 0: the picture itself") << 0.0 << 1;
    }
    void noyau()
    {
        QFETCH(double, sigma);
        QFETCH(int, taille);
        const std::vector<double> k = Retine::noyau(sigma);
        QCOMPARE(int(k.size()), taille);
        QVERIFY(std::abs(std::accumulate(k.begin(), k.end(), 0.0) - 1.0) < 1e-12);
        QCOMPARE(k.front(), k.back());
    }

    void champ_uniforme_data()
    {
        QTest::addColumn<double>("force");
        QTest::addColumn<double>("luminance");
        // Both Gaussians weigh 1: the response is (1 − force) × L everywhere, borders included.
        QTest::newRow("no inhibition") << 0.0 << 0.7;
        QTest::newRow("80 % on white") << 0.8 << 1.0;
        QTest::newRow("full inhibition") << 1.0 << 0.5;
    }
    void champ_uniforme()
    {
        QFETCH(double, force);
        QFETCH(double, luminance);
        Retine r;
        r.force = force;
        const Luminances rep = r.reponse(Luminances(60, 40, luminance));
        const auto [lo, hi] = rep.extremes();
        QVERIFY(std::abs(lo - (1 - force) * luminance) < 1e-9);
        QVERIFY(std::abs(hi - (1 - force) * luminance) < 1e-9);
    }

    void grille_de_hermann_data()
    {
        QTest::addColumn<int>("motif");
        QTest::addColumn<double>("force");
        QTest::addColumn<double>("sigma");
        QTest::addColumn<int>("signe"); // sign of (crossing − street)
        // White streets: the surround of a crossing sees four bright arms, of a street two.
        QTest::newRow("black squares, 80 %: crossings darker") << int(Motif::HermannNoir) << 0.8 << 3.0 << -1;
        QTest::newRow("black squares, 50 %: crossings darker") << int(Motif::HermannNoir) << 0.5 << 3.0 << -1;
        QTest::newRow("black squares, small field: darker") << int(Motif::HermannNoir) << 0.8 << 1.0 << -1;
        // A centre wider than the street takes in the squares: the crossing, with more white in the centre, wins.
        QTest::newRow("black squares, centre wider than a street: brighter") << int(Motif::HermannNoir) << 0.8 << 6.0 << 1;
        // Without inhibition the blur alone makes the crossing, with more white around, the brighter.
        QTest::newRow("black squares, no inhibition: brighter") << int(Motif::HermannNoir) << 0.0 << 3.0 << 1;
        // Black streets: the crossing's surround is darker, the cell less inhibited.
        QTest::newRow("white squares, 80 %: crossings brighter") << int(Motif::HermannBlanc) << 0.8 << 3.0 << 1;
    }
    void grille_de_hermann()
    {
        QFETCH(int, motif);
        QFETCH(double, force);
        QFETCH(double, sigma);
        QFETCH(int, signe);
        Retine r;
        r.force = force;
        r.sigma_centre = sigma;
        const GrilleHermann g;
        const Stimulus s = creer_stimulus(Motif(motif), g);
        const Luminances rep = r.reponse(s.image);
        // Every inner crossing against the middle of the street to its right, and below it.
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 5; ++j) {
                const double croisement = rep.at(g.centre_rue(i), g.centre_rue(j));
                const double rue_h = rep.at(g.milieu_carre(i), g.centre_rue(j));
                const double rue_v = rep.at(g.centre_rue(i), g.milieu_carre(j));
                QVERIFY2(signe * (croisement - rue_h) > 1e-4, qPrintable(QString("%1,%2").arg(i).arg(j)));
                QVERIFY2(signe * (croisement - rue_v) > 1e-4, qPrintable(QString("%1,%2").arg(i).arg(j)));
            }
        // The stimulus itself has the same luminance at both places.
        QCOMPARE(s.image.at(g.centre_rue(2), g.centre_rue(2)), s.image.at(g.milieu_carre(2), g.centre_rue(2)));
    }

    void bandes_de_mach()
    {
        // With inhibition a dark band at the foot of the ramp, a light one at its top.
        Retine r;
        const DispositionMach d;
        const Luminances rep = r.reponse(creer_stimulus(Motif::BandesMach).image);
        const int y = TAILLE_STIMULUS / 2;
        const double plateau_sombre = rep.at(20, y), plateau_clair = rep.at(TAILLE_STIMULUS - 20, y);
        QVERIFY(std::abs(plateau_sombre - (1 - r.force) * d.sombre) < 1e-9);
        double creux = 1e9, bosse = -1e9;
        for (int x = d.debut_rampe - 10; x <= d.debut_rampe + 10; ++x) creux = std::min(creux, rep.at(x, y));
        for (int x = d.fin_rampe - 10; x <= d.fin_rampe + 10; ++x) bosse = std::max(bosse, rep.at(x, y));
        QVERIFY(creux < plateau_sombre - 0.005);
        QVERIFY(bosse > plateau_clair + 0.005);
        // Without inhibition no band: the response stays between the plateaus.
        r.force = 0.0;
        const auto [lo, hi] = r.reponse(creer_stimulus(Motif::BandesMach).image).extremes();
        QVERIFY(lo >= d.sombre - 1e-9 && hi <= d.clair + 1e-9);
    }

    void contraste_simultane_data()
    {
        QTest::addColumn<double>("force");
        QTest::addColumn<int>("signe"); // sign of (grey on dark − grey on light)
        QTest::newRow("with inhibition: brighter on the dark ground") << 0.8 << 1;
        QTest::newRow("without: the blur darkens it instead") << 0.0 << -1;
    }
    void contraste_simultane()
    {
        QFETCH(double, force);
        QFETCH(int, signe);
        Retine r;
        r.force = force;
        const DispositionContraste d;
        const Luminances rep = r.reponse(creer_stimulus(Motif::ContrasteSimultane).image);
        const double sur_sombre = rep.moyenne(d.gauche_sombre(), d.haut(), d.gauche_sombre() + d.cote, d.haut() + d.cote);
        const double sur_clair = rep.moyenne(d.gauche_clair(), d.haut(), d.gauche_clair() + d.cote, d.haut() + d.cote);
        QVERIFY2(signe * (sur_sombre - sur_clair) > 1e-3, qPrintable(QString("%1 %2").arg(sur_sombre).arg(sur_clair)));
    }

    void image_du_champ()
    {
        // The centre is lighter than mid-grey, the surround darker, the far field mid-grey.
        Retine r;
        const QImage im = r.image_champ(111, 111.0 / (7.0 * r.sigma_pourtour()));
        QVERIFY(qGray(im.pixel(55, 55)) > 200);
        const double px_par_unite = 111.0 / (7.0 * r.sigma_pourtour());
        const int anneau = 55 + int(1.5 * r.sigma_pourtour() * px_par_unite * 0.8);
        QVERIFY(qGray(im.pixel(anneau, 55)) < 110);
        QVERIFY(std::abs(qGray(im.pixel(0, 0)) - 128) < 40);
    }

    void image_en_gris()
    {
        Luminances l(3, 1);
        l.at(0, 0) = -1.0;
        l.at(1, 0) = 0.5;
        l.at(2, 0) = 2.0;
        const QImage im = l.image(0.0, 1.0);
        QCOMPARE(qGray(im.pixel(0, 0)), 0);
        QCOMPARE(qGray(im.pixel(1, 0)), 128);
        QCOMPARE(qGray(im.pixel(2, 0)), 255);
    }
};

QTEST_GUILESS_MAIN(TstRetine)
#include "tst_retine.moc"
