#include "compagnons/commun/vuetraces.h"

#include <QSignalSpy>
#include <QAccessible>
#include <QtTest>

namespace {

// 0 to 10 ms every 0.1 ms, one channel.
Enregistrement dix_ms()
{
    Enregistrement e;
    e.periode_ms = 0.1;
    e.voies << Enregistrement::Voie{"A", "mV", false, 0, 0};
    // Each trial is filled before the next is added: adding may move the trials.
    auto &a = e.ajouter_essai("a");
    for (int i = 0; i <= 100; ++i) a.valeurs[0].push_back(i);
    auto &b = e.ajouter_essai("b");
    for (int i = 0; i <= 50; ++i) b.valeurs[0].push_back(-i);
    return e;
}

} // namespace

class TstVueTraces : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void serie_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("serie");
        // The trial names of the recordings the viewer is given: up to the first digit.
        QTest::newRow("paired shocks") << "Intervalle 2,1 ms" << "Intervalle";
        QTest::newRow("train on a fibre") << "Fibre à PR longue : 488 Hz" << "Fibre à PR longue :";
        QTest::newRow("recruitment") << "Intensité 0,20 V" << "Intensité";
        QTest::newRow("numbered") << "Réflexe rotulien n°2" << "Réflexe rotulien n°";
        QTest::newRow("no digit: the whole name") << "témoin" << "témoin";
        QTest::newRow("unnamed") << "" << "";
    }
    void serie()
    {
        QFETCH(QString, nom);
        QFETCH(QString, serie);
        QCOMPARE(VueTraces::serie(nom), serie);
    }

    void superposition_de_la_serie_data()
    {
        QTest::addColumn<int>("courant");
        QTest::addColumn<int>("traits"); // flat traces crossing the middle of the plot
        // "Essai 1" and "Essai 2" are one series, "Autre 1" another.
        QTest::newRow("Essai 1: its series") << 0 << 2;
        QTest::newRow("Essai 2: its series") << 1 << 2;
        QTest::newRow("Autre 1: alone") << 2 << 1;
    }
    void superposition_de_la_serie()
    {
        QFETCH(int, courant);
        QFETCH(int, traits);
        Enregistrement e;
        e.periode_ms = 1.0;
        e.voies << Enregistrement::Voie{"A", "mV", true, 0, 30};
        const std::pair<const char *, double> essais[] = {{"Essai 1", 5}, {"Essai 2", 15}, {"Autre 1", 25}};
        for (const auto &[nom, niveau] : essais) {
            auto &t = e.ajouter_essai(nom);
            for (int i = 0; i <= 10; ++i) t.valeurs[0].push_back(niveau);
        }
        VueTraces v;
        v.resize(400, 300);
        v.setEnregistrement(e);
        v.setEssaiCourant(courant);
        v.setSuperposition(true);
        // Down the column of t = 5 ms, away from the cursors, count the runs of the
        // channel's blue, full or pale.
        const QImage im = v.grab().toImage();
        const int x = v.x_de(5.0);
        int runs = 0;
        bool dans = false;
        for (int y = 0; y < im.height(); ++y) {
            const QColor c = im.pixelColor(x, y);
            const bool bleu = c.blue() > c.red() + 30;
            if (bleu && !dans) ++runs;
            dans = bleu;
        }
        QCOMPARE(runs, traits);
    }

    void curseurs_sur_les_echantillons_data()
    {
        QTest::addColumn<double>("demande");
        QTest::addColumn<double>("obtenu");
        QTest::newRow("on a sample") << 2.0 << 2.0;
        QTest::newRow("between: the nearest") << 2.04 << 2.0;
        QTest::newRow("before the start") << -3.0 << 0.0;
        QTest::newRow("after the end") << 30.0 << 10.0;
    }
    void curseurs_sur_les_echantillons()
    {
        QFETCH(double, demande);
        QFETCH(double, obtenu);
        VueTraces v;
        v.setEnregistrement(dix_ms());
        QSignalSpy spy(&v, &VueTraces::curseursDeplaces);
        v.setCurseur(1, demande);
        QVERIFY(std::abs(v.curseur(1) - obtenu) < 1e-9);
        QCOMPARE(spy.count(), 1);
    }

    void essai_plus_court()
    {
        // Choosing a shorter trial brings the cursors back within it.
        VueTraces v;
        v.setEnregistrement(dix_ms());
        v.setCurseur(0, 1.0);
        v.setCurseur(1, 9.0);
        v.setEssaiCourant(1);
        QVERIFY(std::abs(v.curseur(1) - 5.0) < 1e-9);
        QVERIFY(std::abs(v.ecart() - 4.0) < 1e-9);
        v.setEssaiCourant(7);
        QCOMPARE(v.essaiCourant(), 1);
    }

    void souris()
    {
        // A press moves the nearest cursor there; a drag carries it; the right button always takes C2.
        VueTraces v;
        v.resize(600, 300);
        v.setEnregistrement(dix_ms());
        v.setCurseur(0, 2.0);
        v.setCurseur(1, 8.0);
        QTest::mousePress(&v, Qt::LeftButton, {}, QPoint(v.x_de(3.0), 100));
        QVERIFY(std::abs(v.curseur(0) - 3.0) < 0.15);
        QTest::mouseMove(&v, QPoint(v.x_de(4.0), 100));
        QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(v.x_de(4.0), 100));
        QVERIFY(std::abs(v.curseur(0) - 4.0) < 0.15);
        QTest::mouseClick(&v, Qt::RightButton, {}, QPoint(v.x_de(1.0), 100));
        QVERIFY(std::abs(v.curseur(1) - 1.0) < 0.15);
        QVERIFY(std::abs(v.curseur(0) - 4.0) < 0.15);
    }

    void clavier_data()
    {
        QTest::addColumn<QList<int>>("touches"); // a key, or −key for Shift+key
        QTest::addColumn<double>("c1");
        QTest::addColumn<double>("c2");
        // From C1 at 2 ms and C2 at 8 ms, a sample every 0.1 ms.
        QTest::newRow("Right: C1 one sample") << QList<int>{Qt::Key_Right} << 2.1 << 8.0;
        QTest::newRow("Shift+Left: ten samples") << QList<int>{-Qt::Key_Left} << 1.0 << 8.0;
        QTest::newRow("2 then Left: C2") << QList<int>{Qt::Key_2, Qt::Key_Left} << 2.0 << 7.9;
        QTest::newRow("Space toggles") << QList<int>{Qt::Key_Space, -Qt::Key_Right, Qt::Key_Space, Qt::Key_Right}
                                       << 2.1 << 9.0;
        QTest::newRow("held within the window") << QList<int>{-Qt::Key_Left, -Qt::Key_Left, -Qt::Key_Left} << 0.0 << 8.0;
    }
    void clavier()
    {
        // Focused, the view's cursors move by keys as by the mouse.
        QFETCH(QList<int>, touches);
        QFETCH(double, c1);
        QFETCH(double, c2);
        VueTraces v;
        v.resize(600, 300);
        v.setEnregistrement(dix_ms());
        v.setCurseur(0, 2.0);
        v.setCurseur(1, 8.0);
        QCOMPARE(v.focusPolicy(), Qt::StrongFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(&v)->role(), QAccessible::Chart);
        for (int t : touches) QTest::keyClick(&v, Qt::Key(std::abs(t)), t < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY2(std::abs(v.curseur(0) - c1) < 1e-9 && std::abs(v.curseur(1) - c2) < 1e-9,
                 qPrintable(QStringLiteral("%1 %2").arg(v.curseur(0)).arg(v.curseur(1))));
        QVERIFY(v.accessibleDescription().contains(QStringLiteral("C1 : %1 ms").arg(QString::number(c1, 'f', 2).replace('.', ','))));
    }

    void zoom()
    {
        VueTraces v;
        v.resize(600, 300);
        v.setEnregistrement(dix_ms());
        QCOMPARE(v.fenetreDebut(), 0.0);
        QCOMPARE(v.fenetreFin(), 10.0);
        v.setFenetre(2.0, 4.0);
        QCOMPARE(v.fenetreDebut(), 2.0);
        QCOMPARE(v.fenetreFin(), 4.0);
        QVERIFY(std::abs(v.t_de(v.x_de(3.0)) - 3.0) < 2.0 / v.width()); // within a pixel
        // Never narrower than ten samples, never beyond the recording.
        v.setFenetre(5.0, 5.1);
        QVERIFY(std::abs(v.fenetreFin() - v.fenetreDebut() - 1.0) < 1e-9);
        v.setFenetre(-5.0, 50.0);
        QCOMPARE(v.fenetreDebut(), 0.0);
        QCOMPARE(v.fenetreFin(), 10.0);
        v.setFenetre(2.0, 4.0);
        QTest::mouseDClick(&v, Qt::LeftButton, {}, QPoint(300, 100));
        QCOMPARE(v.fenetreFin(), 10.0);
    }

    void dessin()
    {
        // Empty or full, the view paints; the full one shows its trace in the channel's colour.
        VueTraces v;
        v.resize(600, 300);
        QImage vide(v.size(), QImage::Format_RGB32);
        v.render(&vide);
        v.setEnregistrement(dix_ms());
        QImage plein(v.size(), QImage::Format_RGB32);
        v.render(&plein);
        int bleus = 0;
        for (int y = 0; y < plein.height(); ++y)
            for (int x = 0; x < plein.width(); ++x) {
                const QColor c = plein.pixelColor(x, y);
                if (c.blue() > 150 && c.red() < 100) ++bleus;
            }
        QVERIFY(bleus > 200);
    }
};

QTEST_MAIN(TstVueTraces)
#include "tst_vuetraces.moc"
