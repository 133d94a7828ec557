#include "app/tform1.h"
#include "colour/pagecontrastes.h"
#include "common/erreures.h"
#include "common/exportcsv.h"
#include "common/feuille.h"
#include "common/plateforme.h"
#include "common/sortiespage.h"
#include "fechner/csvfechner.h"
#include "fechner/grillechaines.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "nerve/pagenerf.h"
#include "classeurlu.h"
#include "fichiersessai.h"
#include "filsessai.h"
#include "fenetresmodales.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A start directory holding copies of the five picture files of the run directory.
struct RepDepart {
    QTemporaryDir dir;
    QString ancien = QDir::currentPath();
    RepDepart()
    {
        const QString run = qEnvironmentVariable("KALMENO_RUN_DIR");
        for (const char *f : {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp", "ess0.nst"})
            QFile::copy(run + "/" + f, dir.filePath(f));
        QDir::setCurrent(dir.path());
    }
    ~RepDepart() { QDir::setCurrent(ancien); }
    QString chemin(const QString &f) const { return QDir(dir.path()).canonicalPath() + "/" + f; }
};

// Answers a save dialog with a file and, when given, one of its filters.
FenetresModales::Etape fichier(const QString &chemin, const QString &filtre = {}, QString *titre = nullptr)
{
    return [=](QWidget *m) {
        auto *d = qobject_cast<QFileDialog *>(m);
        QVERIFY2(d, "a file dialog was expected");
        if (titre) *titre = d->windowTitle();
        if (!filtre.isEmpty()) {
            // The kind chosen in the list with the keyboard, as a pupil would.
            auto *types = d->findChild<QComboBox *>("fileTypeCombo");
            QVERIFY(types);
            for (int i = 0; i < types->count() && types->currentText() != filtre; ++i)
                QTest::keyClick(types, Qt::Key_Down);
            QCOMPARE(types->currentText(), filtre);
        }
        d->findChild<QLineEdit *>("fileNameEdit")->setText(chemin); // typed by the pupil
        QMetaObject::invokeMethod(d, "accept");
    };
}

// Answers the question of the pupils' names.
FenetresModales::Etape noms(const QString &texte)
{
    return [=](QWidget *m) {
        auto *d = qobject_cast<QInputDialog *>(m);
        QVERIFY2(d, "the names were expected");
        d->setTextValue(texte);
        d->accept();
    };
}

QAction *element(TForm1 &f, const char *nom) { return f.findChild<QAction *>(QLatin1String(nom)); }

// Opens the "Fichier" menu as the pupil does before choosing an item.
void ouvrir_fichier(TForm1 &f) { Q_EMIT f.findChild<QMenu *>("Fichier1")->aboutToShow(); }

void choisir(TForm1 &f, const char *nom)
{
    ouvrir_fichier(f);
    QAction *a = element(f, nom);
    QVERIFY(a->isEnabled());
    a->trigger();
}

QStringList lignes_csv(const QString &chemin)
{
    QByteArray o = lire_tout(chemin);
    if (!o.startsWith("\xEF\xBB\xBF")) return {"<pas de BOM>"};
    QStringList l = QString::fromUtf8(o.mid(3)).split("\r\n");
    if (l.last().isEmpty()) l.removeLast();
    return l;
}

} // namespace

// The "Fichier" items that take a page out of the program, driven through the
// real menu items and dialogs.
class TstSortiesPage : public QObject {
    Q_OBJECT
    QStringList rapports;

private Q_SLOTS:
    void init()
    {
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-sorties-csb");
        rapports.clear();
        installer_rapporteur([this](const QString &t) { rapports << t; });
    }
    void cleanup() { installer_rapporteur(nullptr); }

    void menu_fichier()
    {
        RepDepart r;
        TForm1 f;
        QStringList textes;
        for (QAction *a : f.findChild<QMenu *>("Fichier1")->actions()) textes << (a->isSeparator() ? "-" : QString(a->text()).remove(QLatin1Char('&')));
        QCOMPARE(textes, (QStringList{"Ouvrir", "Enregistrer", "-", "Copier l'image de la page",
                                      "Enregistrer l'image de la page…", "Imprimer la page…",
                                      "Exporter la page en PDF…", "Exporter les données…", "Noms des élèves…", "-",
                                      "Quitter"}));
    }

