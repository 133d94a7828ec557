#include "common/canevas.h"
#include "membrane/etatnernst.h"

#include <QtTest>

namespace {

Couleur pixel(const QImage &im, int x, int y) { return depuis_pixel(im.pixel(x, y)); }

EtatNernst etat_depart()
{
    EtatNernst e;
    e.membrane.calcul_pot_eq();
    return e;
}

} // namespace

class TstEtatNernst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Live recording: each tick takes the settings; the 84th records nothing.
    void enregistrement_jusqu_a_83()
    {
        EtatNernst e = etat_depart();
        e.membrane.gk = 40;
        for (int t = 1; t <= 83; ++t) {
            QVERIFY(e.pas_enregistrement());
            e.membrane.em = -t;
            e.noter_enregistrement();
        }
        QCOMPARE(e.etape, 83);
        QCOMPARE(e.programme.etape(83), (EtapeProg{40, 0, 150, 6, 8, 144}));
        // Each step keeps what was in force when it was recorded, whatever
        // the programme's step of that rank becomes afterwards.
        e.programme.etape(1).gna = 100;
        QCOMPARE(e.enregistre.size(), std::size_t(83));
        QCOMPARE(e.enregistre[0].reglages, (EtapeProg{40, 0, 150, 6, 8, 144}));
        QCOMPARE(e.enregistre[82].em, -83.0);
        QVERIFY(!e.pas_enregistrement());
        QCOMPARE(e.etape, 83);
        QCOMPARE(e.programme.nb_etapes, 0); // recording never changes the count
    }

    // Appending: a copy of the settings after the current step; never an 84th.
    void ajout_data()
    {
        QTest::addColumn<int>("etape");
        QTest::addColumn<int>("nb");
        QTest::addColumn<bool>("ajoute");
        QTest::addColumn<int>("etape_apres");
        QTest::addColumn<int>("nb_apres");
        QTest::newRow("empty programme") << 0 << 0 << true << 1 << 1;
        QTest::newRow("at the last step") << 3 << 3 << true << 4 << 4;
        QTest::newRow("inside: count kept") << 1 << 3 << true << 2 << 3;
        QTest::newRow("table full: nothing") << 83 << 83 << false << 83 << 83;
    }
    void ajout()
    {
        QFETCH(int, etape);
        QFETCH(int, nb);
        QFETCH(bool, ajoute);
        QFETCH(int, etape_apres);
        QFETCH(int, nb_apres);
        EtatNernst e = etat_depart();
        e.etape = etape;
        e.programme.nb_etapes = nb;
        e.membrane.gna = 55;
        QCOMPARE(e.ajouter_etape(), ajoute);
        QCOMPARE(e.etape, etape_apres);
        QCOMPARE(e.programme.nb_etapes, nb_apres);
        if (ajoute) QCOMPARE(e.programme.etape(etape_apres).gna, 55);
    }

    // Replay of N steps covers steps 1 .. N − 1.
    void rejeu_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("rejouees");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("one step") << 1 << 0;
        QTest::newRow("three steps") << 3 << 2;
        QTest::newRow("full") << 83 << 82;
    }
    void rejeu()
    {
        QFETCH(int, n);
        QFETCH(int, rejouees);
        EtatNernst e = etat_depart();
        e.programme.nb_etapes = n;
        e.debut_essai();
        int k = 0;
        while (e.etape_suivante_essai()) ++k;
        QCOMPARE(k, rejouees);
        QVERIFY(!e.essai_en_cours);
    }

    // Settling on a first step with GK only: Em reaches EK before the replay.
    void reglage_vers_ek()
    {
        EtatNernst e = etat_depart();
        e.programme.nb_etapes = 3;
        e.programme.etape(1) = {100, 0, 150, 6, 8, 144};
        e.debut_essai();
        int ticks = 0;
        while (!e.reglage_essai()) QVERIFY(++ticks < 100);
        QVERIFY(qAbs(e.membrane.em - e.membrane.e_k) < 1);
        QCOMPARE(e.membrane.gk, 100);
    }

    // A redraw before the first step leaves the concentrations alone.
    void reaff_sans_etape()
    {
        EtatNernst e = etat_depart();
        e.programme.nb_etapes = 2;
        e.programme.etape(1) = {10, 20, 1, 2, 3, 4};
        e.programme.etape(2) = {30, 40, 5, 6, 7, 8};
        QImage plot = image_unie(420, 220), blanc = image_unie(420, 220);
        e.reaff_tout(plot, blanc);
        QCOMPARE(e.membrane.c_ki, 150.0);
        QCOMPARE(e.membrane.gk, 30);
        e.etape = 1;
        e.reaff_tout(plot, blanc);
        QCOMPARE(e.membrane.c_nae, 4.0);
        QCOMPARE(pixel(plot, 11, 200 - 30 + 1), ROUGE);
        QCOMPARE(pixel(plot, 6, 200 - 10 + 1), ROUGE);
    }

    // What a redraw at step 1 of two leaves in the model: the plain redraw the
    // last step's conductances (30, 40) and step 1's concentrations; the one a
    // bar move makes while editing, the model's own settings (70, 5 at the
    // start-up concentrations). Both draw the same plot.
    void reaff_reglages_data()
    {
        QTest::addColumn<bool>("garder");
        QTest::addColumn<int>("gk");
        QTest::addColumn<int>("gna");
        QTest::addColumn<double>("c_nae");
        QTest::newRow("plain redraw") << false << 30 << 40 << 4.0;
        QTest::newRow("settings kept") << true << 70 << 5 << 144.0;
    }
    void reaff_reglages()
    {
        QFETCH(bool, garder);
        QFETCH(int, gk);
        QFETCH(int, gna);
        QFETCH(double, c_nae);
        EtatNernst e = etat_depart();
        e.programme.nb_etapes = 2;
        e.programme.etape(1) = {10, 20, 1, 2, 3, 4};
        e.programme.etape(2) = {30, 40, 5, 6, 7, 8};
        e.etape = 1;
        e.membrane.gk = 70;
        e.membrane.gna = 5;
        EtatNernst temoin = e;
        QImage plot = image_unie(420, 220), plot_temoin = image_unie(420, 220);
        const QImage blanc = image_unie(420, 220);
        if (garder)
            e.reaff_tout_sans_reglages(plot, blanc);
        else
            e.reaff_tout(plot, blanc);
        temoin.reaff_tout(plot_temoin, blanc);
        QCOMPARE(plot, plot_temoin);
        QCOMPARE(e.membrane.gk, gk);
        QCOMPARE(e.membrane.gna, gna);
        QCOMPARE(e.membrane.c_nae, c_nae);
    }

    // Plot geometry: GK at 200 − g, GNa likewise, Em at Round(100 − Em).
    void trace_data()
    {
        QTest::addColumn<int>("gk");
        QTest::addColumn<int>("gna");
        QTest::addColumn<double>("em");
        QTest::addColumn<QPoint>("point_gk");
        QTest::addColumn<QPoint>("point_gna");
        QTest::addColumn<QPoint>("point_em");
        // Dot interiors: x + 1, y + 1 for the 3 × 3 dots, x + 3, y + 3 for Em.
        QTest::newRow("GK 100, GNa 0, Em -85.37") << 100 << 0 << -85.37 << QPoint(6, 101) << QPoint(6, 201)
                                                  << QPoint(8, 188);
        QTest::newRow("GK 30, GNa 70, Em 40.5 (half to even)")
            << 30 << 70 << 40.5 << QPoint(6, 171) << QPoint(6, 131) << QPoint(8, 63);
    }
    void trace()
    {
        QFETCH(int, gk);
        QFETCH(int, gna);
        QFETCH(double, em);
        QFETCH(QPoint, point_gk);
        QFETCH(QPoint, point_gna);
        QFETCH(QPoint, point_em);
        TraceCourbe t;
        QImage plot = image_unie(420, 220);
        t.trace_point(plot, 1, gk, gna, em);
        QCOMPARE(pixel(plot, point_gk.x(), point_gk.y()), gk == gna ? BLEU : ROUGE);
        QCOMPARE(pixel(plot, point_gna.x(), point_gna.y()), BLEU);
        QCOMPARE(pixel(plot, point_em.x(), point_em.y()), MARINE);
        QCOMPARE(t.x_point_prec, 5);
    }

    // The second point is joined to the first; the first is not joined to anything.
    void jonction()
    {
        TraceCourbe t;
        QImage plot = image_unie(420, 220);
        t.trace_point(plot, 1, 0, 0, std::nullopt);
        QCOMPARE(pixel(plot, 3, 200), BLANC); // nothing left of the first dot
        t.trace_point(plot, 2, 100, 0, std::nullopt);
        QCOMPARE(pixel(plot, 7, 160), ROUGE); // on the line from (5, 200) to (10, 100)
    }

    // The Em scale: labels every 20 mV drawn white on navy 5 pixels above their row.
    void echelle_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("etiquette");
        QTest::newRow("-100 at y 200") << 200 << true;
        QTest::newRow("80 at y 20") << 20 << true;
        QTest::newRow("0 at y 100") << 100 << true;
        QTest::newRow("-90 at y 190: tick only") << 190 << false;
    }
    void echelle()
    {
        QFETCH(int, y);
        QFETCH(bool, etiquette);
        QImage leg = image_unie(30, 220);
        TraceCourbe::dessiner_echelle(leg);
        QCOMPARE(pixel(leg, 28, y), NOIR);
        QCOMPARE(pixel(leg, 29, y), NOIR);
        QCOMPARE(pixel(leg, 25, y), etiquette ? NOIR : BLANC); // a long tick, clear of the label
        if (etiquette) QCOMPARE(pixel(leg, 2, y - 5), MARINE); // the label's top-left corner
        QCOMPARE(pixel(leg, 27, y - 3), BLANC);
    }
};

// The scale writes text, which needs the GUI application for its fonts.
QTEST_MAIN(TstEtatNernst)
#include "tst_etatnernst.moc"
