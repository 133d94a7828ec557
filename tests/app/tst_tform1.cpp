#include "app/pageactivite.h"
#include "app/pagechamps.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "colour/tform_coul.h"
#include "colour/tmise_couleur.h"
#include "common/classeur.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "common/plateforme.h"
#include "common/traduction.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "nerve/pagenerf.h"
#include "fichiersessai.h"
#include "fenetresmodales.h"

#include <QAction>
#include <QFileDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QCursor>
#include <QScreen>
#include <QAbstractItemView>
#include <QCompleter>
#include <QPointer>
#include <QtTest>

#include <functional>

namespace {

// A start directory holding copies of the five picture files of the run directory.
struct RepDepart {
    QTemporaryDir dir;
    QString ancien = QDir::currentPath();
    explicit RepDepart(const QStringList &fichiers = {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp"})
    {
        const QString run = qEnvironmentVariable("KALMENO_RUN_DIR");
        for (const QString &f : fichiers) QFile::copy(run + "/" + f, dir.filePath(f));
        QDir::setCurrent(dir.path());
    }
    ~RepDepart() { QDir::setCurrent(ancien); }
    QString chemin(const QString &f) const { return joindre(rep_depart_de(QDir(dir.path()).canonicalPath()), f); }
};

QImage image_de(TForm1 &f, const char *nom)
{
    return f.page_nernst()->findChild<ImageWidget *>(QLatin1String(nom))->picture();
}

// Clicks the tab of a page, as the pupil does.
void cliquer_onglet(TForm1 &f, int page)
{
    QTabBar *barre = f.Notebook1->tabBar();
    QTest::mouseClick(barre, Qt::LeftButton, {}, barre->tabRect(page).center());
}

// Answers a file dialog: accepts `chemin`, or cancels when it is empty.
FenetresModales::Etape choisir_fichier(const QString &chemin)
{
    return [chemin](QWidget *m) {
        auto *d = qobject_cast<QFileDialog *>(m);
        QVERIFY2(d, qPrintable(FenetresModales::nom(m)));
        if (chemin.isEmpty()) {
            d->reject();
        } else {
            d->findChild<QLineEdit *>("fileNameEdit")->setText(chemin); // typed by the pupil
            QMetaObject::invokeMethod(d, "accept");
        }
    };
}

QStringList textes_des_boutons(QWidget *w)
{
    QStringList t;
    for (auto *b : w->findChildren<QAbstractButton *>())
        if (b->isVisible()) t << b->text().remove(QLatin1Char('&'));
    return t;
}

const QByteArray programme_deux_etapes =
    "2\r\n100\r\n0\r\n150\r\n6\r\n8\r\n144\r\n0\r\n100\r\n150\r\n6\r\n8\r\n144\r\n"
    "-8.53700000000000E+0001\r\n 7.66600000000000E+0001\r\n";

} // namespace

class TstTForm1 : public QObject {
    Q_OBJECT
    QStringList rapports;

private Q_SLOTS:
    void init()
    {
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-csb");
        rapports.clear();
        installer_rapporteur([this](const QString &t) { rapports << t; });
    }
    void cleanup()
    {
        installer_rapporteur(nullptr);
        definir_dossier_csb("");
    }

    void bibliotheques_chargees_a_la_demande()
    {
        // The workbook writer, with the compression and cryptography libraries
        // it pulls in, is loaded by the first workbook, and the toolkit's print
        // support by the first print, not by the start.
#ifndef Q_OS_LINUX
        QSKIP("the process's libraries are read from /proc");
#endif
        auto chargee = [](const char *nom) {
            QFile f("/proc/self/maps");
            return f.open(QIODevice::ReadOnly) && f.readAll().contains(nom);
        };
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        for (const char *nom : {"libxlsxwriter", "libcrypto", "libminizip", "libQt6PrintSupport"})
            QVERIFY2(!chargee(nom), nom);
        const Classeur c{Tableau{QStringLiteral("Programme"), {{QStringLiteral("t (s)")}, {QStringLiteral("1,5")}}}};
        QVERIFY(classeur::octets_xlsx(c).startsWith("PK"));
        QVERIFY(chargee("libxlsxwriter"));

        f.sorties->fixer_eleves("Zoé");
        QString titre;
        {
            FenetresModales modales({[&titre](QWidget *m) {
                titre = m->windowTitle();
                static_cast<QDialog *>(m)->reject();
            }});
            Q_EMIT f.findChild<QMenu *>("Fichier1")->aboutToShow();
            f.findChild<QAction *>("Imprimer1")->trigger();
        }
        QCOMPARE(titre, QString("Imprimer"));
        QVERIFY(chargee("libQt6PrintSupport"));
    }

