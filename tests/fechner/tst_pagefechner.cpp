#include "fechner/fichierfechner.h"
#include "fechner/grillechaines.h"
#include "fechner/pagefechner.h"
#include "common/boutonimage.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "fechner/fenetreanalyse.h"
#include "tests/hoteessai.h"
#include "fichiersessai.h"
#include "filsessai.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>


namespace {

Couleur pixel(const QImage &image, int x, int y)
{
    return depuis_pixel(reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x]);
}

// The file of a grid just after start-up, line by line from the list of headings.
QByteArray fichier_depart()
{
    const QStringList masses = {"0g",    "20g",   "40g",   "60g",   "80g",   "100g",  "150g",  "200g",  "250g",
                                "300g",  "350g",  "400g",  "500g",  "600g",  "800g",  "900g",  "1000g", "1200g",
                                "1400g", "1500g", "1600g", "1700g", "1800g", "1900g", "2000g"};
    QByteArray f = "\r\n";
    for (int k = 1; k <= 10; ++k) f += "ess" + QByteArray::number(k) + "\r\n";
    f += "\r\n";
    for (const QString &m : masses) {
        f += m.toLatin1() + QByteArray("\r\n").repeated(12);
        f += "--o/n--" + QByteArray("\r\n").repeated(12);
    }
    return f;
}

} // namespace

class TstPageFechner : public QObject {
    Q_OBJECT

    HoteEssai *hote = nullptr;
    PageFechner *page = nullptr;
    QStringList rapports;
    QTemporaryDir dir;

    QModelIndex index(int col, int row) const { return page->grille->model()->index(row, col); }

    QPoint centre(int col, int row)
    {
        page->grille->scrollTo(index(col, row));
        return page->grille->visualRect(index(col, row)).center();
    }

    void cliquer(int col, int row, Qt::MouseButton bouton = Qt::LeftButton)
    {
        QTest::mouseClick(page->grille->viewport(), bouton, {}, centre(col, row));
    }

    // Keys as the keyboard sends them; the first one opens the cell's editor.
    void taper(const QString &texte)
    {
        for (QChar c : texte) {
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f);
            if (c.unicode() < 128)
                QTest::keyClick(f, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void touche(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

    QString cellule(int col, int row) const { return page->grille->item(row, col)->text(); }

    qint64 cle_courbe() const { return page->Ima_courbe->picture().cacheKey(); }

    // Runs `geste`, which opens a context menu, and picks `element` in the menu shown.
    QMenu *choisir_dans_menu(const std::function<void()> &geste, const char *element)
    {
        QMenu *montre = nullptr;
        QTimer::singleShot(0, this, [&] {
            montre = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!montre) return;
            if (QAction *a = montre->findChild<QAction *>(QLatin1String(element))) a->trigger();
            montre->close();
        });
        geste();
        return montre;
    }

private Q_SLOTS:
    void init()
    {
        rapports.clear();
        installer_rapporteur([this](const QString &t) { rapports << t; });
        hote = new HoteEssai;
        page = new PageFechner(hote, &hote->racine);
        hote->racine.resize(790, 510);
        hote->racine.show();
        QVERIFY(QTest::qWaitForWindowActive(&hote->racine));
        // Start-up steps 5 and 11.
        page->ecrire_entetes();
        page->BitBtn3Click();
        page->grille->setFocus();
    }
    void cleanup()
    {
        delete hote;
        installer_rapporteur({});
    }

    void disposition_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("visible");
        // Positions relative to the parent frame, as the page is laid out.
        QTest::newRow("GroupBox3") << "GroupBox3" << QRect(2, 6, 778, 487) << true;
        QTest::newRow("Memo4") << "Memo4" << QRect(11, 17, 329, 168) << true;
        QTest::newRow("grille") << "grille" << QRect(434, 8, 340, 465) << true;
        QTest::newRow("GroupBox5") << "GroupBox5" << QRect(3, 213, 429, 264) << true;
        QTest::newRow("Ima_courbe") << "Ima_courbe" << QRect(4, 28, 420, 220) << true;
        QTest::newRow("BitBtn4 never shown") << "BitBtn4" << QRect(290, 8, 95, 19) << false;
        QTest::newRow("BitBtn5") << "BitBtn5" << QRect(392, 8, 17, 15) << true;
        QTest::newRow("BitBtn7") << "BitBtn7" << QRect(408, 8, 17, 15) << true;
        QTest::newRow("save_ima_blanc never shown") << "save_ima_blanc" << QRect(344, 80, 105, 105) << false;
        QTest::newRow("Memo_cassybio never shown") << "Memo_cassybio" << QRect(320, 40, 185, 89) << false;
    }
    void disposition()
    {
        QFETCH(QString, nom);
        QFETCH(QRect, place);
        QFETCH(bool, visible);
        auto *w = page->findChild<QWidget *>(nom);
        QVERIFY(w);
        QCOMPARE(w->geometry(), place);
        QCOMPARE(w->isVisibleTo(page), visible);
    }

    void textes_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::newRow("Label25") << "Label25" << "Masse ajoutée";
        QTest::newRow("Label26") << "Label26" << "Masse portée";
        QTest::newRow("BitBtn4") << "BitBtn4" << "trace_courbe";
        QTest::newRow("BitBtn5") << "BitBtn5" << "+";
        QTest::newRow("BitBtn7") << "BitBtn7" << "-";
        QTest::newRow("Memo_cassybio") << "Memo_cassybio" << "Memo_cassybio";
        QTest::newRow("Memo4")
            << "Memo4"
            << "Sauriez-vous faire la différence de poids entre\n"
               "deux bouteilles d'eau portées par une ficelle derrière\n"
               "le dos, si la différence de poids est de 100 g, quelle\n"
               "que soit le remplissage des bouteilles?\n"
               "\n"
               "Quel est la valeur du seuil différentiel aux différentes\n"
               "      intensités de stimulation dans cette expérience?\n"
               "\n"
               "Comment évaluer ce seuil en tenant compte du hasard\n"
               "     et des possibilités d'erreurs?";
    }
    void textes()
    {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QObject *o = page->findChild<QObject *>(nom);
        QVERIFY(o);
        if (auto *l = qobject_cast<QLabel *>(o)) QCOMPARE(l->text(), texte);
        if (auto *b = qobject_cast<QAbstractButton *>(o)) QCOMPARE(b->text(), texte);
        if (auto *m = qobject_cast<QPlainTextEdit *>(o)) QCOMPARE(m->toPlainText(), texte);
    }

