#include "app/tform1.h"

#include <QtTest>

class TstTForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void creation()
    {
        TForm1 f;
        QCOMPARE(f.windowTitle(), QString(" Kalmeno"));
    }
};

QTEST_MAIN(TstTForm1)
#include "tst_tform1.moc"
