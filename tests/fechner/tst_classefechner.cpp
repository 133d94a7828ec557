#include "fechner/analysefechnercli.h"
#include "fechner/classefechner.h"
#include "fechner/csvanalyse.h"
#include "common/exportcsv.h"
#include "fechner/fichierfechner.h"
#include "fechner/tracesanalyse.h"
#include "common/canevas.h"
#include "fichiersessai.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

int ligne_de(const GrilleFechner &g, int portee)
{
    for (int i = 1; i < GrilleFechner::LIGNES; i += 2)
        if (g.cellule(0, i) == QStringLiteral("%1g").arg(portee)) return i;
    return -1;
}

// A group's grid from "portée:10N 20O …; portée:…".
GrilleFechner grille(const QString &texte)
{
    GrilleFechner g;
    g.ecrire_entetes();
    for (const QString &rang : texte.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList p = rang.trimmed().split(QLatin1Char(':'));
        const int ligne = ligne_de(g, p[0].toInt());
        int c = 1;
        for (const QString &e : p[1].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            g.ecrire(c, ligne, e.chopped(1));
            g.ecrire(c, ligne + 1, QString(e.back()));
            ++c;
        }
    }
    return g;
}

Couleur pixel(const QImage &image, int x, int y)
{
    return depuis_pixel(reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x]);
}

} // namespace

class TstClasseFechner : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString fichier(const QString &nom, const QByteArray &octets)
    {
        const QString chemin = dir.filePath(nom);
        ecrire_tout(chemin, octets);
        return chemin;
    }
    QString groupe(const QString &nom, const QString &essais) { return fichier(nom, octets_fch(grille(essais))); }

