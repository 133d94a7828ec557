// Every page rendered at 200 %: the pictures and shapes it paints are the 100 % pictures
// with each pixel repeated, so a one-pixel black line becomes a two-pixel
// black line, never grey.
#include "app/tform1.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "common/plateforme.h"
#include "nerve/pagenerf.h"
#include "fenetresmodales.h"

#include <QAction>
#include <QTabWidget>
#include <QtTest>

namespace {

QImage rendre(QWidget *w, int k)
{
    QImage r(w->size() * k, QImage::Format_RGB32);
    r.setDevicePixelRatio(k);
    r.fill(Qt::green);
    w->render(&r);
    r.setDevicePixelRatio(1);
    return r;
}

} // namespace

class TstPages200 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-pages200-csb");
        installer_rapporteur([](const QString &) {});
    }

    void dialogue_dans_l_ecran()
    {
        // A file dialog enlarged past the screen once (or keeping the size it
        // had at 100 %) opens again within it, its buttons in reach.
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        QRect vu;
        const QRect dispo = f.screen()->availableGeometry();
        FenetresModales modales({[&](QWidget *m) {
                                     m->resize(dispo.size() + QSize(200, 100));
                                     m->close();
                                 },
                                 [&](QWidget *m) {
                                     vu = m->frameGeometry();
                                     m->close();
                                 }});
        QAction *ouvrir = f.findChild<QAction *>("Ouvrir1");
        ouvrir->trigger();
        ouvrir->trigger();
        QVERIFY2(dispo.contains(vu), qPrintable(QString("%1,%2 %3×%4").arg(vu.x()).arg(vu.y()).arg(vu.width()).arg(vu.height())));
    }

    void page_a_200_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("image");
        QTest::newRow("landscape") << 0 << "Image1";
        QTest::newRow("Venn picture") << 0 << "Image3";
        QTest::newRow("Hermann grid") << 1 << "Image4";
        QTest::newRow("Fechner plot") << 2 << "Ima_courbe";
        QTest::newRow("oscilloscope trace") << 3 << "Ima_st";
        QTest::newRow("Nernst scale") << 5 << "ima_leg";
        // The electrodes, the nerve and the lamps are shapes the page paints.
        QTest::newRow("cathode") << 3 << "Shape_cathode";
        QTest::newRow("anode") << 3 << "Shape_anode";
        QTest::newRow("recording 1") << 3 << "Shape_enr1";
        QTest::newRow("nerve") << 3 << "Shape_nerf";
        QTest::newRow("artefact") << 3 << "prem_artef";
    }
    void page_a_200()
    {
        QFETCH(int, page);
        QFETCH(QString, image);
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(page);
        if (page == 3) f.page_nerf()->BitBtn22Click(); // a trace on the screen
        QWidget *p = f.Notebook1->currentWidget();
        QWidget *i = p->findChild<QWidget *>(image);
        QVERIFY(i);
        const QRect zone(i->mapTo(p, QPoint(0, 0)), i->size());
        const QImage un = rendre(p, 1), deux = rendre(p, 2);
        int noirs = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x) {
                // Only where the picture shows: labels over it draw text at full resolution.
                if (p->childAt(x, y) != i) continue;
                const QRgb c = un.pixel(x, y);
                noirs += c == qRgb(0, 0, 0);
                for (int j = 0; j < 2; ++j)
                    for (int k = 0; k < 2; ++k)
                        if (deux.pixel(2 * x + k, 2 * y + j) != c)
                            QFAIL(qPrintable(QString("%5 (%1, %2): %3 at 200 %, %4 at 100 %")
                                                 .arg(x).arg(y)
                                                 .arg(deux.pixel(2 * x + k, 2 * y + j), 0, 16)
                                                 .arg(c, 0, 16).arg(image)));
            }
        // The picture has black lines (or outlines) to check; the Venn picture's are pure blue.
        QVERIFY(noirs > 0 || image == QLatin1String("Image3"));
    }
};

QTEST_MAIN(TstPages200)
#include "tst_pages_200.moc"
