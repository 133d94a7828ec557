#include "colour/experiencevoir.h"

#include <QtTest>

using Etat = ExperienceVoir::Etat;
Q_DECLARE_METATYPE(Etat)

namespace {

// Plays a sequence of events: "L" lancer, "V" a fixation tick, "R" the end of
// the afterimage; a digit before V repeats it (e.g. "5V" is five ticks).
void jouer(ExperienceVoir &e, const QString &suite)
{
    int repetitions = 0;
    for (QChar c : suite) {
        if (c.isDigit()) {
            repetitions = repetitions * 10 + c.digitValue();
            continue;
        }
        const int n = repetitions ? repetitions : 1;
        repetitions = 0;
        for (int i = 0; i < n; ++i) {
            if (c == 'L') e.lancer();
            if (c == 'V') e.tic_voir(231);
            if (c == 'R') e.tic_reaff_image();
        }
    }
}

} // namespace

class TstExperienceVoir : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void etats_data()
    {
        QTest::addColumn<QString>("suite");
        QTest::addColumn<Etat>("etat");
        QTest::addColumn<int>("compteur");
        QTest::addColumn<int>("barre");
        QTest::addColumn<bool>("image1");
        QTest::addColumn<bool>("image2");
        // The bar grows by 231 / 20 = 11 pixels a tick.
        QTest::newRow("no click: idle, coloured picture") << "" << Etat::Repos << 0 << 0 << true << false;
        QTest::newRow("lancer starts a fixation") << "L" << Etat::Fixation << 0 << 0 << true << false;
        QTest::newRow("three ticks: 33 pixels") << "L3V" << Etat::Fixation << 3 << 33 << true << false;
        QTest::newRow("19 ticks: 209 pixels") << "L19V" << Etat::Fixation << 19 << 209 << true << false;
        QTest::newRow("20th tick: afterimage, bar and counter back to 0")
            << "L20V" << Etat::ImageConsecutive << 0 << 0 << false << true;
        QTest::newRow("full cycle back to idle") << "L20VR" << Etat::Repos << 0 << 0 << true << false;
        QTest::newRow("lancer in the first second changes nothing") << "LL" << Etat::Fixation << 0 << 0 << true
                                                                    << false;
        QTest::newRow("lancer during the fixation: outline shown over the picture, bar kept")
            << "L5VL" << Etat::ImageConsecutive << 5 << 55 << true << true;
        QTest::newRow("after a cut-short afterimage: idle, bar still at its width")
            << "L5VLR" << Etat::Repos << 5 << 55 << true << false;
        QTest::newRow("lancer during the afterimage: a fresh fixation with an empty bar")
            << "L20VL" << Etat::Fixation << 0 << 0 << true << false;
        QTest::newRow("lancer after a cut-short one: a fresh fixation")
            << "L5VLL" << Etat::Fixation << 0 << 0 << true << false;
        QTest::newRow("lancer when idle after a cut-short cycle restarts from 0")
            << "L5VLRL" << Etat::Fixation << 0 << 0 << true << false;
    }
    void etats()
    {
        QFETCH(QString, suite);
        QFETCH(Etat, etat);
        QFETCH(int, compteur);
        QFETCH(int, barre);
        QFETCH(bool, image1);
        QFETCH(bool, image2);
        ExperienceVoir e;
        jouer(e, suite);
        QCOMPARE(e.etat(), etat);
        QCOMPARE(e.compteur_voir, compteur);
        QCOMPARE(e.largeur_barre, barre);
        QCOMPARE(e.image1, image1);
        QCOMPARE(e.image2, image2);
        // Never both timers at once.
        QVERIFY(!(e.voir && e.reaff_image));
    }

    void barre_data()
    {
        QTest::addColumn<int>("panneau");
        QTest::addColumn<int>("apres_trois");
        // (panel width / 20, whole pixels) × ticks.
        QTest::newRow("231: 11 a tick") << 231 << 33;
        QTest::newRow("240: 12 a tick") << 240 << 36;
        QTest::newRow("19: narrower than 20 ticks, no bar") << 19 << 0;
    }
    void barre()
    {
        QFETCH(int, panneau);
        QFETCH(int, apres_trois);
        ExperienceVoir e;
        e.lancer();
        for (int i = 0; i < 3; ++i) e.tic_voir(panneau);
        QCOMPARE(e.largeur_barre, apres_trois);
    }
};

QTEST_GUILESS_MAIN(TstExperienceVoir)
#include "tst_experiencevoir.moc"
