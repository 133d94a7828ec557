#include "colour/banccouleurs.h"

#include <QtTest>

using S = BancCouleurs::Somme;
Q_DECLARE_METATYPE(S)

class TstBancCouleurs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void couleur()
    {
        BancCouleurs b;
        // Bars at 0, 100, 245: components 255, 155, 10; bytes one less.
        QCOMPARE(b.change_couleur(2, 0, 100, 245), couleur_rgb(255, 155, 10));
        QCOMPARE(b.couleur(2), couleur_rgb(255, 155, 10));
        QCOMPARE(b.octets(2), (Octets{254, 154, 9}));
        // The other colours are untouched.
        QCOMPARE(b.octets(1), Octets{});
    }

    void sommes_data()
    {
        QTest::addColumn<S>("somme");
        QTest::addColumn<Couleur>("attendu");
        // Colour 1 red (255,10,10), 2 green (10,255,10), 3 blue (10,10,255):
        // each pair sums to 263 in two primaries and 18 in the third, scaled by 263/254.
        QTest::newRow("1 + 2 yellow") << S::S12 << couleur_rgb(255, 255, 18);
        QTest::newRow("1 + 3 magenta") << S::S13 << couleur_rgb(255, 18, 255);
        QTest::newRow("2 + 3 cyan") << S::S23 << couleur_rgb(18, 255, 255);
        QTest::newRow("all three white") << S::S123 << BLANC;
    }
    void sommes()
    {
        QFETCH(S, somme);
        QFETCH(Couleur, attendu);
        BancCouleurs b;
        b.change_couleur(1, 0, 245, 245);
        b.change_couleur(2, 245, 0, 245);
        b.change_couleur(3, 245, 245, 0);
        QCOMPARE(b.calcul(somme), attendu);
        QCOMPARE(b.somme(somme), attendu);
    }

    void somme_suit_les_couleurs()
    {
        // A mixture is computed from the colours as they are when it is asked for.
        BancCouleurs b;
        for (int k = 1; k <= 3; ++k) b.change_couleur(k, 245, 245, 245);
        QCOMPARE(b.calcul(S::S12), couleur_rgb(19, 19, 19));
        b.change_couleur(1, 0, 0, 0);
        QCOMPARE(b.somme(S::S12), couleur_rgb(19, 19, 19));
        // 254 + 9 = 263 in every primary: scaled to 255.
        QCOMPARE(b.calcul(S::S12), BLANC);
        QCOMPARE(b.calcul(S::S23), couleur_rgb(19, 19, 19));
    }
};

QTEST_GUILESS_MAIN(TstBancCouleurs)
#include "tst_banccouleurs.moc"
