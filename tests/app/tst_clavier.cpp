// The program by keyboard alone: Tab in reading order on every page, the
// electrodes moved by the arrows, the colour squares chosen with the arrows
// and Enter, the zoom buttons with + and −; and what screen readers hear.
#include "app/tform1.h"
#include "colour/pagecontrastes.h"
#include "colour/palettechoix.h"
#include "colour/tform_coul.h"
#include "colour/tmise_couleur.h"
#include "common/erreures.h"
#include "common/forme.h"
#include "common/imagewidget.h"
#include "common/plateforme.h"
#include "common/tabulation.h"
#include "fechner/grillechaines.h"
#include "fechner/pagefechner.h"
#include "nerve/csvnerf.h"
#include "nerve/pagenerf.h"
#include "fenetresmodales.h"
#include "nomsaccessibles.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {

QStringList noms(const QList<QWidget *> &l)
{
    QStringList n;
    // A radio group's buttons go by the group's name.
    for (QWidget *w : l) n << (w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName());
    return n;
}

// Sends a key to the widget that has the focus, as the keyboard does.
void touche(int cle, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY(w);
    QTest::keyClick(w, Qt::Key(cle), m);
}

void envoyer(QEvent::Type t, int cle, Qt::KeyboardModifiers m, bool repetition)
{
    QKeyEvent e(t, cle, m, QString(), repetition);
    QApplication::sendEvent(QApplication::focusWidget(), &e);
}

} // namespace

class TstClavier : public QObject {
    Q_OBJECT
    TForm1 *f = nullptr;

private Q_SLOTS:
    void init()
    {
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-clavier-csb");
        installer_rapporteur([](const QString &) {});
        installer_lanceur([](const Lancement &) { return true; });
        f = new TForm1;
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->Timer_debutTimer();
    }
    void cleanup()
    {
        delete f;
        f = nullptr;
        installer_lanceur(nullptr);
        installer_rapporteur(nullptr);
        definir_dossier_csb("");
    }

