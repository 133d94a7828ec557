#include "fechner/grillefechner.h"

#include <QtTest>

class TstGrilleFechner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifier_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("issue");
        QTest::addColumn<QString>("attendu");
        // Outcome rows: "O", "N" or nothing; anything else marked once, in the pupil's case.
        QTest::newRow("outcome o is upper-cased") << "o" << true << "O";
        QTest::newRow("outcome n is upper-cased") << "n" << true << "N";
        QTest::newRow("outcome O kept") << "O" << true << "O";
        QTest::newRow("outcome empty") << "" << true << "";
        QTest::newRow("outcome oui marked in its case") << "oui" << true << "oui?";
        QTest::newRow("outcome oui? left again: upper-cased, one mark") << "oui?" << true << "OUI?";
        QTest::newRow("outcome OUI? unchanged") << "OUI?" << true << "OUI?";
        QTest::newRow("outcome blanks are not empty") << "  " << true << "  ?";
        QTest::newRow("outcome mass typed in it") << "12" << true << "12?";
        QTest::newRow("outcome accented letter not upper-cased") << "é" << true << "é?";
        QTest::newRow("outcome mark in the middle") << "o?k" << true << "O?K";
        // Mass rows: whole numbers or nothing; anything else marked once, case kept.
        QTest::newRow("mass plain") << "50" << false << "50";
        QTest::newRow("mass leading blank kept") << " 12" << false << " 12";
        QTest::newRow("mass hex upper-cased") << "$1f" << false << "$1F";
        QTest::newRow("mass negative") << "-5" << false << "-5";
        QTest::newRow("mass plus sign") << "+7" << false << "+7";
        QTest::newRow("mass empty") << "" << false << "";
        QTest::newRow("mass 12a marked in its case") << "12a" << false << "12a?";
        QTest::newRow("mass 12a? left again unchanged") << "12a?" << false << "12a?";
        QTest::newRow("mass blanks marked") << "   " << false << "   ?";
        QTest::newRow("mass trailing blank marked") << "12 " << false << "12 ?";
        QTest::newRow("mass decimal marked") << "1.5" << false << "1.5?";
        QTest::newRow("mass o from the outcome menu") << "O" << false << "O?";
        QTest::newRow("mass beyond 32 bits marked") << "2147483648" << false << "2147483648?";
        QTest::newRow("mass largest int kept") << "2147483647" << false << "2147483647";
        QTest::newRow("mass hex with top bit kept") << "$ffffffff" << false << "$FFFFFFFF";
        QTest::newRow("mass ? alone") << "?" << false << "?";
    }
    void verifier()
    {
        QFETCH(QString, texte);
        QFETCH(bool, issue);
        QFETCH(QString, attendu);
        QCOMPARE(GrilleFechner::verifier(texte, issue), attendu);
    }

    void entetes_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("attendu");
        // The headings of the grid as the start-up writes them.
        QTest::newRow("corner empty") << 0 << 0 << "";
        QTest::newRow("ess1") << 1 << 0 << "ess1";
        QTest::newRow("ess10") << 10 << 0 << "ess10";
        QTest::newRow("twelfth value of row 0") << 11 << 0 << "";
        QTest::newRow("row 1 is 0g") << 0 << 1 << "0g";
        QTest::newRow("row 2 outcome") << 0 << 2 << "--o/n--";
        QTest::newRow("row 3 is 20g") << 0 << 3 << "20g";
        QTest::newRow("row 11 is 100g") << 0 << 11 << "100g";
        QTest::newRow("row 13 is 150g") << 0 << 13 << "150g";
        QTest::newRow("row 29 is 800g") << 0 << 29 << "800g";
        QTest::newRow("row 31 is 900g") << 0 << 31 << "900g";
        QTest::newRow("row 33 is 1000g") << 0 << 33 << "1000g";
        QTest::newRow("row 35 is 1200g") << 0 << 35 << "1200g";
        QTest::newRow("row 39 is 1500g") << 0 << 39 << "1500g";
        QTest::newRow("row 49 is 2000g") << 0 << 49 << "2000g";
        QTest::newRow("row 50 outcome") << 0 << 50 << "--o/n--";
        QTest::newRow("trial cells empty") << 5 << 20 << "";
    }
    void entetes()
    {
        QFETCH(int, colonne);
        QFETCH(int, ligne);
        QFETCH(QString, attendu);
        GrilleFechner g;
        g.ecrire(5, 20, QStringLiteral("x"));
        g.effacer();
        g.ecrire_entetes();
        QCOMPARE(g.cellule(colonne, ligne), attendu);
    }

    void selection_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("nouvelle_colonne");
        QTest::addColumn<int>("nouvelle_ligne");
        QTest::addColumn<QString>("laisse");
        QTest::addColumn<bool>("menu_masse");
        // A cell is typed into, then another is selected: the cell left is
        // checked and the menu follows the parity of the new row.
        QTest::newRow("outcome o, to a mass row") << 3 << 2 << "o" << 3 << 3 << "O" << true;
        QTest::newRow("mass 12a, to an outcome row") << 1 << 1 << "12a" << 1 << 2 << "12a?" << false;
        QTest::newRow("O from the outcome menu in a mass row") << 1 << 1 << "O" << 2 << 1 << "O?" << true;
        QTest::newRow("emptied cell never marked") << 4 << 7 << "" << 4 << 8 << "" << false;
        QTest::newRow("row 50 outcome") << 10 << 50 << "N" << 10 << 49 << "N" << true;
        QTest::newRow("hex mass") << 2 << 49 << "$1f" << 2 << 50 << "$1F" << false;
    }
    void selection()
    {
        QFETCH(int, colonne);
        QFETCH(int, ligne);
        QFETCH(QString, tape);
        QFETCH(int, nouvelle_colonne);
        QFETCH(int, nouvelle_ligne);
        QFETCH(QString, laisse);
        QFETCH(bool, menu_masse);
        GrilleFechner g;
        g.ecrire_entetes();
        g.selectionner(colonne, ligne);
        g.ecrire(colonne, ligne, tape);
        const GrilleFechner::Menu m = g.selectionner(nouvelle_colonne, nouvelle_ligne);
        QCOMPARE(g.cellule(colonne, ligne), laisse);
        QCOMPARE(g.colonne_courante(), nouvelle_colonne);
        QCOMPARE(g.ligne_courante(), nouvelle_ligne);
        QCOMPARE(m == GrilleFechner::Menu::Masse, menu_masse);
        // The headings are never touched by the check.
        QCOMPARE(g.cellule(0, ligne), ligne % 2 ? GrilleFechner::libelle_masse((ligne - 1) / 2)
                                                : QStringLiteral("--o/n--"));
    }

    void hors_grille()
    {
        GrilleFechner g;
        g.ecrire(12, 0, QStringLiteral("x"));
        g.ecrire(0, 51, QStringLiteral("x"));
        g.ecrire(-1, 3, QStringLiteral("x"));
        QVERIFY(g == GrilleFechner());
        QCOMPARE(g.cellule(12, 0), QString());
        QCOMPARE(g.cellule(0, -1), QString());
    }
};

QTEST_GUILESS_MAIN(TstGrilleFechner)
#include "tst_grillefechner.moc"
