#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/commun/formatexw.h"
#include "compagnons/mavoren/simulateuremg.h"
#include "common/fichiertexte.h"

#include <QtTest>

namespace {

QString run_dir() { return qEnvironmentVariable("KALMENO_RUN_DIR"); }

ModeleNerf nerf_de_kalmeno()
{
    ModeleNerf m;
    m.lec_fic_ess0(run_dir() + "/ess0.nst");
    return m;
}

// The largest excursion of the nerve channel after time t0, away from the artefacts.
double crete_apres(const Enregistrement &e, int essai, double t0, double t1)
{
    double c = 0.0;
    for (int i = e.indice(essai, t0); i <= e.indice(essai, t1); ++i) c = std::max(c, std::abs(e.essais[essai].valeurs[1][i]));
    return c;
}

} // namespace

class TstFabriqueEnregistrements : public QObject {
    Q_OBJECT
    ModeleNerf nerf;
    double latence = 0.0; // ms from a stimulus to the start of its response, from the model's montage

private Q_SLOTS:
    void initTestCase()
    {
        nerf = nerf_de_kalmeno();
        QVERIFY2(nerf.courbe_ess0[0] != nerf.courbe_ess0[20], "ess0.nst of the run directory");
        // Electrode 1 128 pixels from the cathode: 21 samples of 1/6 ms.
        latence = ((208 - 80) / 6) / 6.0;
    }

