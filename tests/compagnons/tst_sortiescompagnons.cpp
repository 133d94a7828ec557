#include "common/dossiersdialogues.h"
#include "common/erreures.h"
#include "common/lanceurs.h"
#include "common/plateforme.h"
#include "common/sortiespage.h"
#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/cassybio/fenetrecassybio.h"
#include "compagnons/commun/csvenregistrement.h"
#include "compagnons/commun/formatexw.h"
#include "compagnons/commun/vuetraces.h"
#include "compagnons/mavoren/fenetremavoren.h"
#include "compagnons/terplux/fenetreterplux.h"
#include "compagnons/terplux/vueimage.h"
#include "classeurlu.h"
#include "fichiersessai.h"
#include "fenetresmodales.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The window of each companion, in the state where it holds numbers or not.
std::unique_ptr<QMainWindow> fenetre(const QString &nom, bool avec_donnees, const QString &dossier)
{
    if (nom == "cassybio") {
        auto f = std::make_unique<FenetreCassybio>();
        if (avec_donnees) {
            Enregistrement e;
            e.periode_ms = 0.5;
            e.voies = {{"EMG", "mV"}};
            e.ajouter_essai("essai 1").valeurs = {{1.0, -2.25}};
            ecrire_tout(dossier + "/petit.exw", FormatExw::ecrire(e));
            if (!f->ouvrir(dossier + "/petit.exw").isEmpty()) return nullptr;
        }
        return f;
    }
    if (nom == "mavoren") {
        auto f = std::make_unique<FenetreMavoren>(7);
        if (avec_donnees) {
            QTest::mouseClick(f->bouton_reflexe, Qt::LeftButton);
            f->vue_reflexe->setCurseur(1, 30.0);
            QTest::mouseClick(f->noter_reflexe, Qt::LeftButton);
        }
        return f;
    }
    auto f = std::make_unique<FenetreTerplux>();
    if (avec_donnees) f->montrer_ligne(10);
    return f;
}

// Answers a save dialog with a path typed by the pupil; notes the folder it opened in.
FenetresModales::Etape enregistrer_sous(const QString &chemin, QString *dossier = nullptr)
{
    return [=](QWidget *m) {
        auto *dlg = qobject_cast<QFileDialog *>(m);
        QVERIFY(dlg);
        if (dossier) *dossier = dlg->directory().absolutePath();
        dlg->findChild<QLineEdit *>("fileNameEdit")->setText(chemin);
        QMetaObject::invokeMethod(dlg, "accept");
    };
}

QMenu *menu_fichier(QMainWindow &f) { return f.menuBar()->actions().first()->menu(); }

QAction *element(QMainWindow &f, const char *nom)
{
    Q_EMIT menu_fichier(f)->aboutToShow(); // the pupil opens the menu
    return f.findChild<QAction *>(QLatin1String(nom));
}

} // namespace

// The picture and data items of the companion programs' "Fichier" menus.
class TstSortiesCompagnons : public QObject {
    Q_OBJECT
    QStringList rapports;

private Q_SLOTS:
    void init()
    {
        rapports.clear();
        installer_rapporteur([this](const QString &t) { rapports << t; });
    }
    void cleanup() { installer_rapporteur(nullptr); }

