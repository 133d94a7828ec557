#include "compagnons/commun/formatexw.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small recording with two channels and two trials of different lengths.
Enregistrement exemple()
{
    Enregistrement e;
    e.titre = "Essai\tavec tabulation";
    e.notes << "première note" << "deuxième\r\nnote";
    e.periode_ms = 0.05;
    e.debut_ms = -1.0;
    e.voies << Enregistrement::Voie{"Stimulation", "V", true, -0.1, 1.1} << Enregistrement::Voie{"Nerf", "mV", false, 0, 0};
    Enregistrement::Essai &a = e.ajouter_essai("Intervalle 10,00 ms");
    a.valeurs[0] = {0.0, 0.5, 0.5, 0.0};
    a.valeurs[1] = {0.0123, -1.5e-4, 2.75, 1.0 / 3.0};
    Enregistrement::Essai &b = e.ajouter_essai("");
    b.valeurs[0] = {1.0};
    b.valeurs[1] = {-0.0001};
    return e;
}

QByteArray entete() { return "EXW\t1\r\nperiode_ms\t0.1\r\nvoie\tA\tmV\r\n"; }

} // namespace

class TstFormatExw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aller_retour()
    {
        // Every value reads back exactly; texts lose only their tabs and line ends.
        const Enregistrement e = exemple();
        const FormatExw::Lecture l = FormatExw::lire(FormatExw::ecrire(e));
        QVERIFY2(l.ok, qPrintable(l.erreur));
        const Enregistrement &r = l.enregistrement;
        QCOMPARE(r.titre, QString("Essai avec tabulation"));
        QCOMPARE(r.notes, QStringList({"première note", "deuxième  note"}));
        QCOMPARE(r.periode_ms, 0.05);
        QCOMPARE(r.debut_ms, -1.0);
        QCOMPARE(r.voies.size(), 2);
        QCOMPARE(r.voies[0].nom, QString("Stimulation"));
        QVERIFY(r.voies[0].echelle_fixee);
        QCOMPARE(r.voies[0].min, -0.1);
        QVERIFY(!r.voies[1].echelle_fixee);
        QCOMPARE(r.essais.size(), std::size_t(2));
        QCOMPARE(r.essais[0].nom, QString("Intervalle 10,00 ms"));
        QCOMPARE(r.essais[0].valeurs, e.essais[0].valeurs);
        QCOMPARE(r.essais[1].valeurs, e.essais[1].valeurs);
    }

    void lignes_ecrites()
    {
        // CR LF after every line, "." decimals whatever the locale.
        QLocale::setDefault(QLocale(QLocale::French));
        const QByteArray s = FormatExw::ecrire(exemple());
        QLocale::setDefault(QLocale::c());
        QVERIFY(s.startsWith("EXW\t1\r\ntitre\t"));
        QVERIFY(s.endsWith("\r\n"));
        QVERIFY(s.contains("\r\nperiode_ms\t0.05\r\n"));
        QVERIFY(s.contains("\r\nvoie\tStimulation\tV\t-0.1\t1.1\r\n"));
        QVERIFY(s.contains("\r\n0.0123\t-0.00015\r\n") || s.contains("\r\n0\t0.0123\r\n"));
        QVERIFY(!s.contains('\n' + QByteArray("\n")));
    }

    void lectures_acceptees_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<int>("nb_essais");
        QTest::addColumn<int>("nb_mesures"); // of the last trial
        QTest::newRow("LF line ends") << QByteArray("EXW\t1\nperiode_ms\t0.1\nvoie\tA\tmV\nessai\tx\n1\n2\n") << 1 << 2;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + entete() + "essai\tx\r\n1\r\n" << 1 << 1;
        QTest::newRow("blank and comment lines") << entete() + "# note\r\n\r\nessai\tx\r\n\r\n1\r\n# c\r\n2\r\n" << 1 << 2;
        QTest::newRow("unknown header key skipped") << QByteArray("EXW\t1\r\nappareil\tCASSY\r\nperiode_ms\t1\r\nvoie\tA\tV\r\nessai\t\r\n1\r\n") << 1 << 1;
        QTest::newRow("two trials") << entete() + "essai\ta\r\n1\r\nessai\tb\r\n1\r\n2\r\n3\r\n" << 2 << 3;
        QTest::newRow("exponent and sign") << entete() + "essai\ta\r\n-1.5e-3\r\n+2\r\n" << 1 << 2;
        QTest::newRow("no final line end") << entete() + "essai\ta\r\n1" << 1 << 1;
    }
    void lectures_acceptees()
    {
        QFETCH(QByteArray, texte);
        QFETCH(int, nb_essais);
        QFETCH(int, nb_mesures);
        const FormatExw::Lecture l = FormatExw::lire(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(int(l.enregistrement.essais.size()), nb_essais);
        QCOMPARE(l.enregistrement.nb_echantillons(nb_essais - 1), nb_mesures);
    }

    void lectures_refusees_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("erreur"); // the start of the message, naming the line
        QTest::newRow("empty file") << QByteArray() << "Ligne 1 : ce n'est pas";
        QTest::newRow("another format") << QByteArray("CASSY\r\n") << "Ligne 1 : ce n'est pas";
        QTest::newRow("later version") << QByteArray("EXW\t2\r\n") << "Ligne 1 : version 2";
        QTest::newRow("no period") << QByteArray("EXW\t1\r\nvoie\tA\tV\r\nessai\tx\r\n1\r\n") << "Ligne 3 : période";
        QTest::newRow("zero period") << QByteArray("EXW\t1\r\nperiode_ms\t0\r\n") << "Ligne 2 : la période";
        QTest::newRow("negative period") << QByteArray("EXW\t1\r\nperiode_ms\t-1\r\n") << "Ligne 2 : la période";
        QTest::newRow("period not a number") << QByteArray("EXW\t1\r\nperiode_ms\t0,1\r\n") << "Ligne 2 : nombre incorrect « 0,1 »";
        QTest::newRow("trial before any channel") << QByteArray("EXW\t1\r\nperiode_ms\t1\r\nessai\tx\r\n") << "Ligne 3 : essai sans";
        QTest::newRow("channel with one field") << QByteArray("EXW\t1\r\nvoie\tA\r\n") << "Ligne 2 : une voie";
        QTest::newRow("channel range upside down") << QByteArray("EXW\t1\r\nvoie\tA\tV\t2\t1\r\n") << "Ligne 2 : échelle";
        QTest::newRow("too few values") << entete() + "voie\tB\tV\r\nessai\tx\r\n1\r\n" << "Ligne 6 : 1 valeurs au lieu de 2";
        QTest::newRow("too many values") << entete() + "essai\tx\r\n1\t2\r\n" << "Ligne 5 : 2 valeurs au lieu de 1";
        QTest::newRow("not a number") << entete() + "essai\tx\r\nabc\r\n" << "Ligne 5 : nombre incorrect « abc »";
        QTest::newRow("not a number: nan") << entete() + "essai\tx\r\nnan\r\n" << "Ligne 5 : nombre incorrect";
        QTest::newRow("not a number: infinity") << entete() + "essai\tx\r\ninf\r\n" << "Ligne 5 : nombre incorrect";
        QTest::newRow("beyond a double") << entete() + "essai\tx\r\n1e999\r\n" << "Ligne 5 : nombre incorrect";
        QTest::newRow("decimal comma") << entete() + "essai\tx\r\n1,5\r\n" << "Ligne 5 : nombre incorrect";
        QTest::newRow("empty value") << entete() + "voie\tB\tV\r\nessai\tx\r\n1\t\r\n" << "Ligne 6 : nombre incorrect «  »";
        QTest::newRow("channel after the first trial") << entete() + "essai\tx\r\n1\r\nvoie\tB\tV\r\n" << "Ligne 6 : 3 valeurs";
        QTest::newRow("empty trial before another") << entete() + "essai\tx\r\nessai\ty\r\n1\r\n" << "Ligne 5 : l'essai précédent";
        QTest::newRow("last trial empty") << entete() + "essai\tx\r\n" << "Ligne 5 : le dernier essai";
        QTest::newRow("no trial") << entete() << "Ligne 4 : aucun essai";
        QByteArray dix_sept = "EXW\t1\r\n";
        for (int k = 0; k < 17; ++k) dix_sept += "voie\tA\tV\r\n";
        QTest::newRow("seventeen channels") << dix_sept << "Ligne 18 : plus de 16 voies";
    }
    void lectures_refusees()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, erreur);
        const FormatExw::Lecture l = FormatExw::lire(texte);
        QVERIFY(!l.ok);
        QVERIFY2(l.erreur.startsWith(erreur), qPrintable(l.erreur));
        QVERIFY(l.enregistrement.essais.empty());
    }

    void fichiers()
    {
        QTemporaryDir d;
        // A missing file, a folder: cannot be opened.
        QVERIFY(FormatExw::lire_fichier(d.filePath("absent.exw")).erreur.startsWith("Ne peut ouvrir le fichier"));
        QVERIFY(FormatExw::lire_fichier(d.path()).erreur.startsWith("Ne peut ouvrir le fichier"));
        // A name with blanks, "&", "~" and quotes (none on Windows, which
        // forbids them) is a name like any other.
        const bool guillemets = QSysInfo::productType() != QLatin1String("windows");
        const QString nom = d.filePath(guillemets ? "l'essai \"n°1\" &refr~A.exw" : "l'essai n°1 &refr~A.exw");
        QFile f(nom);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(FormatExw::ecrire(exemple()));
        f.close();
        QVERIFY(FormatExw::lire_fichier(nom).ok);
    }
};

QTEST_GUILESS_MAIN(TstFormatExw)
#include "tst_formatexw.moc"