    // Which pages have data to give, before and after the pupil made some.
    void donnees_actives_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("avant");
        QTest::addColumn<bool>("apres");
        QTest::newRow("0 questionnaire: always") << 0 << true << true;
        QTest::newRow("1 receptive fields: never") << 1 << false << false;
        QTest::newRow("2 Fechner: once a trial") << 2 << false << true;
        QTest::newRow("3 nerve: once a run") << 3 << false << true;
        QTest::newRow("4 reflex: never") << 4 << false << false;
        QTest::newRow("5 Nernst: once a programme") << 5 << false << true;
    }
    void donnees_actives()
    {
        QFETCH(int, page);
        QFETCH(bool, avant);
        QFETCH(bool, apres);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(page);
        ouvrir_fichier(f);
        QCOMPARE(element(f, "Exporterdonnees1")->isEnabled(), avant);
        for (const char *nom : {"Copierimage1", "Enregistrerimage1", "Imprimer1", "ExporterPdf1"})
            QVERIFY(element(f, nom)->isEnabled());
        if (page == 2) {
            f.page_fechner()->ajoute1Click(); // 10 g into row 1, column 1
        } else if (page == 3) {
            f.page_nerf()->BitBtn22Click();
        } else if (page == 5) {
            f.page_nernst()->BitBtn14Click(); // "Lancer COURBE", one tick, "STOP"
            f.page_nernst()->Timer_courbeTimer();
            f.page_nernst()->BitBtn14Click();
        }
        ouvrir_fichier(f);
        QCOMPARE(element(f, "Exporterdonnees1")->isEnabled(), apres);
    }

