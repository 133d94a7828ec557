#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "common/erreures.h"
#include "fichiersessai.h"
#include "filsessai.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>


namespace {

GrilleFechner depart()
{
    GrilleFechner g;
    g.ecrire_entetes();
    return g;
}

QList<QByteArray> lignes_de(const QByteArray &octets)
{
    QList<QByteArray> l = octets.split('\n');
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    for (QByteArray &x : l) x.chop(1); // the CR before each LF
    return l;
}

// A grid with a text in every cell, twelfth values included.
GrilleFechner pleine(const QString &motif)
{
    GrilleFechner g;
    for (int r = 0; r < GrilleFechner::LIGNES; ++r)
        for (int c = 0; c < GrilleFechner::COLONNES; ++c) g.ecrire(c, r, motif.arg(r).arg(c));
    return g;
}

} // namespace

class TstFichierFechner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecriture_depart_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QByteArray>("attendu");
        // Line r × 12 + c + 1 holds cell (c, r): the file of a grid just after start-up.
        QTest::newRow("1: corner") << 1 << QByteArray();
        QTest::newRow("2: ess1") << 2 << QByteArray("ess1");
        QTest::newRow("11: ess10") << 11 << QByteArray("ess10");
        QTest::newRow("12: twelfth value of row 0") << 12 << QByteArray();
        QTest::newRow("13: 0g") << 13 << QByteArray("0g");
        QTest::newRow("14: first trial") << 14 << QByteArray();
        QTest::newRow("25: --o/n--") << 25 << QByteArray("--o/n--");
        QTest::newRow("37: 20g") << 37 << QByteArray("20g");
        QTest::newRow("589: 2000g") << 589 << QByteArray("2000g");
        QTest::newRow("601: --o/n--") << 601 << QByteArray("--o/n--");
        QTest::newRow("612: last twelfth value") << 612 << QByteArray();
    }
    void ecriture_depart()
    {
        QFETCH(int, ligne);
        QFETCH(QByteArray, attendu);
        const QByteArray octets = octets_fch(depart());
        QCOMPARE(octets.count("\r\n"), 612);
        QVERIFY(octets.endsWith("\r\n"));
        QCOMPARE(octets.count('\r'), 612);
        QCOMPARE(octets.count('\n'), 612);
        const QList<QByteArray> l = lignes_de(octets);
        QCOMPARE(l.size(), 612);
        QCOMPARE(l[ligne - 1], attendu);
    }

    void ecriture_texte_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        // Windows-1252, one byte per character; what it cannot hold is "?".
        QTest::newRow("plain") << "12a?" << QByteArray("12a?");
        QTest::newRow("accents") << "éèàç" << QByteArray("\xE9\xE8\xE0\xE7");
        QTest::newRow("euro in 0x80") << "€" << QByteArray("\x80");
        QTest::newRow("oe in 0x9C") << "œ" << QByteArray("\x9C");
        QTest::newRow("not in the table") << "Ω" << QByteArray("?");
        QTest::newRow("LF would split the line: blank") << "a\nb" << QByteArray("a b");
        QTest::newRow("CR would split the line: blank") << "a\rb" << QByteArray("a b");
        QTest::newRow("Ctrl-Z would end the file: blank") << QString("a") + QChar(26) << QByteArray("a ");
    }
    void ecriture_texte()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        GrilleFechner g;
        g.ecrire(3, 7, texte);
        const QByteArray f = octets_fch(g);
        // Cell (3, 7) is line 88: 87 empty lines before it.
        QByteArray attendu = QByteArray("\r\n").repeated(87) + octets + "\r\n" + QByteArray("\r\n").repeated(612 - 88);
        QCOMPARE(f, attendu);
    }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("premieres");
        // The first four cells of row 0 after reading: the line rule.
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc\r\nd\r\n") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\rc") << QStringList{"a", "b", "c", ""};
        QTest::newRow("lone LF ends a line") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c", ""};
        QTest::newRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBF" "a\nb") << QStringList{"a", "b", "", ""};
        QTest::newRow("CR CR LF: an empty line") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b", ""};
        QTest::newRow("Ctrl-Z ends the file") << QByteArray("a\r\nb\x1a" "c\r\nd\r\n") << QStringList{"a", "b", "", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", ""};
        QTest::newRow("Windows-1252") << QByteArray("\xE9t\xE9\r\n\x80\r\n\x9C") << QStringList{"été", "€", "œ", ""};
        QTest::newRow("NUL byte kept") << QByteArray("a\0b\r\n", 5) << QStringList{QString("a") + QChar(0) + "b", "", "", ""};
        QTest::newRow("first line into the corner") << QByteArray("coin\r\n") << QStringList{"coin", "", "", ""};
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, premieres);
        GrilleFechner g = depart();
        lire_octets_fch(octets, g);
        for (int c = 0; c < premieres.size(); ++c) QCOMPARE(g.cellule(c, 0), premieres[c]);
        // Past the end of the file every cell is empty, headings included.
        QCOMPARE(g.cellule(0, 1), QString());
        QCOMPARE(g.cellule(0, 50), QString());
    }

    void lecture_octets_quelconques()
    {
        // Every byte value, over and over: read without harm, one byte per
        // character, and written back the same wherever no line end was cut.
        QByteArray octets;
        for (int tour = 0; tour < 40; ++tour)
            for (int b = 0; b < 256; ++b)
                if (b != '\r' && b != '\n' && b != 26) octets += char(b);
        GrilleFechner g = depart();
        lire_octets_fch(octets, g);
        QCOMPARE(g.cellule(0, 0).size(), octets.size());
        QCOMPARE(g.cellule(1, 0), QString());
        const QByteArray f = octets_fch(g);
        QVERIFY(f.startsWith(octets + "\r\n"));
        QCOMPARE(f.count("\r\n"), 612);
    }

    void lecture_longueurs_data()
    {
        QTest::addColumn<int>("nombre");
        // Files shorter and longer than 612 lines.
        QTest::newRow("1 line") << 1;
        QTest::newRow("13 lines") << 13;
        QTest::newRow("611 lines") << 611;
        QTest::newRow("612 lines") << 612;
        QTest::newRow("700 lines") << 700;
    }
    void lecture_longueurs()
    {
        QFETCH(int, nombre);
        QByteArray octets;
        for (int k = 1; k <= nombre; ++k) octets += "L" + QByteArray::number(k) + "\r\n";
        GrilleFechner g = pleine(QStringLiteral("old%1.%2"));
        lire_octets_fch(octets, g);
        for (int r = 0; r < GrilleFechner::LIGNES; ++r)
            for (int c = 0; c < GrilleFechner::COLONNES; ++c) {
                const int k = r * 12 + c + 1;
                QCOMPARE(g.cellule(c, r), k <= nombre ? QStringLiteral("L%1").arg(k) : QString());
            }
    }

    void aller_retour_data()
    {
        QTest::addColumn<QString>("motif");
        // Cells written then read back: the grid comes back whole.
        QTest::newRow("digits") << "%1%2";
        QTest::newRow("marked texts") << "oui%1?%2";
        QTest::newRow("accents and euro") << "é%1à%2€";
        QTest::newRow("blanks kept") << "  %1 %2 ";
        QTest::newRow("tab") << "%1\t%2";
        QTest::newRow("empty cells") << "";
    }
    void aller_retour()
    {
        QFETCH(QString, motif);
        const GrilleFechner g = motif.isEmpty() ? GrilleFechner() : pleine(motif);
        GrilleFechner lu = depart();
        lire_octets_fch(octets_fch(g), lu);
        QVERIFY(lu == g);

        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("essai.fch"));
        QVERIFY(ecrire_fch(chemin, g));
        QCOMPARE(lire_tout(chemin), octets_fch(g));
        GrilleFechner lu_fichier = depart();
        QVERIFY(lire_fch(chemin, lu_fichier));
        QVERIFY(lu_fichier == g);
    }

    void fins_de_ligne_data() { lignes_fins_de_ligne(); }
    void fins_de_ligne()
    {
        // A file saved by a Linux or Mac editor, or with a UTF-8 mark, reads
        // as the same grid as its CR LF twin.
        QFETCH(QByteArray, fin);
        QFETCH(bool, marque);
        const GrilleFechner g = pleine(QStringLiteral("%1:%2"));
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("autre.fch"));
        ecrire_tout(chemin, autres_fins(octets_fch(g), fin, marque));
        GrilleFechner lu = depart();
        QVERIFY(lire_fch(chemin, lu));
        QVERIFY(lu == g);
    }

    void fichier_enorme_data()
    {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<bool>("lu");
        // Hundreds of MB chosen by mistake: no line end at all, or one line
        // past the bound among the 612, is not a grid; a grid followed by
        // anything is read, its 612 lines only.
        QTest::newRow("no line end") << QByteArray() << false;
        QTest::newRow("long line 300") << QByteArray("a\r\n").repeated(299) << false;
        QTest::newRow("a grid, then anything") << octets_fch(pleine(QStringLiteral("%1;%2"))) << true;
    }
    void fichier_enorme()
    {
        QFETCH(QByteArray, debut);
        QFETCH(bool, lu);
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("enorme.fch"));
        ecrire_enorme(chemin, debut, qint64(400) * 1024 * 1024);
        QElapsedTimer montre;
        montre.start();
        const long avant = pic_memoire_ko();
        GrilleFechner g = depart();
        QString erreur;
        try {
            QVERIFY(lire_fch(chemin, g));
        } catch (const ErreurES &e) {
            erreur = e.texte();
        }
        QVERIFY(pic_memoire_ko() - avant < 20 * 1024);
        QVERIFY(montre.elapsed() < 2000);
        if (lu) {
            QCOMPARE(erreur, QString());
            QVERIFY(g == pleine(QStringLiteral("%1;%2")));
        } else {
            QCOMPARE(erreur, QStringLiteral("Ne peut ouvrir le fichier %1.").arg(chemin));
            QVERIFY(g == depart());
        }
    }

    void lecture_impossible_data()
    {
        QTest::addColumn<QString>("quoi");
        // Nothing that is not a regular file is read; the grid stays as it was.
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo (posix)") << "fifo";
        QTest::newRow("empty name") << "";
    }
    void lecture_impossible()
    {
        QFETCH(QString, quoi);
        QTemporaryDir dir;
        const QString chemin = quoi.isEmpty() ? QString() : dir.filePath(quoi + QStringLiteral(".fch"));
        if (quoi == QLatin1String("folder")) QVERIFY(QDir().mkdir(chemin));
        if (quoi == QLatin1String("fifo")) {
            SANS_WINDOWS("no FIFO there");
            QVERIFY(creer_fifo(chemin));
        }
        GrilleFechner g = depart();
        QVERIFY(!lire_fch(chemin, g));
        QVERIFY(g == depart());
    }

    void ecriture_impossible_data()
    {
        QTest::addColumn<QString>("quoi");
        // The file cannot be created: false, and nothing on disk changes.
        QTest::newRow("folder of that name") << "folder";
        QTest::newRow("missing folder") << "missing/essai.fch";
        QTest::newRow("file used as a folder") << "file/essai.fch";
        QTest::newRow("empty name") << "";
    }
    void ecriture_impossible()
    {
        QFETCH(QString, quoi);
        QTemporaryDir dir;
        ecrire_tout(dir.filePath(QStringLiteral("file")), "keep");
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("folder"))));
        const QString chemin = quoi.isEmpty() ? QString() : dir.filePath(quoi);
        QVERIFY(!ecrire_fch(chemin, depart()));
        QCOMPARE(lire_tout(dir.filePath(QStringLiteral("file"))), QByteArray("keep"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 2);
    }

    void dossier_lecture_seule_posix_data()
    {
        QTest::addColumn<bool>("fichier_ecrivable");
        // A folder that takes no new file, for an ordinary user (root is run
        // as one): the file is overwritten in place when it may be written,
        // else the save says it cannot create it and the old file stays.
        QTest::newRow("writable file: overwritten in place") << true;
        QTest::newRow("read-only file: kept") << false;
    }
    void dossier_lecture_seule_posix()
    {
        SANS_WINDOWS("an ordinary user's rights on a folder, in a forked child");
        QFETCH(bool, fichier_ecrivable);
        QTemporaryDir dir(QStringLiteral("/tmp/kalmeno-XXXXXX"));
        const QString chemin = dir.filePath(QStringLiteral("classe.fch"));
        ecrire_tout(chemin, "old");
        if (!fichier_ecrivable) QVERIFY(changer_mode(chemin, 0444));
        QVERIFY(changer_mode(dir.path(), 0555));
        const ResultatFils r = dans_un_fils({true, -1, dir.path()}, [&]() -> QByteArray {
            return ecrire_fch(chemin, depart()) ? "true" : "false";
        });
        changer_mode(dir.path(), 0755);
        QCOMPARE(r.statut, 0);
        QCOMPARE(r.sortie, QByteArray(fichier_ecrivable ? "true" : "false"));
        QCOMPARE(lire_tout(chemin), fichier_ecrivable ? octets_fch(depart()) : QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void echec_en_ecrivant_posix()
    {
        SANS_WINDOWS("a file-size limit");
        // The disk refuses the bytes (here a file-size limit): the write fails
        // and the old file stays whole in place.
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("classe.fch"));
        ecrire_tout(chemin, "old");
        bool leve = false;
        {
            const LimiteTaille limite(100);
            QVERIFY(limite.posee);
            try {
                ecrire_fch(chemin, pleine(QStringLiteral("%1-%2")));
            } catch (const ErreurES &) {
                leve = true;
            }
        }
        QVERIFY(leve);
        QCOMPARE(lire_tout(chemin), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstFichierFechner)
#include "tst_fichierfechner.moc"
