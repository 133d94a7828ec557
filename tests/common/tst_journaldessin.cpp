// Pictures drawn again from the canvas's journal: the same picture at scale 1,
// lines of an even width and text at the screen's resolution at 1.25 and 1.5,
// and no journal once the picture was changed by other means.
#include "common/canevas.h"
#include "common/imagewidget.h"
#include "common/journaldessin.h"
#include "common/polices.h"

#include <QSet>
#include <QtTest>

#include <functional>

namespace {

constexpr Couleur FOND_MOTIF = couleur_rgb(1, 2, 3);

QImage point_motif()
{
    QImage m = image_unie(5, 5, FOND_MOTIF);
    Canevas c(m);
    c.couleur_pinceau = VERT;
    c.Ellipse(0, 0, 5, 5);
    return m;
}

// One drawing per row, each through the canvas's calls as the pages make them.
const std::vector<std::pair<const char *, std::function<void(Canevas &)>>> &table_dessins()
{
    static const std::vector<std::pair<const char *, std::function<void(Canevas &)>>> d = {
        {"lines in every direction",
         [](Canevas &c) {
             c.MoveTo(30, 20);
             for (QPoint p : {QPoint(55, 21), QPoint(57, 44), QPoint(3, 39), QPoint(30, 20), QPoint(30, 2)})
                 c.LineTo(p.x(), p.y());
         }},
        {"wide pens",
         [](Canevas &c) {
             for (int w : {2, 3, 4, 5}) {
                 c.largeur_plume = w;
                 c.couleur_plume = couleur_rgb(40 * w, 0, 0);
                 c.MoveTo(4, 8 * w);
                 c.LineTo(56, 8 * w + 5);
             }
         }},
        {"dotted pen",
         [](Canevas &c) {
             c.style_plume = Canevas::StylePlume::Pointille;
             c.MoveTo(2, 10);
             c.LineTo(50, 10);
             c.LineTo(50, 40);
         }},
        {"rectangles",
         [](Canevas &c) {
             c.couleur_pinceau = JAUNE;
             c.Rectangle(3, 4, 20, 30);
             c.pinceau_vide = true;
             c.Rectangle(25, 4, 26, 40);
             c.pinceau_vide = false;
             c.style_plume = Canevas::StylePlume::Aucun;
             c.couleur_pinceau = BLEU;
             c.Rectangle(30, 30, 58, 44);
             c.FillRect(40, 2, 44, 20);
         }},
        {"ellipses",
         [](Canevas &c) {
             c.couleur_pinceau = AQUA;
             c.Ellipse(2, 2, 30, 22);
             c.style_plume = Canevas::StylePlume::Aucun;
             c.couleur_pinceau = ROUGE;
             c.Ellipse(33, 10, 58, 45);
         }},
        {"text",
         [](Canevas &c) {
             c.police = police(QStringLiteral("Times New Roman"), pixels_de_points(8));
             c.couleur_pinceau = ROUGE;
             c.couleur_police = BLANC;
             c.TextOut(2, 2, QStringLiteral("1200"));
             c.pinceau_vide = true;
             c.couleur_police = MARINE;
             c.TextOut(10, 25, QStringLiteral("Masse"));
         }},
        {"flood fill",
         [](Canevas &c) {
             c.pinceau_vide = true;
             c.Ellipse(5, 5, 50, 40);
             c.pinceau_vide = false;
             c.couleur_pinceau = LIME;
             c.FloodFill(27, 22, NOIR);
         }},
        {"stamped motif",
         [](Canevas &c) {
             const QImage m = point_motif();
             for (int i = 0; i < 6; ++i) c.incruster(m, 3 + 9 * i, 5 + 6 * i, FOND_MOTIF);
             c.incruster(m, -2, 44, FOND_MOTIF);
         }},
        {"stamped motif without its journal",
         [](Canevas &c) {
             QImage m = point_motif();
             m.setPixel(0, 0, qRgb(255, 0, 255)); // changed by other means
             for (int i = 0; i < 6; ++i) c.incruster(m, 3 + 9 * i, 40 - 6 * i, FOND_MOTIF);
         }},
        {"copied picture",
         [](Canevas &c) {
             QImage fond = image_unie(60, 48, SARCELLE);
             {
                 Canevas f(fond);
                 f.MoveTo(0, 0);
                 f.LineTo(60, 48);
             }
             c.copier(fond);
             c.couleur_pinceau = JAUNE;
             c.Rectangle(10, 10, 20, 20);
         }},
        {"pixels",
         [](Canevas &c) {
             for (int i = 0; i < 40; ++i) c.set_pixel(i, (i * 7) % 48, couleur_rgb(i * 6, 0, 255));
         }},
        {"whole picture filled",
         [](Canevas &c) {
             c.Rectangle(2, 2, 9, 9);
             c.couleur_pinceau = ARGENT;
             c.FillRect(0, 0, 60, 48);
             c.MoveTo(0, 47);
             c.LineTo(60, 47);
         }},
    };
    return d;
}

QImage dessiner(int i)
{
    QImage im = image_unie(60, 48, BLANC);
    Canevas c(im);
    table_dessins()[std::size_t(i)].second(c);
    return im;
}

QSet<QRgb> couleurs(const QImage &i)
{
    QSet<QRgb> s;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x) s.insert(i.pixel(x, y) | 0xFF000000u);
    return s;
}