private Q_SLOTS:
    void fichiers_ecartes_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("raison");
        QByteArray court = octets_fch(grille("200:10N 20O"));
        court.truncate(court.indexOf("--o/n--")); // cut inside row 2: 24 lines whole
        QByteArray etranger = octets_fch(grille("200:10N 20O"));
        etranger.replace("g\r\n", "x\r\n"); // no heading of a carried mass left
        QTest::newRow("empty") << QByteArray() << "fichier vide";
        QTest::newRow("NUL byte") << QByteArray("ess1\0\r\n", 7) << "fichier endommagé";
        QTest::newRow("truncated") << court << "fichier incomplet (24 lignes sur 612)";
        QTest::newRow("not a grid") << etranger << "ce n'est pas une grille de Fechner";
        QTest::newRow("a 40 000-byte line") << QByteArray(40000, 'a') + "\r\n" << "ligne trop longue : ce n'est pas un fichier Fechner";
        QTest::newRow("no trial") << octets_fch(grille("")) << "aucun essai";
    }
    void fichiers_ecartes()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, raison);
        const GroupeFechner g = lire_groupe(fichier(QStringLiteral("g.fch"), octets));
        QVERIFY(!g.retenu);
        QCOMPARE(g.raison, raison);
        QCOMPARE(g.nom, QStringLiteral("g.fch"));
    }

    void fichier_absent_ou_dossier()
    {
        QCOMPARE(lire_groupe(dir.filePath("absent.fch")).raison, QStringLiteral("fichier introuvable ou illisible"));
        QDir(dir.path()).mkpath(QStringLiteral("dossier.fch"));
        QVERIFY(!lire_groupe(dir.filePath("dossier.fch")).retenu);
    }

    void classe_mise_en_commun()
    {
        // Group A: separated at 200 g (threshold 15); group B: separated at 200 g
        // between 20 and 30 (threshold 25) and at 400 g (threshold 30).
        const QString a = groupe(QStringLiteral("a.fch"), "200:10N 20O");
        const QString b = groupe(QStringLiteral("b.fch"), "200:20N 30O; 400:25N 35O");
        const QString abime = fichier(QStringLiteral("abime.fch"), QByteArray("\0\0", 2));
        const ClasseFechner c = analyser_classe({a, abime, b});
        QCOMPARE(c.groupes.size(), 3);
        QCOMPARE(c.retenus(), 2);
        QVERIFY(!c.groupes[1].retenu); // listed, left out, the rest analysed
        QCOMPARE(c.groupes[0].analyse.k, 15.0 / 200);
        // Pooled at 200 g: 10N 20N 20O 30O, the largest mass not felt meets the
        // smallest felt: no fit, the midpoint 20. At 400 g: 30.
        QCOMPARE(c.commune.essais, 6);
        QCOMPARE(c.commune.lignes.size(), 2);
        QCOMPARE(int(c.commune.lignes[0].methode), int(MethodeSeuil::Encadrement));
        QCOMPARE(c.commune.lignes[0].seuil, 20.0);
        // By hand: k = (20/200 + 30/400) / 2; the groups' k 0,075 and
        // (25/200 + 30/400) / 2 = 0,1, their mean 0,0875, standard error
        // |0,1 − 0,075| / 2 = 0,0125.
        QVERIFY(std::fabs(c.commune.k - 0.0875) < 1e-12);
        QCOMPARE(c.groupes_avec_k, 2);
        QVERIFY(std::fabs(c.moyenne_k - 0.0875) < 1e-12 && std::fabs(c.erreur_type_k - 0.0125) < 1e-12);
        QCOMPARE(texte_groupes(c), QStringLiteral("Groupes : k moyen = 0,088 ± 0,025 (moyenne ± 2 erreurs types ; 2 groupes)"));
    }

    void champs_csv_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("plain") << "0,071" << "0,071";
        QTest::newRow("accents kept") << "Écart résiduel (g)" << "Écart résiduel (g)";
        QTest::newRow("semicolon quoted") << "a;b" << "\"a;b\"";
        QTest::newRow("quote doubled") << "le \"groupe\"" << "\"le \"\"groupe\"\"\"";
        QTest::newRow("line break quoted") << "a\nb" << "\"a\nb\"";
        QTest::newRow("empty") << "" << "";
    }
    void champs_csv()
    {
        QFETCH(QString, champ);
        QFETCH(QString, ecrit);
        QCOMPARE(csv::champ(champ), ecrit);
    }

    void document_csv_octets()
    {
        const QByteArray d = csv::octets({{QStringLiteral("é"), QStringLiteral("x;y")}, {}});
        QCOMPARE(d, QByteArray("\xEF\xBB\xBF\xC3\xA9;\"x;y\"\r\n\r\n"));
    }

    void export_de_la_classe()
    {
        const QString a = groupe(QStringLiteral("a.fch"), "200:10N 20O");
        const ClasseFechner c = analyser_classe({a, dir.filePath("absent.fch")});
        const QString texte = QString::fromUtf8(csv_analyse(analyser(grille("400:10N 30O")), &c).mid(3));
        const QStringList lignes = texte.split(QStringLiteral("\r\n"));
        QCOMPARE(lignes[0], QStringLiteral("Analyse;Grille de la page"));
        QCOMPARE(lignes[1], QStringLiteral("Masse portée (g);Essais;Fausses alertes;Seuil ΔI (g);Seuil bas (g);Seuil haut (g);ΔI/I;Remarque"));
        QCOMPARE(lignes[2], QStringLiteral("400;2;;20,0;10,0;30,0;0,050;entre 10 et 30 g"));
        QCOMPARE(lignes[3], QStringLiteral("k;0,050;;;1;2"));
        QVERIFY(lignes.contains(QStringLiteral("Analyse;Classe (1 fichiers retenus)")));
        QVERIFY(lignes.contains(QStringLiteral("a.fch;0,075;;;1;")));
        QVERIFY(lignes.contains(QStringLiteral("absent.fch;;;;;écarté : fichier introuvable ou illisible")));
        QVERIFY(lignes.contains(QStringLiteral("Moyenne des k des groupes;0,075;2 erreurs types;;1 groupes")));
    }

    void ligne_de_commande_data()
    {
        QTest::addColumn<QStringList>("groupes");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("erreurs");
        // Thresholds by hand as in classe_mise_en_commun.
        // Two trials a mass: a resample with one answer only has no threshold,
        // too often for an interval of k.
        QTest::newRow("one file") << QStringList{"200:10N 20O"} << 0
                                  << "200;2;;15,0;10,0;20,0;0,075;entre 10 et 20 g\nk;0,075;;;1;2\n" << "";
        QTest::newRow("pooled") << QStringList{"200:10N 20O", "200:20N 30O; 400:25N 35O"} << 0
                                << "200;4;;20,0;10,0;30,0;0,100;entre 10 et 30 g\n400;2;;30,0;25,0;35,0;0,075;entre 25 et 35 g\n"
                                   "k;0,087;;;2;6\n" << "";
        QTest::newRow("catch trials") << QStringList{"300:0O 0N 0N 0N 0N 0N 0N 0N 0N 20N 40O"} << 0
                                      << "300;11;0,11;30,0;20,0;40,0;0,100;entre 20 et 40 g\nk;0,100;;;1;11\n" << "";
        QTest::newRow("no threshold") << QStringList{"200:10O 20O"} << 0 << "200;2;;;;;;toujours senti\nk;;;;0;0\n"
                                      << "Pas assez d'essais\n";
        QTest::newRow("a bad file") << QStringList{"200:10N 20O", "!"} << 2 << ""
                                    << "kalmeno : %2 : fichier endommagé\n";
        // "?": the group's 200 g row headed "abc": left out, and said.
        QTest::newRow("a heading that is not a mass") << QStringList{"200:10N 20O", "?200:15N 35O; 400:25N 35O"} << 0
            << "200;2;;15,0;10,0;20,0;0,075;entre 10 et 20 g\n400;2;;30,0;25,0;35,0;0,075;entre 25 et 35 g\nk;0,075;;;2;4\n"
            << "kalmeno : %2 : Ligne 15 (« abc ») laissée de côté : une masse portée s'écrit en grammes, suivie de « g ».\n";
        QTest::newRow("no file") << QStringList{} << 2 << ""
                                 << "kalmeno : --analyse-fechner attend un ou plusieurs fichiers .fch\n";
    }
    void ligne_de_commande()
    {
        QFETCH(QStringList, groupes);
        QFETCH(int, statut);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QStringList chemins;
        for (int i = 0; i < groupes.size(); ++i) {
            const QString nom = QStringLiteral("g%1.fch").arg(i + 1);
            if (groupes[i] == QLatin1String("!"))
                chemins << fichier(nom, QByteArray("\x01", 1));
            else if (groupes[i].startsWith(QLatin1Char('?')))
                chemins << fichier(nom, octets_fch(grille(groupes[i].mid(1))).replace("\r\n200g\r\n", "\r\nabc\r\n"));
            else
                chemins << groupe(nom, groupes[i]);
        }
        const SortieAnalyse s = analyse_fechner_fichiers(chemins);
        QCOMPARE(s.statut, statut);
        QCOMPARE(QString::fromUtf8(s.sortie), sortie.isEmpty() ? sortie
                 : QStringLiteral("masse;essais;fausses_alertes;seuil;seuil_bas;seuil_haut;rapport;remarque\n") + sortie);
        QCOMPARE(QString::fromUtf8(s.erreurs), erreurs.contains(QLatin1String("%2")) ? erreurs.arg(chemins[1]) : erreurs);
    }

    void option_absente()
    {
        char programme[] = "kalmeno", autre[] = "--zoom";
        char *argv[] = {programme, autre};
        QCOMPARE(analyse_fechner_ligne_de_commande(2, argv), -1);
    }

    void pas_de_graduation_data()
    {
        QTest::addColumn<double>("etendue");
        QTest::addColumn<double>("pas");
        // 1, 2 or 5 times a power of ten, at most 5 intervals: by hand.
        QTest::newRow("2000 g") << 2000.0 << 500.0;
        QTest::newRow("143 g") << 143.0 << 50.0;
        QTest::newRow("70 g") << 70.0 << 20.0;
        QTest::newRow("10 g") << 10.0 << 2.0;
        QTest::newRow("2.3 in ln I") << 2.3 << 0.5;
        QTest::newRow("exactly 5 steps") << 50.0 << 10.0;
    }
    void pas_de_graduation()
    {
        QFETCH(double, etendue);
        QFETCH(double, pas);
        QCOMPARE(pas_graduation_analyse(etendue, 5), pas);
    }

    void point_du_trace_de_weber()
    {
        // One mass, 1000 g, threshold 70 g (midpoint of 60 and 80): axes 0–1000 g
        // (step 200) and 0–80 g (step 20, as 70 > 60). The plotting area runs
        // from x 46 to 424 and y 178 up to 24, so the point is at x 424 and
        // y 178 − 70/80 × 154 = 43.25 → 43; the page's grid is drawn in blue.
        const QImage image = tracer_weber(analyser(grille("1000:60N 80O")), nullptr);
        QCOMPARE(image.size(), QSize(LARGEUR_TRACE, HAUTEUR_TRACE));
        QCOMPARE(pixel(image, 424, 43), BLEU);
        QCOMPARE(pixel(image, 46, 100), NOIR); // the vertical axis
    }

    void traces_sans_essais()
    {
        // Nothing to plot: the axes and "Pas assez d'essais", in black on white only.
        for (const QImage &image : {tracer_weber(AnalyseFechner{}, nullptr), tracer_fechner(AnalyseFechner{}, nullptr)}) {
            bool texte = false;
            for (int y = 80; y < 130; ++y)
                for (int x = 150; x < 330; ++x) texte |= pixel(image, x, y) == NOIR;
            QVERIFY(texte);
        }
        QCOMPARE(image_analyse(AnalyseFechner{}, nullptr, tracer_psychometrique(nullptr, {}, false)).size(),
                 QSize(2 * LARGEUR_TRACE, 2 * HAUTEUR_TRACE));
    }
};

QTEST_MAIN(TstClasseFechner)
#include "tst_classefechner.moc"
