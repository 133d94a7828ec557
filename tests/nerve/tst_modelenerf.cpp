// The stimulation model: the load of ess0.nst and the run, row by row against
// the table of behaviours of the simulator, and the drawing of the trace.
#include "common/canevas.h"
#include "nerve/modelenerf.h"
#include "fichiersessai.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <QtTest>

namespace {

// A waveform whose samples are all different, so any shift shows:
// onde_pa[k] = k + 1 over a baseline of 0.
void onde_connue(ModeleNerf &m)
{
    m.courbe_ess0.fill(0.0);
    for (int k = 0; k < ModeleNerf::TAILLE_ONDE; ++k) m.courbe_ess0[k] = k + 1;
}

QByteArray crlf(const QList<QByteArray> &lignes)
{
    QByteArray b;
    for (const QByteArray &l : lignes) b += l + "\r\n";
    return b;
}

using Trace = std::array<ModeleNerf::Echantillon, ModeleNerf::NB_ECHANTILLONS + 1>;

// The expected recording, written the way the table of behaviours reads:
// a response is the waveform k + 1 placed after its delay, scaled by its factor;
// the second replaces the first where they overlap; nothing at or beyond 120.
void poser(Trace &t, int debut, bool voie1, double facteur)
{
    for (int i = 1; i <= 30; ++i)
        if (debut + i >= 1 && debut + i < 120) (voie1 ? t[debut + i].voie1 : t[debut + i].voie2) = facteur * i;
}

} // namespace

