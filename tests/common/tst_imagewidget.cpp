// An image control painted at the device pixel ratios of today's screens: at
// whole ratios each pixel becomes a square block, at 1.25 and 1.5 a block of
// one size or the next, never a colour the picture does not hold.
#include "common/canevas.h"
#include "common/imagewidget.h"

#include <QPainter>
#include <QSet>
#include <QtTest>

namespace {

// White, with one-pixel black lines (columns 3 and 10, row 5), a red pixel
// and a blue 2 × 2 square: every edge case of pixel repetition.
QImage motif()
{
    QImage i = image_unie(24, 16, BLANC);
    for (int y = 0; y < 16; ++y) {
        i.setPixel(3, y, qRgb(0, 0, 0));
        i.setPixel(10, y, qRgb(0, 0, 0));
    }
    for (int x = 0; x < 24; ++x) i.setPixel(x, 5, qRgb(0, 0, 0));
    i.setPixel(15, 9, qRgb(255, 0, 0));
    for (int y : {12, 13})
        for (int x : {18, 19}) i.setPixel(x, y, qRgb(0, 0, 255));
    return i;
}

QImage rendre(QWidget &w, qreal ratio)
{
    QImage r(QSize(qCeil(w.width() * ratio), qCeil(w.height() * ratio)), QImage::Format_RGB32);
    r.setDevicePixelRatio(ratio);
    r.fill(Qt::green);
    w.render(&r);
    r.setDevicePixelRatio(1);
    return r;
}

// Lengths of the runs of black pixels along a device row.
QList<int> traits_noirs(const QImage &i, int y)
{
    QList<int> t;
    int n = 0;
    for (int x = 0; x < i.width(); ++x) {
        if (i.pixel(x, y) == qRgb(0, 0, 0)) {
            ++n;
        } else if (n) {
            t << n;
            n = 0;
        }
    }
    if (n) t << n;
    return t;
}

} // namespace

class TstImageWidget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rapports_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("mode"); // 0 1:1, 1 stretched to twice the width, 2 centred in a larger control
        for (qreal r : {1.0, 1.25, 1.5, 2.0, 3.0})
            for (int m : {0, 1, 2})
                QTest::addRow("%g, mode %d", r, m) << r << m;
    }
    void rapports()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, mode);
        ImageWidget w;
        w.setPicture(motif());
        if (mode == 1) {
            w.setStretch(true);
            w.resize(48, 16);
        } else if (mode == 2) {
            w.setCenter(true);
            w.resize(30, 20);
        } else {
            w.resize(24, 16);
        }
        const QImage un = rendre(w, 1);
        const QImage r = rendre(w, ratio);
        const int k = qRound(ratio);
        if (qFuzzyCompare(ratio, qreal(k))) {
            // Each pixel of the 100 % view is a k × k block.
            for (int y = 0; y < un.height(); ++y)
                for (int x = 0; x < un.width(); ++x)
                    for (int j = 0; j < k; ++j)
                        for (int i = 0; i < k; ++i)
                            if (r.pixel(x * k + i, y * k + j) != un.pixel(x, y))
                                QFAIL(qPrintable(QString("pixel (%1, %2) block (%3, %4)").arg(x).arg(y).arg(i).arg(j)));
            return;
        }
        // No grey, no new colour: only the colours of the 100 % view.
        QSet<QRgb> couleurs;
        for (int y = 0; y < un.height(); ++y)
            for (int x = 0; x < un.width(); ++x) couleurs.insert(un.pixel(x, y));
        for (int y = 0; y < r.height() - 1; ++y)
            for (int x = 0; x < r.width() - 1; ++x)
                if (!couleurs.contains(r.pixel(x, y)))
                    QFAIL(qPrintable(QString("colour %1 at (%2, %3)").arg(r.pixel(x, y), 0, 16).arg(x).arg(y)));
        // A one-pixel line is a line of the next smaller or larger whole width.
        const int ligne = qFloor(2.5 * ratio); // through row 2 of the control
        const QList<int> traits = traits_noirs(r, ligne);
        QCOMPARE(traits.size(), traits_noirs(un, 2).size());
        for (int t : traits) QVERIFY2(t == qFloor(ratio * (mode == 1 ? 2 : 1)) || t == qCeil(ratio * (mode == 1 ? 2 : 1)),
                                      qPrintable(QString::number(t)));
    }

    void bitmap_lisse_a_1_5()
    {
        // A fixed bitmap may be smoothed at 1.5, never at a whole ratio.
        ImageWidget w;
        w.setPicture(motif());
        w.resize(24, 16);
        w.setLisse(true);
        const QImage deux = rendre(w, 2);
        QCOMPARE(deux.pixel(6, 0), qRgb(0, 0, 0));
        QCOMPARE(deux.pixel(7, 0), qRgb(0, 0, 0));
        QCOMPARE(deux.pixel(8, 0), qRgb(255, 255, 255));
        const QImage un_et_demi = rendre(w, 1.5);
        bool gris = false;
        for (int x = 0; x < un_et_demi.width(); ++x) {
            const QRgb c = un_et_demi.pixel(x, 1);
            gris |= qRed(c) == qGreen(c) && qRed(c) > 0 && qRed(c) < 255;
        }
        QString rang;
        for (int x = 0; x < 20; ++x) rang += QString::number(un_et_demi.pixel(x, 1) & 0xFFFFFF, 16) + " ";
        QVERIFY2(gris, qPrintable(rang));
    }
};

QTEST_MAIN(TstImageWidget)
#include "tst_imagewidget.moc"
