#include "fechner/fenetreanalyse.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillechaines.h"
#include "fechner/pagefechner.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "tests/hoteessai.h"
#include "fichiersessai.h"
#include "fenetresmodales.h"
#include "nomsaccessibles.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QAccessible>
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

namespace {

// Answers a file dialog: `noms` typed in the name box of folder `dossier`
// (several names between quotes for a multiple choice), or cancelled when
// `noms` is empty.
FenetresModales::Etape repondre(const QString &dossier, const QString &noms)
{
    return [dossier, noms](QWidget *m) {
        auto *d = qobject_cast<QFileDialog *>(m);
        QVERIFY2(d, qPrintable(FenetresModales::nom(m)));
        if (noms.isEmpty()) {
            d->reject();
            return;
        }
        d->setDirectory(dossier);
        d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(noms);
        QMetaObject::invokeMethod(d, "accept");
    };
}

QStringList colonne(const QTableWidget *t, int c)
{
    QStringList r;
    for (int i = 0; i < t->rowCount(); ++i) r << (t->item(i, c) ? t->item(i, c)->text() : QString());
    return r;
}

// A group's grid: separated answers at 200 g (threshold 15 g) and 400 g (35 g).
GrilleFechner grille_groupe()
{
    GrilleFechner g;
    g.ecrire_entetes();
    g.ecrire(1, 15, QStringLiteral("10"));
    g.ecrire(1, 16, QStringLiteral("N"));
    g.ecrire(2, 15, QStringLiteral("20"));
    g.ecrire(2, 16, QStringLiteral("O"));
    g.ecrire(1, 23, QStringLiteral("30"));
    g.ecrire(1, 24, QStringLiteral("N"));
    g.ecrire(2, 23, QStringLiteral("40"));
    g.ecrire(2, 24, QStringLiteral("O"));
    return g;
}

} // namespace

class TstFenetreAnalyse : public QObject {
    Q_OBJECT

    HoteEssai *hote = nullptr;
    PageFechner *page = nullptr;
    QStringList rapports;
    QTemporaryDir dir;

