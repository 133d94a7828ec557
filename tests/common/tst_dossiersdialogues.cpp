#include "common/dossiersdialogues.h"
#include "common/plateforme.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace dossiers_dialogues;

// Where the file dialogs open; the test's own home holds the settings and the
// documents folder (tests/maisonessai.cpp).
class TstDossiersDialogues : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString chemin(const QString &nom) const
    {
        if (nom == QLatin1String("documents")) return documents();
        if (nom == QLatin1String("lanceur"))
            return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/kalmeno/mavoren";
        if (nom == QLatin1String("csb")) return dossier_csb();
        return nom.isEmpty() ? QString() : dir.filePath(nom);
    }

private Q_SLOTS:
    void init()
    {
        definir_dossier_csb(dir.filePath("csb"));
        for (const char *d : {"classe", "depart", "csb"}) QDir().mkpath(dir.filePath(d));
        QDir().mkpath(chemin("lanceur"));
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Kalmeno", "Kalmeno").clear();
    }
    void cleanup() { definir_dossier_csb(""); }

    void dossier_initial_data()
    {
        QTest::addColumn<QString>("souvenir"); // the folder used last, as remembered
        QTest::addColumn<QString>("depart");
        QTest::addColumn<bool>("enregistrer");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("first time: the start folder") << "" << "depart" << true << "depart";
        QTest::newRow("started in the acquisition folder") << "" << "csb" << true << "documents";
        QTest::newRow("started in the launcher's folder") << "" << "lanceur" << false << "documents";
        QTest::newRow("a start folder that is gone") << "" << "absent" << true << "documents";
        QTest::newRow("the folder used last") << "classe" << "csb" << true << "classe";
        QTest::newRow("the folder used last, to open") << "classe" << "depart" << false << "classe";
        QTest::newRow("used last, since deleted") << "parti" << "depart" << true << "depart";
        QTest::newRow("a private folder is never proposed") << "csb" << "depart" << false << "depart";
    }
    void dossier_initial()
    {
        QFETCH(QString, souvenir);
        QFETCH(QString, depart);
        QFETCH(bool, enregistrer);
        QFETCH(QString, attendu);
        if (!souvenir.isEmpty())
            QSettings(QSettings::IniFormat, QSettings::UserScope, "Kalmeno", "Kalmeno")
                .setValue("dialogues/dossier", chemin(souvenir));
        const QString d = initial(chemin(depart), enregistrer ? Usage::Enregistrer : Usage::Ouvrir);
        QCOMPARE(QDir(d).canonicalPath(), QDir(chemin(attendu)).canonicalPath());
        QVERIFY(QFileInfo(d).isDir());
    }

    void retenu()
    {
        // The folder of a chosen file is proposed next time, by any program
        // of the user; a file chosen in a private folder changes nothing.
        retenir(dir.filePath("classe/groupe1.fch"));
        retenir(dossier_csb() + "/enregistrement.csv");
        QCOMPARE(initial(dir.filePath("depart"), Usage::Enregistrer), dir.filePath("classe"));
        QVERIFY(prive(dossier_csb() + "/sous-dossier"));
        QVERIFY(!prive(dir.filePath("classe")));
    }
};

QTEST_GUILESS_MAIN(TstDossiersDialogues)
#include "tst_dossiersdialogues.moc"
