#include "membrane/fichiernst.h"
#include "membrane/programme.h"
#include "common/fichiertexte.h"
#include "fichiersessai.h"

#include <QTemporaryDir>

#include <QtTest>

Q_DECLARE_METATYPE(EtapeProg)

namespace {

QByteArray lignes(const QStringList &l)
{
    QByteArray b;
    for (const QString &s : l) b += s.toLatin1() + "\r\n";
    return b;
}

Programme deux_etapes()
{
    Programme p;
    p.nb_etapes = 2;
    p.etape(1) = {100, 0, 150, 6, 8, 144};
    p.etape(2) = {0, 100, 150, 6, 8, 144};
    p.em_etape(1) = -85.37;
    p.em_etape(2) = 76.66;
    return p;
}

} // namespace

class TstFichierNst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The two-step example of the format, byte for byte.
    void exemple_ecrit()
    {
        const QByteArray attendu = lignes({"2", "100", "0", "150", "6", "8", "144", "0", "100", "150", "6", "8", "144",
                                           "-8.53700000000000E+0001", " 7.66600000000000E+0001"});
        QCOMPARE(ecrire_nst(deux_etapes()), attendu);
    }

    void vide_ecrit_zero()
    {
        Programme p;
        p.etape(1) = {1, 2, 3, 4, 5, 6}; // kept in the table but not in the count
        QCOMPARE(ecrire_nst(p), QByteArray("0\r\n"));
    }

    void aller_retour_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("one step") << 1;
        QTest::newRow("three steps") << 3;
        QTest::newRow("full table") << 83;
    }
    void aller_retour()
    {
        QFETCH(int, n);
        Programme p;
        p.nb_etapes = n;
        for (int i = 1; i <= n; ++i) {
            p.etape(i) = {i % 101, (3 * i) % 101, (7 * i) % 301, (11 * i) % 301, (13 * i) % 301, 300 - i};
            p.em_etape(i) = -100.0 + i * 2.371234567891;
        }
        Programme lu;
        QVERIFY(lire_nst(ecrire_nst(p), lu));
        QCOMPARE(lu.nb_etapes, n);
        for (int i = 1; i <= n; ++i) {
            QCOMPARE(lu.etape(i), p.etape(i));
            QCOMPARE(lu.em_etape(i), p.em_etape(i)); // 15 significant digits round-trip these
        }
    }

    // Damaged files: what the programme holds afterwards.
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<bool>("lu");
        QTest::addColumn<int>("nb");
        QTest::addColumn<EtapeProg>("etape1");
        QTest::addColumn<double>("em1");
        const EtapeProg avant{9, 9, 9, 9, 9, 9}; // what the table held before
        QTest::newRow("empty file: first line empty, nothing changes") << QByteArray() << false << 5 << avant << 7.0;
        QTest::newRow("count 999x: nothing changes") << lignes({"999x", "1", "2"}) << false << 5 << avant << 7.0;
        QTest::newRow("binary garbage") << QByteArray("\x01\xff\x00\x1a\r\n12", 7) << false << 5 << avant << 7.0;
        QTest::newRow("negative count: empty programme") << lignes({"-3", "1"}) << true << 0 << avant << 7.0;
        QTest::newRow("short file: missing fields are 0")
            << lignes({"2", "100", "50"}) << true << 2 << EtapeProg{100, 50, 0, 0, 0, 0} << 0.0;
        QTest::newRow("out-of-range values held") << lignes({"1", "1000", "-5", "301", "-1", "300", "0", "1.5E+0001"})
                                                  << true << 1 << EtapeProg{100, 0, 300, 0, 300, 0} << 15.0;
        QTest::newRow("bad step line: digits before the fault")
            << lignes({"1", "12ab", "", "+7", "$10", " 20", "x", "-4.2e1"}) << true << 1 << EtapeProg{12, 0, 7, 16, 20, 0}
            << -42.0;
        QTest::newRow("malformed real: its valid prefix") << lignes({"1", "0", "0", "0", "0", "0", "0", "3.5xyz"})
                                                          << true << 1 << EtapeProg{} << 3.5;
        QTest::newRow("lone LF ends a line") << QByteArray("1\n7\r\n") << true << 1 << EtapeProg{7, 0, 0, 0, 0, 0} << 0.0;
        QTest::newRow("step line past the bound: nothing changes")
            << QByteArray("1\r\n2\r\n") + QByteArray(LONGUEUR_MAX_LIGNE + 1, '3') << false << 5 << avant << 7.0;
        QTest::newRow("Ctrl-Z ends the file") << QByteArray("1\r\n5\r\n\x1a\r\n6\r\n") << true << 1
                                               << EtapeProg{5, 0, 0, 0, 0, 0} << 0.0;
    }
    void lecture()
    {
        QFETCH(QByteArray, texte);
        QFETCH(bool, lu);
        QFETCH(int, nb);
        QFETCH(EtapeProg, etape1);
        QFETCH(double, em1);
        Programme p;
        p.nb_etapes = 5;
        p.etape(1) = {9, 9, 9, 9, 9, 9};
        p.em_etape(1) = 7.0;
        QCOMPARE(lire_nst(texte, p), lu);
        QCOMPARE(p.nb_etapes, nb);
        QCOMPARE(p.etape(1), etape1);
        QCOMPARE(p.em_etape(1), em1);
    }

    void fins_de_ligne_data() { lignes_fins_de_ligne(); }
    void fins_de_ligne()
    {
        // A file saved by a Linux or Mac editor, or with a UTF-8 mark, reads
        // as the same programme as its CR LF twin, from the file itself.
        QFETCH(QByteArray, fin);
        QFETCH(bool, marque);
        QTemporaryDir dir;
        const QString chemin = dir.filePath("autre.nst");
        ecrire_tout(chemin, autres_fins(ecrire_nst(deux_etapes()), fin, marque));
        LecteurLignes l(QByteArray{});
        QVERIFY(l.ouvrir(chemin));
        Programme p;
        QVERIFY(lire_nst(l, p));
        const Programme attendu = deux_etapes();
        QCOMPARE(p.nb_etapes, 2);
        for (int i = 1; i <= 2; ++i) {
            QCOMPARE(p.etape(i), attendu.etape(i));
            QCOMPARE(p.em_etape(i), attendu.em_etape(i));
        }
    }

    // A file announcing 200 steps: the first 83 are read, the extra step lines
    // skipped, and the Em values stay with their steps.
    void trop_d_etapes()
    {
        QStringList l{"200"};
        for (int i = 1; i <= 200; ++i)
            for (int k = 0; k < 6; ++k) l << QString::number(i % 100);
        for (int i = 1; i <= 200; ++i) l << QString::number(i) + ".5";
        Programme p;
        QVERIFY(lire_nst(lignes(l), p));
        QCOMPARE(p.nb_etapes, 83);
        QCOMPARE(p.etape(83).gk, 83);
        QCOMPARE(p.em_etape(1), 1.5);
        QCOMPARE(p.em_etape(83), 83.5);
    }

    // A huge count in a short file: the skipping stops at the end of the file.
    void compte_immense()
    {
        Programme p;
        QVERIFY(lire_nst(lignes({"2147483647", "1", "2"}), p));
        QCOMPARE(p.nb_etapes, 83);
        QCOMPARE(p.etape(1).gk, 1);
        QCOMPARE(p.em_etape(83), 0.0);
    }
};

QTEST_GUILESS_MAIN(TstFichierNst)
#include "tst_fichiernst.moc"