    void fenetre()
    {
        RepDepart r;
        TForm1 f;
        QCOMPARE(f.objectName(), QString("Form1"));
        QCOMPARE(f.windowTitle(), QString(" Kalmeno"));
        QCOMPARE(f.frameGeometry().size(), QSize(799, 599));
        QCOMPARE(f.rep_depart(), rep_depart_de(QDir(r.dir.path()).canonicalPath()));
        QVERIFY(f.Timer_debut->isActive());
        QCOMPARE(f.Timer_debut->interval(), 10);
        QVERIFY(f.findChild<TForm_coul *>("Form_coul"));
        // The colour and About dialogs are made when their menu item first needs them.
        QVERIFY(!f.findChild<Tmise_couleur *>("mise_couleur"));
        QVERIFY(!f.findChild<TAboutBox *>("AboutBox"));
        Tmise_couleur *m = f.mise_couleur();
        TAboutBox *b = f.AboutBox();
        QCOMPARE(f.findChild<Tmise_couleur *>("mise_couleur"), m);
        QCOMPARE(f.findChild<TAboutBox *>("AboutBox"), b);
        QCOMPARE(f.Form_coul->windowTitle(), QString("Choix couleur"));
        QCOMPARE(f.mise_couleur()->windowTitle(), QString("Mise en couleur"));
        QCOMPARE(f.AboutBox()->windowTitle(), QString("A propos"));
    }

    void centrage()
    {
        // Divisions truncate toward zero, so the window sits at the origin of an
        // 800 × 600 screen and at a negative place on a smaller one.
        QCOMPARE((800 - 799) / 2, 0);
        QCOMPARE((640 - 799) / 2, -79);
        RepDepart r;
        TForm1 f;
        const QSize ecran = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(f.frameGeometry().topLeft(), QPoint((ecran.width() - 799) / 2, (ecran.height() - 599) / 2));
    }

    void onglets()
    {
        RepDepart r;
        TForm1 f;
        const QStringList attendus = {"Contrastes successifs", "Champs récepteurs", "Loi de Fechner",
                                      "Période réfractaire", "Activité volont./réflexe", "Loi de Nernst"};
        QCOMPARE(f.Notebook1->count(), 6);
        for (int i = 0; i < 6; ++i) QCOMPARE(f.Notebook1->tabText(i), attendus[i]);
        QCOMPARE(f.Notebook1->geometry(), QRect(2, 0, 784, 530));
        // All six tabs fit on one row.
        f.show();
        QTabBar *barre = f.Notebook1->tabBar();
        QCOMPARE(barre->tabRect(5).top(), barre->tabRect(0).top());
        QVERIFY(barre->tabRect(5).right() < f.Notebook1->width());
    }