class TstModeleNerf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<int>>("slots");
        QTest::addColumn<QList<double>>("attendus");
        // Every slot starts at -7 so that an unwritten slot shows.
        const QList<QByteArray> deux_etapes = {"2", "100", "0", "150", "6", "8", "144",
                                               "0", "100", "150", "6", "8", "144",
                                               "-8.53700000000000E+0001", " 7.66600000000000E+0001"};
        QTest::newRow("two steps, the integer section skipped")
            << crlf(deux_etapes) << QList<int>{0, 1, 2} << QList<double>{-85.37, 76.66, -7};
        QTest::newRow("first line not an integer: nothing stored")
            << crlf({"2x", "1", "2"}) << QList<int>{0, 1} << QList<double>{-7, -7};
        QTest::newRow("empty file: nothing stored") << QByteArray() << QList<int>{0} << QList<double>{-7};
        QTest::newRow("negative count reads nothing")
            << crlf({"-3", "1", "2"}) << QList<int>{0} << QList<double>{-7};
        QTest::newRow("malformed value keeps its valid prefix")
            << crlf({"3", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                     "12.5abc", "abc", "-3,5"})
            << QList<int>{0, 1, 2} << QList<double>{12.5, 0, -3};
        QTest::newRow("values too large to draw are held")
            << crlf({"2", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1e300", "-1e300"})
            << QList<int>{0, 1} << QList<double>{1e6, -1e6};
        QTest::newRow("file shorter than announced: missing lines read empty")
            << crlf({"3", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                     "5"})
            << QList<int>{0, 1, 2} << QList<double>{5, 0, 0};
        QTest::newRow("huge count on a short file ends at once")
            << crlf({"2147483647", "1", "2"}) << QList<int>{0, 83} << QList<double>{0, 0};
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QList<int>, slots);
        QFETCH(QList<double>, attendus);
        ModeleNerf m;
        m.courbe_ess0.fill(-7);
        m.lire_ess0(octets);
        for (int k = 0; k < slots.size(); ++k) QCOMPARE(m.courbe_ess0[slots[k]], attendus[k]);
    }

    void au_plus_84_valeurs()
    {
        // 90 steps: 84 values stored, the rest of the file is not read into the table.
        QList<QByteArray> l{"90"};
        for (int i = 0; i < 6 * 90; ++i) l << "0";
        for (int i = 0; i < 90; ++i) l << QByteArray::number(i + 1);
        ModeleNerf m;
        m.lire_ess0(crlf(l));
        QCOMPARE(m.courbe_ess0[0], 1.0);
        QCOMPARE(m.courbe_ess0[83], 84.0);
    }

    void fins_de_ligne_data() { lignes_fins_de_ligne(); }
    void fins_de_ligne()
    {
        // An ess0.nst saved by a Linux or Mac editor, or with a UTF-8 mark,
        // gives the same curve as its CR LF twin, read from the file.
        QFETCH(QByteArray, fin);
        QFETCH(bool, marque);
        QList<QByteArray> l{"3"};
        for (int i = 0; i < 18; ++i) l << "0";
        l << "-8.5E+0001" << " 3.0E+0001" << "1.25";
        QTemporaryDir d;
        const QString chemin = d.filePath("ess0.nst");
        ecrire_tout(chemin, autres_fins(crlf(l), fin, marque));
        ModeleNerf m;
        m.courbe_ess0.fill(-7);
        m.lec_fic_ess0(chemin);
        QCOMPARE(m.courbe_ess0[0], -85.0);
        QCOMPARE(m.courbe_ess0[1], 30.0);
        QCOMPARE(m.courbe_ess0[2], 1.25);
        QCOMPARE(m.courbe_ess0[3], -7.0);
    }

    void fichier_enorme_data()
    {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<double>("valeur0");
        // Hundreds of MB chosen by mistake: a line past the bound changes
        // nothing, as a first line that is not a number; a curve followed by
        // anything is read, its lines only.
        QTest::newRow("no line end") << QByteArray() << -7.0;
        QTest::newRow("a value line too long") << crlf({"1", "0", "0", "0", "0", "0", "0"}) << -7.0;
        QTest::newRow("a curve, then anything") << crlf({"1", "0", "0", "0", "0", "0", "0", "4.5"}) << 4.5;
    }
    void fichier_enorme()
    {
        QFETCH(QByteArray, debut);
        QFETCH(double, valeur0);
        QTemporaryDir d;
        const QString chemin = d.filePath("ess0.nst");
        ecrire_enorme(chemin, debut, qint64(400) * 1024 * 1024);
        const long memoire = pic_memoire_ko();
        QElapsedTimer montre;
        montre.start();
        ModeleNerf m;
        m.courbe_ess0.fill(-7);
        m.lec_fic_ess0(chemin);
        QCOMPARE(m.courbe_ess0[0], valeur0);
        QCOMPARE(m.courbe_ess0[1], -7.0);
        QVERIFY(pic_memoire_ko() - memoire < 20 * 1024);
        QVERIFY(montre.elapsed() < 2000);
    }

    void fichier_absent()
    {
        ModeleNerf m;
        m.courbe_ess0.fill(3);
        m.lec_fic_ess0(QStringLiteral("/nonexistent/ess0.nst"));
        QCOMPARE(m.courbe_ess0[0], 3.0);
        QTemporaryDir d;
        m.lec_fic_ess0(d.path()); // a folder is not a file
        QCOMPARE(m.courbe_ess0[5], 3.0);
    }

    void ligne_de_base()
    {
        // onde_pa is the curve minus its 70th value.
        ModeleNerf m;
        m.courbe_ess0.fill(-70);
        m.courbe_ess0[3] = 30;
        ModeleNerf::Reglages r;
        m.calculer(r);
        QCOMPARE(m.onde_pa[3], 100.0);
        QCOMPARE(m.onde_pa[0], 0.0);
    }

    void parcours_data()
    {
        QTest::addColumn<int>("intensite");  // hundredths of a volt
        QTest::addColumn<bool>("deux");
        QTest::addColumn<int>("p");
        QTest::addColumn<bool>("fibre");
        QTest::addColumn<QList<int>>("lefts"); // anode, cathode, enr1, enr2
        QTest::addColumn<bool>("reponse");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<bool>("premiere");  // the first response is recorded
        QTest::addColumn<double>("facteur"); // second response factor, 0 = none
        QTest::addColumn<int>("decal1");
        QTest::addColumn<int>("decal2");

        const QList<int> depart{64, 80, 208, 224};
        // Start layout: (208 − 80) / 6 = 21.33 truncated to 21; (224 − 208) / 6 = 2.67 rounded to 3.
        QTest::newRow("0.10 V: flat") << 10 << false << 50 << false << depart << false << 0.10 << false << 0.0 << 21 << 3;
        QTest::newRow("0.19 V: flat") << 19 << false << 50 << false << depart << false << 0.19 << false << 0.0 << 21 << 3;
        QTest::newRow("0.20 V: one response of gain 0.20")
            << 20 << false << 50 << false << depart << true << 0.20 << true << 0.0 << 21 << 3;
        QTest::newRow("0.70 V: gain 0.70") << 70 << false << 50 << false << depart << true << 0.70 << true << 0.0 << 21 << 3;
        QTest::newRow("1.00 V: held at 0.70") << 100 << false << 50 << false << depart << true << 0.70 << true << 0.0 << 21 << 3;
        QTest::newRow("0.19 V, p 20: no summation, flat")
            << 19 << true << 20 << false << depart << false << 0.19 << false << 0.0 << 21 << 3;
        QTest::newRow("0.10 V, p 5: 10 is not above 10, flat")
            << 10 << true << 5 << false << depart << false << 0.10 << false << 0.0 << 21 << 3;
        QTest::newRow("0.15 V, p 5: summation, one response of factor 2")
            << 15 << true << 5 << false << depart << true << 0.15 << false << 2.0 << 21 << 3;
        QTest::newRow("0.19 V, p 19: summation, factor 1 + 1/15")
            << 19 << true << 19 << false << depart << true << 0.19 << false << 1.0 + 1.0 / 15 << 21 << 3;
        QTest::newRow("0.11 V, p 0: summation on the first's place, factor 1 + 20/15")
            << 11 << true << 0 << false << depart << true << 0.11 << false << 1.0 + 20.0 / 15 << 21 << 3;
        QTest::newRow("0.20 V, p 10: second larger, 1 + 10/15")
            << 20 << true << 10 << false << depart << true << 0.20 << true << 1.0 + 10.0 / 15 << 21 << 3;
        QTest::newRow("0.23 V, p 5: second twice the first")
            << 23 << true << 5 << false << depart << true << 0.23 << true << 2.0 << 21 << 3;
        QTest::newRow("0.24 V, p 10: absolute refractory")
            << 24 << true << 10 << false << depart << true << 0.24 << true << 0.0 << 21 << 3;
        QTest::newRow("0.24 V, p 11: relative, 0.55")
            << 24 << true << 11 << false << depart << true << 0.24 << true << 0.55 << 21 << 3;
        QTest::newRow("1.00 V, p 5: absolute refractory")
            << 100 << true << 5 << false << depart << true << 0.70 << true << 0.0 << 21 << 3;
        QTest::newRow("1.00 V, p 10: absolute refractory")
            << 100 << true << 10 << false << depart << true << 0.70 << true << 0.0 << 21 << 3;
        QTest::newRow("1.00 V, p 11: relative, 0.55")
            << 100 << true << 11 << false << depart << true << 0.70 << true << 0.55 << 21 << 3;
        QTest::newRow("1.00 V, p 19: relative, 0.95")
            << 100 << true << 19 << false << depart << true << 0.70 << true << 0.95 << 21 << 3;
        QTest::newRow("1.00 V, p 20: equal responses")
            << 100 << true << 20 << false << depart << true << 0.70 << true << 1.0 << 21 << 3;
        QTest::newRow("1.00 V, p 60: equal responses")
            << 100 << true << 60 << false << depart << true << 0.70 << true << 1.0 << 21 << 3;
        QTest::newRow("fibre 1.00 V, p 11: second equals the first")
            << 100 << true << 11 << true << depart << true << 0.70 << true << 1.0 << 21 << 3;
        QTest::newRow("fibre 1.00 V, p 10: still absolute refractory")
            << 100 << true << 10 << true << depart << true << 0.70 << true << 0.0 << 21 << 3;
        QTest::newRow("fibre 0.15 V, p 5: summation answers at factor 1")
            << 15 << true << 5 << true << depart << true << 0.15 << false << 1.0 << 21 << 3;
        // Anode right of the cathode: efficacy 0.6, threshold 33.33.
        const QList<int> anode_droite{90, 80, 208, 224};
        QTest::newRow("anode right: 0.33 V flat")
            << 33 << false << 50 << false << anode_droite << false << 0.33 * 0.6 << false << 0.0 << 21 << 3;
        QTest::newRow("anode right: 0.34 V answers")
            << 34 << false << 50 << false << anode_droite << true << 0.34 * 0.6 << true << 0.0 << 21 << 3;
        QTest::newRow("anode right: 1.00 V gain 0.6")
            << 100 << false << 50 << false << anode_droite << true << 0.6 << true << 0.0 << 21 << 3;
        QTest::newRow("anode right: 0.20 V, p 5: summation between 16.7 and 33.3")
            << 20 << true << 5 << false << anode_droite << true << 0.20 * 0.6 << false << 2.0 << 21 << 3;
        // Cathode beyond the end of the nerve (311): intensity 0.
        QTest::newRow("cathode at 312: never a response")
            << 100 << false << 50 << false << QList<int>{64, 312, 318, 320} << false << 0.0 << false << 0.0 << 1 << 0;
        QTest::newRow("cathode at 311: still on the nerve")
            << 100 << false << 50 << false << QList<int>{64, 311, 318, 320} << true << 0.70 << true << 0.0 << 1 << 0;
        QTest::newRow("recording electrodes coinciding")
            << 100 << false << 50 << false << QList<int>{64, 80, 208, 208} << true << 0.70 << true << 0.0 << 21 << 0;
        QTest::newRow("electrode 2 at 311: records nothing")
            << 100 << false << 50 << false << QList<int>{64, 80, 208, 311} << true << 0.70 << true << 0.0 << 21 << 17;
        QTest::newRow("electrode 1 at 311: records nothing")
            << 100 << false << 50 << false << QList<int>{64, 80, 311, 224} << true << 0.70 << true << 0.0 << 38 << -14;
        QTest::newRow("late second response runs off at 120")
            << 100 << true << 60 << false << QList<int>{64, 80, 300, 310} << true << 0.70 << true << 1.0 << 36 << 2;
        QTest::newRow("electrode 2 before electrode 1: negative delay")
            << 100 << false << 50 << false << QList<int>{64, 80, 224, 208} << true << 0.70 << true << 0.0 << 24 << -3;
    }
    void parcours()
    {
        QFETCH(int, intensite);
        QFETCH(bool, deux);
        QFETCH(int, p);
        QFETCH(bool, fibre);
        QFETCH(QList<int>, lefts);
        QFETCH(bool, reponse);
        QFETCH(double, amplitude);
        QFETCH(bool, premiere);
        QFETCH(double, facteur);
        QFETCH(int, decal1);
        QFETCH(int, decal2);

        ModeleNerf m;
        onde_connue(m);
        m.deux_stim = deux;
        ModeleNerf::Reglages r;
        for (int k = 0; k < 4; ++k) r.montage.gauche[k] = lefts[k];
        r.position_i_stim = 100 - intensite;
        r.p = p;
        r.fibre = fibre;
        const ModeleNerf::Resultat res = m.calculer(r);

        QCOMPARE(res.reponse, reponse);
        QVERIFY(qAbs(res.amplitude - amplitude) < 1e-12);
        QCOMPARE(res.deux_artef_gauche, 5 * p + 10);
        QCOMPARE(m.decal_enr2, decal2);

        Trace attendu{};
        const bool voie1 = lefts[2] < 311, voie2 = lefts[3] < 311;
        if (premiere) {
            if (voie1) poser(attendu, decal1, true, 1.0);
            if (voie2) poser(attendu, decal1 + decal2, false, 1.0);
        }
        if (facteur > 0) {
            if (voie1) poser(attendu, decal1 + p, true, facteur);
            if (voie2) poser(attendu, decal1 + p + decal2, false, facteur);
        }
        for (int i = 1; i <= 120; ++i) {
            QVERIFY2(qAbs(m.trace_enr[i].voie1 - attendu[i].voie1) < 1e-12, qPrintable(QString::number(i)));
            QVERIFY2(qAbs(m.trace_enr[i].voie2 - attendu[i].voie2) < 1e-12, qPrintable(QString::number(i)));
        }
        QCOMPARE(m.trace_enr[120].voie1, 0.0); // never written
    }

    void trace_remise_a_zero()
    {
        // A run starts from a clean recording: a flat run after a response leaves nothing.
        ModeleNerf m;
        onde_connue(m);
        ModeleNerf::Reglages r;
        r.position_i_stim = 0;
        m.calculer(r);
        QVERIFY(m.trace_enr[30].voie1 != 0.0);
        r.position_i_stim = 90;
        m.calculer(r);
        for (int i = 1; i <= 120; ++i) QCOMPARE(m.trace_enr[i].voie1, 0.0);
    }

    void y_trace_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<int>("y");
        QTest::newRow("baseline") << 0.0 << 0.7 << 110;
        QTest::newRow("100 mV at 0.7: 70 pixels up") << 100.0 << 0.7 << 40;
        QTest::newRow("negative goes down") << -10.0 << 0.5 << 115;
        QTest::newRow("half to even: 110 - 2.5 = 107.5 -> 108") << 5.0 << 0.5 << 108;
        QTest::newRow("half to even: 110 - 1.5 = 108.5 -> 108") << 3.0 << 0.5 << 108;
        QTest::newRow("too high is held above the picture") << 1e6 << 0.7 << -220;
        QTest::newRow("too low is held below the picture") << -1e6 << 0.7 << 440;
    }
    void y_trace()
    {
        QFETCH(double, v);
        QFETCH(double, amplitude);
        QFETCH(int, y);
        QCOMPARE(ModeleNerf::y_trace(v, amplitude), y);
    }

    void dessin_data()
    {
        QTest::addColumn<int>("intensite");
        QTest::addColumn<bool>("fibre");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("y");
        // Sample i of the trace: dot filled navy in the box (5i, y) to (5i + 6, y + 6).
        // With onde k + 1 (k = 0..29), electrode 1 at 22..51 and electrode 2 at 25..54:
        // v(22) = 1, v(25) = 4 - 1 = 3, v(52) = -28 (only electrode 2 left).
        QTest::newRow("flat before the response") << 100 << false << 10 << 110;
        QTest::newRow("first sample at 0.70") << 100 << false << 22 << 109;  // 110 - 0.7
        QTest::newRow("differential at 0.70") << 100 << false << 25 << 108;  // 110 - 2.1
        QTest::newRow("electrode 2 alone at 0.70") << 100 << false << 52 << 130; // 110 + 19.6
        QTest::newRow("nerve at 0.20") << 20 << false << 52 << 116;          // 110 + 5.6
        QTest::newRow("fibre at 0.20 drawn at 0.70") << 20 << true << 52 << 130;
    }
    void dessin()
    {
        QFETCH(int, intensite);
        QFETCH(bool, fibre);
        QFETCH(int, i);
        QFETCH(int, y);
        ModeleNerf m;
        onde_connue(m);
        ModeleNerf::Reglages r;
        r.position_i_stim = 100 - intensite;
        r.fibre = fibre;
        const ModeleNerf::Resultat res = m.calculer(r);
        QImage im = image_unie(420, 220);
        Canevas c(im);
        m.dessiner_trace(c, res.amplitude, fibre);
        // The dot's centre is navy.
        QCOMPARE(c.pixel(5 * i + 3, y + 3), MARINE);
        // The ellipse's outline is black at the left of its middle row.
        QCOMPARE(c.pixel(5 * i, y + 3), NOIR);
        QCOMPARE(m.x_prec, 400);
    }

    void lignes_entre_points()
    {
        // Between two dots a navy line two pixels wide runs from (x_prec + 2, y_prec + 2) to (5i + 2, y).
        ModeleNerf m;
        m.courbe_ess0.fill(0.0);
        m.courbe_ess0[0] = 100; // a jump of 70 pixels at sample 22, gain 0.70
        ModeleNerf::Reglages r;
        r.position_i_stim = 0;
        r.montage.gauche[3] = 320; // electrode 2 off the nerve
        m.calculer(r);
        QImage im = image_unie(420, 220);
        Canevas c(im);
        m.dessiner_trace(c, 0.7, false);
        // From (107, 112) to (112, 40): half way up, well clear of both dots.
        bool marine = false;
        for (int x = 107; x <= 112; ++x) marine = marine || c.pixel(x, 76) == MARINE;
        QVERIFY(marine);
        QCOMPARE(c.pixel(100, 76), BLANC);
        // Nothing is drawn left of the first dot.
        for (int y = 0; y < 220; ++y) QCOMPARE(c.pixel(3, y), BLANC);
    }

    void valeurs_enormes_dessinees_vite()
    {
        // A file of huge values draws without overflow, within the held band.
        ModeleNerf m;
        m.courbe_ess0.fill(0.0);
        m.lire_ess0(crlf({"1", "0", "0", "0", "0", "0", "0", "1.7e308"}));
        ModeleNerf::Reglages r;
        r.position_i_stim = 0;
        const ModeleNerf::Resultat res = m.calculer(r);
        QImage im = image_unie(420, 220);
        Canevas c(im);
        m.dessiner_trace(c, res.amplitude, false);
        QCOMPARE(c.pixel(5 * 22 + 3, 113), BLANC); // the dot went off the top
        QCOMPARE(c.pixel(5 * 21 + 3, 113), MARINE);
    }
};

QTEST_GUILESS_MAIN(TstModeleNerf)
#include "tst_modelenerf.moc"
