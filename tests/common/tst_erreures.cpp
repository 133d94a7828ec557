#include "common/erreures.h"

#include <QtTest>

#include <cerrno>

class TstErreures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("texte");
        // The "." follows every text whose last character comes after ".".
        QTest::newRow("2") << 2 << "Fichier introuvable.";
        QTest::newRow("3") << 3 << "Nom de fichier incorrect.";
        QTest::newRow("4") << 4 << "Trop de fichiers ouverts.";
        QTest::newRow("5") << 5 << QString::fromUtf8("Accès au fichier refusé.");
        QTest::newRow("100") << 100 << QString::fromUtf8("Lecture au delà de la fin de fichier.");
        QTest::newRow("101") << 101 << "Disque plein.";
        QTest::newRow("106") << 106 << QString::fromUtf8("Saisie numérique incorrecte.");
        QTest::newRow("other") << 12 << "Erreur E/S 12.";
    }
    void textes()
    {
        QFETCH(int, code);
        QFETCH(QString, texte);
        QCOMPARE(ErreurES::code(code).texte(), texte);
        QCOMPARE(ErreurES::code(code).code_es(), code);
    }

    void point_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("letter") << "abc" << "abc.";
        QTest::newRow("slash comes after the point") << "/tmp/" << "/tmp/.";
        QTest::newRow("already a point") << "fin." << "fin.";
        QTest::newRow("minus comes before") << "a-" << "a-";
        QTest::newRow("blank comes before") << "a " << "a ";
        QTest::newRow("empty") << "" << "";
    }
    void point()
    {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QCOMPARE(avec_point(texte), attendu);
    }

    void fichiers()
    {
        QCOMPARE(ErreurES::ouverture("/r/an.bmp").texte(), QString("Ne peut ouvrir le fichier /r/an.bmp."));
        QCOMPARE(ErreurES::creation("/r/a.fch").texte(), QString::fromUtf8("Ne peut créer le fichier /r/a.fch."));
        QCOMPARE(ErreurES::bitmap().texte(), QString("Image bitmap incorrecte."));
    }

    void correspondance_errno_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<bool>("rep");
        QTest::addColumn<int>("code");
        QTest::newRow("ENOENT file") << ENOENT << false << 2;
        QTest::newRow("ENOENT directory") << ENOENT << true << 3;
        QTest::newRow("ENOTDIR") << ENOTDIR << false << 3;
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << false << 3;
        QTest::newRow("EMFILE") << EMFILE << false << 4;
        QTest::newRow("ENFILE") << ENFILE << false << 4;
        QTest::newRow("EACCES") << EACCES << false << 5;
        QTest::newRow("EPERM") << EPERM << false << 5;
        QTest::newRow("EROFS") << EROFS << false << 5;
        QTest::newRow("ENOSPC") << ENOSPC << false << 101;
        // Outside the table: 1000 + errno, never one of the program's codes.
        QTest::newRow("EIO") << EIO << false << 1005;
        QTest::newRow("EISDIR") << EISDIR << false << 1021;
    }
    void correspondance_errno()
    {
        QFETCH(int, err);
        QFETCH(bool, rep);
        QFETCH(int, code);
        QCOMPARE(code_depuis_errno(err, rep), code);
    }

    void texte_errno_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("texte");
        // Every errno shows its own text: the table's, or the generic one with
        // its own number; never the text of another error whose errno happens
        // to be one of the program's codes (Linux: ESRCH 3, EINTR 4, EIO 5,
        // ENETDOWN 100, ENETUNREACH 101, EISCONN 106; other numbers elsewhere).
        QTest::newRow("ENOENT") << ENOENT << "Fichier introuvable.";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << "Nom de fichier incorrect.";
        QTest::newRow("ENFILE") << ENFILE << "Trop de fichiers ouverts.";
        QTest::newRow("EROFS") << EROFS << QString::fromUtf8("Accès au fichier refusé.");
        QTest::newRow("ENOSPC") << ENOSPC << "Disque plein.";
        QTest::newRow("EIO") << EIO << QString("Erreur E/S %1.").arg(EIO);
        QTest::newRow("ESRCH") << ESRCH << QString("Erreur E/S %1.").arg(ESRCH);
        QTest::newRow("EINTR") << EINTR << QString("Erreur E/S %1.").arg(EINTR);
        QTest::newRow("ENETDOWN") << ENETDOWN << QString("Erreur E/S %1.").arg(ENETDOWN);
        QTest::newRow("ENETUNREACH") << ENETUNREACH << QString("Erreur E/S %1.").arg(ENETUNREACH);
        QTest::newRow("EISCONN") << EISCONN << QString("Erreur E/S %1.").arg(EISCONN);
        QTest::newRow("EFBIG") << EFBIG << QString("Erreur E/S %1.").arg(EFBIG);
    }
    void texte_errno()
    {
        QFETCH(int, err);
        QFETCH(QString, texte);
        QCOMPARE(ErreurES::depuis_errno(err).texte(), texte);
    }

    void rapport_enregistre()
    {
        QStringList vus;
        installer_rapporteur([&](const QString &t) { vus << t; });
        signaler(ErreurES::code(2));
        signaler_texte("Ne peut ouvrir le fichier x");
        QCOMPARE(vus, QStringList({"Fichier introuvable.", "Ne peut ouvrir le fichier x."}));
        installer_rapporteur(nullptr);
    }
};

QTEST_GUILESS_MAIN(TstErreures)
#include "tst_erreures.moc"
