#include "common/erreures.h"
#include "common/fichiertexte.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TstFichierTexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lignes_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<QByteArray>>("lignes");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
        QTest::newRow("lone LF stays in the text") << QByteArray("a\nb\r\n") << QList<QByteArray>{"a\nb"};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
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

    void fichiers()
    {
        QTemporaryDir d;
        const QString f = d.filePath("a.txt");
        QVERIFY(ecrire_fichier(f, "x\r\n"));
        QByteArray lu;
        QVERIFY(lire_fichier(f, lu));
        QCOMPARE(lu, QByteArray("x\r\n"));
        // Not regular files: a folder, a FIFO, a missing file.
        QVERIFY(!lire_fichier(d.path(), lu));
        const QString fifo = d.filePath("fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!lire_fichier(fifo, lu));
        QVERIFY(!est_fichier_ordinaire(fifo));
        QVERIFY(!lire_fichier(d.filePath("absent"), lu));
        QVERIFY(!ecrire_fichier(d.path(), "x"));
        QVERIFY(!ecrire_fichier(d.filePath("no/such/dir/f"), "x"));
    }

    void ecriture_atomique()
    {
        // A save that cannot complete leaves the old file whole.
        QTemporaryDir d;
        const QString f = d.filePath("garde.fch");
        QVERIFY(ecrire_fichier(f, "ancien\r\n"));
        QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::geteuid() != 0) QVERIFY(!ecrire_fichier(f, "nouveau\r\n"));
        QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QByteArray lu;
        QVERIFY(lire_fichier(f, lu));
        if (::geteuid() != 0) QCOMPARE(lu, QByteArray("ancien\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstFichierTexte)
#include "tst_fichiertexte.moc"
