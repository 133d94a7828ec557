#include "assets/paysage.h"
#include "colour/pagecontrastes.h"
#include "colour/tform_coul.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/forme.h"
#include "common/imagewidget.h"
#include "tests/hoteessai.h"
#include "fenetresmodales.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(RegionVenn)

namespace {

// A page after its start-up steps, as the main window runs them.
struct Banc {
    HoteEssai hote;
    PageContrastes page{&hote};
    TForm_coul dialogue;
    Banc()
    {
        page.set_form_coul(&dialogue);
        page.raz_compteur_voir();
        page.init_cases_coul();
        page.Scroll_bleuChange();
        page.Scroll_bleu2Change();
        page.Scroll_bleu3Change();
        page.cacher_complementaire();
        page.Unecouleur1Click();
    }
    Couleur pixel(RegionVenn r)
    {
        const QPoint g = graine_venn(r);
        return depuis_pixel(page.Image3->image().pixel(g));
    }
    void barres(int k, int r, int v, int b)
    {
        QScrollBar *s[3][3] = {{page.scroll_rouge, page.Scroll_vert, page.Scroll_bleu},
                               {page.Scroll_rouge2, page.Scroll_vert2, page.Scroll_bleu2},
                               {page.Scroll_rouge3, page.Scroll_vert3, page.Scroll_bleu3}};
        s[k - 1][0]->setValue(r);
        s[k - 1][1]->setValue(v);
        s[k - 1][2]->setValue(b);
    }
    QList<bool> coches()
    {
        return {hote.element_menu("Unecouleur1")->isChecked(), hote.element_menu("Deuxcouleurs1")->isChecked(),
                hote.element_menu("Troiscouleurs1")->isChecked()};
    }
};

} // namespace

