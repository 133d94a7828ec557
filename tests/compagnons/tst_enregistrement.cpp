#include "compagnons/commun/enregistrement.h"
#include "compagnons/commun/texte.h"

#include <QtTest>

namespace {

// Samples every 0.5 ms from −1 ms: 0, 10, 20, 30, 40 at −1, −0.5, 0, 0.5, 1.
Enregistrement rampe()
{
    Enregistrement e;
    e.periode_ms = 0.5;
    e.debut_ms = -1.0;
    e.voies << Enregistrement::Voie{"A", "mV", false, 0, 0};
    e.ajouter_essai("x").valeurs[0] = {0, 10, 20, 30, 40};
    return e;
}

} // namespace

class TstEnregistrement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valeur_au_temps_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("valeur");
        QTest::newRow("first sample") << -1.0 << 0 << 0.0;
        QTest::newRow("time 0 is the third sample") << 0.0 << 2 << 20.0;
        QTest::newRow("nearest below the half") << 0.2 << 2 << 20.0;
        QTest::newRow("nearest above the half") << 0.3 << 3 << 30.0;
        QTest::newRow("before the start: the first") << -50.0 << 0 << 0.0;
        QTest::newRow("after the end: the last") << 50.0 << 4 << 40.0;
    }
    void valeur_au_temps()
    {
        QFETCH(double, t);
        QFETCH(int, indice);
        QFETCH(double, valeur);
        const Enregistrement e = rampe();
        QCOMPARE(e.indice(0, t), indice);
        QCOMPARE(e.valeur(0, 0, t), valeur);
        QCOMPARE(e.fin_ms(), 1.0);
    }

    void etendue_data()
    {
        QTest::addColumn<bool>("fixee");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("bas");
        QTest::addColumn<double>("haut");
        // Data 0 to 40, margin 8 % of 40 = 3.2 on each side.
        QTest::newRow("from the data") << false << 0.0 << 0.0 << -3.2 << 43.2;
        QTest::newRow("fixed range") << true << -1.0 << 5.0 << -1.0 << 5.0;
        QTest::newRow("fixed but empty: from the data") << true << 2.0 << 2.0 << -3.2 << 43.2;
    }
    void etendue()
    {
        QFETCH(bool, fixee);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, bas);
        QFETCH(double, haut);
        Enregistrement e = rampe();
        e.voies[0].echelle_fixee = fixee;
        e.voies[0].min = min;
        e.voies[0].max = max;
        QCOMPARE(e.etendue(0).first, bas);
        QCOMPARE(e.etendue(0).second, haut);
    }

    void etendue_plate()
    {
        // A flat channel still gets a range the plot can divide by.
        Enregistrement e = rampe();
        e.essais[0].valeurs[0] = {3, 3, 3};
        QCOMPARE(e.etendue(0), std::make_pair(2.0, 4.0));
    }

    void enregistrement_vide()
    {
        const Enregistrement e;
        QCOMPARE(e.nb_echantillons(0), 0);
        QCOMPARE(e.indice(0, 1.0), 0);
        QCOMPARE(e.valeur(0, 0, 1.0), 0.0);
        QCOMPARE(e.valeur(3, -1, 1.0), 0.0);
    }

    void nombres_affiches_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QString>("texte");
        QTest::newRow("decimal comma") << 3.5 << 2 << "3,50";
        QTest::newRow("negative") << -1.26 << 1 << "-1,3";
        QTest::newRow("no minus on a zero") << -0.0004 << 3 << "0,000";
        QTest::newRow("integer") << 20.0 << 0 << "20";
    }
    void nombres_affiches()
    {
        QFETCH(double, v);
        QFETCH(int, decimales);
        QFETCH(QString, texte);
        QCOMPARE(en_francais(v, decimales), texte);
    }
};

QTEST_GUILESS_MAIN(TstEnregistrement)
#include "tst_enregistrement.moc"
