#include "compagnons/commun/formatexw.h"
#include "compagnons/commun/vuetraces.h"
#include "compagnons/mavoren/fenetremavoren.h"
#include "nomsaccessibles.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

class TstFenetreMavoren : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reflexe_mesure_data()
    {
        QTest::addColumn<int>("arc");
        QTest::addColumn<int>("vitesse");
        QTest::addColumn<double>("latence"); // (afferent + efferent) / speed + 2.5 ms
        QTest::newRow("knee at 60 m/s") << 1 << 60 << 22.5;
        QTest::newRow("knee at 30 m/s") << 1 << 30 << 42.5;
        QTest::newRow("biceps at 70 m/s") << 0 << 70 << 12.5;
        QTest::newRow("ankle at 95 m/s") << 2 << 95 << 22.5;
    }
    void reflexe_mesure()
    {
        // Tap, put C2 where the EMG starts, note the gap: the table holds the latency.
        QFETCH(int, arc);
        QFETCH(int, vitesse);
        QFETCH(double, latence);
        FenetreMavoren f(7);
        f.choix_reflexe->setCurrentIndex(arc);
        f.curseur_vitesse->setValue(vitesse);
        QVERIFY(f.texte_vitesse->text().contains(QString("%1 m/s").arg(vitesse)));
        QVERIFY(!f.noter_reflexe->isEnabled());
        QTest::mouseClick(f.bouton_reflexe, Qt::LeftButton);
        QVERIFY(f.noter_reflexe->isEnabled());
        QCOMPARE(f.vue_reflexe->curseur(0), 0.0);
        const double debut = SimulateurEmg::debut_activite(f.vue_reflexe->enregistrement(), 0, 0.0);
        f.vue_reflexe->setCurseur(1, debut);
        QTest::mouseClick(f.noter_reflexe, Qt::LeftButton);
        QCOMPARE(f.mesures->rowCount(), 1);
        QVERIFY(f.mesures->item(0, 0)->text().startsWith("Réflexe n°1"));
        const double lu = f.mesures->item(0, 1)->text().replace(',', '.').toDouble();
        QVERIFY2(std::abs(lu - latence) <= 0.25, qPrintable(f.mesures->item(0, 1)->text()));
    }

    void signal_lumineux()
    {
        FenetreMavoren f(3);
        QTest::mouseClick(f.bouton_signal, Qt::LeftButton);
        QVERIFY(f.lampe->styleSheet().contains("#ffff40"));
        const Enregistrement &e = f.vue_volontaire->enregistrement();
        QCOMPARE(e.essais.size(), std::size_t(1));
        QVERIFY(e.essais.front().nom.startsWith("Mouvement volontaire n°1"));
        const double debut = SimulateurEmg::debut_activite(e, 0, 0.0);
        QVERIFY(debut > 100.0 && debut < 300.0);
        QTRY_VERIFY(f.lampe->styleSheet().contains("#505050"));
        QTest::mouseClick(f.bouton_signal, Qt::LeftButton);
        QVERIFY(f.vue_volontaire->enregistrement().essais.front().nom.startsWith("Mouvement volontaire n°2"));
        // The reflex view is untouched by the light.
        QVERIFY(f.vue_reflexe->enregistrement().essais.empty());
        // A screen reader can name every control Tab reaches, the two views apart.
        QCOMPARE(controles_sans_nom(&f), QStringList());
        QVERIFY(f.vue_reflexe->accessibleName() != f.vue_volontaire->accessibleName());
    }

    void essais_enregistres()
    {
        // Every trial, in order, in one recording the viewer can read.
        FenetreMavoren f(9);
        QTest::mouseClick(f.bouton_reflexe, Qt::LeftButton);
        QTest::mouseClick(f.bouton_signal, Qt::LeftButton);
        QTest::mouseClick(f.bouton_reflexe, Qt::LeftButton);
        QCOMPARE(f.nb_essais(), 3);
        const FormatExw::Lecture l = FormatExw::lire(FormatExw::ecrire(f.tous_les_essais()));
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(l.enregistrement.essais.size(), std::size_t(3));
        QVERIFY(l.enregistrement.essais[1].nom.startsWith("Mouvement volontaire"));
        QCOMPARE(l.enregistrement.essais[2].valeurs, f.vue_reflexe->enregistrement().essais.front().valeurs);
    }
};

QTEST_MAIN(TstFenetreMavoren)
#include "tst_fenetremavoren.moc"
