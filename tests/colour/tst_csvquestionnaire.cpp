#include "colour/csvquestionnaire.h"

#include <QtTest>

using Reponses = std::array<Couleur, NB_LIGNES>;
using Marques = std::array<std::optional<bool>, NB_LIGNES>;

// The questionnaire as spreadsheet rows: real colour, colour seen, mark.
class TstCsvQuestionnaire : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nom_data()
    {
        QTest::addColumn<int>("couleur");
        QTest::addColumn<QString>("nom");
        QTest::newRow("red") << ROUGE << "rouge (#FF0000)";
        QTest::newRow("the orange of row 6") << int(coul_orange) << "orange (#F0BF7D)";
        QTest::newRow("pale cyan, seen for red") << couleur_rgb(179, 250, 255) << "cyan pâle (#B3FAFF)";
        QTest::newRow("white named once") << BLANC << "blanc (#FFFFFF)";
        QTest::newRow("grey, seen for white") << couleur_rgb(163, 163, 163) << "gris (#A3A3A3)";
        QTest::newRow("another colour: code only") << couleur_rgb(1, 2, 3) << "#010203";
    }
    void nom()
    {
        QFETCH(int, couleur);
        QFETCH(QString, nom);
        QCOMPARE(nom_et_code_couleur(couleur), nom);
    }

    void lignes_data()
    {
        QTest::addColumn<Reponses>("reponses");
        QTest::addColumn<Marques>("marques");
        QTest::addColumn<QStringList>("attendu"); // rows 1 and 8
        Reponses aucune;
        aucune.fill(SANS_REPONSE);
        Reponses deux = aucune;
        deux[0] = couleur_rgb(179, 250, 255);
        deux[7] = ROUGE;
        Marques corrigees;
        corrigees.fill(false);
        corrigees[0] = true;
        QTest::newRow("no answer, not corrected")
            << aucune << Marques{} << QStringList{"rouge (#FF0000);;", "noir (#000000);;"};
        QTest::newRow("answers before a correction")
            << deux << Marques{} << QStringList{"rouge (#FF0000);cyan pâle (#B3FAFF);", "noir (#000000);rouge (#FF0000);"};
        QTest::newRow("after a correction")
            << deux << corrigees
            << QStringList{"rouge (#FF0000);cyan pâle (#B3FAFF);oui", "noir (#000000);rouge (#FF0000);non"};
    }
    void lignes()
    {
        QFETCH(Reponses, reponses);
        QFETCH(Marques, marques);
        QFETCH(QStringList, attendu);
        const QList<csv::Ligne> l = lignes_csv_questionnaire(reponses, marques);
        QCOMPARE(l.size(), 1 + NB_LIGNES);
        QCOMPARE(l[0], (csv::Ligne{"couleur réelle", "couleur vue", "réponse juste"}));
        QCOMPARE(l[1].join(';'), attendu[0]);
        QCOMPARE(l[8].join(';'), attendu[1]);
    }
};

QTEST_GUILESS_MAIN(TstCsvQuestionnaire)
#include "tst_csvquestionnaire.moc"
