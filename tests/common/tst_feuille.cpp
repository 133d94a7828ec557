#include "common/feuille.h"
#include "filsessai.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {

// A small picture with sharp edges: every pixel differs from its neighbours.
QImage motif(int l, int h)
{
    QImage im(l, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) im.setPixel(x, y, qRgb((x * 37) & 255, (y * 53) & 255, ((x + y) * 11) & 255));
    return im;
}

// The first picture embedded in a PDF, as Qt writes it (8-bit RGB, deflated).
QImage image_du_pdf(const QByteArray &pdf)
{
    const qsizetype debut_objet = pdf.indexOf("/Subtype /Image");
    if (debut_objet < 0) return {};
    const QByteArray dico = pdf.mid(debut_objet, 400);
    const auto nombre = [&dico](const char *cle) {
        const QRegularExpression re(QString::fromLatin1(cle) + QStringLiteral("\\s+(\\d+)"));
        return re.match(QString::fromLatin1(dico)).captured(1).toInt();
    };
    const int l = nombre("/Width"), h = nombre("/Height");
    if (!dico.contains("/FlateDecode") || nombre("/BitsPerComponent") != 8) return {};
    qsizetype debut = pdf.indexOf("stream", debut_objet) + 6;
    while (pdf[debut] == '\r' || pdf[debut] == '\n') ++debut;
    const qsizetype fin = pdf.indexOf("endstream", debut);
    QByteArray zlib(4, '\0');
    qToBigEndian<quint32>(quint32(l * h * 3), zlib.data());
    zlib += pdf.mid(debut, fin - debut);
    const QByteArray rgb = qUncompress(zlib);
    if (rgb.size() < l * h * 3) return {};
    QImage im(l, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const auto *p = reinterpret_cast<const uchar *>(rgb.constData()) + (y * l + x) * 3;
            im.setPixel(x, y, qRgb(p[0], p[1], p[2]));
        }
    return im;
}

} // namespace

