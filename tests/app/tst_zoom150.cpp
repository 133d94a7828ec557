// The whole program at 150 %: the toolkit's scale set before the application
// object, as the program's entry does for "--zoom 150".
#include "app/tform1.h"
#include "app/zoom.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "common/journaldessin.h"
#include "common/plateforme.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "nerve/pagenerf.h"
#include "colour/pagecontrastes.h"
#include "assets/venn.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QScrollBar>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTabWidget>
#include <QtTest>

namespace {

// The window shown on a page, with what that page draws at its start; on the
// Nernst page a few steps of the curve.
ImageWidget *montrer_image(TForm1 &f, int page, const QString &nom)
{
    f.show();
    if (!QTest::qWaitForWindowExposed(&f)) return nullptr;
    f.Timer_debutTimer();
    f.Notebook1->setCurrentIndex(page);
    if (page == 3) f.page_nerf()->affich_grad();
    if (page == 5) {
        f.page_nernst()->BitBtn14Click();
        for (int k = 0; k < 6; ++k) f.page_nernst()->Timer_courbeTimer();
    }
    return f.findChild<ImageWidget *>(nom);
}

} // namespace

class TstZoom150 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-zoom150-csb");
        installer_rapporteur([](const QString &) {});
        QCOMPARE(Zoom::taille_en_cours(), 150);
        QCOMPARE(qApp->devicePixelRatio(), 1.5);
    }

    void taille_exterieure()
    {
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // 799 × 599 design pixels make 1198.5 × 898.5 screen pixels.
        const QSize ecran = f.frameGeometry().size() * f.devicePixelRatio();
        QVERIFY2(qAbs(ecran.width() - 1198) <= 1, qPrintable(QString::number(ecran.width())));
        QVERIFY2(qAbs(ecran.height() - 898) <= 1, qPrintable(QString::number(ecran.height())));
        // What is painted (the client area, inside the frame) has the same scale.
        const QSize grab = f.grab().size(), client = f.size() * 1.5;
        QVERIFY2(qAbs(grab.width() - client.width()) <= 1 && qAbs(grab.height() - client.height()) <= 1,
                 qPrintable(QString("%1 × %2").arg(grab.width()).arg(grab.height())));
    }

    void proportions_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("dessin"); // in its parent, as at 100 %
        QTest::newRow("notebook") << -1 << "Notebook1" << QRect(2, 0, 784, 530);
        QTest::newRow("landscape") << 0 << "Image1" << QRect(14, 29, 231, 124);
        QTest::newRow("Venn picture") << 0 << "Image3" << QRect(477, 149, 275, 209);
        QTest::newRow("Fechner plot") << 2 << "Ima_courbe" << QRect(4, 28, 420, 220);
        QTest::newRow("simulation frame") << 3 << "GroupBox11" << QRect(364, 9, 410, 484);
        QTest::newRow("cathode") << 3 << "Shape_cathode" << QRect(80, 49, 5, 90);
        QTest::newRow("recording 2") << 3 << "Shape_enr2" << QRect(224, 51, 5, 50);
        QTest::newRow("Nernst frame") << 5 << "GroupBox10" << QRect(64, 0, 670, 496);
    }
    void proportions()
    {
        QFETCH(int, page);
        QFETCH(QString, nom);
        QFETCH(QRect, dessin);
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        if (page >= 0) f.Notebook1->setCurrentIndex(page);
        QWidget *w = f.findChild<QWidget *>(nom);
        QVERIFY(w);
        // Positions stay the design's; the screen shows them 1.5 times larger.
        QCOMPARE(w->geometry(), dessin);
        QCOMPARE(w->grab().size(), dessin.size() * 1.5);
    }

    void positions_accessibles_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("nom");
        QTest::newRow("window") << -1 << "Form1";
        QTest::newRow("button") << 0 << "BitBtn3";
        QTest::newRow("named bar") << 3 << "Scroll_i_stim";
        QTest::newRow("electrode") << 3 << "Shape_cathode";
        QTest::newRow("picture") << 0 << "Image1";
    }
    void positions_accessibles()
    {
        // A screen reader is told where a control stands on the screen, in the
        // screen's pixels, and finds it again from a point there.
        QFETCH(int, page);
        QFETCH(QString, nom);
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        if (page >= 0) f.Notebook1->setCurrentIndex(page);
        QWidget *w = f.objectName() == nom ? &f : f.findChild<QWidget *>(nom);
        QVERIFY(w);
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        QVERIFY(i);
        const auto comparer = [](const QRect &lu, const QRect &ecran) {
            return (lu.topLeft() - ecran.topLeft()).manhattanLength() <= 2 && qAbs(lu.width() - ecran.width()) <= 1 &&
                   qAbs(lu.height() - ecran.height()) <= 1;
        };
        const QRect ecran(w->mapToGlobal(QPoint()) * 1.5, w->size() * 1.5);
        const QRect lu = i->rect();
        QVERIFY2(comparer(lu, ecran),
                 qPrintable(QString("%1,%2 %3×%4").arg(lu.x()).arg(lu.y()).arg(lu.width()).arg(lu.height())));
        if (w == &f) {
            // A tab of the tab bar and an item of the menu bar, which are no widgets.
            QTabBar *onglets = f.Notebook1->tabBar();
            const QRect onglet = onglets->tabRect(2);
            QAccessibleInterface *t = QAccessible::queryAccessibleInterface(onglets)->child(2);
            QVERIFY(comparer(t->rect(), QRect(onglets->mapToGlobal(onglet.topLeft()) * 1.5, onglet.size() * 1.5)));
            QCOMPARE(QAccessible::queryAccessibleInterface(onglets)->indexOfChild(t), 2);
            QMenuBar *barre = f.menuBar();
            const QRect menu = barre->actionGeometry(barre->actions().at(1));
            QAccessibleInterface *m = QAccessible::queryAccessibleInterface(barre)->child(1);
            QCOMPARE(m->text(QAccessible::Name), QString("Options"));
            QVERIFY(comparer(m->rect(), QRect(barre->mapToGlobal(menu.topLeft()) * 1.5, menu.size() * 1.5)));
        } else {
            QAccessibleInterface *parent = i->parent();
            QAccessibleInterface *trouve = parent->childAt(lu.center().x(), lu.center().y());
            QVERIFY(trouve);
            QCOMPARE(trouve->object(), w);
        }
        QVERIFY(i->role() != QAccessible::Client); // our roles kept: a picture, a bar with its value
        if (nom == "Scroll_i_stim") QVERIFY(i->valueInterface());
    }

    void polices()
    {
        // Text grows with the rest: a label's text is 1.5 times as high on the screen.
        TForm1 f;
        f.show();
        f.Notebook1->setCurrentIndex(3);
        auto *l = f.findChild<QLabel *>("Label21");
        QVERIFY(l);
        const QImage g = l->grab().toImage();
        int haut = g.height(), bas = -1;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                if (qGray(g.pixel(x, y)) < 100) {
                    haut = qMin(haut, y);
                    bas = qMax(bas, y);
                }
        // " ms " is 6 or 7 pixels high at 100 %.
        QVERIFY2(bas - haut + 1 >= 9, qPrintable(QString::number(bas - haut + 1)));
    }

    void images_sans_gris_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("image");
        QTest::newRow("landscape") << 0 << "Image1";
        QTest::newRow("Venn") << 0 << "Image3";
        QTest::newRow("Fechner plot") << 2 << "Ima_courbe";
        QTest::newRow("time scale") << 3 << "Ima_grad";
    }
    void images_sans_gris()
    {
        // Our drawings at 1.5: only the colours the picture holds.
        QFETCH(int, page);
        QFETCH(QString, image);
        TForm1 f;
        ImageWidget *i = montrer_image(f, page, image);
        QVERIFY(i);
        QSet<QRgb> couleurs;
        const QImage p = i->picture();
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) couleurs.insert(p.pixel(x, y));
        const QImage g = i->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The picture's own area (a centred one lies in the middle of the control).
        QRect zone(QPoint(0, 0), p.size() * 1.5);
        if (i->center()) zone.moveCenter(g.rect().center());
        zone &= g.rect().adjusted(1, 1, -1, -1);
        int noirs = 0;
        for (int y = zone.top() + 1; y < zone.bottom(); ++y)
            for (int x = zone.left() + 1; x < zone.right(); ++x) {
                if (!couleurs.contains(g.pixel(x, y)))
                    QFAIL(qPrintable(QString("colour %1 at (%2, %3)").arg(g.pixel(x, y), 0, 16).arg(x).arg(y)));
                noirs += g.pixel(x, y) == qRgb(0, 0, 0);
            }
        if (couleurs.contains(qRgb(0, 0, 0))) QVERIFY(noirs > 0);
    }

    void dessins_redessines_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("traits"); // lines or text, which repeated pixels would not give
        QTest::newRow("Venn") << 0 << "Image3" << true;
        QTest::newRow("Hermann grid") << 1 << "Image4" << false;
        QTest::newRow("Fechner plot") << 2 << "Ima_courbe" << true;
        QTest::newRow("time scale") << 3 << "Ima_grad" << true;
        QTest::newRow("distance scale") << 3 << "Ima_grad2" << true;
        QTest::newRow("Nernst scale") << 5 << "ima_leg" << true;
        QTest::newRow("Nernst plot") << 5 << "Ima_pa" << true;
    }
    void dessins_redessines()
    {
        // Our drawings keep their journal, and the screen shows them drawn
        // again at 1.5 (text and lines at its resolution), not enlarged.
        QFETCH(int, page);
        QFETCH(QString, image);
        QFETCH(bool, traits);
        TForm1 f;
        ImageWidget *i = montrer_image(f, page, image);
        QVERIFY(i);
        QVERIFY(!i->stretch() || i->size() == i->picture().size());
        const JournalDessin j = journal_dessin::trouver(i->picture());
        QVERIFY(j);
        // A centred picture starts in the middle of the control, maybe between device pixels.
        const QSize t = i->picture().size();
        const QPointF origine =
            i->center() ? QPointF((i->width() - t.width()) / 2, (i->height() - t.height()) / 2) * 1.5 : QPointF();
        const QImage attendu = journal_dessin::rendre(j, 1.5, origine);
        QImage g = i->grab().toImage().convertToFormat(QImage::Format_RGB32);
        g.setDevicePixelRatio(1);
        // What the control shows of it (a scale may be wider than its control).
        const QRect vu = QRect(QPoint(qRound(origine.x()), qRound(origine.y())), attendu.size())
                             .intersected(QRect(QPoint(0, 0), i->size() * 1.5));
        QVERIFY(vu.width() > attendu.width() / 2);
        QCOMPARE(g.copy(vu), attendu.copy(vu.translated(-QPoint(qRound(origine.x()), qRound(origine.y())))));
        const QImage repete = i->picture().scaled(attendu.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QCOMPARE(attendu != repete, traits);
    }

    void animation_sans_journaux_accumules()
    {
        // Each frame of the ions is drawn with its journal (sharp at 1.5), but
        // a frame gone from the screen lets its journal go: 600 ticks keep no
        // more journals than 10.
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(5);
        PageNernst *n = f.page_nernst();
        n->BitBtn12Click();
        n->GOClick();
        for (int t = 0; t < 10; ++t) n->Timer_animTimer();
        const int avant = journal_dessin::nombre_gardes();
        for (int t = 0; t < 600; ++t) n->Timer_animTimer();
        QVERIFY2(journal_dessin::nombre_gardes() <= avant + 2, qPrintable(QString::number(journal_dessin::nombre_gardes())));
        // The frame on the screen keeps its own.
        auto *vu = n->findChild<ImageWidget *>(n->findChild<ImageWidget *>("ima_pe1")->isHidden() ? "ima_pe2" : "ima_pe1");
        QVERIFY(journal_dessin::trouver(vu->picture()));
    }

    void melange_a_1_5()
    {
        // At 1.5 the colour mixing still reads and fills its 100 % picture, and
        // the screen shows the new colour in the region moved by the keys.
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Notebook1->setCurrentIndex(0);
        auto *venn = f.findChild<ImageWidget *>("Image3");
        auto *barre = f.findChild<QScrollBar *>("scroll_rouge");
        QVERIFY(venn && barre);
        const QPoint g = graine_venn(RegionVenn::Gauche);
        const QRgb avant = venn->picture().pixel(g);
        barre->setFocus();
        for (int k = 0; k < 3; ++k) QTest::keyClick(barre, barre->value() > barre->minimum() ? Qt::Key_PageUp : Qt::Key_PageDown);
        const QRgb apres = venn->picture().pixel(g);
        QVERIFY(apres != avant);
        QVERIFY(journal_dessin::trouver(venn->picture()));
        const QSize t = venn->picture().size();
        const QPointF origine = QPointF((venn->width() - t.width()) / 2, (venn->height() - t.height()) / 2) * 1.5;
        const QImage ecran = venn->grab().toImage();
        QCOMPARE(ecran.pixel((origine + QPointF(g) * 1.5 + QPointF(0.75, 0.75)).toPoint()), apres);
    }
};

int main(int argc, char **argv)
{
    // The settings of the test go to a test folder; the size comes from the option.
    QStandardPaths::setTestModeEnabled(true);
    char zoom[] = "--zoom";
    char valeur[] = "150";
    std::vector<char *> args(argv, argv + argc);
    args.insert(args.begin() + 1, {zoom, valeur});
    args.push_back(nullptr);
    int n = int(args.size()) - 1;
    if (!Zoom::preparer(n, args.data())) return 2;
    QApplication app(n, args.data());
    TstZoom150 t;
    return QTest::qExec(&t, n, args.data());
}
#include "tst_zoom150.moc"