    // "Exporter les données…" on each page with data: the file read back.
    void exporter_donnees_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("debut"); // first lines of the file
        QTest::addColumn<int>("nb_lignes");
        QTest::newRow("questionnaire after a correction")
            << 0 << QStringList{"couleur réelle;couleur vue;réponse juste", "rouge (#FF0000);;non"} << 9;
        QTest::newRow("Fechner grid")
            << 2 << QStringList{"masse portée (g);essai;masse ajoutée (g);ressentie (O/N)", "0;1;10;O", "20;2;5;N"} << 3;
        QTest::newRow("nerve trace") << 3 << QStringList{"intensité (V);0,00", "second stimulus;non"} << 90;
        QTest::newRow("Nernst programme")
            << 5
            << QStringList{"étape;GK (%);GNa (%);[K]i (mmol/L);[K]e (mmol/L);[Na]i (mmol/L);[Na]e (mmol/L);Em (mV)",
                           "1;100;0;150;6;8;144;-85,37", "2;0;100;150;6;8;144;-4,36"}
            << 3;
    }
    void exporter_donnees()
    {
        QFETCH(int, page);
        QFETCH(QStringList, debut);
        QFETCH(int, nb_lignes);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(page);
        if (page == 0) {
            f.page_contrastes->BitBtn2Click();
        } else if (page == 2) {
            PageFechner *p = f.page_fechner();
            p->ajoute1Click();           // 10 g at row 1, column 1
            p->grilleSelectCell(1, 2);
            p->testrussi1Click();        // felt
            p->grilleSelectCell(2, 3);
            p->lavaleurdelapetitemasse1Click();
            p->grilleSelectCell(2, 4);
            p->testchou1Click();
        } else if (page == 3) {
            f.page_nerf()->BitBtn22Click();
        } else if (page == 5) {
            ecrire_tout(r.chemin("deux.nst"),
                        "2\r\n100\r\n0\r\n150\r\n6\r\n8\r\n144\r\n0\r\n100\r\n150\r\n6\r\n8\r\n144\r\n"
                        "-8.53700000000000E+0001\r\n 7.66600000000000E+0001\r\n");
            QVERIFY(f.page_nernst()->lec_nernst(r.chemin("deux.nst"), false));
        }
        QString titre;
        FenetresModales modales({fichier(r.chemin("resultats"), {}, &titre)});
        choisir(f, "Exporterdonnees1");
        QCOMPARE(titre, QString("Exporter les données"));
        const QStringList l = lignes_csv(r.chemin("resultats.csv")); // the extension added
        QCOMPARE(l.mid(0, debut.size()), debut);
        QCOMPARE(l.size(), nb_lignes);
        // The same numbers in a workbook, the other kind of the dialog.
        {
            FenetresModales modales({fichier(r.chemin("resultats"), "Classeur Excel/LibreOffice (*.xlsx)")});
            choisir(f, "Exporterdonnees1");
        }
        const Classeur c = f.donnees_page(page)();
        QCOMPARE(classeur::lignes_csv(c).size(), l.size());
        verifier_classeur(r.chemin("resultats.xlsx"), c);
        QVERIFY(rapports.isEmpty());
    }

    void enregistrer_image_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("facteur");
        QTest::newRow("Fechner, screen size") << 2 << 1;
        QTest::newRow("Nernst, twice for printing") << 5 << 2;
        QTest::newRow("colours, screen size") << 0 << 1;
    }
    void enregistrer_image()
    {
        QFETCH(int, page);
        QFETCH(int, facteur);
        RepDepart r;
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(page);
        const QString filtre = facteur == 2 ? "Image PNG en double taille, pour l'impression (*.png)" : "";
        FenetresModales modales({fichier(r.chemin("page"), filtre)});
        choisir(f, "Enregistrerimage1");
        QImage lue(r.chemin("page.png"));
        QVERIFY(!lue.isNull());
        // The page without the tabs: the notebook's page area, pixel for pixel.
        const QImage ecran = f.image_page(page);
        QCOMPARE(ecran.size(), f.Notebook1->currentWidget()->size());
        QCOMPARE(lue.convertToFormat(QImage::Format_RGB32), agrandie(ecran, facteur));
    }

    void copier_image()
    {
        RepDepart r;
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(3);
        choisir(f, "Copierimage1");
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), f.image_page(3));
    }

    // The names are asked at the first sheet only, and printed in its heading.
    void exporter_pdf()
    {
        RepDepart r;
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(2);
        FenetresModales modales({noms("Léa et Hugo"), fichier(r.chemin("fechner"))});
        choisir(f, "ExporterPdf1");
        QCOMPARE(f.sorties->eleves(), QString("Léa et Hugo"));
        const QByteArray pdf = lire_tout(r.chemin("fechner.pdf"));
        QVERIFY2(pdf.startsWith("%PDF"), qPrintable(QDir(r.dir.path()).entryList().join(' ')));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);

        f.Notebook1->setCurrentIndex(5);
        FenetresModales modales_nernst({fichier(r.chemin("nernst.pdf"))}); // no second question
        choisir(f, "ExporterPdf1");
        QVERIFY(lire_tout(r.chemin("nernst.pdf")).startsWith("%PDF"));
        QVERIFY(rapports.isEmpty());
    }

    // "Noms des élèves…" changes the names at any time, proposing the
    // current ones; a sheet is headed by the page's full name.
    void changer_les_noms_linux()
    {
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.sorties->fixer_eleves("Léa et Hugo");
        f.Notebook1->setCurrentIndex(4);
        QString propose;
        {
            FenetresModales modales({[&](QWidget *m) {
                auto *d = qobject_cast<QInputDialog *>(m);
                QVERIFY(d);
                propose = d->textValue();
                d->setTextValue("Zoé et Paul");
                d->accept();
            }});
            ouvrir_fichier(f);
            element(f, "Nomseleves1")->trigger();
        }
        QCOMPARE(propose, QString("Léa et Hugo"));
        QCOMPARE(f.sorties->eleves(), QString("Zoé et Paul"));
        {
            FenetresModales modales({fichier(r.chemin("activite.pdf"))}); // the names are known: no question
            choisir(f, "ExporterPdf1");
        }
        SANS_WINDOWS("the PDF is read back by poppler's pdftotext, a Linux program");
        QProcess texte;
        texte.start("pdftotext", {r.chemin("activite.pdf"), "-"});
        QVERIFY(texte.waitForFinished(30000));
        const QString lu = QString::fromUtf8(texte.readAllStandardOutput()).simplified();
        QVERIFY2(lu.contains("Activité volontaire et réflexe") && lu.contains("Élève(s) : Zoé et Paul"), qPrintable(lu));
    }

    // A report picture shows no current-cell highlight and no focus mark,
    // which the screen does.
    void image_sans_marques_du_clavier()
    {
        RepDepart r;
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(2);
        GrilleChaines *g = f.page_fechner()->grille;
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(3, 2)).center());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the cell left highlighted, its editor closed
        auto compte = [&](const QImage &im) {
            const QRect zone(g->mapTo(f.Notebook1->currentWidget(), QPoint(0, 0)) * im.width() / 780, g->size());
            int n = 0;
            for (int y = zone.top(); y <= zone.bottom(); ++y)
                for (int x = zone.left(); x <= zone.right(); ++x) n += qBlue(im.pixel(x, y)) > qRed(im.pixel(x, y)) + 80;
            return n;
        };
        QVERIFY(compte(f.Notebook1->currentWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32)) > 50);
        const bool propre = g->testAttribute(Qt::WA_SetPalette);
        QCOMPARE(compte(f.image_page(2)), 0);
        // The screen keeps its highlight; the grid still takes its colours from its frame.
        QVERIFY(compte(f.Notebook1->currentWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32)) > 50);
        QCOMPARE(g->testAttribute(Qt::WA_SetPalette), propre);
    }

    void noms_annules()
    {
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        FenetresModales modales({[](QWidget *m) { static_cast<QDialog *>(m)->reject(); }});
        choisir(f, "ExporterPdf1");
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(QDir(r.dir.path()).entryList({"*.pdf"}).isEmpty());
        QCOMPARE(f.sorties->eleves(), QString());
    }

    void imprimer_dialogue_linux()
    {
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.sorties->fixer_eleves("Zoé");
        // What the printer receives, here written to a PDF file.
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(r.chemin("imprime.pdf"));
        imprimer_feuille(imprimante, f.image_page(0), {"Contrastes successifs", QDate::currentDate(), "Zoé"});
        QCOMPARE(imprimante.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(imprimante.pageLayout().pageSize().id(), QPageSize::A4);
        QVERIFY(lire_tout(r.chemin("imprime.pdf")).startsWith("%PDF"));
        SANS_WINDOWS("the print dialog is the system's own there, out of the toolkit's reach");
        QString titre;
        FenetresModales modales({[&titre](QWidget *m) {
            QVERIFY(qobject_cast<QPrintDialog *>(m));
            titre = m->windowTitle();
            static_cast<QDialog *>(m)->reject();
        }});
        choisir(f, "Imprimer1");
        QCOMPARE(titre, QString("Imprimer"));
    }

    void echec_signale_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("extension");
        QTest::newRow("data") << "Exporterdonnees1" << "csv";
        QTest::newRow("picture") << "Enregistrerimage1" << "png";
        QTest::newRow("PDF") << "ExporterPdf1" << "pdf";
    }
    void echec_signale()
    {
        QFETCH(QString, element);
        QFETCH(QString, extension);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.sorties->fixer_eleves("");
        const QString chemin = r.chemin("absent/page." + extension);
        // A name typed into a folder that does not exist.
        FenetresModales modales({[&](QWidget *m) {
            auto *d = qobject_cast<QFileDialog *>(m);
            QVERIFY(d);
            d->findChild<QLineEdit *>("fileNameEdit")->setText(chemin);
            QMetaObject::invokeMethod(d, "accept");
        }});
        choisir(f, element.toLatin1().constData());
        QTRY_COMPARE(rapports, QStringList{"Ne peut créer le fichier " + chemin + "."});
        QVERIFY(!QFile::exists(chemin));
    }
};

QTEST_MAIN(TstSortiesPage)
#include "tst_sortiespage.moc"
