// The ess0.nst the build writes into the run directory: a real .nst file whose
// first 30 values draw one action potential over the baseline of step 70.
#include "common/entier.h"
#include "common/fichiertexte.h"
#include "common/nombres.h"
#include "nerve/modelenerf.h"

#include <QtTest>

#include <algorithm>

class TstEss0 : public QObject {
    Q_OBJECT
private:
    QByteArray octets_;
    QList<QByteArray> lignes_;
    int n_ = 0;

    std::string_view vue(const QByteArray &b) { return {b.constData(), std::size_t(b.size())}; }

private Q_SLOTS:
    void initTestCase()
    {
        const QString run = qEnvironmentVariable("KALMENO_RUN_DIR");
        QVERIFY(!run.isEmpty());
        QVERIFY(lire_fichier(run + "/ess0.nst", octets_));
        // CR LF after every line, the last included, and no lone LF.
        QVERIFY(octets_.endsWith("\r\n"));
        QCOMPARE(octets_.count('\n'), octets_.count("\r\n"));
        lignes_ = octets_.split('\n');
        lignes_.removeLast();
        for (QByteArray &l : lignes_) l.chop(1);
        const LectureEntier n = lire_entier(vue(lignes_.value(0)));
        QVERIFY(n.ok);
        n_ = n.valeur;
    }

    void taille()
    {
        // At least 70 steps (the baseline is the 70th value), at most the 83 of the programme table.
        QVERIFY(n_ >= 70 && n_ <= 83);
        QCOMPARE(lignes_.size(), 7 * n_ + 1);
    }

    void etapes()
    {
        // Six integers per step: the conductances within 0..100, the page's concentrations.
        int pic_gk = 0, pic_gna = 0, etape_gk = 0, etape_gna = 0;
        for (int i = 0; i < n_; ++i) {
            int v[6];
            for (int k = 0; k < 6; ++k) {
                const LectureEntier e = lire_entier(vue(lignes_[1 + 6 * i + k]));
                QVERIFY(e.ok);
                v[k] = e.valeur;
            }
            QVERIFY(v[0] >= 0 && v[0] <= 100);
            QVERIFY(v[1] >= 0 && v[1] <= 100);
            QCOMPARE(v[2], 150);
            QCOMPARE(v[3], 6);
            QCOMPARE(v[4], 8);
            QCOMPARE(v[5], 144);
            if (v[0] > pic_gk) pic_gk = v[0], etape_gk = i;
            if (v[1] > pic_gna) pic_gna = v[1], etape_gna = i;
        }
        // Sodium first, then potassium, as in the Hodgkin–Huxley conductances.
        QCOMPARE(pic_gna, 100);
        QVERIFY(etape_gna < etape_gk);
        QVERIFY(etape_gk < 30);
    }

    void reels()
    {
        // Every Em in the 23-character form, written back exactly as read.
        for (int i = 0; i < n_; ++i) {
            const QByteArray l = lignes_[1 + 6 * n_ + i];
            QCOMPARE(l.size(), 23);
            const LectureReel r = lire_reel(vue(l));
            QVERIFY(r.ok);
            QCOMPARE(format_reel_fichier(r.valeur).toLatin1(), l);
        }
    }

    void potentiel_d_action()
    {
        ModeleNerf m;
        m.lire_ess0(octets_);
        const double base = m.courbe_ess0[ModeleNerf::BASELINE];
        QVERIFY2(base > -75 && base < -65, qPrintable(QString::number(base)));
        m.calculer(ModeleNerf::Reglages{});
        const double pic = *std::max_element(m.onde_pa.begin(), m.onde_pa.end());
        // From about -70 mV to +30..+40 mV: 100 to 110 mV above the baseline,
        // starting and ending at it.
        QVERIFY2(pic > 100 && pic < 110, qPrintable(QString::number(pic)));
        QVERIFY(std::abs(m.onde_pa[0]) < 0.5);
        QVERIFY(std::abs(m.onde_pa[29]) < 0.5);
        // One potential: it rises once, then falls once to its undershoot.
        const auto sommet = std::max_element(m.onde_pa.begin(), m.onde_pa.end()) - m.onde_pa.begin();
        QVERIFY(sommet > 2 && sommet < 15);
        for (int k = int(sommet) + 1; k < 30 && m.onde_pa[k] > 0; ++k) QVERIFY(m.onde_pa[k] < m.onde_pa[k - 1]);
        QVERIFY(*std::min_element(m.onde_pa.begin(), m.onde_pa.end()) > -15);
    }

    void forme_data()
    {
        // Measures of the 30 samples the nerve page draws (1/6 ms each), in mV
        // and ms, against textbook values for an action potential.
        QTest::addColumn<QString>("mesure");
        QTest::addColumn<double>("bas");
        QTest::addColumn<double>("haut");
        QTest::newRow("rest near -70 mV") << "repos" << -72.0 << -68.0;
        QTest::newRow("peak +30 to +40 mV") << "pic" << 30.0 << 40.0;
        QTest::newRow("about 1 ms at half height") << "demi_hauteur" << 0.75 << 1.1;
        QTest::newRow("back down to rest 2 to 3 ms after the start") << "retour" << 2.0 << 3.0;
        QTest::newRow("undershoot 3 to 10 mV below rest") << "sous_repos" << 3.0 << 10.0;
        // The drawn trace (gain at most 0.7 pixel per mV) ends without a step:
        // less than half a pixel from the baseline.
        QTest::newRow("last sample within 0.5 mV of rest") << "fin" << 0.0 << 0.5;
    }
    void forme()
    {
        QFETCH(QString, mesure);
        QFETCH(double, bas);
        QFETCH(double, haut);
        ModeleNerf m;
        m.lire_ess0(octets_);
        const double repos = m.courbe_ess0[ModeleNerf::BASELINE];
        const double *c = m.courbe_ess0.data();
        const int n = ModeleNerf::TAILLE_ONDE;
        const int sommet = int(std::max_element(c, c + n) - c);
        const double moitie = (c[sommet] + repos) / 2;
        // The time, in samples, where the curve crosses a level between samples k and k + 1.
        auto croisement = [c](int k, double niveau) { return k + (niveau - c[k]) / (c[k + 1] - c[k]); };
        int debut = 0; // the last sample at rest before the rise
        while (debut < sommet && c[debut + 1] - repos < 0.5) ++debut;
        double v = 0.0;
        if (mesure == "repos") v = repos;
        else if (mesure == "pic") v = c[sommet];
        else if (mesure == "demi_hauteur") {
            int a = sommet, b = sommet;
            while (a > 0 && c[a - 1] > moitie) --a;
            while (b < n - 1 && c[b + 1] > moitie) ++b;
            v = (croisement(b, moitie) - croisement(a - 1, moitie)) / 6.0;
        } else if (mesure == "retour") {
            int k = sommet;
            while (k < n - 1 && c[k] > repos) ++k;
            v = (croisement(k - 1, repos) - debut) / 6.0;
        } else if (mesure == "sous_repos") v = repos - *std::min_element(c, c + n);
        else v = std::abs(c[n - 1] - repos);
        QVERIFY2(v >= bas && v <= haut, qPrintable(QStringLiteral("%1 = %2").arg(mesure).arg(v)));
    }
};

QTEST_GUILESS_MAIN(TstEss0)
#include "tst_ess0.moc"
