#include "colour/fichiercouleurs.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"
#include "fichiersessai.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What a read painted: the values by line, in order.
struct Lecture {
    QList<Couleur> valeurs;
    QString erreur;
};

Lecture lire(const QByteArray &octets)
{
    Lecture l;
    try {
        FichierCouleurs::lire_texte(octets, [&](int ligne, Couleur c) {
            QCOMPARE(ligne, l.valeurs.size() + 1);
            l.valeurs << c;
        });
    } catch (const ErreurES &e) {
        l.erreur = e.texte();
    }
    return l;
}

constexpr Couleur F = COULEUR_FACE;

} // namespace

class TstFichierCouleurs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecriture()
    {
        // Eight signed decimals, CR LF after each, no padding, no header.
        const FichierCouleurs::Valeurs v = {F, F, 255, 0, 16777215, F, -1, 2147483647};
        QCOMPARE(FichierCouleurs::texte(v), QByteArray("-2147483633\r\n-2147483633\r\n255\r\n0\r\n16777215\r\n"
                                                       "-2147483633\r\n-1\r\n2147483647\r\n"));
    }

    void aller_retour()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(FichierCouleurs::nom());
        const FichierCouleurs::Valeurs v = {F, couleur_rgb(15, 1, 1), 3, F, BLANC, ROUGE, 0x7F123456, F};
        QVERIFY(FichierCouleurs::ecrire(chemin, v));
        QList<Couleur> lu;
        QVERIFY(FichierCouleurs::lire(chemin, [&](int, Couleur c) { lu << c; }));
        QCOMPARE(lu, QList<Couleur>(v.begin(), v.end()));
    }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<Couleur>>("valeurs");
        QTest::addColumn<QString>("erreur");
        using L = QList<Couleur>;
        QTest::newRow("face colour on every line")
            << QByteArray("-2147483633\r\n").repeated(8) << L{F, F, F, F, F, F, F, F} << QString();
        QTest::newRow("five lines: the last three read 0 (black)")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n") << L{1, 2, 3, 4, 5, 0, 0, 0} << QString();
        QTest::newRow("empty line reads 0") << QByteArray("1\r\n\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n")
                                            << L{1, 0, 3, 4, 5, 6, 7, 8} << QString();
        QTest::newRow("blanks and a plus sign")
            << QByteArray("  +12\r\n-7  \r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n") << L{12, -7, 3, 4, 5, 6, 7, 8}
            << QString();
        QTest::newRow("lines after the eighth are ignored")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\nx\r\n") << L{1, 2, 3, 4, 5, 6, 7, 8}
            << QString();
        QTest::newRow("last line without CR LF") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8")
                                                 << L{1, 2, 3, 4, 5, 6, 7, 8} << QString();
        QTest::newRow("empty file: all black") << QByteArray() << L{0, 0, 0, 0, 0, 0, 0, 0} << QString();
        QTest::newRow("a bad line stops the reading, lines before it painted")
            << QByteArray("1\r\n2\r\nrouge\r\n4\r\n5\r\n6\r\n7\r\n8\r\n") << L{1, 2}
            << QString("Saisie numérique incorrecte.");
        QTest::newRow("digits then letters are not a number")
            << QByteArray("12ab\r\n") << L{} << QString("Saisie numérique incorrecte.");
        QTest::newRow("beyond 32 bits is not a number")
            << QByteArray("5\r\n2147483648\r\n") << L{5} << QString("Saisie numérique incorrecte.");
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QList<Couleur>, valeurs);
        QFETCH(QString, erreur);
        const Lecture l = lire(octets);
        QCOMPARE(l.valeurs, valeurs);
        QCOMPARE(l.erreur, erreur);
    }

    void fins_de_ligne_data() { lignes_fins_de_ligne(); }
    void fins_de_ligne()
    {
        // A file saved by a Linux or Mac editor, or with a UTF-8 mark, paints
        // the same colours as its CR LF twin.
        QFETCH(QByteArray, fin);
        QFETCH(bool, marque);
        const FichierCouleurs::Valeurs v = {F, couleur_rgb(15, 1, 1), 3, F, BLANC, ROUGE, 0, -1};
        QTemporaryDir dir;
        const QString chemin = dir.filePath(FichierCouleurs::nom());
        ecrire_tout(chemin, autres_fins(FichierCouleurs::texte(v), fin, marque));
        QList<Couleur> lu;
        QVERIFY(FichierCouleurs::lire(chemin, [&](int, Couleur c) { lu << c; }));
        QCOMPARE(lu, QList<Couleur>(v.begin(), v.end()));
    }

    void fichier_enorme_data()
    {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<QList<Couleur>>("valeurs");
        QTest::addColumn<QString>("erreur");
        using L = QList<Couleur>;
        // Hundreds of MB chosen by mistake: a line past the bound is not a
        // number; eight good lines followed by anything are read, alone.
        QTest::newRow("no line end") << QByteArray() << L{} << QString("Saisie numérique incorrecte.");
        QTest::newRow("line 3 too long") << QByteArray("1\n2\n") << L{1, 2} << QString("Saisie numérique incorrecte.");
        QTest::newRow("eight lines, then anything") << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n")
                                                    << L{1, 2, 3, 4, 5, 6, 7, 8} << QString();
    }
    void fichier_enorme()
    {
        QFETCH(QByteArray, debut);
        QFETCH(QList<Couleur>, valeurs);
        QFETCH(QString, erreur);
        QTemporaryDir dir;
        const QString chemin = dir.filePath(FichierCouleurs::nom());
        ecrire_enorme(chemin, debut, qint64(400) * 1024 * 1024);
        const long memoire = pic_memoire_ko();
        QElapsedTimer montre;
        montre.start();
        QList<Couleur> lu;
        QString vu;
        try {
            QVERIFY(FichierCouleurs::lire(chemin, [&](int, Couleur c) { lu << c; }));
        } catch (const ErreurES &e) {
            vu = e.texte();
        }
        QCOMPARE(lu, valeurs);
        QCOMPARE(vu, erreur);
        QVERIFY(pic_memoire_ko() - memoire < 20 * 1024);
        QVERIFY(montre.elapsed() < 2000);
    }

    void absent_ou_pas_un_fichier()
    {
        // A file that cannot be opened, or a folder of that name: nothing is
        // painted and nothing is reported.
        QTemporaryDir dir;
        bool peint = false;
        const auto peindre = [&](int, Couleur) { peint = true; };
        QVERIFY(!FichierCouleurs::lire(dir.filePath(FichierCouleurs::nom()), peindre));
        QVERIFY(QDir(dir.path()).mkdir(FichierCouleurs::nom()));
        QVERIFY(!FichierCouleurs::lire(dir.filePath(FichierCouleurs::nom()), peindre));
        QVERIFY(!peint);
        // Nor can it be written over a folder.
        QVERIFY(!FichierCouleurs::ecrire(dir.filePath(FichierCouleurs::nom()), {}));
    }

    void cadres_par_page_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("lignes");
        QTest::newRow("page 0: GroupBox1 first, then 2 and 6") << 0 << QList<int>{1, 2, 3};
        QTest::newRow("page 3: line 6 (GroupBox7 and GroupBox11)") << 3 << QList<int>{6};
        QTest::newRow("page 5: line 8") << 5 << QList<int>{8};
        QTest::newRow("no page") << -1 << QList<int>{};
    }
    void cadres_par_page()
    {
        QFETCH(int, page);
        QFETCH(QList<int>, lignes);
        QCOMPARE(FichierCouleurs::lignes_de_page(page), lignes);
    }
};

QTEST_GUILESS_MAIN(TstFichierCouleurs)
#include "tst_fichiercouleurs.moc"