    QModelIndex index(int col, int row) const { return page->grille->model()->index(row, col); }
    void cliquer(int col, int row)
    {
        page->grille->scrollTo(index(col, row));
        QTest::mouseClick(page->grille->viewport(), Qt::LeftButton, {}, page->grille->visualRect(index(col, row)).center());
    }
    void taper(const QString &texte)
    {
        for (QChar c : texte) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

    FenetreAnalyse *ouvrir()
    {
        QTest::mouseClick(page->Bouton_analyser, Qt::LeftButton);
        return page->fenetre_analyse();
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
        page->ecrire_entetes();
        page->BitBtn3Click();
        page->grille->setFocus();
    }
    void cleanup()
    {
        delete hote;
        installer_rapporteur({});
    }

    void bouton_a_l_ecart_de_la_page()
    {
        // Between the question and the curve's frame: nothing of the page moves or is covered.
        QCOMPARE(page->Bouton_analyser->parentWidget(), page->GroupBox3);
        QCOMPARE(page->Bouton_analyser->geometry(), QRect(342, 189, 90, 21));
        QCOMPARE(page->Bouton_analyser->text(), QStringLiteral("Analyser"));
        for (QWidget *w : {static_cast<QWidget *>(page->Memo4), static_cast<QWidget *>(page->grille),
                           static_cast<QWidget *>(page->GroupBox5)})
            QVERIFY(!w->geometry().intersects(page->Bouton_analyser->geometry()));
    }

    void ouverture()
    {
        QVERIFY(!page->fenetre_analyse()); // made on first use
        FenetreAnalyse *f = ouvrir();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QVERIFY(f->isWindow());
        QCOMPARE(f->windowTitle(), QStringLiteral("Analyse des résultats"));
        QCOMPARE(f->Table_groupe->rowCount(), 0);
        QCOMPARE(f->Label_k_groupe->text(), QStringLiteral("Pas assez d'essais"));
        QVERIFY(f->Memo_explication->toPlainText().contains(QStringLiteral("Données de la grille de la page : pas assez d'essais")));
        QVERIFY(!f->Memo_explication->toPlainText().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        // A screen reader meets a window, and named tables the keyboard reaches.
        QCOMPARE(QAccessible::queryAccessibleInterface(f)->role(), QAccessible::Window);
        for (QTableWidget *t : {f->Table_groupe, f->Table_fichiers, f->Table_classe})
            QVERIFY(t->focusPolicy() & Qt::TabFocus);
        QCOMPARE(controles_sans_nom(f), QStringList()); // the scrolling frame takes no focus of its own
        // On a screen smaller than the window (800 × 600 here) the page scrolls
        // and the buttons stay in sight, whole.
        QVERIFY(f->width() <= f->screen()->availableGeometry().width());
        for (QWidget *b : {static_cast<QWidget *>(f->Bouton_copier), static_cast<QWidget *>(f->Bouton_exporter)})
            QVERIFY(f->rect().contains(QRect(b->mapTo(f, QPoint()), b->size())));
        QCOMPARE(ouvrir(), f); // a second click shows the same window
        QTest::keyClick(f->Choix_masse, Qt::Key_Escape); // Escape closes it, as a dialog
        QVERIFY(!f->isVisible());
        QCOMPARE(ouvrir(), f);
        // A file whose 200 g row is headed "abc": the row is said first, left out.
        GrilleFechner g;
        g.ecrire_entetes();
        g.ecrire(0, 15, QStringLiteral("abc"));
        g.ecrire(1, 15, QStringLiteral("10"));
        g.ecrire(1, 16, QStringLiteral("N"));
        QTemporaryDir d;
        QVERIFY(ecrire_fch(d.filePath(QStringLiteral("abc.fch")), g));
        QVERIFY(page->lec_fechner(d.filePath(QStringLiteral("abc.fch"))));
        f->actualiser();
        QVERIFY(f->Memo_explication->toPlainText().startsWith(QStringLiteral("Ligne 15 (« abc ») laissée de côté")));
        QCOMPARE(f->Table_groupe->rowCount(), 0);
    }

    void suit_la_grille()
    {
        FenetreAnalyse *f = ouvrir();
        page->grille->activateWindow();
        page->grille->setFocus();
        // The pupil types two trials at 200 g: 10 g not felt, 20 g felt.
        cliquer(1, 15);
        taper("10");
        cliquer(1, 16);
        taper("n");
        cliquer(2, 15);
        taper("20");
        cliquer(2, 16);
        taper("O");
        cliquer(3, 15);
        // By hand: the midpoint 15 g, 15 / 200 = 0.075.
        QTRY_COMPARE(f->Table_groupe->rowCount(), 1);
        QCOMPARE(f->Table_groupe->item(0, 0)->text(), QStringLiteral("200"));
        QCOMPARE(f->Table_groupe->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(f->Table_groupe->item(0, 3)->text(), QStringLiteral("15,0"));
        QCOMPARE(f->Table_groupe->item(0, 4)->text(), QStringLiteral("0,075"));
        QCOMPARE(f->Table_groupe->item(0, 5)->text(), QStringLiteral("entre 10 et 20 g"));
        QCOMPARE(f->Label_k_groupe->text(), QStringLiteral("k = 0,075 (1 masse, 2 essais)"));
        // Turned round (felt at 10 g, not at 20 g): no threshold, and the text says why.
        cliquer(1, 16);
        taper("O");
        cliquer(2, 16);
        taper("N");
        cliquer(3, 15);
        QTRY_COMPARE(f->Table_groupe->item(0, 5)->text(), QStringLiteral("réponses contradictoires"));
        QCOMPARE(f->Table_groupe->item(0, 3)->text(), QString());
        QVERIFY(f->Memo_explication->toPlainText().contains(QStringLiteral("Pas de seuil à 200 g (réponses contradictoires).")));
    }

    void suit_un_fichier_ouvert()
    {
        FenetreAnalyse *f = ouvrir();
        const QString chemin = dir.filePath(QStringLiteral("groupe.fch"));
        QVERIFY(ecrire_fch(chemin, grille_groupe()));
        QVERIFY(page->lec_fechner(chemin));
        QTRY_COMPARE(colonne(f->Table_groupe, 3), (QStringList{"15,0", "35,0"}));
        // By hand: k = (15/200 + 35/400) / 2 = 0,08125.
        QCOMPARE(f->Label_k_groupe->text(), QStringLiteral("k = 0,081 (2 masses, 4 essais)"));
        // The psychometric curve of each carried mass, of the grid's rows.
        QCOMPARE(f->Choix_masse->count(), 2);
        QCOMPARE(f->Choix_masse->itemText(1), QStringLiteral("Grille : 400 g"));
        QCOMPARE(f->Onglets_traces->count(), 3);
    }

    void resultats_de_la_classe()
    {
        FenetreAnalyse *f = ouvrir();
        QVERIFY(ecrire_fch(dir.filePath(QStringLiteral("a.fch")), grille_groupe()));
        ecrire_tout(dir.filePath(QStringLiteral("b.fch")), QByteArray(""));
        GrilleFechner c = grille_groupe();
        c.ecrire(3, 15, QStringLiteral("12"));
        c.ecrire(3, 16, QStringLiteral("O"));
        QVERIFY(ecrire_fch(dir.filePath(QStringLiteral("c.fch")), c));
        FenetresModales modales({repondre(dir.path(), QStringLiteral("\"a.fch\" \"b.fch\" \"c.fch\""))});
        QTest::mouseClick(f->Bouton_classe, Qt::LeftButton);
        QCOMPARE(colonne(f->Table_fichiers, 0), (QStringList{"a.fch", "b.fch", "c.fch"}));
        // The empty file is listed with its reason and left out; the others are analysed.
        QCOMPARE(colonne(f->Table_fichiers, 2).at(1), QStringLiteral("écarté : fichier vide"));
        QCOMPARE(colonne(f->Table_fichiers, 1).at(0), QStringLiteral("0,081"));
        QCOMPARE(f->Label_classe->text(), QStringLiteral("2 fichier(s) retenu(s) sur 3"));
        // Pooled at 200 g: 10N 20O 10N 20O 12O, separated at 10/12: midpoint 11.
        QCOMPARE(colonne(f->Table_classe, 1), (QStringList{"5", "4"}));
        QCOMPARE(colonne(f->Table_classe, 3), (QStringList{"11,0", "35,0"}));
        // The groups' k: 0,08125 and (11/200 + 35/400) / 2 = 0,07125.
        QVERIFY(f->Label_k_classe->text().endsWith(QStringLiteral("Groupes : k moyen = 0,076 ± 0,010 (moyenne ± 2 erreurs types ; 2 groupes)")));
        QCOMPARE(f->Choix_masse->itemText(1), QStringLiteral("Classe : 400 g")); // the page's grid is empty
        QVERIFY(f->classe());
        QCOMPARE(f->classe()->retenus(), 2);
        // A cancelled choice keeps the class shown.
        FenetresModales annulee({repondre(dir.path(), QString())});
        QTest::mouseClick(f->Bouton_classe, Qt::LeftButton);
        QCOMPARE(f->Table_fichiers->rowCount(), 3);
    }

    void exporter_les_donnees()
    {
        FenetreAnalyse *f = ouvrir();
        QVERIFY(page->lec_fechner([this] {
            const QString chemin = dir.filePath(QStringLiteral("g.fch"));
            ecrire_fch(chemin, grille_groupe());
            return chemin;
        }()));
        f->actualiser();
        // A name without extension gets ".csv".
        FenetresModales modales({repondre(dir.path(), QStringLiteral("donnees"))});
        QTest::mouseClick(f->Bouton_exporter, Qt::LeftButton);
        const QByteArray octets = lire_tout(dir.filePath(QStringLiteral("donnees.csv")));
        QVERIFY(octets.startsWith("\xEF\xBB\xBF" "Analyse;Grille de la page\r\n"));
        // 35 / 400 = 0.0875 is held as 0.08749999…, just below the half: 0,087.
        QVERIFY(octets.contains("200;2;;15,0;10,0;20,0;0,075;entre 10 et 20 g\r\n400;2;;35,0;30,0;40,0;0,087;entre 30 et 40 g\r\n"
                                "k;0,081;;;2;4\r\n"));
        QVERIFY(rapports.isEmpty());
    }

    void enregistrer_et_copier_l_image()
    {
        FenetreAnalyse *f = ouvrir();
        FenetresModales modales({repondre(dir.path(), QStringLiteral("analyse"))});
        QTest::mouseClick(f->Bouton_enregistrer, Qt::LeftButton);
        QImage lue;
        QVERIFY(lue.load(dir.filePath(QStringLiteral("analyse.png"))));
        QCOMPARE(lue.size(), QSize(872, 428));
        QCOMPARE(lue.convertToFormat(QImage::Format_RGB32), f->image().convertToFormat(QImage::Format_RGB32));
        QTest::mouseClick(f->Bouton_copier, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(872, 428));
    }

    void enregistrement_impossible()
    {
        FenetreAnalyse *f = ouvrir();
        // A folder in place of the file: reported, nothing written.
        QDir(dir.path()).mkpath(QStringLiteral("pris.png"));
        QVERIFY(!f->enregistrer_image(dir.filePath(QStringLiteral("pris.png"))));
        QCOMPARE(rapports, QStringList{QStringLiteral("Ne peut créer le fichier %1.").arg(dir.filePath("pris.png"))});
        rapports.clear();
        QVERIFY(!f->exporter_donnees(dir.filePath(QStringLiteral("absent/d.csv"))));
        QCOMPARE(rapports.size(), 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("absent/d.csv"))));
    }
};

QTEST_MAIN(TstFenetreAnalyse)
#include "tst_fenetreanalyse.moc"
