#include "common/erreures.h"
#include "common/fichiertexte.h"
#include "fichiersessai.h"
#include "filsessai.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>


class TstFichierTexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lignes_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<QByteArray>>("lignes");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
        // Files from Linux and macOS end their lines with a lone LF, old Mac
        // files with a lone CR: each ends one line, CR LF ends one too.
        QTest::newRow("lone LF ends a line") << QByteArray("a\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
        QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("empty lines, LF") << QByteArray("\n\nx\n") << QList<QByteArray>{"", "", "x"};
        QTest::newRow("byte-order mark skipped") << QByteArray("\xEF\xBB\xBF" "a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("byte-order mark, LF") << QByteArray("\xEF\xBB\xBF" "a\nb\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << QList<QByteArray>{};
        QTest::newRow("mark only at the start") << QByteArray("a\n\xEF\xBB\xBF" "b\n") << QList<QByteArray>{"a", "\xEF\xBB\xBF" "b"};
        QTest::newRow("half a mark stays") << QByteArray("\xEF\xBB" "a\n") << QList<QByteArray>{"\xEF\xBB" "a"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QList<QByteArray>{"", "", "x"};
        QTest::newRow("Ctrl-Z ends the file") << QByteArray("a\r\nb\x1a" "c\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
    }
    void lignes()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QList<QByteArray>, lignes);
        LecteurLignes l(octets);
        QList<QByteArray> lu;
        while (!l.fin()) lu << l.ligne();
        QCOMPARE(lu, lignes);
        // Past the end every line reads as empty.
        QCOMPARE(l.ligne(), QByteArray());

        // Read from the file a block at a time: the same lines, also when a
        // CR LF is split across two blocks.
        QTemporaryDir d;
        for (qsizetype avant : {qsizetype(0), qsizetype(65535), qsizetype(65534)}) {
            // After a first line the mark is not at the start of the file.
            if (avant && octets.startsWith("\xEF\xBB\xBF")) continue;
            // Lines of 100 bytes put the table's bytes right at a block's edge.
            QList<QByteArray> attendu;
            QByteArray tout;
            while (tout.size() < avant) {
                const qsizetype n = std::min<qsizetype>(100, avant - tout.size());
                attendu << QByteArray(n - 2, 'p');
                tout += attendu.last() + "\r\n";
            }
            tout += octets;
            attendu += lignes;
            const QString f = d.filePath(QStringLiteral("l%1.txt").arg(avant));
            QVERIFY(ecrire_fichier(f, tout));
            LecteurLignes lf(QByteArray{});
            QVERIFY(lf.ouvrir(f));
            QList<QByteArray> lu_f;
            while (!lf.fin()) lu_f << lf.ligne();
            QCOMPARE(lu_f, attendu);
            QCOMPARE(lf.ligne(), QByteArray());
        }
    }

    void longueur_data()
    {
        QTest::addColumn<QByteArray>("fin_de_ligne");
        QTest::addColumn<qsizetype>("longueur");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("at the bound, CR LF") << QByteArray("\r\n") << LONGUEUR_MAX_LIGNE << true;
        QTest::newRow("at the bound, LF") << QByteArray("\n") << LONGUEUR_MAX_LIGNE << true;
        QTest::newRow("at the bound, last line") << QByteArray() << LONGUEUR_MAX_LIGNE << true;
        QTest::newRow("one over, CR LF") << QByteArray("\r\n") << LONGUEUR_MAX_LIGNE + 1 << false;
        QTest::newRow("one over, last line") << QByteArray() << LONGUEUR_MAX_LIGNE + 1 << false;
    }
    void longueur()
    {
        // A line longer than the bound is refused, from memory and from a file.
        QFETCH(QByteArray, fin_de_ligne);
        QFETCH(qsizetype, longueur);
        QFETCH(bool, accepte);
        // Without a line end the long line is the file's last.
        const QByteArray suite = fin_de_ligne.isEmpty() ? QByteArray() : fin_de_ligne + "b\r\n";
        const QByteArray octets = "a\r\n" + QByteArray(longueur, 'x') + suite;
        QTemporaryDir d;
        const QString f = d.filePath(QStringLiteral("long.txt"));
        QVERIFY(ecrire_fichier(f, octets));
        for (bool fichier : {false, true}) {
            LecteurLignes l(fichier ? QByteArray() : octets);
            if (fichier) QVERIFY(l.ouvrir(f));
            QCOMPARE(l.ligne(), QByteArray("a"));
            if (accepte) {
                QCOMPARE(l.ligne().size(), longueur);
            } else {
                QVERIFY_THROWS_EXCEPTION(LigneTropLongue, l.ligne());
            }
        }
    }

    void fichier_enorme_data()
    {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<int>("lignes_avant");
        // Hundreds of MB without a line end (a sparse file of zero bytes), or
        // a few short lines first: only a bounded part is ever read.
        QTest::newRow("no line end at all") << QByteArray() << 0;
        QTest::newRow("after short lines") << QByteArray("1\n2\r\n3\r") << 3;
    }
    void fichier_enorme()
    {
        QFETCH(QByteArray, debut);
        QFETCH(int, lignes_avant);
        QTemporaryDir d;
        const QString f = d.filePath(QStringLiteral("enorme.fch"));
        ecrire_enorme(f, debut, qint64(800) * 1024 * 1024);
        QElapsedTimer montre;
        montre.start();
        const long avant = pic_memoire_ko();
        LecteurLignes l(QByteArray{});
        QVERIFY(l.ouvrir(f));
        for (int i = 0; i < lignes_avant; ++i) QCOMPARE(l.ligne(), QByteArray::number(i + 1));
        QVERIFY_THROWS_EXCEPTION(LigneTropLongue, l.ligne());
        // The whole-file read stops at its bound too.
        QByteArray octets;
        QVERIFY(lire_fichier(f, octets, 1000));
        QCOMPARE(octets.size(), 1001);
        QVERIFY(pic_memoire_ko() - avant < 20 * 1024);
        QVERIFY(montre.elapsed() < 2000);
    }

    void ecriture_lignes()
    {
        QCOMPARE(joindre_lignes({"0g", "", "--o/n--"}), QByteArray("0g\r\n\r\n--o/n--\r\n"));
        QCOMPARE(joindre_lignes({}), QByteArray());
    }

    void cp1252_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("ascii") << "ess1" << QByteArray("ess1");
        QTest::newRow("accents") << QString::fromUtf8("éèàç") << QByteArray("\xe9\xe8\xe0\xe7");
        QTest::newRow("euro 0x80") << QString::fromUtf8("€") << QByteArray("\x80");
        QTest::newRow("oe 0x9c") << QString::fromUtf8("œ") << QByteArray("\x9c");
        QTest::newRow("quotes 0x92") << QString::fromUtf8("’") << QByteArray("\x92");
    }
    void cp1252()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QCOMPARE(vers_cp1252(texte), octets);
        QCOMPARE(depuis_cp1252(octets), texte);
    }

    void cp1252_unmappable()
    {
        QCOMPARE(vers_cp1252(QString::fromUtf8("a→b")), QByteArray("a?b"));
        QCOMPARE(vers_cp1252(QString::fromUtf8("x😀")), QByteArray("x?")); // one "?" per character
        // Unassigned bytes come back as themselves.
        QCOMPARE(vers_cp1252(depuis_cp1252(QByteArray("\x81\x8d"))), QByteArray("\x81\x8d"));
    }

    void fichiers_fifo_posix()
    {
        QTemporaryDir d;
        const QString f = d.filePath("a.txt");
        QVERIFY(ecrire_fichier(f, "x\r\n"));
        QByteArray lu;
        QVERIFY(lire_fichier(f, lu));
        QCOMPARE(lu, QByteArray("x\r\n"));
        // Not regular files: a folder, a missing file, a device, a FIFO.
        QVERIFY(!lire_fichier(d.path(), lu));
        QVERIFY(!lire_fichier(d.filePath("absent"), lu));
        QVERIFY(!est_fichier_ordinaire(QSysInfo::productType() == "windows" ? "NUL" : "/dev/null"));
        QVERIFY(!ecrire_fichier(d.path(), "x"));
        QVERIFY(!ecrire_fichier(d.filePath("no/such/dir/f"), "x"));
        SANS_WINDOWS("no FIFO there");
        const QString fifo = d.filePath("fifo");
        QVERIFY(creer_fifo(fifo));
        QVERIFY(!lire_fichier(fifo, lu));
        QVERIFY(!est_fichier_ordinaire(fifo));
    }

    void ecriture_atomique_posix_data()
    {
        QTest::addColumn<qint64>("limite");
        QTest::addColumn<bool>("dossier_ferme");
        QTest::addColumn<bool>("fichier_ferme");
        QTest::addColumn<QByteArray>("resultat");
        QTest::addColumn<QByteArray>("apres");
        // The disk refuses the bytes (a file-size limit, which binds root too):
        // the write fails with its own error (EFBIG, errno 27) and the old
        // file stays whole.
        QTest::newRow("write refused") << qint64(3) << false << false << QByteArray("Erreur E/S 27.")
                                       << QByteArray("ancien\r\n");
        // A folder that takes no new file, as an ordinary user sees it: a file
        // that may be written is overwritten in place; one that may not is
        // not created, and stays as it was.
        QTest::newRow("read-only folder, writable file") << qint64(-1) << true << false << QByteArray("true")
                                                         << QByteArray("nouveau\r\n");
        QTest::newRow("read-only folder and file") << qint64(-1) << true << true << QByteArray("false")
                                                   << QByteArray("ancien\r\n");
    }
    void ecriture_atomique_posix()
    {
        SANS_WINDOWS("a file-size limit and an ordinary user's rights, in a forked child");
        QFETCH(qint64, limite);
        QFETCH(bool, dossier_ferme);
        QFETCH(bool, fichier_ferme);
        QFETCH(QByteArray, resultat);
        QFETCH(QByteArray, apres);
        QTemporaryDir d(QStringLiteral("/tmp/kalmeno-XXXXXX"));
        const QString f = d.filePath("garde.fch");
        QVERIFY(ecrire_fichier(f, "ancien\r\n"));
        if (fichier_ferme) QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        if (dossier_ferme) fermer_dossier(d.path());
        const ResultatFils r = dans_un_fils({true, limite, d.path()}, [&]() -> QByteArray {
            try {
                return ecrire_fichier(f, "nouveau\r\n") ? "true" : "false";
            } catch (const ErreurES &e) {
                return e.texte().toUtf8();
            }
        });
        QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(r.statut, 0);
        QCOMPARE(r.sortie, resultat);
        QByteArray lu;
        QVERIFY(lire_fichier(f, lu));
        QCOMPARE(lu, apres);
        // Nothing is left beside the file.
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstFichierTexte)
#include "tst_fichiertexte.moc"