    void cadres_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QRect>("place");
        QTest::newRow("GroupBox1") << "GroupBox1" << 0 << "Expérience visuelle" << QRect(6, 14, 253, 256);
        QTest::newRow("GroupBox2") << "GroupBox2" << 0 << "Interrogation sur l'expérience" << QRect(264, 12, 201, 369);
        QTest::newRow("GroupBox6") << "GroupBox6" << 0 << "Interprétations de l'expérience" << QRect(471, 12, 297, 346);
        QTest::newRow("GroupBox4") << "GroupBox4" << 1 << "Champs récepteurs, inhibition latérale" << QRect(133, 127, 259, 196);
        QTest::newRow("GroupBox3") << "GroupBox3" << 2 << "" << QRect(2, 6, 778, 487);
        QTest::newRow("GroupBox7") << "GroupBox7" << 3 << "Période réfractaire, fréquence maximale des potentiels"
                                   << QRect(3, 9, 356, 484);
        QTest::newRow("GroupBox11") << "GroupBox11" << 3 << "Simulation de stimulations d'un nerf ou d'une fibre"
                                    << QRect(364, 9, 410, 484);
        QTest::newRow("GroupBox8") << "GroupBox8" << 4 << "" << QRect(160, 56, 357, 324);
        QTest::newRow("GroupBox10") << "GroupBox10" << 5 << "" << QRect(64, 0, 670, 496);
    }
    void cadres()
    {
        QFETCH(QString, nom);
        QFETCH(int, page);
        QFETCH(QString, titre);
        QFETCH(QRect, place);
        RepDepart r;
        TForm1 f;
        f.montrer_page(page);
        auto *c = f.Notebook1->widget(page)->findChild<QGroupBox *>(nom);
        QVERIFY(c);
        QCOMPARE(c->title(), titre);
        QCOMPARE(c->geometry(), place);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("libelle"); // with its access letter
        QTest::addColumn<bool>("cochable");
        QTest::addColumn<QString>("raccourci");
        QTest::newRow("Ouvrir1") << "Ouvrir1" << "&Ouvrir" << false << "Ctrl+O";
        QTest::newRow("Sauve1") << "Sauve1" << "&Enregistrer" << false << "Ctrl+S";
        QTest::newRow("Imprimer1") << "Imprimer1" << "&Imprimer la page…" << false << "Ctrl+P";
        QTest::newRow("Quitter1") << "Quitter1" << "&Quitter" << false << "Ctrl+Q";
        QTest::newRow("Voirlacomplmentaire1") << "Voirlacomplmentaire1" << "&Voir la complémentaire" << true << "";
        QTest::newRow("Afficherlespotdquilibre1") << "Afficherlespotdquilibre1" << "&Afficher les pot. d'équilibre" << true << "";
        QTest::newRow("Miseencouleur1") << "Miseencouleur1" << "&Mise en couleur" << false << "";
        QTest::newRow("Unecouleur1") << "Unecouleur1" << "&Une couleur" << true << "";
        QTest::newRow("Deuxcouleurs1") << "Deuxcouleurs1" << "&Deux couleurs" << true << "";
        QTest::newRow("Troiscouleurs1") << "Troiscouleurs1" << "&Trois couleurs" << true << "";
        QTest::newRow("Apropos1") << "Apropos1" << "&A propos" << false << "F1";
    }
    void menus()
    {
        QFETCH(QString, nom);
        QFETCH(QString, libelle);
        QFETCH(bool, cochable);
        QFETCH(QString, raccourci);
        RepDepart r;
        TForm1 f;
        QAction *a = f.findChild<QAction *>(nom);
        QVERIFY(a);
        QCOMPARE(a->text(), libelle);
        QCOMPARE(a->isCheckable(), cochable);
        QVERIFY(!a->isChecked());
        QCOMPARE(a->shortcut().toString(), raccourci);
        // No two items of a menu share an access letter.
        QSet<QChar> lettres;
        for (QAction *b : a->associatedObjects().isEmpty() ? QList<QAction *>{}
                                                           : qobject_cast<QWidget *>(a->associatedObjects().constFirst())->actions()) {
            const qsizetype i = b->text().indexOf(QLatin1Char('&'));
            if (b->isSeparator()) continue;
            QVERIFY2(i >= 0 && !lettres.contains(b->text()[i + 1].toLower()), qPrintable(b->text()));
            lettres.insert(b->text()[i + 1].toLower());
        }
    }

    void barre_de_menus()
    {
        // The bar shows "Fichier", "Options" and "A propos"; "Nombre de Couleurs" never.
        RepDepart r;
        TForm1 f;
        QCOMPARE(f.menuBar()->objectName(), QString("MainMenu1"));
        QStringList visibles;
        for (QAction *a : f.menuBar()->actions())
            if (a->isVisible()) visibles << a->text();
        QCOMPARE(visibles, QStringList({"&Fichier", "&Options", "&A propos"}));
        QVERIFY(f.findChild<QMenu *>("Fichier1"));
        QVERIFY(f.findChild<QMenu *>("Options1"));
        QVERIFY(!f.findChild<QMenu *>("NombredeCouleurs1")->menuAction()->isVisible());
        f.Timer_debutTimer();
        QVERIFY(!f.findChild<QMenu *>("NombredeCouleurs1")->menuAction()->isVisible());
    }

    void menus_contextuels()
    {
        RepDepart r;
        TForm1 f;
        f.page_fechner();
        QMenu *m1 = f.findChild<QMenu *>("PopupMenu1");
        QMenu *m2 = f.findChild<QMenu *>("PopupMenu2");
        QVERIFY(m1 && m2);
        QCOMPARE(m1->actions().size(), 2);
        QCOMPARE(m1->actions()[0]->text(), QString("test réussi (O)"));
        QCOMPARE(m1->actions()[1]->text(), QString("test échoué (N)"));
        QCOMPARE(m2->actions().size(), 22);
        QCOMPARE(m2->actions()[0]->text(), QString("Quelle masse  ajoutée ?"));
        QCOMPARE(m2->actions()[1]->text(), QString("5 g"));
        QCOMPARE(m2->actions()[21]->text(), QString("300 g"));
    }

