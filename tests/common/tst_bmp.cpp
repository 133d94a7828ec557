#include "common/bmp.h"
#include "common/erreures.h"
#include "fichiersessai.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A picture saved by the toolkit's own writer, as the build writes the five.
QByteArray bmp(int largeur, int hauteur, QImage::Format format)
{
    QImage im(largeur, hauteur, format);
    if (format == QImage::Format_Indexed8) {
        im.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
        im.fill(1);
    } else {
        im.fill(Qt::red);
    }
    QByteArray o;
    QBuffer b(&o);
    b.open(QIODevice::WriteOnly);
    im.save(&b, "BMP");
    return o;
}

// The same bytes with a 32-bit little-endian value put at `position`.
QByteArray poser32(QByteArray o, int position, int32_t v)
{
    for (int k = 0; k < 4; ++k) o[position + k] = char((uint32_t(v) >> (8 * k)) & 0xFF);
    return o;
}

} // namespace

class TstBmp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QSize>("taille"); // empty: "Image bitmap incorrecte."
        const QByteArray rgb = bmp(21, 18, QImage::Format_RGB32);
        const QByteArray indexe = bmp(34, 11, QImage::Format_Indexed8);
        QTest::newRow("32 bits") << rgb << QSize(21, 18);
        QTest::newRow("8 bits with a palette") << indexe << QSize(34, 11);
        QTest::newRow("rows from the top (negative height)") << poser32(rgb, 22, -18) << QSize(21, 18);
        QTest::newRow("bytes after the pixels") << rgb + QByteArray(100, '\0') << QSize(21, 18);
        // Pixel data cut short, by one byte or by whole rows.
        QTest::newRow("32 bits, last byte missing") << rgb.chopped(1) << QSize();
        QTest::newRow("8 bits, last row missing") << indexe.chopped(36) << QSize();
        QTest::newRow("header only") << rgb.left(54) << QSize();
        // A header that claims a huge picture over a few bytes of pixels.
        QTest::newRow("100000 pixels wide") << poser32(rgb, 18, 100000) << QSize();
        QTest::newRow("4000 x 4000") << poser32(poser32(rgb, 18, 4000), 22, 4000) << QSize();
        QTest::newRow("no width") << poser32(rgb, 18, 0) << QSize();
        QTest::newRow("no height") << poser32(rgb, 22, 0) << QSize();
        QTest::newRow("not a bitmap") << QByteArray("GIF89a").leftJustified(100, '\0') << QSize();
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QSize, taille);
        QTemporaryDir d;
        const QString chemin = d.filePath("k.bmp");
        ecrire_tout(chemin, octets);
        QString erreur;
        QImage im;
        try {
            im = lire_bmp(chemin);
        } catch (const ErreurES &e) {
            erreur = e.texte();
        }
        if (taille.isEmpty()) {
            QCOMPARE(erreur, QString("Image bitmap incorrecte."));
        } else {
            QCOMPARE(erreur, QString());
            QCOMPARE(im.size(), taille);
            QCOMPARE(im.pixelColor(0, 0), QColor(Qt::red));
        }
    }

    void fichier_enorme()
    {
        // A file of hundreds of MB behind a valid small header: refused after
        // reading a bounded part of it.
        QTemporaryDir d;
        const QString chemin = d.filePath("an.bmp");
        ecrire_enorme(chemin, bmp(20, 17, QImage::Format_RGB32), qint64(600) * 1024 * 1024);
        const long memoire = pic_memoire_ko();
        QElapsedTimer montre;
        montre.start();
        QVERIFY_THROWS_EXCEPTION(ErreurES, lire_bmp(chemin));
        QVERIFY(pic_memoire_ko() - memoire < 40 * 1024);
        QVERIFY(montre.elapsed() < 2000);
    }
};

QTEST_GUILESS_MAIN(TstBmp)
#include "tst_bmp.moc"