class TstFeuille : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void date_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("texte");
        QTest::newRow("December, one digit") << QDate(2026, 12, 9) << "9 décembre 2026";
        QTest::newRow("February") << QDate(2027, 2, 28) << "28 février 2027";
        QTest::newRow("August") << QDate(2027, 8, 1) << "1 août 2027";
    }
    void date()
    {
        QFETCH(QDate, date);
        QFETCH(QString, texte);
        QCOMPARE(date_en_francais(date), texte);
    }

    void eleves_data()
    {
        QTest::addColumn<QString>("noms");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("two pupils") << "Léa et Hugo" << "Élève(s) : Léa et Hugo";
        QTest::newRow("blanks trimmed") << "  Zoé " << "Élève(s) : Zoé";
        QTest::newRow("none") << "" << "Élève(s) : ";
    }
    void eleves()
    {
        QFETCH(QString, noms);
        QFETCH(QString, ligne);
        QCOMPARE(ligne_eleves(noms), ligne);
    }

    void agrandie_garde_les_pixels_nets()
    {
        const QImage im = motif(7, 5);
        const QImage double_ = agrandie(im, 2);
        QCOMPARE(double_.size(), QSize(14, 10));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 14; ++x) QCOMPARE(double_.pixel(x, y), im.pixel(x / 2, y / 2));
        QCOMPARE(agrandie(im, 1), im);
    }

    void png_relu()
    {
        const QImage im = motif(31, 17);
        QImage relue;
        QVERIFY(relue.loadFromData(octets_png(im), "PNG"));
        QCOMPARE(relue.convertToFormat(QImage::Format_RGB32), im);
    }

    void place_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QRect>("libre");
        QTest::addColumn<QRect>("place");
        // A page picture 784 × 505 on the free part of an A4 sheet at 300 dpi.
        QTest::newRow("wide: full width") << QSize(800, 400) << QRect(0, 100, 1000, 800) << QRect(0, 100, 1000, 500);
        QTest::newRow("tall: centred across") << QSize(400, 800) << QRect(0, 100, 1000, 800)
                                              << QRect(300, 100, 400, 800);
        QTest::newRow("small: enlarged") << QSize(10, 10) << QRect(50, 0, 200, 100) << QRect(100, 0, 100, 100);
        QTest::newRow("no picture") << QSize() << QRect(0, 0, 10, 10) << QRect();
    }
    void place()
    {
        QFETCH(QSize, image);
        QFETCH(QRect, libre);
        QFETCH(QRect, place);
        QCOMPARE(place_image(image, libre), place);
    }

    // The sheet drawn on a picture: the page picture lands below the heading,
    // enlarged pixel by pixel, nothing smoothed.
    void feuille_sur_image()
    {
        const QImage page = motif(40, 20);
        QImage feuille(400, 300, QImage::Format_RGB32);
        feuille.fill(Qt::white);
        {
            QPainter p(&feuille);
            dessiner_feuille(p, feuille.rect(), 96, page, {"Loi de Fechner", QDate(2026, 12, 9), "Léa"});
        }
        // The picture takes the whole width: 10 sheet pixels per page pixel,
        // at the bottom of the sheet, below a black rule.
        int haut = 0;
        while (haut < 300 && !(feuille.pixel(5, haut) == page.pixel(0, 0) && feuille.pixel(15, haut) == page.pixel(1, 0)))
            ++haut;
        QVERIFY(haut > 40);          // below the heading
        QVERIFY(haut + 200 <= 300);  // and the whole picture on the sheet
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) {
                const QRgb attendu = page.pixel(x, y);
                QCOMPARE(feuille.pixel(x * 10 + 1, haut + y * 10 + 1), attendu);
                QCOMPARE(feuille.pixel(x * 10 + 8, haut + y * 10 + 8), attendu);
            }
        // The heading: dark pixels in the title's band, none in the picture's margins.
        bool encre = false;
        for (int x = 0; x < 200 && !encre; ++x)
            for (int y = 0; y < 20 && !encre; ++y) encre = qGray(feuille.pixel(x, y)) < 100;
        QVERIFY(encre);
    }

    void pdf()
    {
        const QImage page = motif(784, 505);
        const QByteArray pdf = octets_pdf(page, {"Loi de Nernst", QDate(2026, 12, 9), "Léa et Hugo"});
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
        QVERIFY(!pdf.contains("/Interpolate true"));
        // The picture is embedded as it is, not resampled: the printer scales it.
        QCOMPARE(image_du_pdf(pdf), page);
    }

    void echelle_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("echelle");
        // 200 dpi across 10.9 inches: 2181 pixels at least.
        QTest::newRow("a page, 780 px") << 780 << 3;
        QTest::newRow("a maximised companion, 1920 px") << 1920 << 2;
        QTest::newRow("wider than needed") << 2400 << 1;
        QTest::newRow("tiny: held to 8") << 10 << 8;
    }
    void echelle()
    {
        QFETCH(int, largeur);
        QFETCH(int, echelle);
        QCOMPARE(echelle_impression(largeur), echelle);
    }

    // The sheet as poppler reads it: a names line of 300 characters wraps and
    // is whole; the page picture prints at 200 dpi or more.
    void pdf_lu_par_poppler_linux()
    {
        SANS_WINDOWS("poppler's pdftotext is a Linux program");
        QString noms;
        for (int i = 1; noms.size() < 300; ++i) noms += QStringLiteral("Élève%1 Nomdefamille%1, ").arg(i);
        noms = noms.left(300).trimmed();
        const int e = echelle_impression(780);
        QTemporaryDir dir;
        QFile f(dir.filePath("feuille.pdf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets_pdf(motif(780 * e, 504 * e), {"Période réfractaire", QDate(2026, 12, 9), noms}));
        f.close();
        QProcess texte;
        texte.start("pdftotext", {f.fileName(), "-"});
        QVERIFY(texte.waitForFinished(30000));
        const QString lu = QString::fromUtf8(texte.readAllStandardOutput()).simplified();
        QVERIFY2(lu.contains("Période réfractaire"), qPrintable(lu));
        QVERIFY2(lu.contains("Élève(s) : " + noms), qPrintable(lu));
        QProcess images;
        images.start("pdfimages", {"-list", f.fileName()});
        QVERIFY(images.waitForFinished(30000));
        const QStringList lignes = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 3); // two heading lines, one picture
        const QStringList champs = lignes[2].split(' ', Qt::SkipEmptyParts);
        QCOMPARE(champs[3].toInt(), 780 * e);        // its width in pixels
        QVERIFY2(champs[12].toInt() >= 200, qPrintable(lignes[2])); // x-ppi
    }
};

QTEST_MAIN(TstFeuille)
#include "tst_feuille.moc"
