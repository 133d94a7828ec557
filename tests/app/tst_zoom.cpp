// The display size: the command-line option, the remembered choice, the fit
// to the screen, and the Options menu items with the restart they offer.
#include "app/tform1.h"
#include "app/zoom.h"
#include "common/ecran.h"
#include "common/erreures.h"
#include "common/plateforme.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "fenetresmodales.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// The answer a question box gets, by its standard button.
std::function<void(QWidget *)> repondre(const char *nom_attendu, QMessageBox::StandardButton bouton, QStringList *vus)
{
    return [=](QWidget *m) {
        *vus << m->objectName();
        auto *b = qobject_cast<QMessageBox *>(m);
        if (!b) {
            m->close();
            return;
        }
        if (m->objectName() != QLatin1String(nom_attendu)) {
            b->reject();
            return;
        }
        b->button(bouton)->click();
    };
}

// The save dialog: seen, then a name typed and accepted, or cancelled (an
// empty name). Answered through the dialog's own event loop (queued), since
// it may come up as modal while still being shown, before that loop runs.
std::function<void(QWidget *)> enregistrer_sous(const QString &chemin, QStringList *vus)
{
    return [=](QWidget *m) {
        *vus << m->objectName();
        auto *d = qobject_cast<QFileDialog *>(m);
        if (!d) {
            m->close();
            return;
        }
        if (chemin.isEmpty()) {
            QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection);
            return;
        }
        d->findChild<QLineEdit *>("fileNameEdit")->setText(chemin); // typed by the pupil
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    };
}

} // namespace

class TstZoom : public QObject {
    Q_OBJECT
    QList<Lancement> lancements;
    QStringList rapports;

private Q_SLOTS:
    void place_dans_l_ecran_data()
    {
        QTest::addColumn<QRect>("disponible"); // the screen's area at that zoom, in the window's units
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QPoint>("voulu");
        QTest::addColumn<QPoint>("attendu");
        const QSize f = Zoom::FENETRE;
        // Centred as at start-up, (screen − 799) / 2: kept when it fits.
        QTest::newRow("1024×768 at 100 %") << QRect(0, 0, 1024, 768) << f << QPoint(112, 84) << QPoint(112, 84);
        QTest::newRow("1024×768 at 125 %") << QRect(0, 0, 819, 614) << f << QPoint(10, 7) << QPoint(10, 7);
        // 1920×1080 at 200 % is 960×540: the centre is above the screen, the title bar kept on it.
        QTest::newRow("1920×1080 at 200 %") << QRect(0, 0, 960, 540) << f << QPoint(80, -29) << QPoint(80, 0);
        QTest::newRow("1366×768 at 150 %, a panel on top") << QRect(0, 18, 910, 494) << f << QPoint(55, -43) << QPoint(55, 18);
        QTest::newRow("past the right and bottom edges") << QRect(0, 0, 1024, 738) << f << QPoint(400, 300) << QPoint(225, 139);
        QTest::newRow("a second screen on the left") << QRect(-1280, 0, 1280, 1024) << f << QPoint(-2000, 10) << QPoint(-1280, 10);
    }
    void place_dans_l_ecran()
    {
        QFETCH(QRect, disponible);
        QFETCH(QSize, taille);
        QFETCH(QPoint, voulu);
        QFETCH(QPoint, attendu);
        QCOMPARE(place_dans(disponible, taille, voulu), attendu);
    }

    void initTestCase()
    {
        // The settings go to a test folder, never the user's own.
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Kalmeno", "Kalmeno").clear();
        lancements.clear();
        rapports.clear();
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-zoom-csb");
        installer_rapporteur([this](const QString &t) { rapports << t; });
        installer_lanceur([this](const Lancement &l) {
            lancements << l;
            return true;
        });
    }
    void cleanup()
    {
        installer_lanceur(nullptr);
        installer_rapporteur(nullptr);
        definir_dossier_csb("");
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Kalmeno", "Kalmeno").clear();
    }

