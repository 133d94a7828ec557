#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/cassybio/fenetrecassybio.h"
#include "compagnons/commun/formatexw.h"
#include "compagnons/commun/vuetraces.h"
#include "fichiersessai.h"
#include "nomsaccessibles.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

} // namespace

class TstFenetreCassybio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ouvre_ce_que_l_outil_ecrit_data()
    {
        QTest::addColumn<QString>("dossier"); // the start directory, as a pupil's folder may be named
        QTest::addColumn<QString>("demande"); // the path as the launcher hands it over
        QTest::newRow("plain") << "kal" << "/kal/cassybio/electro/&recr~A.exw";
        // Windows forbids quotes in names: blanks and "&" only there.
        if (QSysInfo::productType() == QLatin1String("windows"))
            QTest::newRow("blanks and &") << "Mes TP & l'an 2" << "/Mes TP & l'an 2/cassybio/electro/&recr~A.exw";
        else
            QTest::newRow("blanks, quotes and &") << "Mes \"TP\" & l'an 2" << "/Mes \"TP\" & l'an 2/cassybio/electro/&recr~A.exw";
        QTest::newRow("folder in another case") << "kal" << "/kal/CASSYBIO/ELECTRO/&recr~A.exw";
    }
    void ouvre_ce_que_l_outil_ecrit()
    {
        QFETCH(QString, dossier);
        QFETCH(QString, demande);
        QTemporaryDir d;
        const Enregistrement e = FabriqueEnregistrements().recrutement();
        ecrire_tout(d.path() + "/" + dossier + "/cassybio/electro/&recr~A.exw", FormatExw::ecrire(e));
        FenetreCassybio f;
        QCOMPARE(f.ouvrir(d.path() + demande), QString());
        QCOMPARE(f.titre->text(), e.titre);
        QCOMPARE(f.windowTitle(), QString("cassybio - &recr~A.exw"));
        QCOMPARE(f.liste_essais->count(), int(e.essais.size()));
        QCOMPARE(f.liste_essais->item(0)->text(), QString("Intensité 0,10 V"));
        QCOMPARE(f.vue->enregistrement().essais[3].valeurs, e.essais[3].valeurs);
        // Every control Tab reaches is named for a screen reader.
        QCOMPARE(controles_sans_nom(&f), QStringList());
        // Choosing a trial in the list shows it; the box superposes the others.
        f.liste_essais->setCurrentRow(4);
        QCOMPARE(f.vue->essaiCourant(), 4);
        f.superposition->setChecked(true);
        f.liste_essais->setCurrentRow(2);
        QCOMPARE(f.vue->essaiCourant(), 2);
    }

    void erreurs_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("not a recording") << QByteArray("MZ\x90\x00") << "Ligne 1 : ce n'est pas";
        QTest::newRow("bad value") << QByteArray("EXW\t1\r\nperiode_ms\t1\r\nvoie\tA\tV\r\nessai\tx\r\n1\r\nz\r\n") << "Ligne 6 : nombre incorrect";
    }
    void erreurs()
    {
        // A recording that cannot be read leaves what was shown in place.
        QFETCH(QByteArray, contenu);
        QFETCH(QString, erreur);
        QTemporaryDir d;
        ecrire_tout(d.filePath("bon.exw"), "EXW\t1\r\ntitre\tBon\r\nperiode_ms\t1\r\nvoie\tA\tV\r\nessai\tx\r\n1\r\n2\r\n");
        ecrire_tout(d.filePath("mauvais.exw"), contenu);
        FenetreCassybio f;
        QCOMPARE(f.ouvrir(d.filePath("bon.exw")), QString());
        QVERIFY(f.ouvrir(d.filePath("mauvais.exw")).startsWith(erreur));
        QVERIFY(f.ouvrir(d.filePath("absent.exw")).startsWith("Ne peut ouvrir le fichier"));
        QCOMPARE(f.titre->text(), QString("Bon"));
        QCOMPARE(f.fichier(), d.filePath("bon.exw"));
        QCOMPARE(f.liste_essais->count(), 1);
    }
};

QTEST_MAIN(TstFenetreCassybio)
#include "tst_fenetrecassybio.moc"
