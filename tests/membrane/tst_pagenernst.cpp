#include "common/aleatoire.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "membrane/pagenernst.h"
#include "tests/hoteessai.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// The page after the main window's start-up steps 8, 13, 14 and 15.
struct Banc {
    HoteEssai hote;
    std::unique_ptr<PageNernst> page = std::make_unique<PageNernst>(&hote);
    Banc()
    {
        page->Scroll_gkChange();
        page->Scroll_gnaChange();
        page->enregistrer_rapports();
        page->concentrations_depart();
        page->calcul_images();
        page->grad_nernst();
    }
    PageNernst &p() { return *page; }
    QScrollBar *barre(const QString &nom) { return page->findChild<QScrollBar *>(nom); }
    ImageWidget *image(const QString &nom) { return page->findChild<ImageWidget *>(nom); }
    QLabel *etiquette(const QString &nom) { return page->findChild<QLabel *>(nom); }
};

Couleur pixel(const QImage &im, int x, int y) { return depuis_pixel(im.pixel(x, y)); }

// Number of pixels of a colour in column x of a picture.
int dans_colonne(const QImage &im, int x, Couleur c)
{
    int n = 0;
    for (int y = 0; y < im.height(); ++y) n += pixel(im, x, y) == c;
    return n;
}

} // namespace

