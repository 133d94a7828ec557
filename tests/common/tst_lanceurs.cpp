#include "common/erreures.h"
#include "common/fichiertexte.h"
#include "common/lanceurs.h"
#include "common/plateforme.h"
#include "fichiersessai.h"
#include "filsessai.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

namespace {

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstLanceurs : public QObject {
    Q_OBJECT
    QTemporaryDir *csb_parent = nullptr;
    QList<Lancement> lances;
    QString ancien;

private Q_SLOTS:
    void init()
    {
        csb_parent = new QTemporaryDir;
        definir_dossier_csb(csb_parent->filePath("csb"));
        lances.clear();
        installer_lanceur([this](const Lancement &l) {
            lances << l;
            return true;
        });
        ancien = QDir::currentPath();
    }
    void cleanup()
    {
        QDir::setCurrent(ancien);
        installer_lanceur(nullptr);
        definir_dossier_csb("");
        delete csb_parent;
    }

    void copie_data()
    {
        QTest::addColumn<int>("taille");
        QTest::addColumn<QList<qsizetype>>("blocs");
        QTest::newRow("20,000 bytes: two full blocks and an empty one") << 20000 << QList<qsizetype>{10000, 10000, 0};
        QTest::newRow("25,000 bytes") << 25000 << QList<qsizetype>{10000, 10000, 5000};
        QTest::newRow("empty file") << 0 << QList<qsizetype>{0};
        QTest::newRow("one byte") << 1 << QList<qsizetype>{1};
    }
    void copie()
    {
        QFETCH(int, taille);
        QFETCH(QList<qsizetype>, blocs);
        QTemporaryDir d;
        QByteArray octets(taille, '\0');
        for (int i = 0; i < taille; ++i) octets[i] = char(i * 7);
        ecrire_tout(d.filePath("a.ppp"), octets);
        ecrire_tout(d.filePath("b.pif"), "ancien");
        QCOMPARE(copier(d.filePath("a.ppp"), d.filePath("b.pif")), blocs);
        QCOMPARE(lire(d.filePath("b.pif")), octets);
        // Written beside, then put in place: nothing else left in the folder.
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.ppp", "b.pif"}));
    }

    void copie_sans_source()
    {
        QTemporaryDir d;
        ecrire_tout(d.filePath("b.pif"), "garde");
        QCOMPARE(copier(d.filePath("absent"), d.filePath("b.pif")), QList<qsizetype>{});
        QCOMPARE(lire(d.filePath("b.pif")), QByteArray("garde"));
    }

    void copie_remplace_un_lien()
    {
        // A link in place of the target is replaced; the file it points to is untouched.
        QTemporaryDir d;
        ecrire_tout(d.filePath("a.ppp"), "nouveau");
        ecrire_tout(d.filePath("precieux"), "intact");
        QVERIFY(QFile::link(d.filePath("precieux"), d.filePath("b.pif")));
        // Nor through one at the name the copy is first written under.
        const QString a_cote = d.filePath("b.pif.%1").arg(QCoreApplication::applicationPid());
        QVERIFY(QFile::link(d.filePath("precieux"), a_cote));
        copier(d.filePath("a.ppp"), d.filePath("b.pif"));
        QCOMPARE(lire(d.filePath("precieux")), QByteArray("intact"));
        QCOMPARE(lire(d.filePath("b.pif")), QByteArray("nouveau"));
        QVERIFY(!QFileInfo(d.filePath("b.pif")).isSymLink());
        QVERIFY(!QFileInfo::exists(a_cote) && !QFileInfo(a_cote).isSymLink());
    }

    void copie_impossible_data()
    {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("texte");
        // Each copy reports its own error, whatever error came before it
        // (here a full disk is left in errno): a folder in the target's
        // place is EISDIR, outside the table.
        QTest::newRow("target is a folder") << "dossier" << "Erreur E/S 21.";
        QTest::newRow("target's folder missing") << "absent/b.pif" << "Fichier introuvable.";
        QTest::newRow("a file used as a folder") << "fichier/b.pif" << "Nom de fichier incorrect.";
    }
    void copie_impossible()
    {
        QFETCH(QString, cible);
        QFETCH(QString, texte);
        QTemporaryDir d;
        ecrire_tout(d.filePath("a.ppp"), "lanceur");
        ecrire_tout(d.filePath("fichier"), "garde");
        QVERIFY(QDir(d.path()).mkdir("dossier"));
        errno = ENOSPC;
        try {
            copier(d.filePath("a.ppp"), d.filePath(cible));
            QFAIL("no error");
        } catch (const ErreurES &e) {
            QCOMPARE(e.texte(), texte);
        }
        QVERIFY(QFileInfo(d.filePath("dossier")).isDir());
        QCOMPARE(lire(d.filePath("fichier")), QByteArray("garde"));
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"a.ppp", "dossier", "fichier"}));
    }

    void adaptation_fins_de_ligne_data() { lignes_fins_de_ligne(); }
    void adaptation_fins_de_ligne()
    {
        // A template saved by a Linux or Mac editor, or with a UTF-8 mark, is
        // adapted as its CR LF twin; the batch file is written CR LF.
        QFETCH(QByteArray, fin);
        QFETCH(bool, marque);
        const QByteArray crlf = "@echo off\r\nREM x\r\nSET CHEM_CAS=c:\\old\r\ncall x\r\n";
        QTemporaryDir depart;
        ecrire_tout(depart.filePath("cassybio/cassybio.sav"), autres_fins(crlf, fin, marque));
        ecrire_tout(depart.filePath("CASSYBIO/cassybio.ppp"), "p");
        QStringList lignes;
        QString chemin;
        QVERIFY(adap_cassybio(depart.path(), lignes, chemin));
        const QStringList attendu{"@echo off", "REM x", "SET CHEM_CAS=" + joindre(depart.path(), "CASSYBIO") + QDir::separator(), "call x"};
        QCOMPARE(lignes, attendu);
        QCOMPARE(lire(dossier_csb() + "/cassybio.bat"), (attendu.join("\r\n") + "\r\n").toLatin1());
    }

    void modele_refuse_data()
    {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<qint64>("taille");
        // A wrong file in the template's place: hundreds of MB without a line
        // end, a line past the bound, or more than any batch file holds. It
        // is reported and nothing is prepared.
        QTest::newRow("400 MB, no line end") << QByteArray("a\r\nSET CHEM_CAS=\r\n") << qint64(400) * 1024 * 1024;
        QTest::newRow("a line past the bound")
            << QByteArray("a\r\nSET CHEM_CAS=\r\n") + QByteArray(LONGUEUR_MAX_LIGNE + 1, 'x') << qint64(-1);
        QTest::newRow("2 MB of short lines") << QByteArray("a\r\nSET CHEM_CAS=\r\n") + QByteArray("rem\r\n").repeated(400000)
                                             << qint64(-1);
    }
    void modele_refuse()
    {
        QFETCH(QByteArray, debut);
        QFETCH(qint64, taille);
        QTemporaryDir depart;
        const QString modele = depart.filePath("cassybio/cassybio.sav");
        ecrire_tout(modele, debut);
        if (taille > 0) ecrire_enorme(modele, debut, taille);
        ecrire_tout(depart.filePath("CASSYBIO/cassybio.ppp"), "p");
        const long memoire = pic_memoire_ko();
        QStringList lignes{"x"};
        QString chemin;
        try {
            adap_cassybio(depart.path(), lignes, chemin);
            QFAIL("no error");
        } catch (const ErreurES &e) {
            QCOMPARE(e.texte(), QStringLiteral("Ne peut ouvrir le fichier %1.").arg(joindre(joindre(depart.path(), "cassybio"), "cassybio.sav")));
        }
        QCOMPARE(lignes, QStringList{"x"});
        QVERIFY(!QFile::exists(dossier_csb()));
        // Far below the 400 MB file; the room is for the lines of the 1 MB read.
        QVERIFY(pic_memoire_ko() - memoire < 64 * 1024);
    }

    void adaptation_data()
    {
        QTest::addColumn<QByteArray>("modele");
        QTest::addColumn<int>("ligne_adaptee"); // −1: nothing written
        QTest::newRow("third line") << QByteArray("@echo off\r\nREM x\r\nSET CHEM_CAS=c:\\old\r\ncall x\r\n") << 2;
        QTest::newRow("second line") << QByteArray("a\r\nSET CHEM_CAS=\r\n") << 1;
        QTest::newRow("fifth line") << QByteArray("a\r\nb\r\nc\r\nd\r\n  SET CHEM_CAS=q\r\n") << 4;
        QTest::newRow("first line only: nothing") << QByteArray("SET CHEM_CAS=x\r\nb\r\n") << -1;
        QTest::newRow("sixth line: not examined") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nSET CHEM_CAS=x\r\n") << -1;
        QTest::newRow("case matters") << QByteArray("a\r\nset chem_cas=x\r\n") << -1;
    }
    void adaptation()
    {
        QFETCH(QByteArray, modele);
        QFETCH(int, ligne_adaptee);
        QTemporaryDir depart;
        ecrire_tout(depart.filePath("cassybio/cassybio.sav"), modele);
        ecrire_tout(depart.filePath("CASSYBIO/cassybio.ppp"), QByteArray(20000, 'p'));
        QStringList lignes;
        QString chemin;
        QVERIFY(adap_cassybio(depart.path(), lignes, chemin));
        const QString bat = dossier_csb() + "/cassybio.bat";
        if (ligne_adaptee < 0) {
            QVERIFY(!QFile::exists(bat));
            QVERIFY(!QFile::exists(pif_csb()));
            QVERIFY(chemin.isEmpty());
            return;
        }
        QCOMPARE(chemin, joindre(depart.path(), "CASSYBIO") + QDir::separator());
        QStringList attendu = QString::fromLatin1(modele).split("\r\n");
        attendu.removeLast();
        attendu[ligne_adaptee] = "SET CHEM_CAS=" + joindre(depart.path(), "CASSYBIO") + QDir::separator();
        QCOMPARE(lignes, attendu);
        QCOMPARE(lire(bat), (attendu.join("\r\n") + "\r\n").toLatin1());
        QCOMPARE(lire(pif_csb()), QByteArray(20000, 'p'));
        // The folder is private to the user.
        SANS_WINDOWS("the folder takes its parent's rights there");
        QCOMPARE(QFileInfo(dossier_csb()).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
    }

    void adaptation_sans_modele()
    {
        QTemporaryDir depart;
        QStringList lignes{"x"};
        QString chemin;
        QVERIFY(!adap_cassybio(depart.path(), lignes, chemin));
        QCOMPARE(lignes, QStringList{"x"});
        QVERIFY(!QFile::exists(dossier_csb()));
    }

    void adaptation_impossible()
    {
        // The private folder cannot be made: the report names the batch file.
        QTemporaryDir depart;
        ecrire_tout(depart.filePath("cassybio/cassybio.sav"), "a\r\nSET CHEM_CAS=\r\n");
        ecrire_tout(csb_parent->filePath("bloque"), "un fichier, pas un dossier");
        definir_dossier_csb(csb_parent->filePath("bloque/csb"));
        QStringList lignes;
        QString chemin;
        try {
            adap_cassybio(depart.path(), lignes, chemin);
            QFAIL("no error");
        } catch (const ErreurES &e) {
            QCOMPARE(e.texte(), QString::fromUtf8("Ne peut créer le fichier %1.").arg(joindre(dossier_csb(), "cassybio.bat")));
        }
    }

    void enregistrements_data()
    {
        QTest::addColumn<QString>("enregistrement");
        QTest::newRow("refractory period") << QString(ENREG_REFRACTAIRE);
        QTest::newRow("recruitment") << QString(ENREG_RECRUTEMENT);
        QTest::newRow("reflex") << QString(ENREG_REFLEXE);
    }
    void enregistrements()
    {
        QFETCH(QString, enregistrement);
        // Nothing without the launcher.
        voir_enregistrement(pif_csb(), enregistrement);
        QVERIFY(lances.isEmpty());

        QTemporaryDir travail(QDir::tempPath() + "/d & \"x\" XXXXXX");
        QDir::setCurrent(travail.path());
        ecrire_tout(pif_csb(), "#!/bin/sh\n");
        voir_enregistrement(pif_csb(), enregistrement);
        QCOMPARE(lances.size(), 1);
        // "c:\csb\cassybio.pif " followed by the working directory and the recording.
        QCOMPARE(lances[0].programme, pif_csb());
        QCOMPARE(lances[0].arguments, QStringList{QDir::toNativeSeparators(rep_courant() + enregistrement)});
        QCOMPARE(lances[0].repertoire, dossier_csb());
        QCOMPARE(QDir::current().canonicalPath(), QDir(travail.path()).canonicalPath());
    }

    void compagnons_data()
    {
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<QString>("programme");
        QTest::newRow("terplux") << "terplux" << "terplux.exe";
        QTest::newRow("mavoren") << "mavoren" << "mavoren.exe";
    }
    void compagnons()
    {
        QFETCH(QString, dossier);
        QFETCH(QString, programme);
        QTemporaryDir travail;
        QDir::setCurrent(travail.path());
        lancer_compagnon(dossier, programme);
        QVERIFY(lances.isEmpty());
        ecrire_tout(travail.filePath(dossier + "/" + programme), "#!/bin/sh\n");
        lancer_compagnon(dossier, programme);
        QCOMPARE(lances.size(), 1);
        QCOMPARE(lances[0].programme, programme);
        QCOMPARE(QDir(lances[0].repertoire).canonicalPath(), QDir(travail.filePath(dossier)).canonicalPath());
        QCOMPARE(QDir::current().canonicalPath(), QDir(travail.path()).canonicalPath());
    }

    void environnement_des_programmes_lances_posix()
    {
        // The real start: the variable reaches the program started, not this one.
        SANS_WINDOWS("checked through /bin/sh");
        installer_lanceur(nullptr);
        QTemporaryDir d;
        definir_environnement_enfants("KALMENO_ELEVES", "Léa et Hugo");
        QVERIFY(lancer_detache({"/bin/sh", {"-c", "printf %s \"$KALMENO_ELEVES\" > noms.tmp && mv noms.tmp noms"}, d.path()}));
        QTRY_COMPARE(lire(d.filePath("noms")), QString("Léa et Hugo").toUtf8());
        QVERIFY(!qEnvironmentVariableIsSet("KALMENO_ELEVES"));
    }

    void nettoyage_data()
    {
        QTest::addColumn<bool>("avec_lanceur");
        QTest::newRow("prepared folder") << true;
        QTest::newRow("no launcher: folder left alone") << false;
    }
    void nettoyage()
    {
        QFETCH(bool, avec_lanceur);
        QTemporaryDir ailleurs;
        ecrire_tout(ailleurs.filePath("precieux"), "intact");
        QDir().mkpath(dossier_csb());
        ecrire_tout(dossier_csb() + "/cassybio.bat", "x");
        if (avec_lanceur) ecrire_tout(pif_csb(), "x");
        // A link an ordinary user may make: not on Windows.
        const bool liens = QSysInfo::productType() != QLatin1String("windows");
        if (liens) QVERIFY(QFile::link(ailleurs.filePath("precieux"), dossier_csb() + "/lien"));
        ecrire_tout(dossier_csb() + "/enregistrement.csv", "du travail"); // saved there by a pupil
        nettoyer_csb();
        QCOMPARE(QFile::exists(dossier_csb() + "/cassybio.bat"), !avec_lanceur);
        QCOMPARE(lire(dossier_csb() + "/enregistrement.csv"), QByteArray("du travail"));
        QFile::remove(dossier_csb() + "/enregistrement.csv");
        QCOMPARE(lire(ailleurs.filePath("precieux")), QByteArray("intact"));
        // The link is not an ordinary file: it stays, so the folder does too.
        if (liens) QVERIFY(QFileInfo(dossier_csb() + "/lien").isSymLink());
        QFile::remove(dossier_csb() + "/lien");
        nettoyer_csb();
        if (avec_lanceur) {
            QVERIFY(QFile::exists(dossier_csb())); // no launcher left, nothing more done
        }
    }

    void nettoyage_complet()
    {
        QDir().mkpath(dossier_csb());
        ecrire_tout(dossier_csb() + "/cassybio.bat", "x");
        ecrire_tout(pif_csb(), "x");
        nettoyer_csb();
        QVERIFY(!QFile::exists(dossier_csb()));
    }
};

QTEST_GUILESS_MAIN(TstLanceurs)
#include "tst_lanceurs.moc"