    void minuteries_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("intervalle");
        QTest::addColumn<bool>("actif");
        QTest::newRow("Timer_debut") << "Timer_debut" << 10 << true;
        QTest::newRow("Timer_voir") << "Timer_voir" << 1000 << false;
        QTest::newRow("Timer_reaff_image") << "Timer_reaff_image" << 15000 << false;
        QTest::newRow("Timer_k") << "Timer_k" << 100 << true;
        QTest::newRow("Timer_na") << "Timer_na" << 100 << true;
        QTest::newRow("Timer_courbe") << "Timer_courbe" << 500 << false;
        QTest::newRow("Timer_reaff") << "Timer_reaff" << 100 << false;
        QTest::newRow("Timer_anim: the screen's pace") << "Timer_anim" << 16 << false;
    }
    void minuteries()
    {
        QFETCH(QString, nom);
        QFETCH(int, intervalle);
        QFETCH(bool, actif);
        RepDepart r;
        TForm1 f;
        f.page_nernst();
        const QList<QTimer *> t = f.findChildren<QTimer *>(nom);
        QCOMPARE(t.size(), 1);
        QCOMPARE(t[0]->interval(), intervalle);
        QCOMPARE(t[0]->isActive(), actif);
    }

    void dialogues_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("enregistrer");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("filtres");
        QTest::newRow("OpenDialog1") << "OpenDialog1" << false << "fch" << 1;
        QTest::newRow("SaveDialog1") << "SaveDialog1" << true << "fch" << 1;
        QTest::newRow("OpenDialog2") << "OpenDialog2" << false << "nst" << 1;
        QTest::newRow("SaveDialog2") << "SaveDialog2" << true << "nst" << 1;
        QTest::newRow("OpenDialog3") << "OpenDialog3" << false << "nst" << 3;
    }
    void dialogues()
    {
        QFETCH(QString, nom);
        QFETCH(bool, enregistrer);
        QFETCH(QString, extension);
        QFETCH(int, filtres);
        RepDepart r;
        TForm1 f;
        QVERIFY(!f.findChild<QFileDialog *>(nom)); // made on first use only
        auto *d = f.dialogue(qPrintable(nom));
        QVERIFY(d);
        QCOMPARE(f.findChild<QFileDialog *>(nom), d);
        QCOMPARE(f.dialogue(qPrintable(nom)), d);
        QCOMPARE(d->acceptMode() == QFileDialog::AcceptSave, enregistrer);
        QCOMPARE(d->defaultSuffix(), extension);
        QCOMPARE(d->nameFilters().size(), filtres);
        // The save dialogs ask before replacing a file.
        QCOMPARE(!d->testOption(QFileDialog::DontConfirmOverwrite), enregistrer);
    }

    void a_propos()
    {
        RepDepart r;
        TForm1 f;
        TAboutBox *b = f.AboutBox();
        QCOMPARE(b->size(), QSize(317, 165));
        const QStringList textes = {"Kalmeno", "Version:1.0"};
        for (const QString &t : textes) {
            bool trouve = false;
            for (QLabel *l : b->findChildren<QLabel *>()) trouve |= l->text() == t;
            QVERIFY2(trouve, qPrintable(t));
        }
        QCOMPARE(b->OKButton->geometry(), QRect(112, 132, 77, 27));
        // Shown modally by the menu; the OK button has the focus and closes it.
        bool focus = false;
        FenetresModales modales({[&](QWidget *m) {
            QCOMPARE(m, b);
            focus = b->focusWidget() == b->OKButton;
            QTest::mouseClick(b->OKButton, Qt::LeftButton);
        }});
        f.findChild<QAction *>("Apropos1")->trigger();
        QVERIFY(focus);
        QVERIFY(!b->isVisible());
    }

    void demarrage()
    {
        RepDepart r;
        TForm1 f;
        f.Notebook1->setCurrentIndex(2);
        f.Timer_debutTimer();
        QVERIFY(!f.Timer_debut->isActive());
        QVERIFY(rapports.isEmpty());
        // The program opens on page 0 with "Une couleur" checked.
        QCOMPARE(f.Notebook1->currentIndex(), 0);
        QVERIFY(f.findChild<QAction *>("Unecouleur1")->isChecked());
        QVERIFY(!f.findChild<QAction *>("Deuxcouleurs1")->isChecked());
        // The ratios are those of the design sizes.
        QCOMPARE(f.page_nernst()->rapport_k, 18.0 / 21);
        QCOMPARE(f.page_nernst()->rapport_na, 18.0 / 32);
        QCOMPARE(f.page_nernst()->rapport_an, 17.0 / 20);
    }

    void pages_construites_tard_data()
    {
        QTest::addColumn<int>("page");
        for (int p = 1; p < 6; ++p) QTest::newRow(qPrintable(QString("page %1").arg(p))) << p;
    }
    void pages_construites_tard()
    {
        // Only the first page is built with the window; a page built after the
        // start-up sequence, when first shown, looks exactly as one built
        // before it: its share of the sequence ran, with the colours of
        // couleurs.kmo and the bitmaps read at start-up.
        QFETCH(int, page);
        RepDepart r;
        ecrire_tout(r.dir.filePath("couleurs.kmo"),
               "1111\r\n2222\r\n3333\r\n4444444\r\n5555555\r\n6666666\r\n7777777\r\n8888888\r\n");
        TForm1 tot, tard;
        // The sequence runs once, when the test says.
        tot.Timer_debut->stop();
        tard.Timer_debut->stop();
        QVERIFY(tot.page_construite(0) && tard.page_construite(0));
        for (int p = 1; p < 6; ++p) QVERIFY(!tard.page_construite(p));
        for (TForm1 *f : {&tot, &tard}) {
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f));
        }
        // Built while hidden, as every page was before the sequence.
        const std::function<QWidget *(TForm1 &)> construire[] = {
            nullptr,
            [](TForm1 &f) { return static_cast<QWidget *>(f.page_champs()); },
            [](TForm1 &f) { return static_cast<QWidget *>(f.page_fechner()); },
            [](TForm1 &f) { return static_cast<QWidget *>(f.page_nerf()); },
            [](TForm1 &f) { return static_cast<QWidget *>(f.page_activite()); },
            [](TForm1 &f) { return static_cast<QWidget *>(f.page_nernst()); },
        };
        QVERIFY(!construire[page](tot)->isVisible());
        QVERIFY(tot.page_construite(page));
        tot.Timer_debutTimer();
        tard.Timer_debutTimer();
        QVERIFY(!tard.page_construite(page));
        QVERIFY(rapports.isEmpty());
        cliquer_onglet(tot, page);
        cliquer_onglet(tard, page);
        QVERIFY(tard.page_construite(page));
        if (page == 5)
            for (TForm1 *f : {&tot, &tard}) f->page_nernst()->Timer_kTimer();
        // No hover highlight from wherever a real screen's pointer rests.
        QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
        QCoreApplication::processEvents();
        QCOMPARE(tard.Notebook1->currentWidget()->grab().toImage(), tot.Notebook1->currentWidget()->grab().toImage());
        QVERIFY(rapports.isEmpty());
    }

    void images_data()
    {
        QTest::addColumn<QString>("abime");    // file missing or broken
        QTest::addColumn<bool>("absent");      // missing rather than not a bitmap
        QTest::addColumn<int>("charges");      // files loaded before the failure
        QTest::newRow("all present") << "" << false << 5;
        QTest::newRow("an.bmp missing") << "an.bmp" << true << 0;
        QTest::newRow("na.bmp missing") << "na.bmp" << true << 2;
        QTest::newRow("fl_e_i.bmp missing") << "fl_e_i.bmp" << true << 4;
        QTest::newRow("k.bmp not a bitmap") << "k.bmp" << false << 1;
    }
    void images()
    {
        QFETCH(QString, abime);
        QFETCH(bool, absent);
        QFETCH(int, charges);
        const QStringList fichiers = {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp"};
        RepDepart r;
        if (!abime.isEmpty()) {
            QFile::remove(r.dir.filePath(abime));
            if (!absent) {
                QFile g(r.dir.filePath(abime));
                QVERIFY(g.open(QIODevice::WriteOnly));
                g.write("ceci n'est pas une image");
            }
        }
        // Mark each loaded file so that a load shows: a red pixel in its corner.
        for (int i = 0; i < 5; ++i) {
            if (fichiers[i] == abime) continue;
            QImage im(r.dir.filePath(fichiers[i]));
            im.setPixelColor(0, 0, Qt::red);
            QVERIFY(im.save(r.dir.filePath(fichiers[i]), "BMP"));
        }
        TForm1 f;
        f.Timer_debutTimer();
        if (abime.isEmpty()) {
            QVERIFY(rapports.isEmpty());
        } else {
            const QString attendu = absent ? "Ne peut ouvrir le fichier " + r.chemin(abime) + "."
                                           : QString("Image bitmap incorrecte.");
            QCOMPARE(rapports, QStringList{attendu});
        }
        const QList<QStringList> images = {{"ani", "ane"}, {"ima_ki", "ima_ke"}, {"ima_nai", "ima_nae"},
                                           {"Ima_fl_i_e"}, {"ima_fl_e_i"}};
        for (int i = 0; i < 5; ++i)
            for (const QString &nom : images[i])
                QCOMPARE(image_de(f, qPrintable(nom)).pixelColor(0, 0) == QColor(Qt::red), i < charges);
        // Everything before the pictures ran all the same.
        QCOMPARE(f.Notebook1->currentIndex(), 0);
        QVERIFY(f.findChild<QAction *>("Unecouleur1")->isChecked());
    }

    void depart_racine()
    {
        // From the root the picture files are looked up directly under "/".
        const QString ancien = QDir::currentPath();
        QDir::setCurrent("/");
        const QString racine = QDir::currentPath();
        TForm1 f;
        QDir::setCurrent(ancien);
        QCOMPARE(f.rep_depart(), rep_depart_de(racine)); // "" here, "C:" on Windows
        f.Timer_debutTimer();
        const QString image = joindre(f.rep_depart(), "an.bmp");
        if (!QFile::exists(image)) QCOMPARE(rapports, QStringList{"Ne peut ouvrir le fichier " + image + "."});
    }

    void entree_de_page()
    {
        RepDepart r;
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Timer_debutTimer();
        // Pages 1, 3 and 4 bring the working directory back to the start directory.
        for (int page : {1, 3, 4}) {
            QDir::setCurrent(QDir::tempPath());
            cliquer_onglet(f, page);
            QCOMPARE(f.Notebook1->currentIndex(), page);
            QCOMPARE(QDir::current().canonicalPath(), QDir(r.dir.path()).canonicalPath());
        }
        // Pages 0, 2 and 5 leave it alone.
        for (int page : {0, 2, 5}) {
            QDir::setCurrent(QDir::tempPath());
            cliquer_onglet(f, page);
            QCOMPARE(QDir::current().canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
        }
        // A change of page from code runs no entry step.
        f.montrer_page(3);
        QCOMPARE(QDir::current().canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
    }

    void entree_repetee()
    {
        // The entry steps run on every click, also on the page already showing:
        // with the start directory gone, each click on tab 3 reports once.
        auto *r = new RepDepart;
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Timer_debutTimer();
        const QString depart = r->dir.path();
        delete r;
        QVERIFY(!QFile::exists(depart));
        cliquer_onglet(f, 3);
        cliquer_onglet(f, 3);
        QCOMPARE(rapports, QStringList({"Nom de fichier incorrect.", "Nom de fichier incorrect."}));
        QCOMPARE(f.Notebook1->currentIndex(), 3);
    }

    void ouvrir_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("page_apres"); // the page a file read brings forward
        QTest::newRow("Fechner page, .fch") << 2 << "essai.fch" << 2;
        QTest::newRow("Nernst page, .nst") << 5 << "essai.nst" << 5;
        QTest::newRow("page 0, upper-case .NST") << 0 << "ESSAI.NST" << 5;
        QTest::newRow("page 4, .fch") << 4 << "essai.fch" << 2;
        QTest::newRow("page 1, .Nst matches neither") << 1 << "essai.Nst" << 1;
        QTest::newRow("page 3, both: Nernst then Fechner") << 3 << "x.nst.fch" << 2;
    }
    void ouvrir()
    {
        QFETCH(int, page);
        QFETCH(QString, nom);
        QFETCH(int, page_apres);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        const QString chemin = r.dir.filePath(nom);
        ecrire_tout(chemin, nom.contains("fch") ? QByteArray("coin\r\n") : programme_deux_etapes);
        f.montrer_page(page);
        FenetresModales modales({choisir_fichier(chemin)});
        f.findChild<QAction *>("Ouvrir1")->trigger();
        QCOMPARE(f.Notebook1->currentIndex(), page_apres);
        QVERIFY(rapports.isEmpty());
    }

    void ouvrir_annule_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("retour"); // back to the start directory
        QTest::newRow("page 0") << 0 << false;
        QTest::newRow("page 1") << 1 << true;
        QTest::newRow("page 3") << 3 << true;
        QTest::newRow("page 4") << 4 << true;
    }
    void ouvrir_annule()
    {
        QFETCH(int, page);
        QFETCH(bool, retour);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.montrer_page(page);
        QDir::setCurrent(QDir::tempPath());
        FenetresModales modales({choisir_fichier({})});
        f.findChild<QAction *>("Ouvrir1")->trigger();
        QCOMPARE(QDir::current().canonicalPath(),
                 QDir(retour ? r.dir.path() : QDir::tempPath()).canonicalPath());
        QCOMPARE(f.Notebook1->currentIndex(), page);
    }

    void enregistrer_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("dialogue");
        QTest::newRow("page 0: nothing") << 0 << false;
        QTest::newRow("page 1: nothing") << 1 << false;
        QTest::newRow("page 2: .fch") << 2 << true;
        QTest::newRow("page 3: nothing") << 3 << false;
        QTest::newRow("page 4: nothing") << 4 << false;
        QTest::newRow("page 5: .nst") << 5 << true;
    }
    void enregistrer()
    {
        QFETCH(int, page);
        QFETCH(bool, dialogue);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.montrer_page(page);
        const QString chemin = r.dir.filePath("sortie");
        {
            // Pages without a file ask nothing: any window fails the test.
            FenetresModales modales(dialogue ? QList<FenetresModales::Etape>{choisir_fichier(chemin)}
                                             : QList<FenetresModales::Etape>{});
            f.findChild<QAction *>("Sauve1")->trigger();
        }
        const QString ecrit = chemin + (page == 2 ? ".fch" : ".nst");
        QCOMPARE(QFile::exists(ecrit), dialogue);
        if (page == 2) {
            QFile lu(ecrit);
            QVERIFY(lu.open(QIODevice::ReadOnly));
            QCOMPARE(lu.readAll().count("\r\n"), 612);
        }
    }

    void clic_sur_onglet_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::addColumn<bool>("change");
        QTest::newRow("left button") << "gauche" << true;
        QTest::newRow("right button") << "droit" << false;
        QTest::newRow("middle button") << "milieu" << false;
        // By keyboard: the page's entry steps run as for a click.
        QTest::newRow("Ctrl+Tab") << "Ctrl+Tab" << true;
        QTest::newRow("Ctrl+PageDown") << "Ctrl+PgDown" << true;
        QTest::newRow("Ctrl+Shift+Tab, backwards") << "Ctrl+Shift+Tab" << true;
        QTest::newRow("arrows on the tab strip") << "flèches" << true;
    }
    void clic_sur_onglet()
    {
        // Only the left button or the keyboard changes the page, and runs its
        // entry steps (on the nerve page: back to the start folder).
        QFETCH(QString, geste);
        QFETCH(bool, change);
        RepDepart r;
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Timer_debutTimer();
        QDir::setCurrent(QDir::tempPath());
        QTabBar *barre = f.Notebook1->tabBar();
        const QMap<QString, Qt::MouseButton> boutons = {
            {QStringLiteral("gauche"), Qt::LeftButton}, {QStringLiteral("droit"), Qt::RightButton}, {QStringLiteral("milieu"), Qt::MiddleButton}};
        if (boutons.contains(geste)) {
            QTest::mouseClick(barre, boutons[geste], {}, barre->tabRect(3).center());
        } else if (geste == QLatin1String("flèches")) {
            barre->setFocus();
            for (int i = 0; i < 3; ++i) QTest::keyClick(barre, Qt::Key_Right);
        } else {
            // Three pages forward, or three back from the first (6 pages: 0 → 5 → 4 → 3).
            const bool arriere = geste.contains(QLatin1String("Shift"));
            const Qt::Key touche = geste.endsWith(QLatin1String("PgDown")) ? Qt::Key_PageDown : Qt::Key_Tab;
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(f.Notebook1->currentWidget(), arriere ? Qt::Key_Backtab : touche,
                                arriere ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        }
        QCOMPARE(f.Notebook1->currentIndex(), change ? 3 : 0);
        QCOMPARE(QDir::current().canonicalPath(), QDir(change ? r.dir.path() : QDir::tempPath()).canonicalPath());
        QCOMPARE(f.page_construite(3), change);
    }

    void dialogues_en_francais()
    {
        // The toolkit's own texts come from its French translations.
        QVERIFY(installer_francais());
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.montrer_page(2);
        ecrire_tout(r.dir.filePath("groupe1.fch"), "ancien\r\n");
        QStringList dialogue, question, boutons_question;
        FenetresModales modales({
            [&](QWidget *m) {
                for (auto *l : m->findChildren<QLabel *>())
                    if (l->isVisible()) dialogue << l->text();
                dialogue << textes_des_boutons(m);
                // The whole path: the dialog opens in the folder used last, which
                // an earlier test function may have left elsewhere.
                m->findChild<QLineEdit *>("fileNameEdit")->setText(r.dir.filePath("groupe1.fch"));
                QMetaObject::invokeMethod(m, "accept", Qt::QueuedConnection);
            },
            [&](QWidget *m) {
                auto *b = qobject_cast<QMessageBox *>(m);
                QVERIFY(b);
                question << b->text();
                boutons_question = textes_des_boutons(b);
                b->button(QMessageBox::No)->click();
            },
            [&](QWidget *m) { qobject_cast<QDialog *>(m)->reject(); },
        });
        f.findChild<QAction *>("Sauve1")->trigger();
        const QString tout = dialogue.join(QLatin1Char('|'));
        QVERIFY2(tout.contains(QStringLiteral("Voir dans")), qPrintable(tout));
        QVERIFY2(tout.contains(QStringLiteral("Nom de fichier")), qPrintable(tout));
        QVERIFY2(tout.contains(QStringLiteral("Annuler")), qPrintable(tout));
        QVERIFY2(!tout.contains(QStringLiteral("Cancel")) && !tout.contains(QStringLiteral("File name")),
                 qPrintable(tout));
        QCOMPARE(question.size(), 1);
        QVERIFY2(question.constFirst().contains(QStringLiteral("existe déjà")), qPrintable(question.constFirst()));
        QCOMPARE(boutons_question, QStringList({"Oui", "Non"}));
        // Answered "Non", then cancelled: the old file is untouched.
        QCOMPARE(lire_tout(r.dir.filePath("groupe1.fch")), QByteArray("ancien\r\n"));
    }

    void nom_vide_a_chaque_ouverture_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("action");
        QTest::newRow("save on Fechner") << 2 << "Sauve1";
        QTest::newRow("open on Nernst") << 5 << "Ouvrir1";
        QTest::newRow("open on page 0") << 0 << "Ouvrir1";
    }
    void nom_vide_a_chaque_ouverture()
    {
        QFETCH(int, page);
        QFETCH(QString, action);
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        f.montrer_page(page);
        const QString chemin = r.dir.filePath(page == 2 ? "groupe1.fch" : "groupe1.nst");
        ecrire_tout(chemin, page == 2 ? QByteArray("coin\r\n") : programme_deux_etapes);
        QStringList noms;
        QList<QPointer<QAbstractItemView>> listes;
        for (int fois = 0; fois < 2; ++fois) {
            QList<std::function<void(QWidget *)>> etapes = {[&](QWidget *m) {
                auto *d = qobject_cast<QFileDialog *>(m);
                QVERIFY(d);
                noms << d->findChild<QLineEdit *>("fileNameEdit")->text();
                // Nothing chosen yet: Enter would take no file.
                QVERIFY(!d->selectedFiles().contains(chemin));
                d->findChild<QLineEdit *>("fileNameEdit")->setText(chemin);
                // The name box's completion list, open as a pupil types.
                QCompleter *c = d->findChild<QLineEdit *>("fileNameEdit")->completer();
                QVERIFY(c);
                c->complete();
                listes << c->popup();
                QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
            }};
            // The question before replacing the file: yes.
            if (action == QLatin1String("Sauve1"))
                etapes << [](QWidget *m) { qobject_cast<QMessageBox *>(m)->button(QMessageBox::Yes)->click(); };
            FenetresModales modales(etapes);
            f.findChild<QAction *>(action)->trigger();
            f.montrer_page(page);
            QTest::qWait(50);
            // It closes with the dialog, not left over the page.
            QVERIFY(!listes.isEmpty() && !listes.last()->isVisible());
        }
        QCOMPARE(noms, QStringList({QString(), QString()}));
    }

    void ouverture_liste_les_deux()
    {
        // The Open dialog of the other pages lists both kinds each time it opens,
        // whatever kind the pupil chose the time before.
        RepDepart r;
        TForm1 f;
        f.Timer_debutTimer();
        QStringList filtres;
        for (int fois = 0; fois < 2; ++fois) {
            FenetresModales modales({[&](QWidget *m) {
                auto *d = qobject_cast<QFileDialog *>(m);
                QVERIFY(d);
                filtres << d->selectedNameFilter();
                d->selectNameFilter(QStringLiteral("Nernst (*.nst)"));
                d->reject();
            }});
            f.findChild<QAction *>("Ouvrir1")->trigger();
        }
        QCOMPARE(filtres, QStringList({"Les deux (*.nst *.fch)", "Les deux (*.nst *.fch)"}));
        QCOMPARE(f.dialogue("OpenDialog3")->nameFilters(),
                 QStringList({"Nernst (*.nst)", "Fechner (*.fch)", "Les deux (*.nst *.fch)"}));
    }

    void quitter_data()
    {
        QTest::addColumn<bool>("par_le_menu");
        QTest::newRow("Fichier > Quitter") << true;
        QTest::newRow("close box") << false;
    }
    void quitter()
    {
        QFETCH(bool, par_le_menu);
        RepDepart r;
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        if (par_le_menu)
            f.findChild<QAction *>("Quitter1")->trigger();
        else
            QVERIFY(f.close());
        // Closed the same way, so the application ends with its main window.
        QVERIFY(!f.isVisible());
        QVERIFY(f.testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(TstTForm1)
#include "tst_tform1.moc"
