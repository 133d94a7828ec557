#include "common/polices.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

// The pages name Windows families; the program asks for the face the toolkit
// would take for each, so the pages' text is drawn with the same face.
class TstPolices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void meme_face_data()
    {
        QTest::addColumn<QString>("famille");
        for (const char *f : {"MS Sans Serif", "Tahoma", "Arial", "System", "Times New Roman", "Liberation Sans",
                              "DejaVu Sans", "Famille inconnue"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void meme_face()
    {
        QFETCH(QString, famille);
        for (bool gras : {false, true}) {
            const QFont f = police(famille, 11, gras);
            QFont demandee(famille);
            demandee.setPixelSize(11);
            demandee.setBold(gras);
            demandee.setStyleStrategy(QFont::NoAntialias);
            QCOMPARE(QFontInfo(f).family(), QFontInfo(demandee).family());
            QCOMPARE(QFontInfo(f).pixelSize(), 11);
            QCOMPARE(QFontInfo(f).bold(), gras);
            // An installed family is asked for by its own name; one the system
            // only stands in for, by the installed one.
            const bool installee = QFontDatabase::families().contains(famille, Qt::CaseInsensitive);
            if (installee && QFontDatabase::isScalable(famille)) QCOMPARE(f.family(), famille);
            if (!installee && f.family() != famille)
                QVERIFY2(QFontDatabase::families().contains(f.family(), Qt::CaseInsensitive), qPrintable(f.family()));
        }
    }
};

QTEST_MAIN(TstPolices)
#include "tst_polices.moc"