    void grille_forme()
    {
        GrilleChaines *g = page->grille;
        QCOMPARE(g->rowCount(), 51);
        QCOMPARE(g->columnCount(), 11);
        for (int c = 1; c <= 10; ++c) QCOMPARE(g->columnWidth(c), 35);
        for (int r = 1; r <= 50; ++r) QCOMPARE(g->rowHeight(r), 15);
        QCOMPARE(g->currentRow(), 1);
        QCOMPARE(g->currentColumn(), 1);
        // The fixed headings stay in the headers; they are neither selectable nor editable.
        QCOMPARE(g->horizontalHeaderItem(1)->text(), QStringLiteral("ess1"));
        QCOMPARE(g->horizontalHeaderItem(10)->text(), QStringLiteral("ess10"));
        QCOMPARE(g->verticalHeaderItem(1)->text(), QStringLiteral("0g"));
        QCOMPARE(g->verticalHeaderItem(50)->text(), QStringLiteral("--o/n--"));
        QCOMPARE(cellule(0, 49), QStringLiteral("2000g"));
        QVERIFY(!(g->item(0, 3)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(g->item(7, 0)->flags() & Qt::ItemIsSelectable));
        QVERIFY(g->item(7, 3)->flags() & Qt::ItemIsEditable);
        QCOMPARE(page->menu_grille(), page->PopupMenu1);
        QCOMPARE(page->image_blanche().size(), QSize(420, 220));
        QCOMPARE(pixel(page->image_blanche(), 200, 100), BLANC);
    }

    void saisie_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("laisse");
        QTest::addColumn<QString>("laisse_encore");
        // Typed into a cell, then another cell selected, then the cell entered and left again.
        QTest::newRow("o in an outcome cell") << 2 << 4 << "o" << "O" << "O";
        QTest::newRow("oui: marked, later upper-cased") << 2 << 4 << "oui" << "oui?" << "OUI?";
        QTest::newRow("12a in a mass cell stays marked") << 3 << 5 << "12a" << "12a?" << "12a?";
        QTest::newRow("leading blank mass kept") << 3 << 5 << " 12" << " 12" << " 12";
        QTest::newRow("$1f upper-cased") << 3 << 5 << "$1f" << "$1F" << "$1F";
        QTest::newRow("negative mass") << 5 << 9 << "-5" << "-5" << "-5";
        QTest::newRow("accents kept, marked") << 5 << 9 << "été" << "été?" << "été?";
    }
    void saisie()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, tape);
        QFETCH(QString, laisse);
        QFETCH(QString, laisse_encore);
        cliquer(col, row);
        taper(tape);
        QCOMPARE(cellule(col, row), tape);
        cliquer(col + 1, row + 1);
        QCOMPARE(cellule(col, row), laisse);
        QCOMPARE(page->donnees().cellule(col, row), laisse);
        cliquer(col, row);
        cliquer(col, row + 1);
        QCOMPARE(cellule(col, row), laisse_encore);
        // The menu follows the row selected last.
        QCOMPARE(page->menu_grille(), (row + 1) % 2 ? page->PopupMenu2 : page->PopupMenu1);
    }

    void effacement()
    {
        cliquer(4, 6);
        taper(QStringLiteral("x"));
        touche(Qt::Key_Backspace);
        cliquer(4, 7);
        QCOMPARE(cellule(4, 6), QString());
    }

    void fleches_apres_verification()
    {
        // 10 g on the 0 g row, then "o" below it: the arrow that leaves the
        // outcome cell checks it first, so the dot is green at once.
        cliquer(1, 1);
        taper(QStringLiteral("10"));
        touche(Qt::Key_Down);
        QCOMPARE(page->grille->currentRow(), 2);
        QCOMPARE(pixel(page->Ima_courbe->picture(), 27, 176), ROUGE);
        taper(QStringLiteral("o"));
        touche(Qt::Key_Down);
        QCOMPARE(page->grille->currentRow(), 3);
        QCOMPARE(cellule(1, 2), QStringLiteral("O"));
        QCOMPARE(pixel(page->Ima_courbe->picture(), 27, 176), VERT);
        QCOMPARE(page->donnees().ligne_courante(), 3);
    }

    void quitter_une_cellule_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::addColumn<Couleur>("point");
        // Every way a pupil leaves a cell: the curve then shows the checked
        // text, "O" (green). Enter redraws without leaving: "o" is still
        // unchecked, and only "O" is green.
        QTest::newRow("click another cell, editor open") << "clic" << VERT;
        QTest::newRow("click another cell, editor closed") << "echap+clic" << VERT;
        QTest::newRow("click a cell of another row") << "clic ligne" << VERT;
        QTest::newRow("tab") << "tab" << VERT;
        QTest::newRow("shift+tab") << "maj+tab" << VERT;
        QTest::newRow("enter") << "entree" << ROUGE;
        QTest::newRow("down arrow") << "bas" << VERT;
        QTest::newRow("right arrow") << "droite" << VERT;
        QTest::newRow("outcome menu") << "menu" << VERT;
    }
    void quitter_une_cellule()
    {
        QFETCH(QString, geste);
        QFETCH(Couleur, point);
        // 10 g on the 0 g row, in the grid but not yet drawn.
        page->grille->item(1, 1)->setText(QStringLiteral("10"));
        cliquer(1, 2);
        taper(QStringLiteral("o"));
        if (geste == QLatin1String("clic")) {
            cliquer(3, 2);
        } else if (geste == QLatin1String("echap+clic")) {
            touche(Qt::Key_Escape);
            QCOMPARE(QApplication::focusWidget(), page->grille);
            cliquer(3, 2);
        } else if (geste == QLatin1String("clic ligne")) {
            cliquer(4, 7);
        } else if (geste == QLatin1String("tab")) {
            touche(Qt::Key_Tab);
            QCOMPARE(page->grille->currentColumn(), 2);
        } else if (geste == QLatin1String("maj+tab")) {
            cliquer(3, 2);
            taper(QStringLiteral("n"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(page->grille->currentColumn(), 2);
            QCOMPARE(cellule(3, 2), QStringLiteral("N"));
        } else if (geste == QLatin1String("entree")) {
            touche(Qt::Key_Return);
        } else if (geste == QLatin1String("bas")) {
            touche(Qt::Key_Down);
        } else if (geste == QLatin1String("droite")) {
            touche(Qt::Key_Right);
        } else if (geste == QLatin1String("menu")) {
            QContextMenuEvent e(QContextMenuEvent::Mouse, centre(6, 8));
            choisir_dans_menu([&] { QApplication::sendEvent(page->grille->viewport(), &e); }, "testrussi1");
        }
        if (geste != QLatin1String("entree") && geste != QLatin1String("menu"))
            QCOMPARE(cellule(1, 2), QStringLiteral("O"));
        QCOMPARE(pixel(page->Ima_courbe->picture(), 27, 176), point);
    }

    void touches_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("redessine");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("left") << int(Qt::Key_Left) << true;
        QTest::newRow("up") << int(Qt::Key_Up) << true;
        QTest::newRow("right") << int(Qt::Key_Right) << true;
        QTest::newRow("down") << int(Qt::Key_Down) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << false;
        QTest::newRow("tab") << int(Qt::Key_Tab) << true;
        QTest::newRow("backtab") << int(Qt::Key_Backtab) << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << false;
    }
    void touches()
    {
        QFETCH(int, touche);
        QFETCH(bool, redessine);
        const qint64 avant = cle_courbe();
        page->grilleKeyDown(touche);
        QCOMPARE(cle_courbe() != avant, redessine);
    }

    void titres_jamais_courants_data()
    {
        QTest::addColumn<QString>("entetes");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        // Whatever the pupil does, the tracked cell stays among rows 1..50 and
        // columns 1..10. `entetes`: the first twelve lines of a file opened
        // first ("" keeps the start-up headings); `frappe`: keys reaching the
        // grid itself while the editor of the clicked cell is open; then `touche`.
        QTest::newRow("up from row 1") << "" << 3 << 1 << "" << int(Qt::Key_Up) << 0;
        QTest::newRow("left from column 1") << "" << 1 << 5 << "" << int(Qt::Key_Left) << 0;
        QTest::newRow("page up") << "" << 4 << 20 << "" << int(Qt::Key_PageUp) << 0;
        QTest::newRow("home") << "" << 6 << 7 << "" << int(Qt::Key_Home) << 0;
        QTest::newRow("ctrl+home") << "" << 6 << 7 << "" << int(Qt::Key_Home) << int(Qt::ControlModifier);
        QTest::newRow("backtab from the first cell") << "" << 1 << 1 << "" << int(Qt::Key_Backtab) << 0;
        QTest::newRow("tab from the last cell") << "" << 10 << 50 << "" << int(Qt::Key_Tab) << 0;
        // The grid's search by typed text wraps round the column to its heading:
        // "e" as in "ess3", or a digit as in the numbers a .nst programme file
        // leaves in the heading row when it is opened on this page.
        QTest::newRow("e searched up to ess3") << "" << 3 << 9 << "e" << 0 << 0;
        QTest::newRow("9 searched up to a programme's heading")
            << "2|7|13|150|6|9|144|14|26|150|6|10" << 5 << 45 << "9" << 0 << 0;
        QTest::newRow("the monkey's 9s, then F2")
            << "40|7|13|150|6|9|144|14|26|150|6|10" << 5 << 3 << "99999999999" << int(Qt::Key_F2) << 0;
    }
    void titres_jamais_courants()
    {
        QFETCH(QString, entetes);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, frappe);
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        if (!entetes.isEmpty()) {
            QList<QByteArray> lignes = fichier_depart().split('\n');
            const QStringList nouvelles = entetes.split(QLatin1Char('|'));
            for (int k = 0; k < nouvelles.size(); ++k) lignes[k] = nouvelles[k].toLatin1() + '\r';
            const QString chemin = dir.filePath(QStringLiteral("entetes.fch"));
            ecrire_tout(chemin, lignes.join('\n'));
            QVERIFY(page->lec_fechner(chemin));
            QCOMPARE(page->grille->horizontalHeaderItem(5)->text(), nouvelles[5]);
        }
        cliquer(col, row);
        if (!frappe.isEmpty()) {
            QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
            QTest::keyClicks(page->grille, frappe);
        }
        if (touche) QTest::keyClick(page->grille, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        GrilleChaines *g = page->grille;
        QVERIFY2(g->currentRow() >= 1 && g->currentRow() <= 50 && g->currentColumn() >= 1 && g->currentColumn() <= 10,
                 qPrintable(QStringLiteral("current cell %1, %2").arg(g->currentColumn()).arg(g->currentRow())));
        QCOMPARE(page->donnees().colonne_courante(), g->currentColumn());
        QCOMPARE(page->donnees().ligne_courante(), g->currentRow());
    }

    void entree_redessine()
    {
        cliquer(1, 1);
        taper(QStringLiteral("10"));
        touche(Qt::Key_Return);
        QCOMPARE(pixel(page->Ima_courbe->picture(), 27, 176), ROUGE);
    }

    void clic_redessine()
    {
        page->ajoute(QStringLiteral("10"));
        const qint64 avant = cle_courbe();
        cliquer(1, 1);
        QVERIFY(cle_courbe() != avant);
    }

    void fleche_gauche_dans_le_texte()
    {
        // Left moves the caret inside the text, and to the previous cell from its start.
        cliquer(3, 3);
        taper(QStringLiteral("12"));
        touche(Qt::Key_Left);
        QCOMPARE(page->grille->currentColumn(), 3);
        touche(Qt::Key_Left);
        touche(Qt::Key_Left);
        QCOMPARE(page->grille->currentColumn(), 2);
        QCOMPARE(cellule(3, 3), QStringLiteral("12"));
    }

    void clic_droit_ne_deplace_pas()
    {
        cliquer(2, 3);
        QTest::mousePress(page->grille->viewport(), Qt::RightButton, {}, centre(5, 8));
        QTest::mouseRelease(page->grille->viewport(), Qt::RightButton, {}, centre(5, 8));
        QCOMPARE(page->grille->currentRow(), 3);
        QCOMPARE(page->grille->currentColumn(), 2);
        QCOMPARE(page->donnees().ligne_courante(), 3);
    }

    void menu_du_dernier_choix()
    {
        // The last cell selected is a mass cell; a right click over an outcome
        // cell offers the mass menu and writes into the mass cell.
        cliquer(2, 3);
        QContextMenuEvent e(QContextMenuEvent::Mouse, centre(6, 8));
        QMenu *m = choisir_dans_menu([&] { QApplication::sendEvent(page->grille->viewport(), &e); }, "N50g1");
        QCOMPARE(m, page->PopupMenu2);
        QCOMPARE(cellule(2, 3), QStringLiteral("50"));
        QCOMPARE(cellule(6, 8), QString());
        QCOMPARE(page->grille->currentRow(), 3);
    }

    void menu_sur_l_editeur()
    {
        cliquer(2, 4);
        taper(QStringLiteral("x"));
        QWidget *editeur = QApplication::focusWidget();
        QVERIFY(editeur != page->grille);
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(3, 3));
        QMenu *m = choisir_dans_menu([&] { QApplication::sendEvent(editeur, &e); }, "testchou1");
        QCOMPARE(m, page->PopupMenu1);
        QCOMPARE(cellule(2, 4), QStringLiteral("N"));
    }

    void test_reussi_au_depart()
    {
        // Before any selection the grid offers the outcome menu, though the
        // tracked cell (row 1) is a mass cell.
        QContextMenuEvent e(QContextMenuEvent::Mouse, centre(4, 4));
        QMenu *m = choisir_dans_menu([&] { QApplication::sendEvent(page->grille->viewport(), &e); }, "testrussi1");
        QCOMPARE(m, page->PopupMenu1);
        QCOMPARE(cellule(1, 1), QStringLiteral("O"));
        cliquer(3, 3);
        QCOMPARE(cellule(1, 1), QStringLiteral("O?"));
    }

    void masses_du_menu_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("libelle");
        const char *noms[] = {"lavaleurdelapetitemasse1", "ajoute1", "N15g1", "N20g1", "N25g1", "N30g1",
                              "N40g1", "N50g1", "N60g1", "N70g1", "N80g1", "N100g1", "N120g1", "N140g1",
                              "N1601", "N180g1", "N200g1", "N220g1", "N250g1", "N280g1", "N300g1"};
        const char *libelles[] = {"5 g",   "10 g",  "15 g",  "20 g",  "25 g",  "30 g",  "40 g",
                                  "50 g",  "60 g",  "70 g",  "80 g",  "100 g", "120 g", "140 g",
                                  "160 g", "180 g", "200 g", "220 g", "250 g", "280 g", "300 g"};
        for (int k = 0; k < 21; ++k) QTest::newRow(noms[k]) << noms[k] << libelles[k];
    }
    void masses_du_menu()
    {
        QFETCH(QString, nom);
        QFETCH(QString, libelle);
        cliquer(7, 11);
        QAction *a = page->PopupMenu2->findChild<QAction *>(nom);
        QVERIFY(a);
        QCOMPARE(a->text(), libelle);
        const qint64 avant = cle_courbe();
        a->trigger();
        // The value written is the caption without its unit.
        QCOMPARE(cellule(7, 11), libelle.chopped(2));
        QCOMPARE(page->donnees().cellule(7, 11), libelle.chopped(2));
        QVERIFY(cle_courbe() != avant);
    }

    void ordre_des_menus()
    {
        const QList<QAction *> a = page->PopupMenu2->actions();
        QCOMPARE(a.size(), 22);
        QCOMPARE(a[0]->objectName(), QStringLiteral("Saisissezdanscettecase1"));
        QCOMPARE(a[0]->text(), QStringLiteral("Quelle masse  ajoutée ?"));
        QCOMPARE(a[21]->objectName(), QStringLiteral("N300g1"));
        const QList<QAction *> b = page->PopupMenu1->actions();
        QCOMPARE(b.size(), 2);
        QCOMPARE(b[0]->text(), QStringLiteral("test réussi (O)"));
        QCOMPARE(b[1]->text(), QStringLiteral("test échoué (N)"));
    }

    void question_sans_effet()
    {
        cliquer(2, 3);
        taper(QStringLiteral("40"));
        const qint64 avant = cle_courbe();
        page->PopupMenu2->findChild<QAction *>(QStringLiteral("Saisissezdanscettecase1"))->trigger();
        QCOMPARE(cellule(2, 3), QStringLiteral("40"));
        QCOMPARE(cle_courbe(), avant);
    }

    void zoom_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("souris");
        QTest::addColumn<int>("echelle");
        // One step of 10 g for a left click, five for a right press.
        QTest::newRow("+ left") << "BitBtn5" << int(Qt::LeftButton) << 90;
        QTest::newRow("- left") << "BitBtn7" << int(Qt::LeftButton) << 110;
        QTest::newRow("+ right: five steps") << "BitBtn5" << int(Qt::RightButton) << 50;
        QTest::newRow("- right at 100 gives 150") << "BitBtn7" << int(Qt::RightButton) << 150;
        QTest::newRow("middle does nothing") << "BitBtn7" << int(Qt::MiddleButton) << 100;
    }
    void zoom()
    {
        QFETCH(QString, bouton);
        QFETCH(int, souris);
        QFETCH(int, echelle);
        auto *b = page->findChild<QAbstractButton *>(bouton);
        QTest::mouseClick(b, Qt::MouseButton(souris));
        QCOMPARE(page->courbe().echelle(), echelle);
    }

    void double_clic_droit()
    {
        // Two quick right presses on "-": ten steps.
        QTest::mousePress(page->BitBtn7, Qt::RightButton);
        QTest::mouseRelease(page->BitBtn7, Qt::RightButton);
        QTest::mouseDClick(page->BitBtn7, Qt::RightButton);
        QCOMPARE(page->courbe().echelle(), 200);
    }

    void zoom_minimum()
    {
        for (int k = 0; k < 12; ++k) page->BitBtn5Click();
        QCOMPARE(page->courbe().echelle(), 10);
        const qint64 avant = cle_courbe();
        page->BitBtn5Click();
        QCOMPARE(page->courbe().echelle(), 10);
        QVERIFY(cle_courbe() != avant); // redrawn all the same
        page->BitBtn7Click();
        QCOMPARE(page->courbe().echelle(), 20);
    }

    void sauvegarde_au_depart()
    {
        const QString chemin = dir.filePath(QStringLiteral("depart.fch"));
        QVERIFY(page->sauver_fechner(chemin));
        QCOMPARE(lire_tout(chemin), fichier_depart());
        QVERIFY(rapports.isEmpty());
    }

    void sauvegarde_du_texte_en_cours()
    {
        // What is typed is saved even while the cell is still being edited.
        cliquer(4, 9);
        taper(QStringLiteral("25"));
        const QString chemin = dir.filePath(QStringLiteral("encours.fch"));
        QVERIFY(page->sauver_fechner(chemin));
        const QList<QByteArray> l = lire_tout(chemin).split('\n');
        QCOMPARE(l[9 * 12 + 4], QByteArray("25\r"));
    }

    void accents_aller_retour()
    {
        cliquer(2, 4);
        taper(QStringLiteral("éèàç"));
        cliquer(2, 5);
        const QString chemin = dir.filePath(QStringLiteral("accents.fch"));
        QVERIFY(page->sauver_fechner(chemin));
        QVERIFY(lire_tout(chemin).contains("\xE9\xE8\xE0\xE7?\r\n"));
        HoteEssai autre_hote;
        PageFechner autre(&autre_hote);
        QVERIFY(autre.lec_fechner(chemin));
        QCOMPARE(autre.grille->item(4, 2)->text(), QStringLiteral("éèàç?"));
    }

    void ouverture_data()
    {
        QTest::addColumn<int>("lignes");
        // A full file replaces every cell, headings and twelfth values
        // included; a short one empties the cells past its end.
        QTest::newRow("612 lines") << 612;
        QTest::newRow("100 lines") << 100;
        QTest::newRow("1 line") << 1;
    }
    void ouverture()
    {
        QFETCH(int, lignes);
        QByteArray octets;
        for (int k = 0; k < lignes; ++k) octets += QByteArray::number(k / 12) + "." + QByteArray::number(k % 12) + "\r\n";
        const QString chemin = dir.filePath(QStringLiteral("classe.fch"));
        ecrire_tout(chemin, octets);
        cliquer(3, 4);
        QVERIFY(page->lec_fechner(chemin));
        for (int r = 0; r < 51; ++r)
            for (int c = 0; c < 12; ++c) {
                const QString attendu = r * 12 + c < lignes ? QStringLiteral("%1.%2").arg(r).arg(c) : QString();
                QCOMPARE(page->donnees().cellule(c, r), attendu);
                if (c < 11) QCOMPARE(cellule(c, r), attendu);
            }
        QCOMPARE(page->grille->verticalHeaderItem(1)->text(), lignes > 12 ? QStringLiteral("1.0") : QString());
        QCOMPARE(page->grille->horizontalHeaderItem(1)->text(), QStringLiteral("0.1").left(lignes > 1 ? 3 : 0));
        // The page comes forward, the scale comes back, the tracked cell and the menu stay.
        QCOMPARE(hote->pages_montrees, QList<int>{PageFechner::INDEX_PAGE});
        QCOMPARE(page->courbe().echelle(), 100);
        QCOMPARE(page->donnees().ligne_courante(), 4);
        QCOMPARE(page->donnees().colonne_courante(), 3);
        QCOMPARE(page->menu_grille(), page->PopupMenu1);
        // Saved again, the file comes back byte for byte (when it was whole).
        const QString copie = dir.filePath(QStringLiteral("copie.fch"));
        QVERIFY(page->sauver_fechner(copie));
        if (lignes == 612) QCOMPARE(lire_tout(copie), octets);
    }

    void ouverture_a_l_echelle_10()
    {
        for (int k = 0; k < 9; ++k) page->BitBtn5Click();
        QCOMPARE(page->courbe().echelle(), 10);
        const QString chemin = dir.filePath(QStringLiteral("e10.fch"));
        ecrire_tout(chemin, fichier_depart());
        QVERIFY(page->lec_fechner(chemin));
        QCOMPARE(page->courbe().echelle(), 20);
    }

    void ouverture_impossible_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("missing file") << "absent.fch";
        QTest::newRow("folder") << "dossier.fch";
    }
    void ouverture_impossible()
    {
        QFETCH(QString, nom);
        QDir(dir.path()).mkdir(QStringLiteral("dossier.fch"));
        cliquer(2, 3);
        taper(QStringLiteral("30"));
        const qint64 avant = cle_courbe();
        QVERIFY(!page->lec_fechner(dir.filePath(nom)));
        QCOMPARE(cellule(2, 3), QStringLiteral("30"));
        QCOMPARE(cellule(0, 1), QStringLiteral("0g"));
        QVERIFY(hote->pages_montrees.isEmpty());
        QCOMPARE(cle_courbe(), avant);
        QVERIFY(rapports.isEmpty());
    }

    void sauvegarde_impossible()
    {
        QDir(dir.path()).mkdir(QStringLiteral("pris.fch"));
        const QString chemin = dir.filePath(QStringLiteral("pris.fch"));
        QVERIFY(!page->sauver_fechner(chemin));
        QCOMPARE(rapports, QStringList{QStringLiteral("Ne peut créer le fichier %1.").arg(chemin)});
        QVERIFY(QFileInfo(chemin).isDir());
    }

    void sauvegarde_dossier_lecture_seule_posix_data()
    {
        QTest::addColumn<bool>("fichier_ecrivable");
        QTest::addColumn<bool>("sauve");
        // A class folder that takes no new file, for an ordinary user (root is
        // run as one): a file that may be written is overwritten in place; a
        // read-only one is kept and the pupil is told.
        QTest::newRow("writable file") << true << true;
        QTest::newRow("read-only file") << false << false;
    }
    void sauvegarde_dossier_lecture_seule_posix()
    {
        SANS_WINDOWS("an ordinary user's rights on a folder, in a forked child");
        QFETCH(bool, fichier_ecrivable);
        QFETCH(bool, sauve);
        QTemporaryDir seul(QStringLiteral("/tmp/kalmeno-XXXXXX"));
        const QString chemin = seul.filePath(QStringLiteral("classe.fch"));
        ecrire_tout(chemin, "old");
        if (!fichier_ecrivable) QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ReadOther);
        fermer_dossier(seul.path());
        const ResultatFils r = dans_un_fils({true, -1, seul.path()}, [&]() -> QByteArray {
            const bool ok = page->sauver_fechner(chemin);
            return (ok ? "true|" : "false|") + rapports.join(QLatin1Char('|')).toUtf8();
        });
        QFile::setPermissions(seul.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(r.statut, 0);
        if (sauve) {
            QCOMPARE(r.sortie, QByteArray("true|"));
            QCOMPARE(lire_tout(chemin), fichier_depart());
        } else {
            QCOMPARE(QString::fromUtf8(r.sortie), QStringLiteral("false|Ne peut créer le fichier %1.").arg(chemin));
            QCOMPARE(lire_tout(chemin), QByteArray("old"));
        }
    }

    void ouverture_fichier_enorme_data()
    {
        QTest::addColumn<QByteArray>("debut");
        // A file of hundreds of MB chosen by mistake: no line end at all, or a
        // line past the bound among the grid's lines.
        QTest::newRow("no line end") << QByteArray();
        QTest::newRow("line 612 too long") << QByteArray("x\r\n").repeated(611);
    }
    void ouverture_fichier_enorme()
    {
        // The pupil is told and the grid on screen stays as it was.
        QFETCH(QByteArray, debut);
        const QString chemin = dir.filePath(QStringLiteral("enorme.fch"));
        ecrire_enorme(chemin, debut, qint64(400) * 1024 * 1024);
        cliquer(2, 3);
        taper(QStringLiteral("30"));
        touche(Qt::Key_Return);
        const qint64 avant = cle_courbe();
        QVERIFY(!page->lec_fechner(chemin));
        QCOMPARE(rapports, QStringList{QStringLiteral("Ne peut ouvrir le fichier %1.").arg(chemin)});
        QCOMPARE(cellule(2, 3), QStringLiteral("30"));
        QCOMPARE(page->donnees().cellule(2, 3), QStringLiteral("30"));
        QCOMPARE(cellule(0, 1), QStringLiteral("0g"));
        QVERIFY(hote->pages_montrees.isEmpty());
        QCOMPARE(cle_courbe(), avant);
        page->grille->viewport()->repaint();
        QFile::remove(chemin);
    }

    void analyse_de_la_cellule_en_cours_data()
    {
        QTest::addColumn<bool>("entree");
        QTest::newRow("o, Enter, cell not left") << true;
        QTest::newRow("o still in its editor") << false;
    }
    void analyse_de_la_cellule_en_cours()
    {
        // The pupil types "o" as the answer and clicks "Analyser" without
        // leaving the cell: the analysis counts what the grid shows, a felt
        // trial; the mass typed below it without an answer is no trial yet.
        QFETCH(bool, entree);
        cliquer(1, 11);
        taper(QStringLiteral("20"));
        touche(Qt::Key_Return);
        cliquer(2, 11);
        taper(QStringLiteral("30"));
        touche(Qt::Key_Return);
        cliquer(1, 12);
        taper(QStringLiteral("o"));
        if (entree) touche(Qt::Key_Return);
        QTest::mouseClick(page->Bouton_analyser, Qt::LeftButton);
        QVERIFY(page->fenetre_analyse());
        const AnalyseFechner &a = page->fenetre_analyse()->analyse();
        QCOMPARE(a.essais, 1);
        QCOMPARE(a.lignes.size(), 1);
        QCOMPARE(a.lignes[0].portee, 100);
        QCOMPARE(a.lignes[0].sentis, 1);
        page->fenetre_analyse()->close();
    }

    void sauvegarde_interrompue_posix()
    {
        SANS_WINDOWS("a file-size limit");
        // The disk refuses the bytes: the pupil is told, the old file is kept.
        const QString chemin = dir.filePath(QStringLiteral("ancien.fch"));
        ecrire_tout(chemin, "old");
        bool ok = true;
        {
            const LimiteTaille limite(200);
            QVERIFY(limite.posee);
            ok = page->sauver_fechner(chemin);
        }
        QVERIFY(!ok);
        QCOMPARE(rapports, QStringList{QStringLiteral("Ne peut créer le fichier %1.").arg(chemin)});
        QCOMPARE(lire_tout(chemin), QByteArray("old"));
    }
};

QTEST_MAIN(TstPageFechner)
#include "tst_pagefechner.moc"
