// The toolkit's texts in French, and the French list of the file dialogs.
#include "common/traduction.h"

#include <QDateTime>
#include <QFile>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TstTraduction : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(installer_francais()); }

    void textes_data()
    {
        QTest::addColumn<QString>("contexte");
        QTest::addColumn<QString>("anglais");
        QTest::addColumn<QString>("francais");
        // From the toolkit's own translations.
        QTest::newRow("dialog button") << "QPlatformTheme" << "Cancel" << "Annuler";
        QTest::newRow("yes") << "QPlatformTheme" << "&Yes" << "&Oui";
        QTest::newRow("file name label") << "QFileDialog" << "File &name:" << "&Nom de fichier :";
        // From the few texts the program adds.
        QTest::newRow("folder kind") << "QAbstractFileIconProvider" << "Folder" << "Dossier";
        QTest::newRow("drive kind") << "QAbstractFileIconProvider" << "Drive" << "Lecteur";
        // Anything else is left to the toolkit.
        QTest::newRow("unknown text") << "QAbstractFileIconProvider" << "Blue moon" << "Blue moon";
    }
    void textes()
    {
        QFETCH(QString, contexte);
        QFETCH(QString, anglais);
        QFETCH(QString, francais);
        QCOMPARE(QCoreApplication::translate(qPrintable(contexte), qPrintable(anglais)), francais);
    }

    void liste_des_fichiers()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("groupe1.fch"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1543, 'x'));
        f.close();
        const QDateTime quand(QDate(2026, 12, 9), QTime(5, 46));
        {
            QFile g(f.fileName());
            QVERIFY(g.open(QIODevice::ReadWrite));
            QVERIFY(g.setFileTime(quand, QFileDevice::FileModificationTime));
        }
        QVERIFY(QDir(dir.path()).mkdir("sousdossier"));

        QFileSystemModel fichiers;
        QSignalSpy charge(&fichiers, &QFileSystemModel::directoryLoaded);
        const QModelIndex racine = fichiers.setRootPath(dir.path());
        QVERIFY(charge.wait(5000) || fichiers.rowCount(racine) == 2);
        QTRY_COMPARE(fichiers.rowCount(racine), 2);
        ModeleFichiersFrancais francais;
        francais.setSourceModel(&fichiers);
        const QModelIndex fichier = francais.mapFromSource(fichiers.index(f.fileName()));
        const QModelIndex dossier = francais.mapFromSource(fichiers.index(dir.filePath("sousdossier")));
        // Size with a decimal comma, date day first, a folder has no size.
        QCOMPARE(francais.index(fichier.row(), 1, fichier.parent()).data().toString(), QStringLiteral("1,5 ko"));
        QCOMPARE(francais.index(fichier.row(), 3, fichier.parent()).data().toString(),
                 QStringLiteral("09/12/2026 05:46"));
        QCOMPARE(francais.index(dossier.row(), 1, dossier.parent()).data().toString(), QString());
        QCOMPARE(francais.index(dossier.row(), 2, dossier.parent()).data().toString(), QStringLiteral("Dossier"));
        QCOMPARE(francais.index(fichier.row(), 0, fichier.parent()).data().toString(), QStringLiteral("groupe1.fch"));
    }
};

QTEST_MAIN(TstTraduction)
#include "tst_traduction.moc"
