#include "app/pagechamps.h"
#include "common/boutonimage.h"
#include "common/imagewidget.h"
#include "common/plateforme.h"
#include "hoteessai.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

class TstPageChamps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void disposition()
    {
        HoteEssai h;
        PageChamps p(&h);
        QCOMPARE(p.Image4->geometry(), QRect(30, 25, 202, 105));
        QCOMPARE(p.Image4->picture().size(), QSize(202, 105));
        QCOMPARE(p.Memo3->toPlainText(), QString("Que se passe t-il à\nl'intersection des lignes?"));
        QVERIFY(p.Memo3->isReadOnly());
        QCOMPARE(p.BitBtn20->geometry(), QRect(400, 133, 243, 190));
        QCOMPARE(p.BitBtn20->text(), QString("Lancer le logiciel terplux"));
        QCOMPARE(p.BitBtn20->glyph().size(), QSize(200, 150));
    }

    void terplux()
    {
        QList<Lancement> lances;
        installer_lanceur([&](const Lancement &l) {
            lances << l;
            return true;
        });
        const QString ancien = QDir::currentPath();
        QTemporaryDir travail;
        QDir::setCurrent(travail.path());
        HoteEssai h;
        PageChamps p(&h);
        QTest::mouseClick(p.BitBtn20, Qt::LeftButton); // no program: nothing happens
        QVERIFY(lances.isEmpty());
        QDir().mkpath("terplux");
        QFile f("terplux/terplux.exe");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QTest::mouseClick(p.BitBtn20, Qt::LeftButton);
        QCOMPARE(lances.size(), 1);
        QCOMPARE(lances[0].programme, QString("terplux.exe"));
        QCOMPARE(QDir(lances[0].repertoire).canonicalPath(), QDir(travail.filePath("terplux")).canonicalPath());
        QCOMPARE(QDir::current().canonicalPath(), QDir(travail.path()).canonicalPath());
        QDir::setCurrent(ancien);
        installer_lanceur(nullptr);
    }
};

QTEST_MAIN(TstPageChamps)
#include "tst_pagechamps.moc"