    void ordre_tab_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("ordre"); // the page's stops, from its first
        // Frames in reading order, then the controls inside each (hidden ones keep their place).
        QTest::newRow("Contrastes successifs")
            << 0
            << QStringList{"BitBtn3", "Memo2",                                    // Expérience visuelle
                           "Memo1", "BitBtn2", "coul21", "coul22", "coul23", "coul24", "coul25", "coul26",
                           "coul27", "coul28",                                    // Interrogation
                           "Scroll_rouge3", "Scroll_vert3", "Scroll_bleu3",       // third colour, top right
                           "BitBtn6",                                             // the colour count button
                           "scroll_rouge", "Scroll_vert", "Scroll_bleu",          // first colour
                           "Scroll_rouge2", "Scroll_vert2", "Scroll_bleu2"};      // second colour, bottom right
        QTest::newRow("Champs récepteurs") << 1 << QStringList{"Memo3", "BitBtn20"};
        QTest::newRow("Loi de Fechner") << 2
                                        << QStringList{"Memo4", "grille", "Memo_cassybio", "Bouton_analyser",
                                                       "BitBtn4", "BitBtn5", "BitBtn7"};
        QTest::newRow("Période réfractaire")
            << 3
            << QStringList{"Memo5", "FileListBox1", "BitBtn8", "BitBtn9", "pref_rel", "pref_abs", "fib_lpr",
                           "fib_cpr", "vit_influx", "combo_electrode", "Edit_seuil", "BitBtn19", // questionnaire
                           "Radio_nerf", "Radio_nerf", "Shape_anode", "Shape_cathode", "Shape_enr1", "Shape_enr2", "Shape_nerf",
                           "Scroll_i_stim", "CheckBox1", "Scroll_temps", "BitBtn22", "BitBtn21"};  // simulation
        QTest::newRow("Activité volont./réflexe") << 4 << QStringList{"BitBtn10", "BitBtn11"};
        QTest::newRow("Loi de Nernst")
            << 5
            << QStringList{"BitBtn13", "BitBtn12", "GO", "Scroll_nai", "Scroll_ki", "Scroll_gk", "Scroll_gna",
                           "Scroll_ke", "Scroll_nae", "BitBtn14", "BitBtn15", "BitBtn16", "recule1", "BitBtn17",
                           "BitBtn18", "avance1"};
    }
    void ordre_tab()
    {
        QFETCH(int, page);
        QFETCH(QStringList, ordre);
        f->Notebook1->setCurrentIndex(page);
        QWidget *p = f->Notebook1->currentWidget();
        QCOMPARE(noms(ordre_de_lecture(p)), ordre);
        // Tab itself walks that order through the controls that show.
        QStringList visibles;
        for (QWidget *w : ordre_de_lecture(p))
            if (w->isVisible() && w->isEnabled())
                visibles << (w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName());
        visibles.removeDuplicates(); // a radio group is one stop
        p->findChild<QWidget *>(visibles.first())->setFocus(Qt::TabFocusReason);
        QStringList parcours{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < visibles.size(); ++i) {
            // The Fechner grid keeps Tab for its cells: Ctrl+Tab leaves it.
            const bool grille = parcours.last() == QLatin1String("grille");
            touche(Qt::Key_Tab, grille ? Qt::ControlModifier : Qt::NoModifier);
            // The stop that holds the focus (a radio button stands for its group).
            QWidget *w = QApplication::focusWidget();
            while (w && !visibles.contains(w->objectName())) w = w->parentWidget();
            parcours << (w ? w->objectName() : QString());
        }
        QCOMPARE(parcours, visibles);
    }

    void electrode_comme_glisser_data()
    {
        QTest::addColumn<int>("k");      // anode, cathode, enr1, enr2
        QTest::addColumn<int>("cle");
        QTest::addColumn<bool>("maj");   // Shift: 10 pixels a key
        QTest::addColumn<int>("fois");
        QTest::addColumn<int>("gauche"); // where it lands
        // Start: anode 64, cathode 80, enr1 208, enr2 224 (all 5 wide).
        QTest::newRow("cathode 5 right") << 1 << int(Qt::Key_Right) << false << 5 << 85;
        QTest::newRow("cathode 30 right") << 1 << int(Qt::Key_Right) << true << 3 << 110;
        QTest::newRow("cathode up to enr1") << 1 << int(Qt::Key_Right) << true << 20 << 200; // 200 + 5 < 208
        QTest::newRow("anode far left") << 0 << int(Qt::Key_Left) << true << 10 << 14;      // 4 + 5 ≤ 15 refused
        QTest::newRow("enr1 one left") << 2 << int(Qt::Key_Left) << false << 1 << 207;
        QTest::newRow("enr2 to the end") << 3 << int(Qt::Key_Right) << true << 15 << 314;   // 324 ≥ 321 refused
        QTest::newRow("enr1 down to the cathode") << 2 << int(Qt::Key_Left) << true << 20 << 88; // 78 ≤ 85 refused
    }
    void electrode_comme_glisser()
    {
        QFETCH(int, k);
        QFETCH(int, cle);
        QFETCH(bool, maj);
        QFETCH(int, fois);
        QFETCH(int, gauche);
        const int pas = (cle == Qt::Key_Left ? -1 : 1) * (maj ? 10 : 1);

        // By keys, on the page of the window.
        f->Notebook1->setCurrentIndex(3);
        PageNerf *n = f->page_nerf();
        Forme *e = n->electrode(static_cast<Electrode>(k));
        e->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), e);
        for (int i = 0; i < fois; ++i) touche(cle, maj ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(e->x(), gauche);
        // A screen reader hears where it stands on the distance scale.
        const QString cm = QString::number(position_cm(gauche, e->width()), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
        QVERIFY2(e->accessibleDescription().contains(QStringLiteral(" : %1 cm.").arg(cm)), qPrintable(e->accessibleDescription()));
        // Enter on the focused nerve swaps its ends, as a click.
        const int a = n->Lab_a->x(), b = n->Lab_b->x();
        n->Shape_nerf->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Return);
        QCOMPARE(QPair(n->Lab_a->x(), n->Lab_b->x()), QPair(b, a));

        // By the mouse, on a second window: the same moves, one step each.
        TForm1 g;
        g.show();
        g.Timer_debutTimer();
        g.Notebook1->setCurrentIndex(3);
        PageNerf *m = g.page_nerf();
        Forme *d = m->electrode(static_cast<Electrode>(k));
        QTest::mousePress(d, Qt::LeftButton, {}, QPoint(2, 10));
        for (int i = 0; i < fois; ++i) {
            const QPointF p(2 + pas, 10);
            QMouseEvent bouge(QEvent::MouseMove, p, d->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(d, &bouge);
        }
        QTest::mouseRelease(d, Qt::LeftButton, {}, QPoint(2, 10));

        QCOMPARE(d->x(), gauche);
        for (const char *nom : {"Shape_anode2", "Shape_cathode2", "Shape_enr12", "shape_enr22", "anode", "cathode"})
            QCOMPARE(n->findChild<QWidget *>(nom)->geometry(), m->findChild<QWidget *>(nom)->geometry());
        QVERIFY(n->prem_artef->isVisible());
        QCOMPARE(n->Ima_st->picture(), m->Ima_st->picture());
    }

    void touche_tenue()
    {
        // A held key repeats its move; the run waits for the key to come up.
        f->Notebook1->setCurrentIndex(3);
        PageNerf *n = f->page_nerf();
        n->Shape_cathode->setFocus(Qt::TabFocusReason);
        QVERIFY(!n->prem_artef->isVisible());
        envoyer(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, false);
        for (int i = 0; i < 4; ++i) {
            envoyer(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, true);
            envoyer(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, true);
        }
        QCOMPARE(n->Shape_cathode->x(), 85);
        QVERIFY(n->deplacement_actif);
        QVERIFY(!n->prem_artef->isVisible());
        envoyer(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, false);
        QVERIFY(!n->deplacement_actif);
        QVERIFY(n->prem_artef->isVisible());
    }

    void marque_de_focus()
    {
        // The electrode with the focus shows it; a click gives no focus and no mark.
        f->Notebook1->setCurrentIndex(3);
        PageNerf *n = f->page_nerf();
        const QImage sans = n->Shape_cathode->grab().toImage();
        QTest::mouseClick(n->Shape_cathode, Qt::LeftButton, {}, QPoint(2, 10));
        QVERIFY(!n->Shape_cathode->hasFocus());
        QCOMPARE(n->Shape_cathode->grab().toImage(), sans);
        n->Shape_cathode->setFocus(Qt::TabFocusReason);
        QVERIFY(n->Shape_cathode->grab().toImage() != sans);
    }

    void carres_de_couleur()
    {
        // Tab to the first "seen" square, Down twice, Enter: the dialog opens on
        // its first colour; Right three times and Enter choose the fourth.
        PageContrastes *c = f->page_contrastes;
        c->coul2[0]->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Down);
        touche(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), c->coul2[2]);
        touche(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), c->coul2[1]);
        bool vu = false;
        FenetresModales modales({[&](QWidget *m) {
            auto *d = qobject_cast<TForm_coul *>(m);
            QVERIFY2(d, qPrintable(FenetresModales::nom(m)));
            vu = QApplication::focusWidget() == d->carre_haut(1);
            for (int i = 0; i < 3; ++i) touche(Qt::Key_Right);
            touche(Qt::Key_Down); // the lower square of the column gives the same colour
            touche(Qt::Key_Return);
        }});
        touche(Qt::Key_Return);
        QVERIFY(vu);
        QCOMPARE(c->coul2[1]->couleur(), colonnes_choix()[3].haut);
        QCOMPARE(c->coul2[1]->accessibleName(), QString("Couleur vue 2 : magenta pâle"));
    }

    void dialogue_ferme_par_echap()
    {
        PageContrastes *c = f->page_contrastes;
        c->coul2[0]->setFocus(Qt::TabFocusReason);
        FenetresModales modales({[](QWidget *) { touche(Qt::Key_Escape); }});
        touche(Qt::Key_Space);
        QCOMPARE(c->coul2[0]->couleur(), BLANC);
        QCOMPARE(c->coul2[0]->accessibleName(), QString("Couleur vue 1 : pas encore choisie"));
    }

    void zoom_de_la_courbe_data()
    {
        QTest::addColumn<int>("cle");
        QTest::addColumn<QString>("bouton");
        QTest::newRow("+") << int(Qt::Key_Plus) << "BitBtn5";
        QTest::newRow("-") << int(Qt::Key_Minus) << "BitBtn7";
    }
    void zoom_de_la_courbe()
    {
        QFETCH(int, cle);
        QFETCH(QString, bouton);
        f->Notebook1->setCurrentIndex(2);
        PageFechner *p = f->page_fechner();
        int clics = 0;
        connect(p->findChild<QAbstractButton *>(bouton), &QAbstractButton::clicked, this, [&] { ++clics; });
        p->findChild<QWidget *>("BitBtn5")->setFocus(Qt::TabFocusReason);
        touche(cle);
        QCOMPARE(clics, 1);
        // In the grid the key is the grid's.
        p->grille->setFocus(Qt::TabFocusReason);
        touche(cle);
        QCOMPARE(clics, 1);
    }

    void voyants_du_nerf_data()
    {
        QTest::addColumn<bool>("juste");
        QTest::newRow("faux") << false;
        QTest::newRow("juste") << true;
    }
    void voyants_du_nerf()
    {
        QFETCH(bool, juste);
        PageNerf *n = f->page_nerf();
        QCOMPARE(n->vit_inf->accessibleName(), QString("Voyant vitesse : pas encore corrigé"));
        if (juste) QTest::keyClicks(n->vit_influx, "40");
        n->BitBtn19->click();
        QCOMPARE(n->vit_inf->accessibleName(), QString(juste ? "Voyant vitesse : juste" : "Voyant vitesse : faux"));
        QCOMPARE(n->res_seuil->accessibleName(), QString("Voyant seuil : faux"));
        // The count is announced on the lamps' frame and the button pressed.
        const QString compte = juste ? "Correction : 1 réponse juste sur 7" : "Correction : 0 réponse juste sur 7";
        QCOMPARE(n->BitBtn19->accessibleDescription(), compte);
        QCOMPARE(n->vit_inf->parentWidget()->accessibleDescription(), compte);
    }

    void voyants_des_couleurs()
    {
        PageContrastes *c = f->page_contrastes;
        QCOMPARE(c->coul1[0]->accessibleName(), QString("Couleur regardée 1 : rouge"));
        QCOMPARE(c->coul1[5]->accessibleName(), QString("Couleur regardée 6 : orange"));
        QCOMPARE(c->cor[0]->accessibleName(), QString("Voyant couleur 1 : pas encore corrigé"));
        c->BitBtn2->click();
        QCOMPARE(c->cor[0]->accessibleName(), QString("Voyant couleur 1 : faux"));
    }

    void dialogues_dans_l_ecran()
    {
        // Placed past the screen's corner (a square near the bottom of a
        // window that the screen cuts), each dialog opens inside it.
        const QRect ecran = f->screen()->availableGeometry();
        for (QDialog *d : std::initializer_list<QDialog *>{f->Form_coul, f->mise_couleur()}) {
            d->move(ecran.bottomRight() - QPoint(20, 10));
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            QVERIFY2(ecran.contains(d->frameGeometry()), qPrintable(d->objectName()));
            d->hide();
        }
    }

    void boutons_de_mode_nernst()
    {
        // Space on a mode button goes to the other mode and leaves the focus on
        // the button that takes its place, so Space again comes back.
        f->Notebook1->setCurrentIndex(5);
        QPushButton *equilibre = f->findChild<QPushButton *>("BitBtn12");
        QPushButton *permeabilite = f->findChild<QPushButton *>("BitBtn13");
        equilibre->setFocus(Qt::TabFocusReason);
        for (QPushButton *attendu : {permeabilite, equilibre, permeabilite}) {
            touche(Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), attendu);
            QVERIFY(attendu->isVisible());
        }
    }

    void ions_au_clavier()
    {
        // The equilibrium mode by Space, then Tab to "LANCER": Space starts the
        // ions and the frame on the screen changes; Space again stops them.
        f->Notebook1->setCurrentIndex(5);
        f->findChild<QPushButton *>("BitBtn12")->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Space);
        touche(Qt::Key_Tab);
        auto *go = f->findChild<QPushButton *>("GO");
        QCOMPARE(QApplication::focusWidget(), go);
        auto *cadre = f->findChild<ImageWidget *>("ima_pe1");
        const QImage avant = cadre->picture();
        touche(Qt::Key_Space);
        QCOMPARE(go->text(), QString("STOP"));
        QTRY_VERIFY(cadre->picture() != avant);
        touche(Qt::Key_Space);
        QCOMPARE(go->text(), QString("LANCER"));
        f->findChild<QPushButton *>("BitBtn13")->click();
    }

    void chaque_arret_nomme_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("bouton"); // clicked first, to show another layout
        QTest::addColumn<int>("clics");
        for (int p = 0; p < 6; ++p) QTest::newRow(qPrintable(QString::number(p))) << p << QString() << 0;
        QTest::newRow("three colours") << 0 << "BitBtn6" << 2;
        QTest::newRow("equilibrium") << 5 << "BitBtn12" << 1;
    }
    void chaque_arret_nomme()
    {
        // Every control that Tab stops on, and every picture showing, tells a
        // screen reader what it is.
        QFETCH(int, page);
        QFETCH(QString, bouton);
        QFETCH(int, clics);
        f->Notebook1->setCurrentIndex(page);
        for (int i = 0; i < clics; ++i) QTest::mouseClick(f->findChild<QPushButton *>(bouton), Qt::LeftButton);
        QCOMPARE(controles_sans_nom(f->Notebook1->currentWidget(), true), QStringList());
        QStringList images;
        for (QWidget *w : f->Notebook1->currentWidget()->findChildren<QWidget *>())
            if ((qobject_cast<Forme *>(w) || qobject_cast<ImageWidget *>(w)) && w->isVisible() &&
                w->accessibleName().isEmpty()) // its own, not its frame's title
                images << w->objectName();
        QCOMPARE(images.join(" "), QString());
    }

    void noms_et_roles_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("nom"); // its beginning
        const int bouton = QAccessible::Button, image = QAccessible::Graphic;
        QTest::newRow("answer by its question") << 3 << "pref_rel" << int(QAccessible::ComboBox)
                                                << "Période réfractaire relative commence à";
        QTest::newRow("typed answer") << 3 << "Edit_seuil" << int(QAccessible::EditableText)
                                      << "Quel est le seuil de stimulation des fibres les plus sensibles";
        QTest::newRow("lamp") << 3 << "refr_rel" << image << "Voyant ";
        QTest::newRow("oscilloscope") << 3 << "Ima_st" << image << "Écran de l'oscilloscope";
        QTest::newRow("\"deux\" box") << 3 << "CheckBox1" << int(QAccessible::CheckBox) << "Deux stimulations";
        QTest::newRow("nerve") << 3 << "Shape_nerf" << bouton << "Nerf";
        QTest::newRow("zoom +") << 2 << "BitBtn5" << bouton << "Zoom avant";
        QTest::newRow("zoom -") << 2 << "BitBtn7" << bouton << "Zoom arrière";
        QTest::newRow("Fechner grid") << 2 << "grille" << int(QAccessible::Table) << "Grille des essais";
        QTest::newRow("<--") << 5 << "recule1" << bouton << "Étape précédente";
        QTest::newRow("-->") << 5 << "BitBtn17" << bouton << "Étape suivante";
        QTest::newRow("mixing") << 0 << "BitBtn6" << bouton << "Nombre de couleurs mélangées";
        QTest::newRow("colour square") << 0 << "coul21" << bouton << "Couleur vue 1";
        QTest::newRow("colour lamp") << 0 << "cor1" << image << "Voyant couleur 1";
    }
    void noms_et_roles()
    {
        // What a screen reader says of a control is what a sighted pupil reads.
        QFETCH(int, page);
        QFETCH(QString, controle);
        QFETCH(int, role);
        QFETCH(QString, nom);
        f->Notebook1->setCurrentIndex(page);
        QWidget *w = f->Notebook1->currentWidget()->findChild<QWidget *>(controle);
        QVERIFY(w);
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        QVERIFY(i);
        QCOMPARE(int(i->role()), role);
        QVERIFY2(i->text(QAccessible::Name).startsWith(nom), qPrintable(i->text(QAccessible::Name)));
    }

    void barres_lues_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("valeur"); // as the page shows it
        QTest::addColumn<double>("nombre");
        QTest::newRow("intensity") << 3 << "Scroll_i_stim" << 50 << "Intensité" << "0,50 V" << 0.5;
        QTest::newRow("intensity, top") << 3 << "Scroll_i_stim" << 0 << "Intensité" << "1,00 V" << 1.0;
        QTest::newRow("delay") << 3 << "Scroll_temps" << 30 << "Délai du second stimulus" << "5,00 ms" << 5.0;
        QTest::newRow("[Na]i") << 5 << "Scroll_nai" << 292 << "[Na]i" << "8 mmol/L" << 8.0;
        QTest::newRow("GK") << 5 << "Scroll_gk" << 40 << "GK" << "60" << 60.0;
        QTest::newRow("a colour's green") << 0 << "Scroll_vert2" << 245 << "Vert de la couleur 2" << "10" << 10.0;
    }
    void barres_lues()
    {
        // A screen reader hears the bar's purpose and its value in the page's unit.
        QFETCH(int, page);
        QFETCH(QString, barre);
        QFETCH(int, position);
        QFETCH(QString, nom);
        QFETCH(QString, valeur);
        QFETCH(double, nombre);
        f->Notebook1->setCurrentIndex(page);
        auto *b = f->Notebook1->currentWidget()->findChild<QScrollBar *>(barre);
        QVERIFY(b);
        b->setValue(position);
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(b);
        QVERIFY(i && i->valueInterface());
        QCOMPARE(i->role(), QAccessible::ScrollBar);
        QCOMPARE(i->text(QAccessible::Name), nom);
        QCOMPARE(i->text(QAccessible::Value), valeur);
        QVERIFY(std::fabs(i->valueInterface()->currentValue().toDouble() - nombre) < 1e-9);
        QVERIFY(i->valueInterface()->minimumValue().toDouble() < i->valueInterface()->maximumValue().toDouble());
        // Set through the interface, the bar moves there.
        i->valueInterface()->setCurrentValue(nombre);
        QCOMPARE(b->value(), position);
    }

    void images_nommees()
    {
        // Every picture on every page has a French name.
        for (int p = 0; p < 6; ++p) f->Notebook1->setCurrentIndex(p);
        QStringList sans_nom;
        for (ImageWidget *i : f->findChildren<ImageWidget *>())
            if (i->accessibleName().isEmpty() && i->isVisibleTo(f)) sans_nom << i->objectName();
        QCOMPARE(sans_nom, QStringList());
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"