class TstPageContrastes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void depart_data()
    {
        QTest::addColumn<RegionVenn>("region");
        QTest::addColumn<Couleur>("attendu");
        // All bars at 245: each colour (10,10,10); pairs 9+9+1, all three 27+1.
        QTest::newRow("left only") << RegionVenn::Gauche << couleur_rgb(10, 10, 10);
        QTest::newRow("right only") << RegionVenn::Droite << couleur_rgb(10, 10, 10);
        QTest::newRow("top only") << RegionVenn::Haut << couleur_rgb(10, 10, 10);
        QTest::newRow("left and right") << RegionVenn::GaucheDroite << couleur_rgb(19, 19, 19);
        QTest::newRow("left and top") << RegionVenn::GaucheHaut << couleur_rgb(19, 19, 19);
        QTest::newRow("right and top") << RegionVenn::DroiteHaut << couleur_rgb(19, 19, 19);
        QTest::newRow("all three") << RegionVenn::Centre << couleur_rgb(28, 28, 28);
    }
    void depart()
    {
        QFETCH(RegionVenn, region);
        QFETCH(Couleur, attendu);
        Banc b;
        QCOMPARE(b.pixel(region), attendu);
        QCOMPARE(b.page.ess_coul->couleur(), couleur_rgb(10, 10, 10));
        QCOMPARE(b.page.comp_ess_coul->couleur(), couleur_rgb(245, 245, 245));
        QCOMPARE(b.page.Shape_somme->couleur(), couleur_rgb(19, 19, 19));
        // One-colour layout, "Une couleur" checked, the page in front, the complementary hidden.
        QCOMPARE(b.coches(), (QList<bool>{true, false, false}));
        QCOMPARE(b.hote.page, 0);
        QVERIFY(b.page.Label3->isHidden() && b.page.comp_ess_coul->isHidden() && b.page.Shape2->isHidden());
        QVERIFY(!b.hote.element_menu("Voirlacomplmentaire1")->isChecked());
    }

    void rouge_vert_bleu_data()
    {
        QTest::addColumn<RegionVenn>("region");
        QTest::addColumn<Couleur>("attendu");
        // Colour 1 red, 2 green, 3 blue, each (255,10,10) and so on: a pair sums
        // to 263 and 18, scaled by 263/254 to 255 and 17.4 -> 17, + 1.
        QTest::newRow("left only: red") << RegionVenn::Gauche << couleur_rgb(255, 10, 10);
        QTest::newRow("right only: green") << RegionVenn::Droite << couleur_rgb(10, 255, 10);
        QTest::newRow("top only: blue") << RegionVenn::Haut << couleur_rgb(10, 10, 255);
        QTest::newRow("left and right: yellow") << RegionVenn::GaucheDroite << couleur_rgb(255, 255, 18);
        QTest::newRow("left and top: magenta") << RegionVenn::GaucheHaut << couleur_rgb(255, 18, 255);
        QTest::newRow("right and top: cyan") << RegionVenn::DroiteHaut << couleur_rgb(18, 255, 255);
        QTest::newRow("all three: white") << RegionVenn::Centre << BLANC;
    }
    void rouge_vert_bleu()
    {
        QFETCH(RegionVenn, region);
        QFETCH(Couleur, attendu);
        Banc b;
        b.page.Troiscouleurs1Click();
        b.barres(1, 0, 245, 245);
        b.barres(2, 245, 0, 245);
        b.barres(3, 245, 245, 0);
        QCOMPARE(b.pixel(region), attendu);
        QCOMPARE(b.page.ess_coul->couleur(), couleur_rgb(255, 10, 10));
        QCOMPARE(b.page.ess_coul2->couleur(), couleur_rgb(10, 255, 10));
        QCOMPARE(b.page.Shape_somme->couleur(), couleur_rgb(255, 255, 18));
        QCOMPARE(b.page.comp_ess_coul->couleur(), couleur_rgb(0, 245, 245));
    }

    void fond_gris()
    {
        // A colour equal to the picture's background is painted one less in red.
        Banc b;
        b.barres(1, 96, 79, 63);
        QCOMPARE(b.page.ess_coul->couleur(), couleur_rgb(159, 176, 192));
        QCOMPARE(b.pixel(RegionVenn::Gauche), couleur_rgb(158, 176, 192));
        // The background itself is untouched.
        QCOMPARE(depuis_pixel(b.page.Image3->image().pixel(0, 0)), FOND_VENN);
    }

    void couleur3_cachee()
    {
        // In the one-colour layout the Venn picture is hidden but kept up to date.
        Banc b;
        QVERIFY(b.page.GroupBox6->isVisibleTo(&b.page));
        b.page.Scroll_bleu3->setValue(0);
        QCOMPARE(b.pixel(RegionVenn::Haut), couleur_rgb(10, 10, 255));
        // 9 + 9 and 9 + 254 = 263: scaled by 263/254, 18 -> 17.4 -> 17, + 1.
        QCOMPARE(b.pixel(RegionVenn::DroiteHaut), couleur_rgb(18, 18, 255));
        QCOMPARE(b.pixel(RegionVenn::GaucheDroite), couleur_rgb(19, 19, 19));
        b.page.Troiscouleurs1Click();
        QVERIFY(!b.page.GroupBox6->isVisibleTo(&b.page));
        QVERIFY(b.page.Image3->isVisibleTo(&b.page));
        // 27 and 272: 27 * 254 / 272 = 25.2 -> 25, + 1.
        QCOMPARE(b.pixel(RegionVenn::Centre), couleur_rgb(26, 26, 255));
    }

    void dispositions_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QPoint>("place1");
        QTest::addColumn<bool>("coul2");
        QTest::addColumn<bool>("rectangles");
        QTest::addColumn<bool>("groupbox6");
        QTest::newRow("one colour") << 1 << QPoint(542, 209) << false << false << true;
        QTest::newRow("two colours") << 2 << QPoint(500, 361) << true << true << true;
        // From two colours, three keeps ess_coul2 and Shape_somme as they were.
        QTest::newRow("three colours") << 3 << QPoint(500, 361) << true << true << false;
    }
    void dispositions()
    {
        QFETCH(int, nombre);
        QFETCH(QPoint, place1);
        QFETCH(bool, coul2);
        QFETCH(bool, rectangles);
        QFETCH(bool, groupbox6);
        Banc b;
        b.page.Deuxcouleurs1Click();
        b.hote.page = 4;
        if (nombre == 1) b.page.Unecouleur1Click();
        if (nombre == 2) b.page.Deuxcouleurs1Click();
        if (nombre == 3) b.page.Troiscouleurs1Click();
        QCOMPARE(b.page.Group_coul1->pos(), place1);
        QCOMPARE(b.page.Group_coul2->isVisibleTo(&b.page), coul2);
        QCOMPARE(b.page.ess_coul2->isVisibleTo(b.page.GroupBox6), rectangles);
        QCOMPARE(b.page.Shape_somme->isVisibleTo(b.page.GroupBox6), rectangles);
        QCOMPARE(b.page.GroupBox6->isVisibleTo(&b.page), groupbox6);
        QVERIFY(b.page.BitBtn6->isVisibleTo(&b.page));
        QList<bool> c{false, false, false};
        c[nombre - 1] = true;
        QCOMPARE(b.coches(), c);
        QCOMPARE(b.hote.page, 0); // each layout brings the page to the front
    }

    void trois_rectangles_inchanges()
    {
        // Three colours straight from one: the hidden rectangles stay hidden.
        Banc b;
        b.page.Troiscouleurs1Click();
        QVERIFY(!b.page.ess_coul2->isVisibleTo(b.page.GroupBox6));
        QVERIFY(!b.page.Shape_somme->isVisibleTo(b.page.GroupBox6));
    }

    void cycle_data()
    {
        QTest::addColumn<int>("depart");
        QTest::newRow("from one") << 1;
        QTest::newRow("from two") << 2;
        QTest::newRow("from three") << 3;
    }
    void cycle()
    {
        QFETCH(int, depart);
        Banc b;
        if (depart == 2) b.page.Deuxcouleurs1Click();
        if (depart == 3) b.page.Troiscouleurs1Click();
        const QList<bool> debut = b.coches();
        for (int i = 1; i <= 3; ++i) {
            QTest::mouseClick(b.page.BitBtn6, Qt::LeftButton);
            QCOMPARE(b.coches().count(true), 1);
            QCOMPARE(b.coches().indexOf(true) + 1, (depart - 1 + i) % 3 + 1);
        }
        QCOMPARE(b.coches(), debut);
    }

    void complementaire()
    {
        Banc b;
        b.page.Voirlacomplmentaire1Click();
        QVERIFY(b.hote.element_menu("Voirlacomplmentaire1")->isChecked());
        QVERIFY(!b.page.Label3->isHidden() && !b.page.comp_ess_coul->isHidden() && !b.page.Shape2->isHidden());
        QCOMPARE(b.page.Shape2->couleur(), BLANC);
        QCOMPARE(b.page.Label3->text(), QString("Complémentaire"));
        b.page.Voirlacomplmentaire1Click();
        QVERIFY(!b.hote.element_menu("Voirlacomplmentaire1")->isChecked());
        QVERIFY(b.page.Label3->isHidden() && b.page.comp_ess_coul->isHidden() && b.page.Shape2->isHidden());
    }

    void superpositions()
    {
        // Shape2 and Shape_somme are exactly the overlaps of the rectangles.
        Banc b;
        QCOMPARE(b.page.Shape2->geometry(), b.page.comp_ess_coul->geometry() & b.page.ess_coul->geometry());
        QCOMPARE(b.page.Shape_somme->geometry(), b.page.ess_coul->geometry() & b.page.ess_coul2->geometry());
    }

    // ------------------------------------------------------ the experiment

    void experience_data()
    {
        QTest::addColumn<QString>("suite"); // L lancer, V a fixation tick, R end of afterimage
        QTest::addColumn<bool>("voir");
        QTest::addColumn<bool>("reaff");
        QTest::addColumn<bool>("image2");
        QTest::addColumn<int>("barre");
        QTest::newRow("idle: no timer, coloured picture") << "" << false << false << false << 0;
        QTest::newRow("fixation") << "L" << true << false << false << 0;
        QTest::newRow("lancer in the first second") << "LL" << true << false << false << 0;
        QTest::newRow("four ticks: 44 pixels") << "LVVVV" << true << false << false << 44;
        QTest::newRow("lancer during fixation: afterimage, bar kept") << "LVVVVL" << false << true << true << 44;
        QTest::newRow("twenty ticks: afterimage") << "L" + QString(20, 'V') << false << true << true << 0;
        QTest::newRow("lancer during afterimage: fresh fixation") << "L" + QString(20, 'V') + "L" << true << false
                                                                  << false << 0;
        QTest::newRow("afterimage over") << "L" + QString(20, 'V') + "R" << false << false << false << 0;
    }
    void experience()
    {
        QFETCH(QString, suite);
        QFETCH(bool, voir);
        QFETCH(bool, reaff);
        QFETCH(bool, image2);
        QFETCH(int, barre);
        Banc b;
        for (QChar c : suite) {
            if (c == 'L') QTest::mouseClick(b.page.BitBtn3, Qt::LeftButton);
            if (c == 'V') b.page.Timer_voirTimer();
            if (c == 'R') b.page.Timer_reaff_imageTimer();
        }
        QCOMPARE(b.page.Timer_voir->isActive(), voir);
        QCOMPARE(b.page.Timer_reaff_image->isActive(), reaff);
        QCOMPARE(b.page.Image2->isVisibleTo(b.page.GroupBox1), image2);
        // The outline drawing, drawn when first shown.
        if (image2) QCOMPARE(b.page.Image2->picture(), image_paysage_contours());
        QCOMPARE(b.page.Shape1->width(), barre);
        // The coloured picture is hidden only after a full fixation.
        QCOMPARE(b.page.Image1->isVisibleTo(b.page.GroupBox1), b.page.experience().image1);
    }

    void minuteries()
    {
        Banc b;
        QCOMPARE(b.page.Timer_voir->interval(), 1000);
        QCOMPARE(b.page.Timer_reaff_image->interval(), 15000);
        QCOMPARE(b.page.Shape1->width(), 0);
        QCOMPARE(b.page.Panel1->width(), 231);
        QCOMPARE(b.page.Memo2->toPlainText(), QString("Fixez la cheminée sans bouger ni la tête \n"
                                                      "ni  les yeux puis cliquez sur Lancer et \n"
                                                      "attendez 30 secondes"));
        QCOMPARE(b.page.Memo1->toPlainText(), QString("Cliquez dans les cases de droite\n"
                                                      "pour sélectionner les couleurs \n"
                                                      "vues par contraste successif."));
    }

    // --------------------------------------------------- the questionnaire

    void correction_sans_reponse()
    {
        Banc b;
        QCOMPARE(b.page.cases_coul(6)->couleur(), couleur_rgb(240, 191, 125));
        QCOMPARE(b.page.cases_coul(16), b.page.coul2[7]);
        for (Forme *c : b.page.coul2) QCOMPARE(c->tag(), 7);
        QTest::mouseClick(b.page.BitBtn2, Qt::LeftButton);
        // All red, row 8 too although its square looks white like the expected answer.
        for (Forme *m : b.page.cor) QCOMPARE(m->couleur(), ROUGE);
    }

    void choix_data()
    {
        QTest::addColumn<int>("rang");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<bool>("bas");
        QTest::addColumn<Couleur>("reponse");
        QTest::addColumn<bool>("juste");
        // The square pressed gives its column's upper (pale) colour.
        QTest::newRow("row 3 blue, saturated yellow below: right") << 3 << 2 << true << couleur_rgb(252, 249, 192)
                                                                   << true;
        QTest::newRow("row 1 red, pale cyan above: right") << 1 << 7 << false << couleur_rgb(179, 250, 255)
                                                           << true;
        QTest::newRow("row 8 black, black below gives grey: wrong") << 8 << 10 << true << couleur_rgb(163, 163, 163)
                                                                    << false;
        QTest::newRow("row 6 orange, orange below: wrong") << 6 << 6 << true << couleur_rgb(255, 228, 179)
                                                           << false;
    }
    void choix()
    {
        QFETCH(int, rang);
        QFETCH(int, colonne);
        QFETCH(bool, bas);
        QFETCH(Couleur, reponse);
        QFETCH(bool, juste);
        Banc b;
        b.hote.racine.move(40, 30);
        QPoint place;
        FenetresModales modales({[&](QWidget *) {
            place = b.dialogue.pos();
            QTest::mousePress(bas ? b.dialogue.carre_bas(colonne) : b.dialogue.carre_haut(colonne), Qt::LeftButton);
        }});
        QTest::mousePress(b.page.coul2[rang - 1], Qt::LeftButton);
        Forme *carre = b.page.coul2[rang - 1];
        QCOMPARE(carre->tag(), reponse);
        QCOMPARE(carre->couleur(), reponse);
        // Placed at x = 2 + 264 + 94 + 23 + 10 = 393, y = the square's top + 12 + 55.
        QCOMPARE(place, QPoint(40 + 393, 30 + carre->y() + 67));
        b.page.BitBtn2Click();
        for (int k = 1; k <= 8; ++k) QCOMPARE(b.page.cor[k - 1]->couleur(), k == rang && juste ? LIME : ROUGE);
    }

    void fermer_sans_choisir()
    {
        // "x" leaves the square as it was, answered or not.
        Banc b;
        const FenetresModales::Etape fermer = [&](QWidget *) { QTest::mouseClick(b.dialogue.BitBtn1, Qt::LeftButton); };
        FenetresModales modales({[&](QWidget *) { QTest::mousePress(b.dialogue.carre_haut(3), Qt::LeftButton); },
                                 fermer, fermer});
        b.page.coul2MouseDown(2);
        b.page.coul2MouseDown(2);
        QCOMPARE(b.dialogue.couleur_choisie, -1);
        QCOMPARE(b.page.coul2[1]->tag(), couleur_rgb(179, 205, 255));
        b.page.coul2MouseDown(5);
        QCOMPARE(b.page.coul2[4]->tag(), 7);
        QCOMPARE(b.page.coul2[4]->couleur(), BLANC);
        b.page.BitBtn2Click();
        QCOMPARE(b.page.cor[1]->couleur(), LIME);
    }
};

QTEST_MAIN(TstPageContrastes)
#include "tst_pagecontrastes.moc"