class TstPageNernst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { installer_rapporteur([](const QString &) {}); }

    // Start-up captions and picture sizes (width × height) of the area rule.
    void depart_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("legende");
        QTest::newRow("[K]i 150") << "lab_ki" << "[K]i=150";
        QTest::newRow("[K]e 6, padded to 2") << "lab_ke" << "[K]e= 6";
        QTest::newRow("[Na]i 8, padded to 2") << "lab_nai" << "[Na]i= 8";
        QTest::newRow("[Na]e 144") << "lab_nae" << "[Na]e=144";
        QTest::newRow("GK at bar position 100") << "lab_gk" << "GK=0";
        QTest::newRow("GNa at bar position 100") << "lab_gna" << "GNa=0";
        QTest::newRow("EK of 150/6") << "Label9" << "EeqK=-85.37";
        QTest::newRow("ENa of 8/144") << "Label10" << "EnaK=76.66";
        QTest::newRow("Lab_em before the first tick") << "Lab_em" << "Lab_em";
        QTest::newRow("title, two blanks") << "Label12" << "Travail  sur la perméabilité membrannaire";
    }
    void depart()
    {
        QFETCH(QString, nom);
        QFETCH(QString, legende);
        Banc b;
        QCOMPARE(b.etiquette(nom)->text(), legende);
    }

    void tailles_depart_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        // Height = Round(√(ratio × 13c)), width = Round(height / ratio).
        QTest::newRow("ima_ki 150") << "ima_ki" << QSize(48, 41);
        QTest::newRow("ima_ke 6") << "ima_ke" << QSize(9, 8);
        QTest::newRow("ima_nai 8") << "ima_nai" << QSize(14, 8);
        QTest::newRow("ima_nae 144") << "ima_nae" << QSize(57, 32);
        QTest::newRow("ani 150 + 8") << "ani" << QSize(49, 42);
        QTest::newRow("ane 6 + 144") << "ane" << QSize(48, 41);
    }
    void tailles_depart()
    {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        Banc b;
        QCOMPARE(b.image(nom)->size(), taille);
    }

    void positions_gardees()
    {
        Banc b;
        QCOMPARE(b.image("ima_ki")->pos(), QPoint(149, 151));
        QCOMPARE(b.image("ima_nae")->pos(), QPoint(306, 203));
        QCOMPARE(b.image("ane")->pos(), QPoint(338, 89));
    }

    // Concentration bar actions from [K]i = 150 (position 150).
    void barre_ki_data()
    {
        QTest::addColumn<int>("action");  // -1: set the position directly
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("c_ki");
        QTest::addColumn<QString>("legende");
        QTest::newRow("dragged to 151 stores 150") << -1 << 149 << 150.0 << "[K]i=150";
        QTest::newRow("page step up is undone") << int(QAbstractSlider::SliderPageStepSub) << 0 << 150.0
                                                << "[K]i=150";
        QTest::newRow("page step down gives 148") << int(QAbstractSlider::SliderPageStepAdd) << 0 << 148.0
                                                  << "[K]i=148";
        QTest::newRow("arrow up gives 152") << int(QAbstractSlider::SliderSingleStepSub) << 0 << 152.0 << "[K]i=152";
        QTest::newRow("arrow down gives 148") << int(QAbstractSlider::SliderSingleStepAdd) << 0 << 148.0
                                              << "[K]i=148";
        QTest::newRow("top gives 300") << -1 << 0 << 300.0 << "[K]i=300";
        QTest::newRow("odd 7 becomes 6, padded") << -1 << 293 << 6.0 << "[K]i= 6";
    }
    void barre_ki()
    {
        QFETCH(int, action);
        QFETCH(int, position);
        QFETCH(double, c_ki);
        QFETCH(QString, legende);
        Banc b;
        QScrollBar *s = b.barre("Scroll_ki");
        if (action < 0)
            s->setValue(position);
        else
            s->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(b.p().etat.membrane.c_ki, c_ki);
        QCOMPARE(s->value(), int(300 - c_ki));
        QCOMPARE(b.etiquette("lab_ki")->text(), legende);
    }

    // Picture clicks: left +10 up to 300, right −10 while it stays above 0.
    void clics_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<double>("avant");
        QTest::addColumn<double>("apres");
        QTest::newRow("left at 296 changes nothing") << "ima_ki" << int(Qt::LeftButton) << 296.0 << 296.0;
        QTest::newRow("left at 290 gives 300") << "ima_ki" << int(Qt::LeftButton) << 290.0 << 300.0;
        QTest::newRow("right at 6 changes nothing") << "ima_ke" << int(Qt::RightButton) << 6.0 << 6.0;
        QTest::newRow("right at 10 changes nothing") << "ima_ke" << int(Qt::RightButton) << 10.0 << 10.0;
        QTest::newRow("right at 16 gives 6") << "ima_ke" << int(Qt::RightButton) << 16.0 << 6.0;
        QTest::newRow("left on Na inside") << "ima_nai" << int(Qt::LeftButton) << 8.0 << 18.0;
        QTest::newRow("right on Na outside") << "ima_nae" << int(Qt::RightButton) << 144.0 << 134.0;
        QTest::newRow("middle button does nothing") << "ima_ki" << int(Qt::MiddleButton) << 150.0 << 150.0;
    }
    void clics()
    {
        QFETCH(QString, nom);
        QFETCH(int, bouton);
        QFETCH(double, avant);
        QFETCH(double, apres);
        Banc b;
        ModeleMembrane &m = b.p().etat.membrane;
        double ModeleMembrane::*champ = nom == "ima_ki"    ? &ModeleMembrane::c_ki
                                        : nom == "ima_ke"  ? &ModeleMembrane::c_ke
                                        : nom == "ima_nai" ? &ModeleMembrane::c_nai
                                                           : &ModeleMembrane::c_nae;
        m.*champ = avant;
        b.p().calcul_images();
        QTest::mouseClick(b.image(nom), Qt::MouseButton(bouton), {}, QPoint(1, 1));
        QCOMPARE(m.*champ, apres);
    }

    void clic_jusqu_en_haut()
    {
        Banc b;
        b.p().etat.membrane.c_ki = 290;
        b.p().calcul_images();
        b.p().ima_kiMouseDown(Qt::LeftButton);
        QCOMPARE(b.barre("Scroll_ki")->value(), 0);
        QCOMPARE(b.etiquette("lab_ki")->text(), QString("[K]i=300"));
    }

    void barre_en_bas()
    {
        Banc b;
        b.barre("Scroll_ki")->setValue(300);
        QCOMPARE(b.etiquette("lab_ki")->text(), QString("[K]i= 0"));
        QCOMPARE(b.image("ima_ki")->size(), QSize(0, 0));
        QCOMPARE(b.p().etat.membrane.c_ki, 0.1);
        QCOMPARE(b.etiquette("Label9")->text(), QString("EeqK=108.59"));
        b.p().calcul_images();
        QCOMPARE(b.image("ima_ki")->size(), QSize(1, 1));
        QCOMPARE(b.barre("Scroll_ki")->value(), 300);
    }

    // GK 100 at start: em covers half the distance to EK at each tick.
    void em_suit_gk()
    {
        Banc b;
        b.p().Timer_kTimer();
        QCOMPARE(b.etiquette("Lab_em")->text(), QString("Em=0.00"));
        b.barre("Scroll_gk")->setValue(0);
        QCOMPARE(b.etiquette("lab_gk")->text(), QString("GK=100"));
        const QStringList suite{"Em=-42.69", "Em=-64.03", "Em=-74.70"};
        for (const QString &attendu : suite) {
            b.p().Timer_kTimer();
            QCOMPARE(b.etiquette("Lab_em")->text(), attendu);
        }
        b.barre("Scroll_gna")->setValue(0);
        b.p().Timer_naTimer();
        QCOMPARE(b.etiquette("Lab_em")->text(), QString("Em=-4.36"));
    }

    void menu_pot_equilibre()
    {
        Banc b;
        QAction *a = b.hote.element_menu("Afficherlespotdquilibre1");
        QVERIFY(b.etiquette("Label9")->isHidden());
        b.p().Afficherlespotdquilibre1Click();
        QVERIFY(a->isChecked());
        QVERIFY(!b.etiquette("Label9")->isHidden());
        QVERIFY(!b.etiquette("Label10")->isHidden());
        b.p().Afficherlespotdquilibre1Click();
        QVERIFY(!a->isChecked());
        QVERIFY(b.etiquette("Label9")->isHidden());
        QVERIFY(b.etiquette("Label10")->isHidden());
    }

    // The bars write into the current step, and only when there is one.
    void champ_du_programme()
    {
        Banc b;
        b.barre("Scroll_nae")->setValue(300 - 100);
        QCOMPARE(b.p().etat.programme.etape(1).nae, 0);
        b.p().etat.etape = 2;
        b.barre("Scroll_nae")->setValue(300 - 121);
        b.barre("Scroll_gna")->setValue(100 - 37);
        QCOMPARE(b.p().etat.programme.etape(2).nae, 120);
        QCOMPARE(b.p().etat.programme.etape(2).gna, 37);
        QCOMPARE(b.p().etat.programme.etape(1).nae, 0);
    }

    // A value out of range never reaches the model unclamped.
    void hors_bornes()
    {
        Banc b;
        b.barre("Scroll_ke")->setValue(0); // already at the top
        b.p().etat.membrane.c_ke = 1000;
        b.p().calcul_images();
        QCOMPARE(b.p().etat.membrane.c_ke, 300.0);
        QCOMPARE(b.image("ima_ke")->height(), 58); // Round(√(18/21 × 3900))
    }
};

QTEST_MAIN(TstPageNernst)
#include "tst_pagenernst.moc"
