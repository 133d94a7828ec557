// The "Période réfractaire" page driven through its real controls.
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/canevas.h"
#include "common/forme.h"
#include "common/groupeoptions.h"
#include "common/imagewidget.h"
#include "common/plateforme.h"
#include "nerve/pagenerf.h"
#include "tests/hoteessai.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// An ess0.nst of 70 steps whose first values rise to 100 above the baseline.
QByteArray ess0_simple()
{
    QByteArray b = "70\r\n";
    for (int i = 0; i < 6 * 70; ++i) b += "0\r\n";
    for (int k = 0; k < 70; ++k) b += (k == 2 ? QByteArray("30") : QByteArray("-70")) + "\r\n";
    return b;
}

bool image_blanche(ImageWidget *w)
{
    const QImage im = w->picture().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if ((im.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return false;
    return true;
}

// The highest point drawn in column x of the trace: the top of a dot's box.
int haut_du_trace(ImageWidget *w, int x)
{
    QImage im = w->picture();
    Canevas c(im);
    for (int y = 0; y < im.height(); ++y)
        if (c.pixel(x, y) != BLANC) return y;
    return -1;
}

} // namespace

class TstPageNerf : public QObject {
    Q_OBJECT
private:
    HoteEssai *hote_ = nullptr;
    PageNerf *page_ = nullptr;
    QTemporaryDir dossier_;

private Q_SLOTS:
    void init()
    {
        hote_ = new HoteEssai;
        hote_->depart = dossier_.path();
        QFile f(dossier_.filePath("ess0.nst"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ess0_simple());
        f.close();
        page_ = new PageNerf(hote_, &hote_->racine);
        hote_->racine.resize(790, 510);
        page_->resize(780, 500);
        hote_->racine.show();
    }
    void cleanup()
    {
        delete hote_;
        hote_ = nullptr;
        page_ = nullptr;
    }

    void disposition()
    {
        // A few controls at their places, in their parents, with their captions.
        QCOMPARE(page_->Shape_cathode->geometry(), QRect(80, 49, 5, 90));
        QCOMPARE(page_->Shape_cathode->parentWidget(), page_->GroupBox11);
        QCOMPARE(page_->Lab_stim->text(), QStringLiteral("0.0 V"));
        QCOMPARE(page_->Lab_stim->parentWidget(), page_->Panel2);
        QCOMPARE(page_->Scroll_i_stim->value(), 100);
        QCOMPARE(page_->Scroll_temps->value(), 50);
        QCOMPARE(page_->Radio_nerf->itemIndex(), 0);
        QVERIFY(!page_->prem_artef->isVisible());
        QVERIFY(!page_->deux_artef->isVisible());
        QVERIFY(!page_->BitBtn21->isVisible());
        QVERIFY(!page_->BitBtn22->isVisible());
        QVERIFY(!page_->FileListBox1->isVisible());
        QVERIFY(image_blanche(page_->Ima_st));
        QCOMPARE(page_->Memo5->toPlainText().split('\n').at(1), QStringLiteral("dans le temps deux stimulations "));
        QCOMPARE(page_->Memo5->toPlainText().split('\n').size(), 7);
        QCOMPARE(page_->pref_rel->count(), 41);
        QCOMPARE(page_->pref_rel->currentIndex(), -1);
        QCOMPARE(page_->BitBtn8->glyph().size(), QSize(59, 30));
        // The nerve lies over the electrodes, the panels over the wires.
        const QObjectList enfants = page_->GroupBox11->children();
        QVERIFY(enfants.indexOf(page_->Shape_nerf) > enfants.indexOf(page_->Shape_enr2));
        QVERIFY(enfants.indexOf(page_->Panel2) > enfants.indexOf(page_->Shape_anode2));
        QVERIFY(enfants.indexOf(page_->Ima_st) < enfants.indexOf(page_->ima_nerf));
    }

    void choix_nerf_opaque()
    {
        // The "Nerf / Fibre" choice stands over the distance scale and hides it:
        // whatever the scale shows, the choice's place looks the same.
        QVERIFY(QTest::qWaitForWindowExposed(&hote_->racine));
        const QRect place = page_->Radio_nerf->geometry();
        QVERIFY(place.intersects(page_->Ima_grad2->geometry()));
        const QImage avant = page_->GroupBox11->grab(place).toImage();
        page_->Ima_grad2->setPicture(image_unie(402, 19, ROUGE));
        const QImage apres = page_->GroupBox11->grab(place).toImage();
        QCOMPARE(apres, avant);
    }

    void legende_intensite_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("legende");
        // Intensity = 100 - position, shown in volts with two decimals.
        QTest::newRow("0.05 V") << 95 << "0.05 V";
        QTest::newRow("0.20 V") << 80 << "0.20 V";
        QTest::newRow("1.00 V") << 0 << "1.00 V";
        QTest::newRow("0.00 V") << 99 << "0.01 V";
    }
    void legende_intensite()
    {
        QFETCH(int, position);
        QFETCH(QString, legende);
        page_->Scroll_i_stim->setValue(position);
        QCOMPARE(page_->Lab_stim->text(), legende);
        QCOMPARE(page_->modele.intensite_stim, 100 - position);
        QVERIFY(page_->prem_artef->isVisible()); // the change ran the simulation
        page_->Scroll_i_stim->setValue(100);
        QCOMPARE(page_->Lab_stim->text(), QStringLiteral("0.00 V"));
    }

    void seuil_sur_la_page_data()
    {
        QTest::addColumn<int>("intensite");
        QTest::addColumn<bool>("reponse");
        QTest::newRow("0.19 V flat") << 19 << false;
        QTest::newRow("0.20 V answers") << 20 << true;
    }
    void seuil_sur_la_page()
    {
        QFETCH(int, intensite);
        QFETCH(bool, reponse);
        page_->BitBtn21Click();
        page_->Scroll_i_stim->setValue(100 - intensite);
        // First artefact at 10 once something is recorded, else still at 42.
        QCOMPARE(page_->prem_artef->x(), reponse ? 10 : 42);
        // Sample 24 (decal 21 + 3) holds the peak 100 × gain: y = 110 - 20 = 90.
        QCOMPARE(haut_du_trace(page_->Ima_st, 5 * 24 + 3), reponse ? 90 : 110);
    }

    void charger()
    {
        page_->BitBtn21Click();
        QCOMPARE(hote_->pages_montrees, QList<int>{3});
        QCOMPARE(page_->modele.courbe_ess0[2], 30.0);
        QCOMPARE(page_->modele.courbe_ess0[69], -70.0);
        // No run at load.
        QVERIFY(!page_->prem_artef->isVisible());
        // A missing file leaves the curve as it was.
        QFile::remove(dossier_.filePath("ess0.nst"));
        page_->BitBtn21Click();
        QCOMPARE(page_->modele.courbe_ess0[2], 30.0);
        QCOMPARE(hote_->pages_montrees.size(), 2);
    }

    void delai_allume_le_deuxieme()
    {
        // Moving Scroll_temps with the second stimulus off switches it on.
        page_->Scroll_temps->setValue(11);
        QVERIFY(page_->CheckBox1->isChecked());
        QVERIFY(page_->modele.deux_stim);
        QVERIFY(page_->deux_artef->isVisible());
        QCOMPARE(page_->deux_artef->x(), 5 * 11 + 10);
        // Unchecking hides the artefact.
        page_->CheckBox1->setChecked(false);
        QVERIFY(!page_->modele.deux_stim);
        QVERIFY(!page_->deux_artef->isVisible());
    }

    void deuxieme_reponse_relative()
    {
        // 1.00 V, second at p = 11: the second response is 0.55 of the first.
        page_->BitBtn21Click();
        page_->Scroll_i_stim->setValue(0);
        page_->Scroll_temps->setValue(11);
        // First peak at sample 24: 110 - 70 = 40; second at 35: 110 - 38.5 = 71.5 -> 72.
        QCOMPARE(haut_du_trace(page_->Ima_st, 5 * 24 + 3), 40);
        QCOMPARE(haut_du_trace(page_->Ima_st, 5 * 35 + 3), 72);
    }

    void nerf_ou_fibre()
    {
        page_->BitBtn21Click();
        page_->Scroll_i_stim->setValue(0);
        page_->Scroll_temps->setValue(30);
        QVERIFY(page_->CheckBox1->isChecked());
        QVERIFY(!image_blanche(page_->Ima_st));
        // Choosing "Fibre" unchecks the second stimulus, clears the trace, hides both artefacts.
        QTest::mouseClick(page_->Radio_nerf->bouton(1), Qt::LeftButton);
        QCOMPARE(page_->Radio_nerf->itemIndex(), 1);
        QVERIFY(!page_->CheckBox1->isChecked());
        QVERIFY(!page_->modele.deux_stim);
        QVERIFY(image_blanche(page_->Ima_st));
        QVERIFY(!page_->prem_artef->isVisible());
        QVERIFY(!page_->deux_artef->isVisible());
        // The next change draws the fibre at full size even at 0.20 V.
        page_->Scroll_i_stim->setValue(80);
        QCOMPARE(haut_du_trace(page_->Ima_st, 5 * 24 + 3), 40);
    }

    void glisser_la_cathode()
    {
        // Press, move and release through real mouse events.
        Forme *c = page_->Shape_cathode;
        QTest::mousePress(c, Qt::LeftButton, {}, QPoint(2, 10));
        QVERIFY(page_->deplacement_actif);
        QCOMPARE(page_->x_saisie, 2);
        QMouseEvent bouge(QEvent::MouseMove, QPointF(42, 10), c->mapToGlobal(QPointF(42, 10)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c, &bouge);
        QCOMPARE(c->x(), 120);
        QCOMPARE(page_->Shape_cathode2->x(), 120);
        QCOMPARE(page_->Shape_cathode2->x() + page_->Shape_cathode2->width(), 398);
        QCOMPARE(page_->cathode->x(), 118);
        QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(2, 10));
        QVERIFY(!page_->deplacement_actif);
        QVERIFY(page_->prem_artef->isVisible()); // the release reran the simulation
    }

    void limites_du_glisser_data()
    {
        QTest::addColumn<int>("k");  // electrode index: anode, cathode, enr1, enr2
        QTest::addColumn<int>("dx"); // pointer moves relative to the grab point
        QTest::addColumn<int>("attendu");
        QTest::newRow("cathode right: stops at 202, edge 207 < 208") << 1 << 500 << 80;
        QTest::newRow("cathode right by 122: 202") << 1 << 122 << 202;
        QTest::newRow("electrode 1 left: 86 is the last place") << 2 << -122 << 86;
        QTest::newRow("electrode 1 left by 123: refused") << 2 << -123 << 208;
        QTest::newRow("electrode 2 to 320") << 3 << 96 << 320;
        QTest::newRow("electrode 2 to 321: refused") << 3 << 97 << 224;
        QTest::newRow("anode to 11") << 0 << -53 << 11;
        QTest::newRow("anode to 10: refused") << 0 << -54 << 64;
    }
    void limites_du_glisser()
    {
        QFETCH(int, k);
        QFETCH(int, dx);
        QFETCH(int, attendu);
        const Electrode e = static_cast<Electrode>(k);
        using Saisie = void (PageNerf::*)(int);
        const Saisie bas[] = {&PageNerf::Shape_anodeMouseDown, &PageNerf::Shape_cathodeMouseDown,
                              &PageNerf::Shape_enr1MouseDown, &PageNerf::Shape_enr2MouseDown};
        const Saisie bouge[] = {&PageNerf::Shape_anodeMouseMove, &PageNerf::Shape_cathodeMouseMove,
                                &PageNerf::Shape_enr1MouseMove, &PageNerf::Shape_enr2MouseMove};
        (page_->*bas[k])(2);
        (page_->*bouge[k])(2 + dx);
        QCOMPARE(page_->electrode(e)->x(), attendu);
    }

    void survol_sans_bouton()
    {
        // Hovering moves nothing but sets the followers from their formulas.
        page_->Shape_enr2MouseMove(3);
        QCOMPARE(page_->Shape_enr2->x(), 224);
        QCOMPARE(page_->shape_enr22->geometry(), QRect(224, 98, 147, 3));
        page_->Shape_anodeMouseMove(1);
        QCOMPARE(page_->Shape_anode2->width(), 334);
        QCOMPARE(page_->anode->x(), 62);
    }

    void cathode_hors_du_nerf()
    {
        // Beyond 311 the cathode stimulates nothing; Lab_stim keeps the bar's intensity.
        page_->BitBtn21Click();
        page_->Scroll_i_stim->setValue(0);
        for (Electrode e : {Electrode::Enr1, Electrode::Enr2}) {
            page_->electrode(e)->move(320, page_->electrode(e)->y());
        }
        page_->Shape_cathodeMouseDown(0);
        page_->Shape_cathodeMouseMove(312 - 80);
        QCOMPARE(page_->Shape_cathode->x(), 312);
        page_->Shape_cathodeMouseUp();
        QCOMPARE(page_->modele.intensite_stim, 0);
        QCOMPARE(page_->Lab_stim->text(), QStringLiteral("1.00 V"));
        QCOMPARE(haut_du_trace(page_->Ima_st, 5 * 24 + 3), 110);
        // Back on the nerve, the bar's intensity applies again.
        page_->Shape_cathodeMouseDown(0);
        page_->Shape_cathodeMouseMove(-12);
        page_->Shape_cathodeMouseUp();
        QCOMPARE(page_->Shape_cathode->x(), 300);
        QCOMPARE(page_->modele.intensite_stim, 100);
    }

    void clic_sur_le_nerf()
    {
        QTest::mouseClick(page_->Shape_nerf, Qt::LeftButton, {}, QPoint(100, 2));
        QCOMPARE(page_->Lab_a->x(), 303);
        QCOMPARE(page_->Lab_b->x(), 14);
        QTest::mouseClick(page_->Shape_nerf, Qt::LeftButton, {}, QPoint(150, 2));
        QCOMPARE(page_->Lab_a->x(), 14);
        QCOMPARE(page_->Lab_b->x(), 303);
    }

    void graduations()
    {
        page_->affich_grad();
        QImage t = page_->Ima_grad->picture(), d = page_->Ima_grad2->picture();
        QCOMPARE(Canevas(t).pixel(5, 4), NOIR);
        QCOMPARE(Canevas(d).pixel(5, 4), NOIR);
        QCOMPARE(page_->Ima_grad->size(), QSize(402, 19));
    }

    void voir_fichier_data()
    {
        QTest::addColumn<bool>("bouton8");
        QTest::addColumn<bool>("lanceur_prepare");
        QTest::addColumn<QString>("enregistrement");
        QTest::newRow("refractory recording") << true << true << "/cassybio/electro/&refr~A.exw";
        QTest::newRow("recruitment recording") << false << true << "/cassybio/electro/&recr~A.exw";
        QTest::newRow("no launcher: nothing starts") << true << false << "";
        QTest::newRow("no launcher, recruitment: nothing starts") << false << false << "";
    }
    void voir_fichier()
    {
        QFETCH(bool, bouton8);
        QFETCH(bool, lanceur_prepare);
        QFETCH(QString, enregistrement);
        QTemporaryDir csb;
        definir_dossier_csb(csb.path());
        if (lanceur_prepare) {
            QFile pif(csb.filePath("cassybio.pif"));
            QVERIFY(pif.open(QIODevice::WriteOnly));
        }
        QList<Lancement> lances;
        installer_lanceur([&lances](const Lancement &l) {
            lances << l;
            return true;
        });
        const QString avant = QDir::currentPath();
        QTest::mouseClick(bouton8 ? page_->BitBtn8 : page_->BitBtn9, Qt::LeftButton);
        installer_lanceur(nullptr);
        definir_dossier_csb(QString());
        // The launcher gets the working directory followed by the recording, and
        // the working directory is back where it was.
        QCOMPARE(QDir::currentPath(), avant);
        QCOMPARE(lances.size(), lanceur_prepare ? 1 : 0);
        if (lanceur_prepare) {
            QCOMPARE(lances[0].programme, joindre(csb.path(), "cassybio.pif"));
            QCOMPARE(lances[0].arguments, QStringList{QDir::toNativeSeparators(avant + enregistrement)});
        }
    }

    void correction_vide()
    {
        // Every field empty: seven red lamps.
        page_->BitBtn19->click();
        for (Forme *l : {page_->refr_rel, page_->refr_abs, page_->freq_long, page_->freq_court, page_->vit_inf,
                         page_->elec_stim, page_->res_seuil})
            QCOMPARE(l->couleur(), ROUGE);
    }

    void correction_juste()
    {
        page_->pref_rel->setCurrentIndex(20);
        page_->pref_abs->setCurrentIndex(15);
        QTest::keyClicks(page_->fib_lpr, "500 Hz");
        QTest::keyClicks(page_->fib_cpr, "650");
        QTest::keyClicks(page_->vit_influx, "40 m/s");
        page_->combo_electrode->setCurrentIndex(1);
        QTest::keyClicks(page_->Edit_seuil, "0.2");
        QTest::mouseClick(page_->BitBtn19, Qt::LeftButton);
        for (Forme *l : {page_->refr_rel, page_->refr_abs, page_->freq_long, page_->freq_court, page_->vit_inf,
                         page_->elec_stim, page_->res_seuil})
            QCOMPARE(l->couleur(), LIME);
        // One wrong answer turns only its lamp red; the answers stay.
        page_->combo_electrode->setCurrentIndex(0);
        page_->BitBtn19Click();
        QCOMPARE(page_->elec_stim->couleur(), ROUGE);
        QCOMPARE(page_->refr_rel->couleur(), LIME);
        QCOMPARE(page_->fib_lpr->text(), QStringLiteral("500 Hz"));
    }
};

QTEST_MAIN(TstPageNerf)
#include "tst_pagenerf.moc"
