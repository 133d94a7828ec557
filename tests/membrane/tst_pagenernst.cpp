#include "common/aleatoire.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "membrane/fichiernst.h"
#include "membrane/pagenernst.h"
#include "tests/hoteessai.h"
#include "fichiersessai.h"
#include "filsessai.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <QTemporaryDir>

#include <memory>

Q_DECLARE_METATYPE(EtapeProg)
Q_DECLARE_METATYPE(QList<EtapeProg>)

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
    QPushButton *bouton(const QString &nom) { return page->findChild<QPushButton *>(nom); }
    QImage plot() { return image("Ima_pa")->picture(); }
    // Runs a trial to its end as the timers would: the fast membrane ticks
    // between the ticks of Timer_reaff.
    int finir_essai()
    {
        int ticks = 0;
        while (page->Timer_reaff->isActive() && ticks < 1000) {
            for (int k = 0; k < 20; ++k) page->Timer_kTimer();
            page->Timer_reaffTimer();
            ++ticks;
        }
        return ticks;
    }
    // A click of the left mouse button on a button of the page.
    void cliquer(const QString &nom)
    {
        QPushButton *b = bouton(nom);
        QVERIFY2(b && b->isVisibleTo(page.get()) && b->isEnabled(), qPrintable(nom));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // The membrane timers tick until Em no longer moves.
    void laisser_regler()
    {
        for (int t = 0; t < 2000; ++t) page->Timer_kTimer();
    }
    // Records n steps live, then enters the editor.
    void programmer(int n)
    {
        page->BitBtn14Click();
        for (int i = 0; i < n; ++i) page->Timer_courbeTimer();
        page->BitBtn14Click();
        page->BitBtn16Click();
    }
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

    // Em settled at EK with GK 100, then EK brought to 0 by making [K]i and [K]e
    // equal: Em shrinks toward 0 from below (half the distance a tick) and
    // stays between -0.005 and 0, where the caption reads "Em=0.00".
    void em_vers_zero_par_dessous_data()
    {
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("valeur");
        QTest::newRow("[K]e raised to 150") << "Scroll_ke" << 150;
        QTest::newRow("[K]i lowered to 6") << "Scroll_ki" << 6;
    }
    void em_vers_zero_par_dessous()
    {
        QFETCH(QString, barre);
        QFETCH(int, valeur);
        Banc b;
        b.barre("Scroll_gk")->setValue(0); // GK 100
        for (int t = 0; t < 60; ++t) b.p().Timer_kTimer();
        QCOMPARE(b.etiquette("Lab_em")->text(), QString("Em=-85.37"));
        b.barre(barre)->setValue(300 - valeur);
        QCOMPARE(b.etiquette("Label9")->text(), QString("EeqK=0.00"));
        for (int t = 0; t < 30; ++t) {
            b.p().Timer_kTimer();
            const double em = b.p().etat.membrane.em;
            if (em > -0.005) QCOMPARE(b.etiquette("Lab_em")->text(), QString("Em=0.00"));
        }
        QVERIFY(b.p().etat.membrane.em < 0);
        QVERIFY(b.p().etat.membrane.em > -0.005);
    }

    // In the equilibrium mode the caption starts from a zero mean after each
    // reset: it reads "Em=0.00" until a net crossing is counted.
    void animation_em_zero_sans_signe()
    {
        Banc b;
        semer(99);
        b.cliquer("BitBtn12");
        b.cliquer("GO");
        int zeros = 0;
        for (int t = 0; t < 300; ++t) {
            b.p().Timer_animTimer();
            const QString em = b.etiquette("Lab_em")->text();
            QVERIFY2(em != "Em=-0.00", qPrintable(QString::number(t)));
            zeros += em == "Em=0.00";
        }
        QVERIFY(zeros > 0);
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

    // While the programme is edited the bars write into the current step, and
    // only when there is one.
    void champ_du_programme()
    {
        Banc b;
        b.p().BitBtn16Click(); // "Program.COURBE"
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
    // ---- Curve programme ----

    // A 3-step programme starting with GK 100: Em settles near EK, then steps 1
    // and 2 are replayed and plotted, step 3 keeps its Em.
    void essai_trois_etapes()
    {
        Banc b;
        Programme &p = b.p().etat.programme;
        p.nb_etapes = 3;
        p.etape(1) = {100, 0, 150, 6, 8, 144};
        p.etape(2) = {0, 100, 150, 6, 8, 144};
        p.etape(3) = {50, 50, 150, 6, 8, 144};
        p.em_etape(3) = 1234.0;
        b.p().BitBtn18Click();
        QCOMPARE(b.p().Timer_k->interval(), 5);
        QCOMPARE(b.p().Timer_na->interval(), 5);
        b.finir_essai();
        QVERIFY(!b.p().Timer_reaff->isActive());
        QCOMPARE(b.p().Timer_k->interval(), 100);
        QVERIFY(qAbs(p.em_etape(1) - (-85.37)) < 1.5);
        QCOMPARE(p.em_etape(3), 1234.0);
        const QImage im = b.plot();
        QCOMPARE(pixel(im, 6, 101), ROUGE);  // step 1: GK 100
        QCOMPARE(pixel(im, 11, 101), BLEU);  // step 2: GNa 100
        QCOMPARE(dans_colonne(im, 16, ROUGE) + dans_colonne(im, 16, BLEU), 0); // no step 3
        QCOMPARE(b.barre("Scroll_gna")->value(), 0); // the page is left at step 2
    }

    void essai_vide()
    {
        Banc b;
        b.p().BitBtn15Click();
        b.p().BitBtn18Click();
        QCOMPARE(b.finir_essai(), 2); // one settling tick (Em from 10000 to 0), then the end
        QCOMPARE(b.plot(), b.hote.image_blanche());
    }

    void enregistrement_s_arrete_a_83()
    {
        Banc b;
        b.p().BitBtn14Click();
        QCOMPARE(b.bouton("BitBtn14")->text(), QString("STOP"));
        QVERIFY(!b.bouton("BitBtn12")->isEnabled());
        QVERIFY(b.p().Timer_courbe->isActive());
        for (int i = 0; i < 84; ++i) b.p().Timer_courbeTimer();
        QCOMPARE(b.bouton("BitBtn14")->text(), QString("Lancer COURBE"));
        QVERIFY(!b.p().Timer_courbe->isActive());
        QVERIFY(b.bouton("BitBtn12")->isEnabled());
        QCOMPARE(b.p().etat.etape, 83);
        QCOMPARE(b.p().etat.programme.nb_etapes, 0);
        QVERIFY(dans_colonne(b.plot(), 416, MARINE) > 0); // step 83 at x = 415
    }

    void effacer_pendant_enregistrement()
    {
        Banc b;
        b.barre("Scroll_gk")->setValue(50);
        b.p().BitBtn14Click();
        b.p().Timer_courbeTimer();
        b.p().Timer_courbeTimer();
        b.p().BitBtn15Click();
        b.p().Timer_courbeTimer();
        QCOMPARE(b.p().etat.etape, 1);
        QCOMPARE(b.p().etat.courbe.x_point, 5);
        const QImage im = b.plot();
        QCOMPARE(pixel(im, 6, 151), ROUGE);
        for (int x = 0; x < 5; ++x) QCOMPARE(dans_colonne(im, x, ROUGE) + dans_colonne(im, x, MARINE), 0);
        for (int x = 12; x < 420; ++x) QCOMPARE(dans_colonne(im, x, ROUGE), 0);
    }

    // A step recorded live keeps the settings it was plotted with: moving a
    // control after its tick, during the recording or after "STOP", changes
    // only the next step. Step 1 is recorded at GK 40 and the start-up
    // concentrations; the first move goes into step 2, the move after "STOP"
    // into no step. The replay then plots step 1 where the recording did.
    void enregistrement_garde_les_etapes_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("pendant"); // value set during the recording
        QTest::addColumn<int>("apres");   // value set after "STOP"
        QTest::addColumn<EtapeProg>("etape2");
        QTest::newRow("GK bar") << "Scroll_gk" << 70 << 10 << EtapeProg{70, 0, 150, 6, 8, 144};
        QTest::newRow("GNa bar") << "Scroll_gna" << 30 << 60 << EtapeProg{40, 30, 150, 6, 8, 144};
        QTest::newRow("[K]i bar") << "Scroll_ki" << 100 << 200 << EtapeProg{40, 0, 100, 6, 8, 144};
        QTest::newRow("[Na]e bar") << "Scroll_nae" << 50 << 250 << EtapeProg{40, 0, 150, 6, 8, 50};
        // A left click adds 10 to [K]e: 6 then 16.
        QTest::newRow("[K]e picture clicked") << "ima_ke" << 0 << 0 << EtapeProg{40, 0, 150, 16, 8, 144};
    }
    void enregistrement_garde_les_etapes()
    {
        QFETCH(QString, controle);
        QFETCH(int, pendant);
        QFETCH(int, apres);
        QFETCH(EtapeProg, etape2);
        Banc b;
        auto bouger = [&](int v) {
            if (QScrollBar *s = b.barre(controle))
                s->setValue(s->maximum() - v);
            else
                QTest::mouseClick(b.image(controle), Qt::LeftButton, {}, QPoint(1, 1));
        };
        const EtapeProg etape1{40, 0, 150, 6, 8, 144};
        const Programme &p = b.p().etat.programme;
        b.barre("Scroll_gk")->setValue(100 - 40);
        b.cliquer("BitBtn14"); // "Lancer COURBE"
        b.p().Timer_courbeTimer();
        QCOMPARE(p.etape(1), etape1);
        QCOMPARE(pixel(b.plot(), 6, 200 - 40 + 1), ROUGE); // GK 40 plotted at x = 5
        bouger(pendant);
        QCOMPARE(p.etape(1), etape1);
        b.p().Timer_courbeTimer();
        QCOMPARE(p.etape(2), etape2);
        b.cliquer("BitBtn14"); // "STOP"
        bouger(apres);
        QCOMPARE(p.etape(1), etape1);
        QCOMPARE(p.etape(2), etape2);
        b.cliquer("BitBtn16"); // "Program.COURBE": the recorded steps become the programme
        b.cliquer("BitBtn16"); // "Fin program.": a trial
        b.finir_essai();
        QCOMPARE(p.nb_etapes, 2);
        QCOMPARE(p.etape(1), etape1);
        QCOMPARE(p.etape(2), etape2);
        QCOMPARE(pixel(b.plot(), 6, 200 - 40 + 1), ROUGE); // the replay of step 1
    }

    void editeur_boutons()
    {
        Banc b;
        b.programmer(3);
        QCOMPARE(b.bouton("BitBtn16")->text(), QString("Fin program."));
        QCOMPARE(b.p().etat.programme.nb_etapes, 3);
        QVERIFY(!b.bouton("recule1")->isHidden());
        QVERIFY(!b.bouton("BitBtn18")->isHidden());
        QVERIFY(!b.bouton("BitBtn14")->isEnabled());
        b.p().BitBtn16Click();
        QCOMPARE(b.bouton("BitBtn16")->text(), QString("Program.COURBE"));
        QVERIFY(b.bouton("recule1")->isHidden());
        QVERIFY(b.bouton("BitBtn14")->isEnabled());
        QVERIFY(b.p().Timer_reaff->isActive()); // "Fin program." starts a trial
    }

    void recule_a_la_premiere()
    {
        Banc b;
        b.programmer(1);
        const QImage avant = b.plot();
        b.p().recule1Click();
        QVERIFY(b.p().etat.mode_edition);
        QCOMPARE(b.p().etat.etape, 1);
        QCOMPARE(b.plot(), avant);
    }

    void recule_charge_l_etape()
    {
        Banc b;
        b.p().etat.programme.etape(1) = {20, 0, 150, 6, 8, 144};
        b.p().etat.programme.etape(2) = {60, 0, 100, 6, 8, 144};
        b.p().etat.etape = 2;
        b.p().BitBtn16Click();
        b.p().recule1Click();
        QCOMPARE(b.p().etat.etape, 1);
        QCOMPARE(b.etiquette("lab_gk")->text(), QString("GK=20"));
        QCOMPARE(b.etiquette("lab_ki")->text(), QString("[K]i=150"));
        QCOMPARE(dans_colonne(b.plot(), 5, NOIR), 220 - dans_colonne(b.plot(), 5, ROUGE) - dans_colonne(b.plot(), 5, BLEU)
                                                      - dans_colonne(b.plot(), 5, MARINE));
        b.p().BitBtn17Click();
        QCOMPARE(b.p().etat.etape, 2);
        QCOMPARE(b.etiquette("lab_ki")->text(), QString("[K]i=100"));
    }

    void avance_ajoute_une_copie()
    {
        Banc b;
        b.barre("Scroll_gna")->setValue(100 - 30);
        b.programmer(2);
        b.p().BitBtn17Click();
        QCOMPARE(b.p().etat.programme.nb_etapes, 3);
        QCOMPARE(b.p().etat.etape, 3);
        QCOMPARE(b.p().etat.programme.etape(3), b.p().etat.programme.etape(2));
        QCOMPARE(pixel(b.plot(), 16, 171), BLEU); // the copy is plotted at x = 15
    }

    void avance_table_pleine()
    {
        Banc b;
        b.p().BitBtn14Click();
        for (int i = 0; i < 84; ++i) b.p().Timer_courbeTimer();
        b.p().BitBtn16Click();
        QCOMPARE(b.p().etat.programme.nb_etapes, 83);
        b.p().BitBtn17Click();
        QCOMPARE(b.p().etat.programme.nb_etapes, 83);
        QCOMPARE(b.p().etat.etape, 83);
    }

    // While editing, a conductance bar redraws before storing its value: the
    // plot shows the step's previous GK until the next redraw.
    void edition_gk_en_retard()
    {
        Banc b;
        b.barre("Scroll_gk")->setValue(100 - 40);
        b.programmer(2);
        b.p().recule1Click();
        b.p().BitBtn17Click(); // at step 2, editing
        b.barre("Scroll_gk")->setValue(100 - 41);
        QCOMPARE(b.p().etat.programme.etape(2).gk, 41);
        // Dot interiors: (11, 161) for GK 40, (11, 160) for GK 41.
        QCOMPARE(pixel(b.plot(), 11, 200 - 40 + 1), ROUGE);
        QVERIFY(pixel(b.plot(), 11, 200 - 41 + 1) != ROUGE);
        b.barre("Scroll_gk")->setValue(100 - 42);
        QCOMPARE(pixel(b.plot(), 11, 200 - 41 + 1), ROUGE);
        QVERIFY(dans_colonne(b.plot(), 10, NOIR) > 150); // the cursor at step 2
    }

    // A programme of three steps (GK, GNa) = (100, 0), (20, 100), (50, 5) at the
    // start-up concentrations, built with the editor's buttons and the bars.
    // After the moves of each row, the bars, their captions, the model and the
    // Em reached all belong to the step shown. Expected Em is the settled value
    // (GK × EK + GNa × ENa) / (GK + GNa), with EK = −61/2.3 × ln(150/6) =
    // −85.3702 and ENa = −61/2.3 × ln(8/144) = 76.6577, by hand.
    void edition_montre_l_etape_data()
    {
        QTest::addColumn<QStringList>("clics");
        QTest::addColumn<int>("etape");
        QTest::addColumn<int>("gk");
        QTest::addColumn<int>("gna");
        QTest::addColumn<double>("em");
        QTest::addColumn<QString>("legende_em");
        const QString recule = "recule1", avance = "BitBtn17", essai = "BitBtn18";
        // (20 × −85.3702 + 100 × 76.6577) / 120
        QTest::newRow("<-- once: step 2") << QStringList{recule} << 2 << 20 << 100 << 49.65304064 << "Em=49.65";
        // GNa 0: Em settles on EK
        QTest::newRow("<-- twice: step 1") << QStringList{recule, recule} << 1 << 100 << 0 << -85.37018492
                                           << "Em=-85.37";
        QTest::newRow("<-- twice, -->: step 2") << QStringList{recule, recule, avance} << 2 << 20 << 100
                                                << 49.65304064 << "Em=49.65";
        // (50 × −85.3702 + 5 × 76.6577) / 55
        QTest::newRow("<-- twice, --> twice: step 3") << QStringList{recule, recule, avance, avance} << 3 << 50 << 5
                                                      << -70.64037850 << "Em=-70.64";
        QTest::newRow("--> at the end: a copy of step 3")
            << QStringList{avance} << 4 << 50 << 5 << -70.64037850 << "Em=-70.64";
        // The trial leaves the page at step 2; the step appended copies step 3.
        QTest::newRow("trial, then --> at the end: a copy of step 3")
            << QStringList{essai, avance} << 4 << 50 << 5 << -70.64037850 << "Em=-70.64";
    }
    void edition_montre_l_etape()
    {
        QFETCH(QStringList, clics);
        QFETCH(int, etape);
        QFETCH(int, gk);
        QFETCH(int, gna);
        QFETCH(double, em);
        QFETCH(QString, legende_em);
        Banc b;
        QScrollBar *s_gk = b.barre("Scroll_gk");
        QScrollBar *s_gna = b.barre("Scroll_gna");
        b.cliquer("BitBtn16"); // "Program.COURBE"
        const QList<QPair<int, int>> etapes{{100, 0}, {20, 100}, {50, 5}};
        for (const auto &[k, na] : etapes) {
            b.cliquer("BitBtn17"); // "-->" appends a step
            s_gk->setValue(100 - k);
            s_gna->setValue(100 - na);
        }
        const Programme &p = b.p().etat.programme;
        QCOMPARE(p.nb_etapes, 3);
        for (const QString &nom : clics) {
            b.cliquer(nom);
            if (nom == "BitBtn18") b.finir_essai();
        }
        QCOMPARE(b.p().etat.etape, etape);
        QCOMPARE(s_gk->value(), 100 - gk);
        QCOMPARE(s_gna->value(), 100 - gna);
        QCOMPARE(b.etiquette("lab_gk")->text(), QString("GK=%1").arg(gk));
        QCOMPARE(b.etiquette("lab_gna")->text(), QString("GNa=%1").arg(gna));
        QCOMPARE(b.p().etat.membrane.gk, gk);
        QCOMPARE(b.p().etat.membrane.gna, gna);
        QCOMPARE(b.etiquette("lab_ki")->text(), QString("[K]i=150"));
        QCOMPARE(b.etiquette("lab_ke")->text(), QString("[K]e= 6"));
        b.laisser_regler();
        QVERIFY2(qAbs(b.p().etat.membrane.em - em) < 1e-6, qPrintable(QString::number(b.p().etat.membrane.em)));
        QCOMPARE(b.etiquette("Lab_em")->text(), legende_em);
        // Walking through the steps changes none of them.
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(p.etape(i).gk, etapes[i - 1].first);
            QCOMPARE(p.etape(i).gna, etapes[i - 1].second);
        }
        QCOMPARE(p.etape(etape), (EtapeProg{gk, gna, 150, 6, 8, 144}));
    }

    // ---- Ion-flux animation ----

    void equilibre_depart()
    {
        Banc b;
        b.p().BitBtn12Click();
        const AnimationIons &a = b.p().etat.anim;
        QCOMPARE(a.nb_ions, 156);
        QCOMPARE(AnimationIons::seuil(b.p().etat.membrane.e_k), 9);
        QCOMPARE(b.image("Ima_fl_i_e")->geometry(), QRect(295 - 42, 40, 85, 11));
        QCOMPARE(b.image("ima_fl_e_i")->width(), 0);
        QCOMPARE(b.etiquette("force1")->text(), QString("Forces de diffusion"));
        QCOMPARE(b.etiquette("force2")->text(), QString("Forces électriques"));
        QCOMPARE(b.etiquette("Label12")->text(), QString("Travail sur le potentiel d'équilibre"));
        QVERIFY(!b.p().Timer_k->isActive());
        QVERIFY(!b.p().Timer_na->isActive());
        for (const char *nom : {"ima_ki", "ima_ke", "ani", "ane", "ima_nai", "ima_nae"}) QVERIFY(b.image(nom)->isHidden());
        QVERIFY(b.barre("Scroll_gk")->isHidden());
        QVERIFY(!b.bouton("BitBtn14")->isEnabled());
        QCOMPARE(b.bouton("GO")->text(), QString("LANCER"));
        // Both frames hold the same 156 particles: 78 red K+ and 78 lime anions.
        QCOMPARE(b.image("ima_pe1")->picture(), b.image("ima_pe2")->picture());
    }

    void animation_vers_90()
    {
        Banc b;
        semer(4321);
        b.p().BitBtn12Click();
        b.p().GOClick();
        QVERIFY(b.p().Timer_anim->isActive());
        QCOMPARE(b.bouton("GO")->text(), QString("STOP"));
        int net_max = 0;
        for (int t = 0; t < 1500; ++t) {
            const auto avant = b.image("ima_pe1")->picture();
            b.p().Timer_animTimer();
            // The shown frame gets each new frame; the one behind, drawn into
            // at the next tick, holds the empty cell.
            QVERIFY(!b.image("ima_pe1")->isHidden() && b.image("ima_pe2")->isHidden());
            if (t < 3) {
                QVERIFY(b.image("ima_pe1")->picture() != avant);
                QCOMPARE(b.image("ima_pe2")->picture(), b.image("Ima_sav")->picture());
            }
            const AnimationIons &a = b.p().etat.anim;
            net_max = std::max(net_max, a.n_sorties - a.n_entrees);
        }
        QCOMPARE(net_max, 9);
        const QString em = b.etiquette("Lab_em")->text();
        QVERIFY(em.startsWith("Em=-"));
        QVERIFY2(em.mid(4).toDouble() > 75, qPrintable(em));
        QVERIFY(b.image("ima_fl_e_i")->width() > 75);
        // Leaving the mode stops the animation; the button reads "LANCER" again.
        b.p().BitBtn13Click();
        QVERIFY(!b.p().Timer_anim->isActive());
        QVERIFY(b.p().Timer_k->isActive());
        QCOMPARE(b.bouton("GO")->text(), QString("LANCER"));
        QVERIFY(b.image("Ima_fl_i_e")->isHidden());
        QVERIFY(!b.image("ima_ki")->isHidden());
        QVERIFY(b.bouton("BitBtn14")->isEnabled());
        QCOMPARE(b.etiquette("Label12")->text(), QString("Travail sur la perméabilité membrannaire"));
    }

    void equilibre_roles_data()
    {
        QTest::addColumn<int>("ki");
        QTest::addColumn<int>("ke");
        QTest::addColumn<QString>("texte1");
        QTest::addColumn<bool>("fleches");
        QTest::newRow("EK > 0: top arrow electrical") << 20 << 200 << "Forces électriques" << true;
        QTest::newRow("EK = 0: no arrows, design captions") << 100 << 100 << "force1" << false;
    }
    void equilibre_roles()
    {
        QFETCH(int, ki);
        QFETCH(int, ke);
        QFETCH(QString, texte1);
        QFETCH(bool, fleches);
        Banc b;
        b.p().etat.membrane.c_ki = ki;
        b.p().etat.membrane.c_ke = ke;
        b.p().calcul_images();
        b.p().BitBtn12Click();
        QCOMPARE(b.etiquette("force1")->text(), texte1);
        QCOMPARE(!b.image("Ima_fl_i_e")->isHidden(), fleches);
        QVERIFY(!b.etiquette("force1")->isHidden());
        if (fleches) QCOMPARE(b.image("ima_fl_e_i")->width(), 61); // |Round(61.07)|
    }

    // A change of [K]i in the equilibrium mode resets the counts and redraws.
    void equilibre_changement_k()
    {
        Banc b;
        b.p().BitBtn12Click();
        b.p().GOClick();
        for (int t = 0; t < 50; ++t) b.p().Timer_animTimer();
        b.barre("Scroll_ki")->setValue(300 - 100);
        QCOMPARE(b.p().etat.anim.nb_ions, 106);
        QCOMPARE(b.p().etat.anim.n_ticks, 0);
        QCOMPARE(b.image("Ima_fl_i_e")->width(), 75); // |Round(-26.52 × ln(100 / 6))| = |Round(-74.62)|
        QVERIFY(b.p().Timer_anim->isActive());
    }

    // ---- Programme files ----

    void sauver_puis_charger()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath("prog.nst");
        Banc b;
        Programme &p = b.p().etat.programme;
        p.nb_etapes = 3;
        p.etape(1) = {100, 0, 150, 6, 8, 144};
        p.etape(2) = {0, 100, 140, 4, 12, 146};
        p.etape(3) = {30, 30, 100, 100, 50, 50};
        for (int i = 1; i <= 3; ++i) p.em_etape(i) = 11.0 * i;
        QVERIFY(b.p().sauver_nernst(chemin));

        Banc c;
        c.hote.page = 0;
        QVERIFY(c.p().lec_nernst(chemin, true));
        QCOMPARE(c.hote.page, 5);
        QVERIFY(c.p().Timer_reaff->isActive());
        const Programme &q = c.p().etat.programme;
        QCOMPARE(q.nb_etapes, 3);
        for (int i = 1; i <= 3; ++i) QCOMPARE(q.etape(i), p.etape(i));
        c.finir_essai();
        QVERIFY(q.em_etape(1) != 11.0);
        QVERIFY(q.em_etape(2) != 22.0);
        QCOMPARE(q.em_etape(3), 33.0);
    }

    // Loading a file replays it from its own first step: Em settles toward the
    // potentials of step 1's concentrations, whatever the page or a file loaded
    // before held. `avant` is the one step (three times over) of a file loaded
    // and replayed first, none when the page is at its start-up values; the
    // file then loaded holds `premiere` three times. Expected Em of step 1 by
    // hand: EK = −61/2.3 × ln([K]i/[K]e) with GK only, ENa likewise with GNa only.
    void rejeu_depuis_sa_premiere_etape_data()
    {
        QTest::addColumn<QList<EtapeProg>>("avant");
        QTest::addColumn<EtapeProg>("premiere");
        QTest::addColumn<double>("em");
        const EtapeProg k_depart{100, 0, 150, 6, 8, 144};
        const EtapeProg k_ke0{100, 0, 150, 0, 8, 144};
        // [K]e 0 is read as 0.1: −61/2.3 × ln(150 / 0.1)
        QTest::newRow("[K]e 0 after the start-up page") << QList<EtapeProg>{} << k_ke0 << -193.95932331;
        QTest::newRow("[K]e 0 after a file at [K]e 6") << QList<EtapeProg>{k_depart} << k_ke0 << -193.95932331;
        // −61/2.3 × ln(150 / 6)
        QTest::newRow("[K]e 6 after a file at [K]e 0") << QList<EtapeProg>{k_ke0} << k_depart << -85.37018492;
        // GNa only: −61/2.3 × ln(8 / 20)
        QTest::newRow("[Na]e 20 after a file at [Na]e 144")
            << QList<EtapeProg>{{0, 100, 150, 6, 8, 144}} << EtapeProg{0, 100, 150, 6, 8, 20} << 24.30162376;
    }
    void rejeu_depuis_sa_premiere_etape()
    {
        QFETCH(QList<EtapeProg>, avant);
        QFETCH(EtapeProg, premiere);
        QFETCH(double, em);
        QTemporaryDir dir;
        auto fichier = [&](const QString &nom, EtapeProg e) {
            Programme p;
            p.nb_etapes = 3;
            for (int i = 1; i <= 3; ++i) p.etape(i) = e;
            QFile f(dir.filePath(nom));
            if (!f.open(QIODevice::WriteOnly)) return QString();
            f.write(ecrire_nst(p));
            return f.fileName();
        };
        Banc b;
        for (const EtapeProg &e : avant) {
            QVERIFY(b.p().lec_nernst(fichier("avant.nst", e), true));
            b.finir_essai();
        }
        QVERIFY(b.p().lec_nernst(fichier("prog.nst", premiere), true));
        // The page shows step 1 while Em settles.
        QCOMPARE(b.etiquette("lab_ke")->text(), QString("[K]e=%1").arg(premiere.ke, 2));
        QCOMPARE(b.etiquette("lab_nae")->text(), QString("[Na]e=%1").arg(premiere.nae, 2));
        b.finir_essai();
        const double em1 = b.p().etat.programme.em_etape(1);
        QVERIFY2(qAbs(em1 - em) < 1.0, qPrintable(QString::number(em1)));
    }

    void sauver_apres_effacer()
    {
        QTemporaryDir dir;
        Banc b;
        b.programmer(4);
        b.p().BitBtn15Click();
        QVERIFY(b.p().sauver_nernst(dir.filePath("vide.nst")));
        QFile f(dir.filePath("vide.nst"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0\r\n"));
    }

    // Files that cannot be read change nothing and start no trial.
    void charger_refuse_data()
    {
        QTest::addColumn<QString>("quoi");
        QTest::newRow("missing file") << "absent";
        QTest::newRow("folder named like a file") << "dossier";
        QTest::newRow("first line 999x") << "999x";
        // Hundreds of MB chosen by mistake: a line past the bound is not a
        // programme, as a first line that is not a number.
        QTest::newRow("huge, no line end") << "enorme";
        QTest::newRow("huge, a step line too long") << "etape";
    }
    void charger_refuse()
    {
        QFETCH(QString, quoi);
        QTemporaryDir dir;
        QString chemin = dir.filePath("f.nst");
        if (quoi == "dossier") QDir(dir.path()).mkdir("f.nst");
        if (quoi == "999x") {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("999x\r\n1\r\n");
        }
        if (quoi == "enorme") ecrire_enorme(chemin, {}, qint64(400) * 1024 * 1024);
        if (quoi == "etape") ecrire_enorme(chemin, "2\r\n100\r\n0\r\n", qint64(400) * 1024 * 1024);
        QStringList messages;
        installer_rapporteur([&](const QString &t) { messages << t; });
        const long memoire = pic_memoire_ko();
        Banc b;
        b.p().etat.programme.nb_etapes = 2;
        b.p().etat.etape = 1;
        QVERIFY(!b.p().lec_nernst(chemin, true));
        QCOMPARE(b.p().etat.programme.nb_etapes, 2);
        QCOMPARE(b.p().etat.etape, 1);
        QVERIFY(!b.p().Timer_reaff->isActive());
        QCOMPARE(b.hote.page, -1);
        QVERIFY(messages.isEmpty());
        QVERIFY(pic_memoire_ko() - memoire < 50 * 1024);
        installer_rapporteur({});
    }

    void charger_suivi_de_n_importe_quoi()
    {
        // A programme followed by hundreds of MB: its lines only are read.
        QTemporaryDir dir;
        const QString chemin = dir.filePath("long.nst");
        ecrire_enorme(chemin, "1\n100\n0\n150\n6\n8\n144\n-8.5E+0001\n", qint64(400) * 1024 * 1024);
        const long memoire = pic_memoire_ko();
        Banc b;
        QVERIFY(b.p().lec_nernst(chemin, false));
        QCOMPARE(b.p().etat.programme.nb_etapes, 1);
        QCOMPARE(b.p().etat.programme.etape(1), (EtapeProg{100, 0, 150, 6, 8, 144}));
        QCOMPARE(b.p().etat.programme.em_etape(1), -85.0);
        QVERIFY(pic_memoire_ko() - memoire < 50 * 1024);
    }

    // A failed save says so and leaves any existing file as it was.
    void sauver_echoue_data()
    {
        QTest::addColumn<QString>("quoi");
        QTest::newRow("missing folder") << "absent/f.nst";
        QTest::newRow("a folder in place of the file") << "dossier";
    }
    void sauver_echoue()
    {
        QFETCH(QString, quoi);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("dossier");
        const QString chemin = dir.filePath(quoi);
        QStringList messages;
        installer_rapporteur([&](const QString &t) { messages << t; });
        Banc b;
        QVERIFY(!b.p().sauver_nernst(chemin));
        QCOMPARE(messages, QStringList{"Ne peut créer le fichier " + chemin + "."});
        QVERIFY(!QFileInfo(chemin).isFile());
    }

    void sauver_garde_l_ancien_si_echec_posix()
    {
        SANS_WINDOWS("a file-size limit in a forked child");
        // The disk refuses the bytes (a file-size limit in a child process,
        // which binds root too): the pupil is told and the old file is kept
        // byte for byte.
        QTemporaryDir dir;
        const QString chemin = dir.filePath("garde.nst");
        const QByteArray ancien = "1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n 0.00000000000000E+0000\r\n";
        {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ancien);
        }
        Banc b;
        b.programmer(20);
        const ResultatFils r = dans_un_fils({false, 16, {}}, [&]() -> QByteArray {
            QStringList messages;
            installer_rapporteur([&](const QString &t) { messages << t; });
            const bool ok = b.p().sauver_nernst(chemin);
            return (ok ? "true|" : "false|") + messages.join('|').toUtf8();
        });
        QCOMPARE(r.statut, 0);
        QCOMPARE(QString::fromUtf8(r.sortie), "false|Ne peut créer le fichier " + chemin + ".");
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), ancien);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_MAIN(TstPageNernst)
#include "tst_pagenernst.moc"