    void enregistrement_data()
    {
        QTest::addColumn<double>("periode");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("no trial: header only") << 1.0 << QStringList{"essai;temps (ms);EMG (mV);force"};
        QTest::newRow("two trials, one shorter")
            << 0.5 << QStringList{"essai;temps (ms);EMG (mV);force", "a;0,000;1,000;2,000", "a;0,500;-0,125;3,000",
                                  "b;0,000;7,000;8,000"};
    }
    void enregistrement()
    {
        QFETCH(double, periode);
        QFETCH(QStringList, lignes);
        Enregistrement e;
        e.periode_ms = periode;
        e.voies = {{"EMG", "mV"}, {"force", ""}};
        if (lignes.size() > 1) {
            e.ajouter_essai("a").valeurs = {{1.0, -0.125}, {2.0, 3.0}};
            e.ajouter_essai("b").valeurs = {{7.0}, {8.0}};
        }
        QStringList l;
        for (const csv::Ligne &x : lignes_csv_enregistrement(e)) l << x.join(';');
        QCOMPARE(l, lignes);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<bool>("donnees_au_depart");
        const QStringList sorties{"-", "Copier l'image", "Enregistrer l'image…", "Imprimer…", "Exporter en PDF…",
                                  "Exporter les données…", "Noms des élèves…", "-", "Quitter"};
        QTest::newRow("viewer") << "cassybio" << QStringList{"Ouvrir..."} + sorties << false;
        QTest::newRow("mavoren") << "mavoren" << QStringList{"Enregistrer les essais..."} + sorties << false;
        QTest::newRow("terplux") << "terplux" << sorties << true;
    }
    void menus()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, textes);
        QFETCH(bool, donnees_au_depart);
        QTemporaryDir d;
        auto f = fenetre(nom, false, d.path());
        QStringList lus;
        QSet<QChar> lettres; // each item its own access letter
        for (QAction *a : menu_fichier(*f)->actions()) {
            lus << (a->isSeparator() ? "-" : QString(a->text()).remove(QLatin1Char('&')));
            const qsizetype i = a->text().indexOf(QLatin1Char('&'));
            QVERIFY2(a->isSeparator() || (i >= 0 && !lettres.contains(a->text()[i + 1].toLower())), qPrintable(a->text()));
            if (i >= 0) lettres.insert(a->text()[i + 1].toLower());
        }
        QCOMPARE(lus, textes);
        QCOMPARE(element(*f, "Imprimer1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(element(*f, "Exporterdonnees1")->isEnabled(), donnees_au_depart);
        for (const char *n : {"Copierimage1", "Enregistrerimage1", "Imprimer1", "ExporterPdf1"})
            QVERIFY(element(*f, n)->isEnabled());
    }

    void exporter_donnees_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("debut");
        QTest::addColumn<QStringList>("feuilles"); // of the workbook, one per table of the CSV file
        QTest::newRow("viewer: the trials")
            << "cassybio" << QStringList{"essai;temps (ms);EMG (mV)", "essai 1;0,000;1,000", "essai 1;0,500;-2,250"}
            << QStringList{"Enregistrement"};
        QTest::newRow("mavoren: the table") << "mavoren" << QStringList{"essai;Δt (ms)", "Réflexe n°1"}
                                            << QStringList{"Mesures"};
        QTest::newRow("terplux: the profile")
            << "terplux"
            << QStringList{"ligne du profil;10", "",
                           "x (pixel);luminance de l'image (0 noir, 1 blanc);réponse des cellules (0 noir, 1 blanc)", "0;"}
            << QStringList{"Réglage", "Profil"};
    }
    void exporter_donnees()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, debut);
        QFETCH(QStringList, feuilles);
        QTemporaryDir d;
        auto f = fenetre(nom, true, d.path());
        QVERIFY(f);
        const QString chemin = d.filePath("donnees.csv");
        {
            FenetresModales modales({enregistrer_sous(chemin)});
            QAction *a = element(*f, "Exporterdonnees1");
            QVERIFY(a->isEnabled());
            a->trigger();
        }
        const QByteArray o = lire_tout(chemin);
        QVERIFY(o.startsWith("\xEF\xBB\xBF"));
        QStringList l = QString::fromUtf8(o.mid(3)).split("\r\n");
        for (int i = 0; i < debut.size(); ++i) QVERIFY2(l.value(i).startsWith(debut[i]), qPrintable(l.value(i)));
        // The workbook holds the same tables (a settings table has no header row).
        {
            FenetresModales modales({enregistrer_sous(d.filePath("donnees.xlsx"))});
            element(*f, "Exporterdonnees1")->trigger();
        }
        l.removeLast();
        Classeur attendu;
        for (const QString &ligne : l) {
            if (attendu.isEmpty() || ligne.isEmpty()) {
                attendu.append({feuilles.value(attendu.size()), {}, feuilles.value(attendu.size()) == "Réglage" ? 0 : 1});
                if (ligne.isEmpty()) continue;
            }
            attendu.last().lignes.append(ligne.split(';'));
        }
        verifier_classeur(d.filePath("donnees.xlsx"), attendu);
        QVERIFY(rapports.isEmpty());
    }

    void noms_recus_de_kalmeno_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("viewer") << "cassybio";
        QTest::newRow("mavoren") << "mavoren";
        QTest::newRow("terplux") << "terplux";
    }
    void noms_recus_de_kalmeno()
    {
        // Started by Kalmeno after the names were given: no question again.
        QFETCH(QString, nom);
        QTemporaryDir d;
        qputenv("KALMENO_ELEVES", QString("Léa et Hugo").toLocal8Bit()); // the system's own encoding
        auto f = fenetre(nom, false, d.path());
        qunsetenv("KALMENO_ELEVES");
        SortiesPage *s = f->findChild<SortiesPage *>();
        QVERIFY(s);
        QCOMPARE(s->eleves(), QString("Léa et Hugo"));
        FenetresModales modales({enregistrer_sous(d.filePath("feuille.pdf"))}); // the file only
        element(*f, "ExporterPdf1")->trigger();
        QVERIFY(lire_tout(d.filePath("feuille.pdf")).startsWith("%PDF"));
    }

    void rien_d_efface_dans_le_dossier_prive()
    {
        // The viewer runs in the acquisition folder: its dialogs propose the
        // documents folder, and a file the pupil still saves there outlives
        // the clean-up of Kalmeno's close.
        QTemporaryDir d;
        definir_dossier_csb(d.filePath("csb"));
        ecrire_tout(dossier_csb() + "/cassybio.bat", "x");
        ecrire_tout(pif_csb(), "x");
        const QString avant = QDir::currentPath();
        QDir::setCurrent(dossier_csb());
        auto f = fenetre("cassybio", true, d.path());
        const QString chemin = dossier_csb() + "/enregistrement.csv";
        QString propose;
        {
            FenetresModales modales({enregistrer_sous(chemin, &propose)});
            element(*f, "Exporterdonnees1")->trigger();
        }
        QDir::setCurrent(avant);
        QCOMPARE(propose, dossiers_dialogues::documents());
        nettoyer_csb();
        QVERIFY(lire_tout(chemin).startsWith("\xEF\xBB\xBF" "essai;"));
        QVERIFY(!QFile::exists(pif_csb()));
        definir_dossier_csb("");
    }

    // The picture is the window's content, without the menu bar.
    void copier_image()
    {
        QTemporaryDir d;
        auto f = fenetre("terplux", true, d.path());
        f->show();
        element(*f, "Copierimage1")->trigger();
        const QImage im = QApplication::clipboard()->image();
        QCOMPARE(im.size(), f->centralWidget()->size());
        QCOMPARE(im.convertToFormat(QImage::Format_RGB32), f->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TstSortiesCompagnons)
#include "tst_sortiescompagnons.moc"