    void option_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("taille");   // 0: none asked for
        QTest::addColumn<bool>("erreur");
        QTest::addColumn<QStringList>("reste");
        const QString k = "kalmeno";
        QTest::newRow("absente") << QStringList{k} << 0 << false << QStringList{k};
        QTest::newRow("--zoom 150") << QStringList{k, "--zoom", "150"} << 150 << false << QStringList{k};
        QTest::newRow("--zoom=125") << QStringList{k, "--zoom=125"} << 125 << false << QStringList{k};
        QTest::newRow("avec %") << QStringList{k, "--zoom", "200%"} << 200 << false << QStringList{k};
        QTest::newRow("others kept in order")
            << QStringList{k, "--csv", "a.csv", "--zoom", "100", "b.fch"} << 100 << false
            << QStringList{k, "--csv", "a.csv", "b.fch"};
        QTest::newRow("last one wins") << QStringList{k, "--zoom", "125", "--zoom", "200"} << 200 << false
                                       << QStringList{k};
        QTest::newRow("size not offered") << QStringList{k, "--zoom", "175"} << 0 << true << QStringList{k};
        QTest::newRow("not a number") << QStringList{k, "--zoom", "grand"} << 0 << true << QStringList{k};
        QTest::newRow("value missing") << QStringList{k, "--zoom"} << 0 << true << QStringList{k};
        QTest::newRow("empty value") << QStringList{k, "--zoom="} << 0 << true << QStringList{k};
    }
    void option()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, taille);
        QFETCH(bool, erreur);
        QFETCH(QStringList, reste);
        QString message;
        const std::optional<int> t = Zoom::extraire_option(arguments, message);
        QCOMPARE(t.value_or(0), taille);
        QCOMPARE(!message.isEmpty(), erreur);
        if (erreur) QVERIFY(message.contains("100, 125, 150 ou 200"));
        QCOMPARE(arguments, reste);
    }

    void ajustee_data()
    {
        QTest::addColumn<QSize>("disponible");
        QTest::addColumn<int>("taille");
        // 799 × 599 times the size must fit both ways.
        QTest::newRow("1920 × 1080 less a panel") << QSize(1920, 1040) << 150; // 1198.5 × 898.5; 200 % is 1198 high
        QTest::newRow("1920 × 1200") << QSize(1920, 1200) << 200;             // 1598 × 1198
        QTest::newRow("just 200 %") << QSize(1598, 1198) << 200;
        QTest::newRow("one short of 200 %") << QSize(1598, 1197) << 150;
        QTest::newRow("1024 × 768") << QSize(1024, 768) << 125;               // 998.75 × 748.75
        QTest::newRow("1366 × 768") << QSize(1366, 768) << 125;
        QTest::newRow("1366 × 768 less a panel") << QSize(1366, 728) << 100;   // 125 % is 749 high
        QTest::newRow("1280 × 720: too low for 125 %") << QSize(1280, 720) << 100;
        QTest::newRow("800 × 600") << QSize(800, 600) << 100;
        QTest::newRow("smaller than the window") << QSize(640, 480) << 100;
        QTest::newRow("4K") << QSize(3840, 2110) << 200;
    }
    void ajustee()
    {
        QFETCH(QSize, disponible);
        QFETCH(int, taille);
        QCOMPARE(Zoom::taille_ajustee(disponible), taille);
    }

    void facteur_data()
    {
        QTest::addColumn<int>("taille");
        QTest::addColumn<QByteArray>("origine");
        QTest::addColumn<QByteArray>("facteur");
        QTest::newRow("150 %") << 150 << QByteArray() << QByteArray("1.5");
        QTest::newRow("125 %") << 125 << QByteArray() << QByteArray("1.25");
        QTest::newRow("100 % over the user's 2") << 100 << QByteArray("2") << QByteArray("2");
        QTest::newRow("200 % over the user's 1.5") << 200 << QByteArray("1.5") << QByteArray("3");
        QTest::newRow("unreadable user's scale") << 150 << QByteArray("x") << QByteArray("1.5");
    }
    void facteur()
    {
        QFETCH(int, taille);
        QFETCH(QByteArray, origine);
        QFETCH(QByteArray, facteur);
        QCOMPARE(Zoom::facteur_echelle(taille, origine), facteur);
    }

    void memorisee_data()
    {
        QTest::addColumn<QVariant>("ecrite");
        QTest::addColumn<int>("lue");
        QTest::newRow("nothing stored") << QVariant() << 100;
        QTest::newRow("150") << QVariant(150) << 150;
        QTest::newRow("size not offered") << QVariant(175) << 100;
        QTest::newRow("text") << QVariant("grand") << 100;
    }
    void memorisee()
    {
        QFETCH(QVariant, ecrite);
        QFETCH(int, lue);
        if (ecrite.isValid())
            QSettings(QSettings::IniFormat, QSettings::UserScope, "Kalmeno", "Kalmeno").setValue("affichage/taille", ecrite);
        QCOMPARE(Zoom::taille_memorisee(), lue);
    }

    void memorisee_chez_l_utilisateur()
    {
        // The choice lands in the user's configuration folder, not the start folder.
        QTemporaryDir depart;
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(depart.path());
        Zoom::memoriser(125);
        QDir::setCurrent(ancien);
        QCOMPARE(QDir(depart.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        // The user's settings: the configuration folder here, the roaming
        // application data on Windows.
        const QString fichier =
            QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kalmeno"), QStringLiteral("Kalmeno")).fileName();
        QVERIFY(QFileInfo::exists(fichier));
        QVERIFY(!fichier.startsWith(QFileInfo(depart.path()).absoluteFilePath()));
        QCOMPARE(Zoom::taille_memorisee(), 125);
    }

    void menu()
    {
        TForm1 f;
        auto *options = f.findChild<QMenu *>("Options1");
        QVERIFY(options);
        const QList<QAction *> a = options->actions();
        // The new menu comes after the items that were there.
        QCOMPARE(a.size(), 4);
        QCOMPARE(a[2]->objectName(), QString("Miseencouleur1"));
        QCOMPARE(a[3]->text(), QString("&Taille de l'affichage"));
        QStringList textes;
        for (QAction *x : a[3]->menu()->actions())
            if (!x->isSeparator()) textes << x->text();
        QCOMPARE(textes, (QStringList{"100 %", "125 %", "150 %", "200 %", "&Ajuster à l'écran"}));
        // This run's size is the one checked; the sizes are radio items.
        QVERIFY(f.findChild<QAction *>("Taille100")->isChecked());
        QVERIFY(f.findChild<QAction *>("Taille100")->actionGroup()->isExclusive());
    }

    void redemarrer_data()
    {
        QTest::addColumn<bool>("fechner_rempli");
        QTest::addColumn<bool>("programme_nernst");
        QTest::addColumn<QList<int>>("reponses"); // to the questions, in turn (QMessageBox buttons)
        QTest::addColumn<QStringList>("fenetres"); // the modal windows seen
        QTest::addColumn<bool>("relance");
        QTest::addColumn<QStringList>("fichiers"); // saved
        const int oui = QMessageBox::Yes, non = QMessageBox::No, annuler = QMessageBox::Cancel;
        const int oui_sans_nom = -1; // yes, then the save dialog cancelled
        QTest::newRow("no restart") << false << false << QList<int>{non} << QStringList{"QuestionRedemarrer"}
                                    << false << QStringList{};
        QTest::newRow("nothing to save") << false << false << QList<int>{oui} << QStringList{"QuestionRedemarrer"}
                                         << true << QStringList{};
        QTest::newRow("grid saved") << true << false << QList<int>{oui, oui}
                                    << QStringList{"QuestionRedemarrer", "QuestionFechner", "SaveDialog1"} << true
                                    << QStringList{"grille.fch"};
        QTest::newRow("both saved") << true << true << QList<int>{oui, oui, oui}
                                    << QStringList{"QuestionRedemarrer", "QuestionFechner", "SaveDialog1",
                                                   "QuestionNernst", "SaveDialog2"}
                                    << true << QStringList{"grille.fch", "programme.nst"};
        QTest::newRow("programme alone") << false << true << QList<int>{oui, oui}
                                         << QStringList{"QuestionRedemarrer", "QuestionNernst", "SaveDialog2"} << true
                                         << QStringList{"programme.nst"};
        QTest::newRow("save dialog cancelled") << true << true << QList<int>{oui, oui_sans_nom}
                                               << QStringList{"QuestionRedemarrer", "QuestionFechner", "SaveDialog1"}
                                               << false << QStringList{};
        QTest::newRow("grid not saved") << true << false << QList<int>{oui, non}
                                        << QStringList{"QuestionRedemarrer", "QuestionFechner"} << true
                                        << QStringList{};
        QTest::newRow("cancelled at the grid") << true << true << QList<int>{oui, annuler}
                                               << QStringList{"QuestionRedemarrer", "QuestionFechner"} << false
                                               << QStringList{};
        QTest::newRow("programme alone, not saved") << false << true << QList<int>{oui, non}
                                                    << QStringList{"QuestionRedemarrer", "QuestionNernst"} << true
                                                    << QStringList{};
    }
    void redemarrer()
    {
        QFETCH(bool, fechner_rempli);
        QFETCH(bool, programme_nernst);
        QFETCH(QList<int>, reponses);
        QFETCH(QStringList, fenetres);
        QFETCH(bool, relance);
        QFETCH(QStringList, fichiers);
        QTemporaryDir dossier;
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        // The grid page is always built: an empty grid asks nothing.
        f.page_fechner();
        if (fechner_rempli) {
            f.page_fechner()->grilleSelectCell(1, 1);
            f.page_fechner()->N20g1Click();
        }
        if (programme_nernst) f.page_nernst()->etat.programme.nb_etapes = 2;

        QStringList vues;
        QList<std::function<void(QWidget *)>> etapes;
        const char *questions[] = {"QuestionRedemarrer", fechner_rempli ? "QuestionFechner" : "QuestionNernst",
                                   "QuestionNernst"};
        int q = 0;
        for (int r : reponses) {
            etapes << repondre(questions[q], r < 0 ? QMessageBox::Yes : QMessageBox::StandardButton(r), &vues);
            if (q > 0 && r == QMessageBox::Yes) {
                const bool nernst = QByteArray(questions[q]) == "QuestionNernst";
                etapes << enregistrer_sous(dossier.filePath(nernst ? "programme.nst" : "grille.fch"), &vues);
            } else if (r < 0) {
                etapes << enregistrer_sous(QString(), &vues);
            }
            ++q;
        }
        FenetresModales modales(etapes);
        f.findChild<QAction *>("Taille150")->trigger();

        QCOMPARE(vues, fenetres);
        QCOMPARE(Zoom::taille_memorisee(), 150);
        QVERIFY(f.findChild<QAction *>("Taille150")->isChecked());
        QCOMPARE(lancements.size(), relance ? 1 : 0);
        QCOMPARE(f.isVisible(), !relance);
        if (relance) {
            QCOMPARE(lancements[0].programme, QCoreApplication::applicationFilePath());
            QCOMPARE(lancements[0].arguments, QStringList());
            QCOMPARE(lancements[0].repertoire, f.rep_depart());
        }
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files, QDir::Name), fichiers);
    }

    void meme_taille_sans_question()
    {
        // Choosing the size of this run asks nothing and starts nothing.
        TForm1 f;
        {
            FenetresModales aucune({}); // any window fails the test
            f.findChild<QAction *>("Taille100")->trigger();
        }
        QVERIFY(lancements.isEmpty());
        QCOMPARE(Zoom::taille_memorisee(), 100);
    }
};

QTEST_MAIN(TstZoom)
#include "tst_zoom.moc"
