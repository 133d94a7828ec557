#include "app/application.h"
#include "app/lignecommande.h"
#include "app/tform1.h"
#include "assets/icone.h"
#include "common/plateforme.h"
#include "common/exportcsv.h"
#include "fechner/csvfechner.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "classeurlu.h"
#include "fichiersessai.h"

#include <QIcon>
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
    // Headless; on Windows the offscreen platform has no fonts, and the
    // program draws nothing on the screen anyway.
    if (QSysInfo::productType() != QLatin1String("windows")) env.insert("QT_QPA_PLATFORM", "offscreen");
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
        // Damaged files, as a class meets them.
        ecrire_tout(dir.filePath("vide.fch"), "");
        ecrire_tout(dir.filePath("tronquee.fch"), lire_tout(dir.filePath("classe.fch")).left(100));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(dir.filePath("image.fch"), "PNG"));
        ecrire_tout(dir.filePath("longue.fch"), QByteArray(40000, 'a') + "\r\n");
        ecrire_tout(dir.filePath("tronque.nst"), deux_etapes.left(30));
        ecrire_tout(dir.filePath("longue.nst"), "1\r\n" + QByteArray(40000, '1') + "\r\n");
        ecrire_tout(dir.filePath("trop.nst"), "84\r\n");
        ecrire_tout(dir.filePath("lettre.nst"), QByteArray(deux_etapes).replace("\r\n6\r\n", "\r\nsix\r\n"));
    }

    void icone_de_la_fenetre()
    {
        // The icon compiled in is the program's own drawing, at each size.
        const QIcon icone = QApplication::windowIcon();
        QCOMPARE(icone.availableSizes().size(), qsizetype(std::size(TAILLES_ICONE_FENETRE)));
        for (int t : TAILLES_ICONE_FENETRE) {
            const QImage dessin = image_icone(t).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image_icone_compilee(t).convertToFormat(QImage::Format_ARGB32), dessin);
            QCOMPARE(icone.pixmap(QSize(t, t)).toImage().convertToFormat(QImage::Format_ARGB32), dessin);
        }
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
        QTest::newRow("workbook") << QStringList{"--xlsx", "a.nst", "a"} << M::Xlsx << "a.nst" << 0 << "";
        QTest::newRow("capture") << QStringList{"--capture", "5", "n.png"} << M::Capture << "n.png" << 5 << "";
        QTest::newRow("capture as JPEG") << QStringList{"--capture", "1", "n.JPEG"} << M::Capture << "n.JPEG" << 1 << "";
        QTest::newRow("capture without extension: PNG")
            << QStringList{"--capture", "1", "n"} << M::Capture << "n.png" << 1 << "";
        QTest::newRow("capture, unknown format") << QStringList{"--capture", "1", "n.gif"} << M::Erreur << "" << 0
                                                 << "format d'image inconnu « n.gif »";
        QTest::newRow("toolkit option left to it")
            << QStringList{"-platform", "offscreen", "--capture", "0", "c.png"} << M::Capture << "c.png" << 0 << "";
        QTest::newRow("unknown option") << QStringList{"--pdf"} << M::Erreur << "" << 0 << "option inconnue « --pdf ».";
        QTest::newRow("stray argument") << QStringList{"a.fch"} << M::Erreur << "" << 0 << "argument inattendu « a.fch ».";
        QTest::newRow("csv without file") << QStringList{"--csv"} << M::Erreur << "" << 0 << "l'option --csv attend";
        QTest::newRow("workbook without its name")
            << QStringList{"--xlsx", "a.fch"} << M::Erreur << "" << 0 << "l'option --xlsx attend";
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
        if (mode == OptionsLigne::Mode::Xlsx) QCOMPARE(o.sortie, QString("a.xlsx"));
    }

    void classeur_de_fichier_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("deuxieme_ligne"); // or the reason the file is refused
        QTest::addColumn<bool>("ok");
        QTest::newRow("grid") << "classe.fch" << "20;1;10;O" << true;
        QTest::newRow("programme") << "deux.nst" << "1;100;0;150;6;8;144;-85,37" << true;
        QTest::newRow("missing grid") << "absente.fch" << "fichier introuvable ou illisible" << false;
        QTest::newRow("not a programme") << "pas_un_programme.nst" << "ce n'est pas un programme de Nernst" << false;
        QTest::newRow("other kind") << "notes.txt" << "" << false;
        QTest::newRow("a folder") << "." << "" << false;
        QTest::newRow("empty grid file") << "vide.fch" << "fichier vide" << false;
        QTest::newRow("truncated grid") << "tronquee.fch" << "fichier incomplet (25 lignes sur 612)" << false;
        QTest::newRow("a picture named .fch") << "image.fch" << "fichier endommagé" << false;
        QTest::newRow("a 40 000-byte line, .fch")
            << "longue.fch" << "ligne trop longue : ce n'est pas un fichier Fechner" << false;
        QTest::newRow("truncated programme") << "tronque.nst" << "fichier incomplet (8 lignes sur 15)" << false;
        QTest::newRow("a 40 000-byte line, .nst")
            << "longue.nst" << "ligne trop longue : ce n'est pas un programme de Nernst" << false;
        QTest::newRow("more steps than the table") << "trop.nst" << "ce n'est pas un programme de Nernst" << false;
        QTest::newRow("a word for a number") << "lettre.nst" << "fichier endommagé (ligne 5 : « six »)" << false;
    }
    void classeur_de_fichier()
    {
        QFETCH(QString, nom);
        QFETCH(QString, deuxieme_ligne);
        QFETCH(bool, ok);
        QString erreur;
        const auto c = ::classeur_de_fichier(dir.filePath(nom), erreur);
        QCOMPARE(bool(c), ok);
        if (ok) {
            QCOMPARE(classeur::lignes_csv(*c).value(1).join(';'), deuxieme_ligne);
        } else {
            // The file and the reason, in French.
            QVERIFY2(erreur.startsWith("le fichier " + dir.filePath(nom)), qPrintable(erreur));
            QVERIFY2(erreur.endsWith(deuxieme_ligne + (deuxieme_ligne.isEmpty() ? "(.nst)." : ".")), qPrintable(erreur));
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
                                               << QByteArray("absent.nst est refusé : fichier introuvable ou illisible.");
        QTest::newRow("csv of a truncated programme: nothing on the output")
            << QStringList{"--csv", "tronque.nst"} << 2 << QByteArray() << QByteArray("fichier incomplet");
        QTest::newRow("workbook of a damaged grid") << QStringList{"--xlsx", "image.fch", "image.xlsx"} << 2
                                                    << QByteArray() << QByteArray("fichier endommagé");
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
        if (code != 0) QVERIFY2(s.sortie.isEmpty(), s.sortie.constData());
        QVERIFY2(s.erreur.contains(erreur), s.erreur.constData());
    }

    void csv_et_classeur_comme_le_menu_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("programme") << "deux.nst";
        QTest::newRow("grid") << "classe.fch";
    }
    void csv_et_classeur_comme_le_menu()
    {
        QFETCH(QString, nom);
        QString e;
        const Classeur c = *::classeur_de_fichier(dir.filePath(nom), e);
        const Sortie s = lancer({"--csv", nom}, dir.path());
        QCOMPARE(s.code, 0);
        QCOMPARE(s.sortie, classeur::octets_csv(c));
        const Sortie x = lancer({"--xlsx", nom, "classeur"}, dir.path());
        QCOMPARE(x.code, 0);
        QVERIFY(x.sortie.isEmpty());
        verifier_classeur(dir.filePath("classeur.xlsx"), c);
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
        // The window closed as a pupil's does: no launcher file left behind.
        const QString csb = QSysInfo::productType() == QLatin1String("windows")
                                ? QStringLiteral("c:/csb")
                                : qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/kalmeno/csb");
        QVERIFY(!QFileInfo::exists(csb + QStringLiteral("/cassybio.pif")));
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

    void capture_jpeg()
    {
        const Sortie s = lancer({"--capture", "2", dir.filePath("fechner.jpg")}, qEnvironmentVariable("KALMENO_RUN_DIR"));
        QCOMPARE(s.code, 0);
        QVERIFY(lire_tout(dir.filePath("fechner.jpg")).startsWith("\xFF\xD8\xFF")); // JPEG, not PNG
        QCOMPARE(QImage(dir.filePath("fechner.jpg")).size(), QSize(780, 504));
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