    void relu_par_le_visualiseur_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("nb_essais");
        QTest::newRow("refractory period") << "&refr~A.exw" << int(FabriqueEnregistrements::delais().size());
        QTest::newRow("recruitment") << "&recr~A.exw" << int(FabriqueEnregistrements::intensites().size());
        QTest::newRow("reflex and voluntary") << "&revol~A.exw" << 6;
    }
    void relu_par_le_visualiseur()
    {
        // The files the build wrote hold exactly what the tool makes, and read back.
        QFETCH(QString, fichier);
        QFETCH(int, nb_essais);
        const FormatExw::Lecture l = FormatExw::lire_fichier(run_dir() + "/cassybio/electro/" + fichier);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(int(l.enregistrement.essais.size()), nb_essais);
        FabriqueEnregistrements f(nerf);
        const Enregistrement attendu = fichier.startsWith("&refr") ? f.refractaire()
                                       : fichier.startsWith("&recr") ? f.recrutement()
                                                                     : FabriqueEnregistrements::reflexe_volontaire();
        QCOMPARE(l.enregistrement.titre, attendu.titre);
        QCOMPARE(l.enregistrement.notes, attendu.notes);
        QCOMPARE(l.enregistrement.periode_ms, attendu.periode_ms);
        QCOMPARE(l.enregistrement.debut_ms, attendu.debut_ms);
        for (int e = 0; e < nb_essais; ++e) {
            QCOMPARE(l.enregistrement.essais[e].nom, attendu.essais[e].nom);
            QCOMPARE(l.enregistrement.essais[e].valeurs, attendu.essais[e].valeurs);
        }
    }

    void periode_refractaire_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<double>("rapport"); // second response / first; −1: none at all
        // From the model at 0.50 V: equal from p = 20 samples, 0.05 p from 11 to 19, none up to 10.
        QTest::newRow("p 60 (10 ms): equal") << 60 << 1.0;
        QTest::newRow("p 36 (6 ms): equal") << 36 << 1.0;
        QTest::newRow("p 20 (3.33 ms): equal") << 20 << 1.0;
        QTest::newRow("p 16 (2.67 ms): 0.8") << 16 << 0.8;
        QTest::newRow("p 12 (2 ms): 0.6") << 12 << 0.6;
        QTest::newRow("p 10 (1.67 ms): none") << 10 << -1.0;
        QTest::newRow("p 8 (1.33 ms): none") << 8 << -1.0;
    }
    void periode_refractaire()
    {
        QFETCH(int, p);
        QFETCH(double, rapport);
        const Enregistrement e = FabriqueEnregistrements(nerf).refractaire();
        const int k = FabriqueEnregistrements::delais().indexOf(p);
        QVERIFY(k >= 0);
        const double t2 = p / 6.0;
        // Trial 0 has its stimuli 10 ms apart: its first response stands alone.
        const double premiere = crete_apres(e, 0, latence, latence + 1.5);
        if (rapport < 0) {
            // The trace is the single response: the same as trial 0 up to its second
            // response, then flat once the first one is over (5.5 ms after it began).
            for (double t = latence; t < latence + 5.5; t += 0.05)
                QVERIFY2(std::abs(e.valeur(k, 1, t) - e.valeur(0, 1, t)) < 0.08, qPrintable(QString::number(t)));
            QVERIFY(crete_apres(e, k, latence + 5.6, 18.0) < 0.05);
        } else {
            // The main phase of the second response, against that of the first.
            const double seconde = crete_apres(e, k, t2 + latence, t2 + latence + 1.5);
            QVERIFY2(std::abs(seconde / premiere - rapport) < 0.08, qPrintable(QString::number(seconde / premiere)));
        }
        // Two shocks of 0.50 V on the stimulation channel.
        QCOMPARE(e.valeur(k, 0, 0.0), 0.5);
        QCOMPARE(e.valeur(k, 0, t2 + 0.05), 0.5);
        QCOMPARE(e.valeur(k, 0, -0.5), 0.0);
    }

    void recrutement_data()
    {
        QTest::addColumn<int>("intensite");
        QTest::addColumn<double>("gain"); // the model's: 0 below 0.20 V, then the intensity up to 0.70
        QTest::newRow("0.10 V: below threshold") << 10 << 0.0;
        QTest::newRow("0.15 V: below threshold") << 15 << 0.0;
        QTest::newRow("0.20 V: threshold") << 20 << 0.20;
        QTest::newRow("0.40 V") << 40 << 0.40;
        QTest::newRow("0.70 V: every fibre") << 70 << 0.70;
        QTest::newRow("1.00 V: no more") << 100 << 0.70;
    }
    void recrutement()
    {
        QFETCH(int, intensite);
        QFETCH(double, gain);
        const Enregistrement e = FabriqueEnregistrements(nerf).recrutement();
        const int k = FabriqueEnregistrements::intensites().indexOf(intensite);
        const int plein = FabriqueEnregistrements::intensites().indexOf(70);
        const double crete = crete_apres(e, k, latence, latence + 5.0);
        const double reference = crete_apres(e, plein, latence, latence + 5.0);
        if (gain == 0.0) QVERIFY2(crete < 0.05, qPrintable(QString::number(crete))); // noise only
        else QVERIFY2(std::abs(crete / reference - gain / 0.7) < 0.05, qPrintable(QString::number(crete / reference)));
        QCOMPARE(e.valeur(k, 0, 0.0), intensite / 100.0);
    }

    void reflexe_puis_volontaire()
    {
        // Three taps then three light signals; each EMG starts after its stimulus
        // at the simulator's latency or reaction time.
        const Enregistrement e = FabriqueEnregistrements::reflexe_volontaire();
        SimulateurEmg s;
        for (int k = 0; k < 3; ++k) {
            const double d = SimulateurEmg::debut_activite(e, k, 0.0);
            QVERIFY(d >= s.latence_reflexe_ms() && d <= s.latence_reflexe_ms() + 0.2);
        }
        for (int k = 3; k < 6; ++k) {
            const double d = SimulateurEmg::debut_activite(e, k, 0.0);
            QVERIFY(d >= SimulateurEmg::TRAITEMENT_MIN_MS + s.conduction_volontaire_ms());
            QVERIFY(d <= SimulateurEmg::TRAITEMENT_MAX_MS + s.conduction_volontaire_ms() + 0.2);
        }
    }

    void modele_du_lanceur()
    {
        // CR LF lines; "SET CHEM_CAS" on the second, and on no other.
        LecteurLignes l(FabriqueEnregistrements::modele_lanceur());
        QList<QByteArray> lignes;
        while (!l.fin()) lignes << l.ligne();
        QVERIFY(lignes.size() >= 2);
        QVERIFY(lignes[1].startsWith("SET CHEM_CAS="));
        for (int k = 0; k < lignes.size(); ++k) QCOMPARE(lignes[k].contains("SET CHEM_CAS"), k == 1);
        QVERIFY(FabriqueEnregistrements::modele_lanceur().endsWith("\r\n"));
        QByteArray sav;
        QVERIFY(lire_fichier(run_dir() + "/cassybio/cassybio.sav", sav));
        QCOMPARE(sav, FabriqueEnregistrements::modele_lanceur());
    }

    void lanceurs_executables()
    {
        // The launcher and its local copy are the viewer itself, executable.
        for (const char *f : {"/CASSYBIO/cassybio.ppp", "/cassybio/cassybio.pif", "/terplux/terplux.exe", "/mavoren/mavoren.exe"}) {
            const QFileInfo info(run_dir() + f);
            QVERIFY2(info.isFile() && info.isExecutable(), f);
        }
    }
};

QTEST_GUILESS_MAIN(TstFabriqueEnregistrements)
#include "tst_fabriqueenregistrements.moc"