// The rows and columns holding a colour.
QRect encre(const QImage &i, QRgb c)
{
    QRect r;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            if ((i.pixel(x, y) | 0xFF000000u) == c) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TstJournalDessin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { journal_dessin::activer(true); }

    void dessins_data()
    {
        QTest::addColumn<int>("i");
        for (std::size_t i = 0; i < table_dessins().size(); ++i) QTest::newRow(table_dessins()[i].first) << int(i);
    }
    void dessins()
    {
        // Drawn again at scale 1 the journal gives the very same picture; at
        // the screen's scales only colours the picture holds, at its size.
        QFETCH(int, i);
        const QImage im = dessiner(i);
        const JournalDessin j = journal_dessin::trouver(im);
        QVERIFY(j);
        QCOMPARE(journal_dessin::rendre(j, 1.0), im);
        for (qreal r : {1.25, 1.5, 2.0}) {
            const QImage g = journal_dessin::rendre(j, r, QPointF(0.4, 0.25));
            QCOMPARE(g.size(), QSize(qRound(0.4 + 60 * r) - 0, qRound(0.25 + 48 * r) - 0));
            const QSet<QRgb> en_trop = couleurs(g) - couleurs(im);
            if (!en_trop.isEmpty()) QFAIL(qPrintable(QString("%1 at %2").arg(*en_trop.begin(), 0, 16).arg(r)));
        }
    }

    void traits_reguliers_data()
    {
        QTest::addColumn<qreal>("r");
        QTest::addColumn<bool>("horizontal");
        for (qreal r : {1.25, 1.5, 2.0}) {
            QTest::addRow("%g horizontal", r) << r << true;
            QTest::addRow("%g vertical", r) << r << false;
        }
    }
    void traits_reguliers()
    {
        // A one-pixel line keeps one width all along (repeating pixels at 1.5
        // makes it 1 and 2 pixels wide in turn), and lies where its pixels are.
        QFETCH(qreal, r);
        QFETCH(bool, horizontal);
        QImage im = image_unie(40, 40, BLANC);
        {
            Canevas c(im);
            c.MoveTo(horizontal ? 0 : 17, horizontal ? 17 : 0);
            c.LineTo(horizontal ? 40 : 17, horizontal ? 17 : 40);
        }
        const QImage g = journal_dessin::rendre(journal_dessin::trouver(im), r);
        const int attendu = qRound(r);
        for (int k = 0; k < g.width(); ++k) {
            int n = 0, premier = -1;
            for (int l = 0; l < g.height(); ++l)
                if (qGray(horizontal ? g.pixel(k, l) : g.pixel(l, k)) == 0) {
                    ++n;
                    if (premier < 0) premier = l;
                }
            QVERIFY2(n == attendu, qPrintable(QString("%1 pixels at %2").arg(n).arg(k)));
            QCOMPARE(premier, qRound(17 * r));
        }
    }

    void texte_a_pleine_resolution_data()
    {
        QTest::addColumn<qreal>("r");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
    }
    void texte_a_pleine_resolution()
    {
        // The text is set again in a font 1.5 times as large, not enlarged
        // from its 100 % pixels: as high as scaled, with strokes the repeated
        // pixels would not give, in the box the text took.
        QFETCH(qreal, r);
        QImage im = image_unie(80, 30, BLANC);
        {
            Canevas c(im);
            c.police = police(QStringLiteral("MS Sans Serif"), pixels_de_points(8));
            c.couleur_pinceau = JAUNE;
            c.TextOut(4, 4, QStringLiteral("Masse 80"));
        }
        const QImage g = journal_dessin::rendre(journal_dessin::trouver(im), r);
        const QImage repete = im.scaled(g.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QRect a = encre(im, qRgb(0, 0, 0)), b = encre(g, qRgb(0, 0, 0));
        QVERIFY(!a.isEmpty());
        QVERIFY2(qAbs(b.height() - a.height() * r) <= 2, qPrintable(QString("%1 → %2").arg(a.height()).arg(b.height())));
        QVERIFY(g != repete);
        const QRect fond = encre(g, qRgb(255, 255, 0));
        QCOMPARE(fond.topLeft(), QPoint(qRound(4 * r), qRound(4 * r)));
        // Within a pixel: a rasteriser's hinting (Windows') may widen the last glyph.
        QVERIFY2(fond.adjusted(0, 0, 1, 0).contains(b), qPrintable(QString("%1,%2 %3x%4 outside %5,%6 %7x%8").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height()).arg(fond.x()).arg(fond.y()).arg(fond.width()).arg(fond.height())));
    }

    void remplissage_a_l_echelle_data()
    {
        QTest::addColumn<qreal>("r");
        for (qreal r : {1.25, 1.5, 2.0, 3.0}) QTest::addRow("%g", r) << r;
    }
    void remplissage_a_l_echelle()
    {
        // The fill stays inside the outline drawn at that scale and fills it.
        QFETCH(qreal, r);
        const QImage im = dessiner(6);
        const QImage g = journal_dessin::rendre(journal_dessin::trouver(im), r);
        const QRect vert = encre(g, qRgb(0, 255, 0));
        const QRect contour = encre(g, qRgb(0, 0, 0));
        QVERIFY(!vert.isEmpty());
        QVERIFY(contour.contains(vert));
        QCOMPARE(g.pixel(qRound(27 * r), qRound(22 * r)), qRgb(0, 255, 0));
        QCOMPARE(g.pixel(qRound(5 * r), qRound(5 * r)), qRgb(255, 255, 255));
    }

    void journal_suit_le_contenu()
    {
        QImage a = image_unie(20, 20, BLANC);
        {
            Canevas c(a);
            c.Rectangle(2, 2, 8, 8);
        }
        // A copy shares the picture and its journal; drawing on the copy
        // leaves the original's journal to the original.
        QImage b = a;
        QVERIFY(journal_dessin::trouver(b));
        {
            Canevas c(b);
            c.couleur_pinceau = ROUGE;
            c.FillRect(10, 10, 15, 15);
        }
        QCOMPARE(journal_dessin::rendre(journal_dessin::trouver(a), 1), a);
        QCOMPARE(journal_dessin::rendre(journal_dessin::trouver(b), 1), b);
        QVERIFY(a != b);
        // Changed by other means: no journal, before or after a canvas.
        a.setPixel(0, 0, qRgb(0, 0, 255));
        QVERIFY(!journal_dessin::trouver(a));
        {
            Canevas c(a);
            c.Rectangle(4, 4, 9, 9);
        }
        QVERIFY(!journal_dessin::trouver(a));
        {
            Canevas c(b);
            c.FillRect(0, 0, 1, 1);
            b.setPixel(5, 5, qRgb(0, 0, 255));
            c.FillRect(1, 1, 2, 2);
        }
        QVERIFY(!journal_dessin::trouver(b));
        // Filled whole again, a picture starts a new journal.
        {
            Canevas c(a);
            c.FillRect(0, 0, 20, 20);
            c.Ellipse(3, 3, 12, 12);
        }
        QCOMPARE(journal_dessin::rendre(journal_dessin::trouver(a), 1), a);
    }

    void journal_trop_long()
    {
        // Past its length a journal is dropped; the picture is drawn as ever.
        QImage a = image_unie(200, 200, BLANC);
        {
            Canevas c(a);
            for (int i = 0; i < 25000; ++i) c.set_pixel(i % 200, (i / 200) % 200, NOIR);
        }
        QVERIFY(!journal_dessin::trouver(a));
        QCOMPARE(a.pixel(199, 124), qRgb(0, 0, 0));
        QCOMPARE(a.pixel(0, 125), qRgb(255, 255, 255));
    }

    void journaux_gardes()
    {
        // Journals are kept within a bound: the least recently used go first,
        // and a background looked up at every tick stays.
        QImage fond = image_unie(30, 30, BLANC);
        {
            Canevas c(fond);
            c.Rectangle(1, 1, 20, 20);
        }
        std::vector<QImage> longs;
        for (int k = 0; k < 30; ++k) {
            QImage im = image_unie(100, 100, BLANC);
            {
                Canevas c(im);
                for (int i = 0; i < 15000; ++i) c.set_pixel(i % 100, (i / 100) % 100, couleur_rgb(k, 0, 0));
            }
            longs.push_back(im);
            QVERIFY(journal_dessin::trouver(fond)); // the background, used all along
        }
        QVERIFY(journal_dessin::trouver(longs.back()));
        QVERIFY(!journal_dessin::trouver(longs.front()));
    }

    void regions_recoloriees()
    {
        // Regions filled again and again (the colour mixing's sliders) keep a
        // short journal that still gives the picture.
        QImage a = image_unie(60, 40, BLANC);
        {
            Canevas c(a);
            c.pinceau_vide = true;
            c.Ellipse(2, 2, 40, 38);
            c.Ellipse(20, 2, 58, 38);
        }
        for (int i = 0; i < 12000; ++i) {
            Canevas c(a);
            c.couleur_pinceau = couleur_rgb(i % 256, (i / 3) % 256, 7);
            c.FloodFill(10, 20, NOIR);
            c.couleur_pinceau = couleur_rgb(3, i % 256, 9);
            c.FloodFill(30, 20, NOIR);
            c.couleur_pinceau = couleur_rgb(i % 200, 1, i % 256);
            c.FloodFill(50, 20, NOIR);
        }
        const JournalDessin j = journal_dessin::trouver(a);
        QVERIFY(j);
        QVERIFY2(j->longueur < 10, qPrintable(QString::number(j->longueur)));
        QCOMPARE(journal_dessin::rendre(j, 1), a);
        // A fill in the border's colour changes the borders: kept.
        {
            Canevas c(a);
            c.couleur_pinceau = NOIR;
            c.FloodFill(30, 20, NOIR);
            c.FloodFill(30, 20, NOIR);
            c.couleur_pinceau = ROUGE;
            c.FloodFill(10, 20, NOIR);
        }
        QCOMPARE(journal_dessin::rendre(journal_dessin::trouver(a), 1), a);
    }

    void controle_a_1_5()
    {
        // The image control shows a journal's picture drawn again at 1.5; a
        // picture without one with its pixels repeated.
        ImageWidget w;
        const QImage im = dessiner(5);
        w.setPicture(im);
        w.resize(im.size());
        QImage ecran(QSize(90, 72), QImage::Format_RGB32);
        ecran.setDevicePixelRatio(1.5);
        w.render(&ecran);
        ecran.setDevicePixelRatio(1);
        QCOMPARE(ecran, journal_dessin::rendre(journal_dessin::trouver(im), 1.5));

        QImage sans = im.copy();
        sans.setPixel(0, 0, qRgb(1, 1, 1));
        w.setPicture(sans);
        ecran.setDevicePixelRatio(1.5);
        w.render(&ecran);
        ecran.setDevicePixelRatio(1);
        QVERIFY(ecran != journal_dessin::rendre(journal_dessin::trouver(im), 1.5));
    }
};

QTEST_MAIN(TstJournalDessin)
#include "tst_journaldessin.moc"
