#include "app/pageactivite.h"
#include "common/boutonimage.h"
#include "common/erreures.h"
#include "common/lanceurs.h"
#include "common/plateforme.h"
#include "hoteessai.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

void ecrire(const QString &chemin)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
}

} // namespace

class TstPageActivite : public QObject {
    Q_OBJECT
    QList<Lancement> lances;
    QTemporaryDir csb;
    QString ancien = QDir::currentPath();

private Q_SLOTS:
    void init()
    {
        lances.clear();
        definir_dossier_csb(csb.filePath("csb"));
        installer_lanceur([this](const Lancement &l) {
            lances << l;
            return true;
        });
    }
    void cleanup()
    {
        QDir::setCurrent(ancien);
        installer_lanceur(nullptr);
        definir_dossier_csb("");
    }

    void disposition()
    {
        HoteEssai h;
        PageActivite p(&h);
        QCOMPARE(p.BitBtn10->geometry(), QRect(16, 21, 329, 55));
        QCOMPARE(p.BitBtn10->text(), QString("Voir fichier sur activité réflexe/volontaire"));
        QCOMPARE(p.BitBtn10->glyph().size(), QSize(59, 30));
        QCOMPARE(p.BitBtn11->geometry(), QRect(38, 95, 292, 196));
        QCOMPARE(p.BitBtn11->text(), QString("Lancer le logiciel mavoren"));
        QCOMPARE(p.BitBtn11->glyph().size(), QSize(200, 152));
    }

    void enregistrement_local()
    {
        // The button needs ./cassybio/cassybio.pif, whatever the private folder holds.
        QTemporaryDir travail;
        QDir::setCurrent(travail.path());
        ecrire(pif_csb());
        HoteEssai h;
        PageActivite p(&h);
        QTest::mouseClick(p.BitBtn10, Qt::LeftButton);
        QVERIFY(lances.isEmpty());
        ecrire(travail.filePath("cassybio/cassybio.pif"));
        QTest::mouseClick(p.BitBtn10, Qt::LeftButton);
        QCOMPARE(lances.size(), 1);
        QCOMPARE(lances[0].arguments, QStringList{QDir::toNativeSeparators(rep_courant() + "/cassybio/electro/&revol~A.exw")});
    }

    void mavoren()
    {
        QTemporaryDir travail;
        QDir::setCurrent(travail.path());
        ecrire(travail.filePath("mavoren/mavoren.exe"));
        HoteEssai h;
        PageActivite p(&h);
        QTest::mouseClick(p.BitBtn11, Qt::LeftButton);
        QCOMPARE(lances.size(), 1);
        QCOMPARE(lances[0].programme, QString("mavoren.exe"));
        QCOMPARE(QDir::current().canonicalPath(), QDir(travail.path()).canonicalPath());
    }

    void repertoire_disparu()
    {
        // The private folder cannot be entered: one report, the working directory kept.
        QStringList rapports;
        installer_rapporteur([&](const QString &t) { rapports << t; });
        QTemporaryDir travail;
        QDir::setCurrent(travail.path());
        ecrire(travail.filePath("cassybio/cassybio.pif"));
        definir_dossier_csb(csb.filePath("absent"));
        HoteEssai h;
        PageActivite p(&h);
        p.BitBtn10Click();
        QCOMPARE(rapports, QStringList{"Nom de fichier incorrect."});
        QVERIFY(lances.isEmpty());
        installer_rapporteur(nullptr);
    }
};

QTEST_MAIN(TstPageActivite)
#include "tst_pageactivite.moc"
