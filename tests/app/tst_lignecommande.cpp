#include "app/application.h"
#include "app/lignecommande.h"
#include "app/tform1.h"
#include "common/plateforme.h"
#include "common/exportcsv.h"
#include "fechner/csvfechner.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "fichiersessai.h"

#include <QImage>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(OptionsLigne::Mode)

namespace {

const QByteArray deux_etapes = "2\r\n100\r\n0\r\n150\r\n6\r\n8\r\n144\r\n0\r\n100\r\n150\r\n6\r\n8\r\n144\r\n"
                               "-8.53700000000000E+0001\r\n 7.66600000000000E+0001\r\n";

struct Sortie {
    int code;
    QByteArray sortie;
    QByteArray erreur;
};

// Runs the program itself, in `dossier`, without a display.
Sortie lancer(const QStringList &arguments, const QString &dossier)
{
    QProcess p;
    p.setWorkingDirectory(dossier);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("DISPLAY");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KALMENO_PROGRAMME), arguments);
    if (!p.waitForFinished(60000)) return {-1, {}, "délai dépassé"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace

class TstLigneCommande : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase()
    {
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-ligne-csb");
        preparer_application(); // the fonts and style the program sets up
        ecrire_tout(dir.filePath("deux.nst"), deux_etapes);
        ecrire_tout(dir.filePath("pas_un_programme.nst"), "x\r\n");
        GrilleFechner g;
        g.ecrire_entetes();
        g.ecrire(1, 3, "10");
        g.ecrire(1, 4, "O");
        QVERIFY(ecrire_fch(dir.filePath("classe.fch"), g));
        ecrire_tout(dir.filePath("notes.txt"), "rien\r\n");
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<OptionsLigne::Mode>("mode");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("message"); // the start of it
        using M = OptionsLigne::Mode;
        QTest::newRow("nothing: the window") << QStringList{} << M::Fenetre << "" << 0 << "";
        QTest::newRow("help") << QStringList{"--help"} << M::Aide << "" << 0 << "";
        QTest::newRow("short help") << QStringList{"-h"} << M::Aide << "" << 0 << "";
        QTest::newRow("csv") << QStringList{"--csv", "a.fch"} << M::Csv << "a.fch" << 0 << "";
        QTest::newRow("capture") << QStringList{"--capture", "5", "n.png"} << M::Capture << "n.png" << 5 << "";
        QTest::newRow("toolkit option left to it")
            << QStringList{"-platform", "offscreen", "--capture", "0", "c.png"} << M::Capture << "c.png" << 0 << "";
        QTest::newRow("unknown option") << QStringList{"--pdf"} << M::Erreur << "" << 0 << "option inconnue « --pdf ».";
        QTest::newRow("stray argument") << QStringList{"a.fch"} << M::Erreur << "" << 0 << "argument inattendu « a.fch ».";
        QTest::newRow("csv without file") << QStringList{"--csv"} << M::Erreur << "" << 0 << "l'option --csv attend";
        QTest::newRow("capture without picture")
            << QStringList{"--capture", "2"} << M::Erreur << "" << 0 << "l'option --capture attend";
        QTest::newRow("page 6") << QStringList{"--capture", "6", "x.png"} << M::Erreur << "" << 0
                                << "numéro de page incorrect « 6 »";
        QTest::newRow("page not a number") << QStringList{"--capture", "deux", "x.png"} << M::Erreur << "" << 0
                                           << "numéro de page incorrect « deux »";
        QTest::newRow("two commands") << QStringList{"--csv", "a.fch", "--capture", "1", "x.png"} << M::Erreur << ""
                                      << 0 << "une seule option à la fois.";
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(OptionsLigne::Mode, mode);
        QFETCH(QString, fichier);
        QFETCH(int, page);
        QFETCH(QString, message);
        const OptionsLigne o = lire_options(QStringList{"kalmeno"} + arguments);
        QCOMPARE(o.mode, mode);
        QCOMPARE(o.fichier, fichier);
        QCOMPARE(o.page, page);
        QVERIFY2(message.isEmpty() ? o.message.isEmpty() : o.message.startsWith(message), qPrintable(o.message));
        if (mode == OptionsLigne::Mode::Erreur) QVERIFY(o.message.endsWith("Essayez « kalmeno --help »."));
    }

    void csv_de_fichier_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("deuxieme_ligne"); // or the error's start
        QTest::addColumn<bool>("ok");
        QTest::newRow("grid") << "classe.fch" << "20;1;10;O" << true;
        QTest::newRow("programme") << "deux.nst" << "1;100;0;150;6;8;144;-85,37" << true;
        QTest::newRow("missing grid") << "absente.fch" << "Ne peut ouvrir le fichier" << false;
        QTest::newRow("not a programme") << "pas_un_programme.nst" << "le fichier" << false;
        QTest::newRow("other kind") << "notes.txt" << "le fichier" << false;
        QTest::newRow("a folder") << "." << "le fichier" << false;
    }
    void csv_de_fichier()
    {
        QFETCH(QString, nom);
        QFETCH(QString, deuxieme_ligne);
        QFETCH(bool, ok);
        QString erreur;
        const auto octets = ::csv_de_fichier(dir.filePath(nom), erreur);
        QCOMPARE(bool(octets), ok);
        if (ok) {
            QVERIFY(octets->startsWith("\xEF\xBB\xBF"));
            QCOMPARE(QString::fromUtf8(*octets).split("\r\n").value(1), deuxieme_ligne);
        } else {
            QVERIFY2(erreur.startsWith(deuxieme_ligne), qPrintable(erreur));
        }
    }

    // The program itself: status, standard output and standard error.
    void programme_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("sortie"); // contained in standard output
        QTest::addColumn<QByteArray>("erreur"); // contained in standard error
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("Utilisation : kalmeno") << QByteArray();
        QTest::newRow("bad option") << QStringList{"--imprimer"} << 2 << QByteArray()
                                    << QByteArray("kalmeno : option inconnue « --imprimer ».");
        QTest::newRow("csv of a grid") << QStringList{"--csv", "classe.fch"} << 0
                                       << QByteArray("\xEF\xBB\xBFmasse port\xC3\xA9" "e (g);essai;") << QByteArray();
        QTest::newRow("csv of a missing file") << QStringList{"--csv", "absent.nst"} << 2 << QByteArray()
                                               << QByteArray("Ne peut ouvrir le fichier absent.nst.");
    }
    void programme()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QByteArray, sortie);
        QFETCH(QByteArray, erreur);
        const Sortie s = lancer(arguments, dir.path());
        QCOMPARE(s.code, code);
        QVERIFY2(s.sortie.contains(sortie), s.sortie.constData());
        QVERIFY2(s.erreur.contains(erreur), s.erreur.constData());
    }

    void csv_comme_le_menu()
    {
        const Sortie s = lancer({"--csv", "deux.nst"}, dir.path());
        QCOMPARE(s.code, 0);
        QString e;
        QCOMPARE(s.sortie, *::csv_de_fichier(dir.filePath("deux.nst"), e));
    }

    void capture_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("colours") << 0;
        QTest::newRow("Fechner") << 2;
        QTest::newRow("nerve") << 3;
    }
    void capture()
    {
        QFETCH(int, page);
        const QString run = qEnvironmentVariable("KALMENO_RUN_DIR");
        const QString image = dir.filePath(QStringLiteral("page%1.png").arg(page));
        const Sortie s = lancer({"--capture", QString::number(page), image}, run);
        QCOMPARE(s.code, 0);
        QVERIFY2(!s.erreur.contains("kalmeno :"), s.erreur.constData());
        const QImage lue(image);
        QCOMPARE(lue.size(), QSize(780, 504)); // the notebook's page area
        // The same page as the window shows it after its start-up and a click on the tab.
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(run);
        TForm1 f;
        f.show();
        f.Timer_debutTimer();
        f.Notebook1->setCurrentIndex(page);
        f.Notebook1Click();
        const QImage vue = f.image_page(page);
        QDir::setCurrent(ancien);
        QCOMPARE(lue.convertToFormat(QImage::Format_RGB32), vue);
    }

    void capture_impossible()
    {
        const Sortie s = lancer({"--capture", "2", dir.filePath("absent/x.png")}, qEnvironmentVariable("KALMENO_RUN_DIR"));
        QCOMPARE(s.code, 2);
        QVERIFY(s.erreur.contains("Ne peut créer le fichier"));
    }
};

QTEST_MAIN(TstLigneCommande)
#include "tst_lignecommande.moc"
