#include "colour/palettechoix.h"

#include <QtTest>

namespace {

std::array<Couleur, NB_COLONNES> hauts()
{
    std::array<Couleur, NB_COLONNES> h{};
    for (int i = 0; i < NB_COLONNES; ++i) h[i] = colonnes_choix()[i].haut;
    return h;
}

} // namespace

class TstPaletteChoix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void constantes()
    {
        // The three named colours, as colour values and as components.
        QCOMPARE(coul_orange, couleur_rgb(240, 191, 125));
        QCOMPARE(coul_cyan, couleur_rgb(0, 255, 255));
        QCOMPARE(coul_violet, couleur_rgb(145, 0, 215));
    }

    void cle_data()
    {
        QTest::addColumn<int>("rang");
        QTest::addColumn<Couleur>("attendu");
        // The expected seen colour of each row, from the key table.
        QTest::newRow("red: pale cyan") << 1 << couleur_rgb(179, 250, 255);
        QTest::newRow("yellow: pale blue") << 2 << couleur_rgb(179, 205, 255);
        QTest::newRow("blue: pale yellow") << 3 << couleur_rgb(252, 249, 192);
        QTest::newRow("fuchsia: pale green") << 4 << couleur_rgb(184, 255, 179);
        QTest::newRow("lime: pale pink-violet") << 5 << couleur_rgb(255, 179, 245);
        QTest::newRow("orange: pale violet") << 6 << couleur_rgb(209, 179, 255);
        QTest::newRow("white: grey") << 7 << couleur_rgb(163, 163, 163);
        QTest::newRow("black: white") << 8 << BLANC;
    }
    void cle()
    {
        QFETCH(int, rang);
        QFETCH(Couleur, attendu);
        QCOMPARE(hauts()[cle_questionnaire()[rang - 1].colonne - 1], attendu);
        // Only that row is right when only its answer is the expected colour.
        std::array<Couleur, NB_LIGNES> reponses;
        reponses.fill(SANS_REPONSE);
        reponses[rang - 1] = attendu;
        const auto justes = correction(reponses, hauts());
        for (int k = 0; k < NB_LIGNES; ++k) QCOMPARE(justes[k], k == rang - 1);
    }

    void sans_reponse()
    {
        // Before any answer every row is wrong, row 8 too although white is expected.
        std::array<Couleur, NB_LIGNES> reponses;
        reponses.fill(SANS_REPONSE);
        for (bool j : correction(reponses, hauts())) QVERIFY(!j);
        for (const ColonneChoix &c : colonnes_choix()) {
            QVERIFY(c.haut != SANS_REPONSE);
            QVERIFY(c.bas != SANS_REPONSE);
        }
    }

    void lue_a_la_correction()
    {
        // The key is the dialog's upper colours as they are when correcting.
        std::array<Couleur, NB_LIGNES> reponses;
        reponses.fill(SANS_REPONSE);
        reponses[0] = ROUGE;
        auto h = hauts();
        h[6] = ROUGE;
        QVERIFY(correction(reponses, h)[0]);
    }
};

QTEST_GUILESS_MAIN(TstPaletteChoix)
#include "tst_palettechoix.moc"
