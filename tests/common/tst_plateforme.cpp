#include "common/erreures.h"
#include "common/plateforme.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TstPlateforme : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rep_depart_data()
    {
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("ordinary") << "/home/eleve/kal" << "/home/eleve/kal";
        QTest::newRow("trailing separator") << "/home/eleve/kal/" << "/home/eleve/kal";
        QTest::newRow("root becomes empty") << "/" << "";
    }
    void rep_depart()
    {
        QFETCH(QString, repertoire);
        QFETCH(QString, attendu);
        QCOMPARE(rep_depart_de(repertoire), QDir::toNativeSeparators(attendu));
    }

    void jointure()
    {
        QCOMPARE(joindre("/r", "k.bmp"), QString("/r") + QDir::separator() + "k.bmp");
        // From the root the start directory is "", so the file is directly under it.
        QCOMPARE(joindre(rep_depart_de("/"), "k.bmp"), QDir::toNativeSeparators("/k.bmp"));
    }

    void casse()
    {
        QTemporaryDir d;
        QVERIFY(QDir(d.path()).mkpath("CASSYBIO/electro"));
        QFile f(d.filePath("CASSYBIO/electro/Rec.exw"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        // Where the file system ignores case, the path is found as written.
        const QString trouve = chemin_insensible(d.filePath("cassybio/electro/rec.exw"));
        QVERIFY(QFileInfo(trouve).isFile());
        if (QSysInfo::productType() != QLatin1String("windows")) QCOMPARE(trouve, d.filePath("CASSYBIO/electro/Rec.exw"));
        QCOMPARE(chemin_insensible(d.filePath("CASSYBIO")), d.filePath("CASSYBIO"));
        // Nothing matches: the path stays as written.
        QCOMPARE(chemin_insensible(d.filePath("autre/x")), d.filePath("autre/x"));
    }

    void changement_rep()
    {
        const QString avant = QDir::currentPath();
        QTemporaryDir d;
        changer_rep(d.path());
        QCOMPARE(QDir::current().canonicalPath(), QDir(d.path()).canonicalPath());
        changer_rep(avant);
        try {
            changer_rep(d.filePath("absent"));
            QFAIL("no error");
        } catch (const ErreurES &e) {
            QCOMPARE(e.code_es(), 3);
            QCOMPARE(e.texte(), QString("Nom de fichier incorrect."));
        }
        QCOMPARE(QDir::currentPath(), avant);
    }

    void csb()
    {
        definir_dossier_csb("/tmp/essai_csb");
        QCOMPARE(dossier_csb(), QString("/tmp/essai_csb"));
        definir_dossier_csb("");
        if (QSysInfo::productType() == QLatin1String("windows")) {
            QCOMPARE(dossier_csb(), QString("c:\\csb")); // the folder itself there
            return;
        }
        qputenv("XDG_RUNTIME_DIR", "/run/user/1000");
        QCOMPARE(dossier_csb(), QString("/run/user/1000/kalmeno/csb"));
        qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(dossier_csb().endsWith("/kalmeno/csb"));
    }

    void lancement_enregistre()
    {
        QList<Lancement> vus;
        installer_lanceur([&](const Lancement &l) {
            vus << l;
            return true;
        });
        // The command line is handed over as it is: no shell sees it.
        QVERIFY(lancer_detache({"/tmp/a b/x.pif", {"/d & e/\"q\""}, "/tmp"}));
        QCOMPARE(vus.size(), 1);
        QCOMPARE(vus[0].programme, QString("/tmp/a b/x.pif"));
        QCOMPARE(vus[0].arguments, QStringList{"/d & e/\"q\""});
        installer_lanceur(nullptr);
    }
};

QTEST_GUILESS_MAIN(TstPlateforme)
#include "tst_plateforme.moc"
