// The correction of the refractory-period questionnaire, lamp by lamp.
#include "nerve/questionnaire.h"

#include <QtTest>

class TstQuestionnaire : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void elements()
    {
        const QStringList l = Questionnaire::elements_periode();
        QCOMPARE(l.size(), 41);
        QCOMPARE(l.first(), QStringLiteral("0"));
        QCOMPARE(l[1], QStringLiteral("0.1"));
        QCOMPARE(l[10], QStringLiteral("1"));
        QCOMPARE(l[19], QStringLiteral("1.9"));
        QCOMPARE(l[20], QStringLiteral("2"));
        QCOMPARE(l[39], QStringLiteral("3.9"));
        QCOMPARE(l[40], QStringLiteral("4"));
        QCOMPARE(Questionnaire::elements_electrode(), (QStringList{"l'anode", "la cathode"}));
    }

    void lampes_data()
    {
        // Each row sets one answer; `lampe` is the index of the lamp it decides.
        QTest::addColumn<int>("lampe");
        QTest::addColumn<int>("index");   // for the combo boxes
        QTest::addColumn<QString>("texte"); // for the edits
        QTest::addColumn<bool>("vert");
        QTest::newRow("relative: nothing selected") << 0 << -1 << "" << false;
        QTest::newRow("relative: 1.8") << 0 << 18 << "" << false;
        QTest::newRow("relative: 1.9") << 0 << 19 << "" << true;
        QTest::newRow("relative: 2") << 0 << 20 << "" << true;
        QTest::newRow("relative: 2.1") << 0 << 21 << "" << true;
        QTest::newRow("relative: 2.2") << 0 << 22 << "" << false;
        QTest::newRow("absolute: 1.3") << 1 << 13 << "" << false;
        QTest::newRow("absolute: 1.4") << 1 << 14 << "" << true;
        QTest::newRow("absolute: 1.6") << 1 << 16 << "" << true;
        QTest::newRow("absolute: 1.7") << 1 << 17 << "" << false;
        QTest::newRow("long: 460") << 2 << 0 << "460" << false;
        QTest::newRow("long: 461") << 2 << 0 << "461" << true;
        QTest::newRow("long: 529") << 2 << 0 << "529" << true;
        QTest::newRow("long: 530") << 2 << 0 << "530" << false;
        QTest::newRow("long: 500 Hz reads 500") << 2 << 0 << "500 Hz" << true;
        QTest::newRow("long: leading blanks") << 2 << 0 << "   500" << true;
        QTest::newRow("long: $1F4 is 500") << 2 << 0 << "$1F4" << true;
        QTest::newRow("long: -500") << 2 << 0 << "-500" << false;
        QTest::newRow("long: -500 Hz reads 500 without its sign") << 2 << 0 << "-500 Hz" << true;
        QTest::newRow("long: empty reads 0") << 2 << 0 << "" << false;
        QTest::newRow("long: text reads 0") << 2 << 0 << "cinq cents" << false;
        QTest::newRow("short: 620") << 3 << 0 << "620" << false;
        QTest::newRow("short: 621") << 3 << 0 << "621" << true;
        QTest::newRow("short: 709") << 3 << 0 << "709" << true;
        QTest::newRow("short: 710") << 3 << 0 << "710" << false;
        // 35 to 50 m/s: the simulation gives 48 by moving a recording electrode
        // (60 pixels = 8 cm for 10 samples = 1.67 ms), about 37 from the latency.
        QTest::newRow("speed: 34") << 4 << 0 << "34" << false;
        QTest::newRow("speed: 35") << 4 << 0 << "35" << true;
        QTest::newRow("speed: 45") << 4 << 0 << "45" << true;
        QTest::newRow("speed: 46") << 4 << 0 << "46" << true;
        QTest::newRow("speed: 48 m/s reads 48") << 4 << 0 << "48 m/s" << true;
        QTest::newRow("speed: 50") << 4 << 0 << "50" << true;
        QTest::newRow("speed: 51") << 4 << 0 << "51" << false;
        QTest::newRow("speed: 51 m/s reads 51") << 4 << 0 << "51 m/s" << false;
        QTest::newRow("speed: 40 m/s reads 40") << 4 << 0 << "40 m/s" << true;
        QTest::newRow("speed: 40,5 reads 40") << 4 << 0 << "40,5" << true;
        QTest::newRow("electrode: none") << 5 << -1 << "" << false;
        QTest::newRow("electrode: l'anode") << 5 << 0 << "" << false;
        QTest::newRow("electrode: la cathode") << 5 << 1 << "" << true;
        // The threshold compared as text between "0.19" and "0.21".
        QTest::newRow("threshold 0.19") << 6 << 0 << "0.19" << true;
        QTest::newRow("threshold 0.2") << 6 << 0 << "0.2" << true;
        QTest::newRow("threshold 0.20") << 6 << 0 << "0.20" << true;
        QTest::newRow("threshold 0.195") << 6 << 0 << "0.195" << true;
        QTest::newRow("threshold 0.21") << 6 << 0 << "0.21" << true;
        QTest::newRow("threshold 0.2 V") << 6 << 0 << "0.2 V" << true;
        QTest::newRow("threshold 0.22") << 6 << 0 << "0.22" << false;
        QTest::newRow("threshold 0.210") << 6 << 0 << "0.210" << false;
        QTest::newRow("threshold .2") << 6 << 0 << ".2" << false;
        QTest::newRow("threshold 0,2") << 6 << 0 << "0,2" << false;
        QTest::newRow("threshold with a leading blank") << 6 << 0 << " 0.2" << false;
        QTest::newRow("threshold 0.18") << 6 << 0 << "0.18" << false;
        QTest::newRow("threshold empty") << 6 << 0 << "" << false;
    }
    void lampes()
    {
        QFETCH(int, lampe);
        QFETCH(int, index);
        QFETCH(QString, texte);
        QFETCH(bool, vert);
        Questionnaire::Reponses r;
        switch (lampe) {
        case 0: r.pref_rel = index; break;
        case 1: r.pref_abs = index; break;
        case 2: r.fib_lpr = texte; break;
        case 3: r.fib_cpr = texte; break;
        case 4: r.vit_influx = texte; break;
        case 5: r.combo_electrode = index; break;
        default: r.Edit_seuil = texte; break;
        }
        const Questionnaire::Lampes l = Questionnaire::corriger(r);
        QCOMPARE(l[lampe], vert);
        // The other lamps, all unanswered, stay red.
        for (int k = 0; k < 7; ++k)
            if (k != lampe) QVERIFY(!l[k]);
    }

    void tout_juste()
    {
        Questionnaire::Reponses r{20, 15, "500", "650", "40", 1, "0.20"};
        const Questionnaire::Lampes l = Questionnaire::corriger(r);
        for (bool v : l) QVERIFY(v);
    }
};

QTEST_GUILESS_MAIN(TstQuestionnaire)
#include "tst_questionnaire.moc"
