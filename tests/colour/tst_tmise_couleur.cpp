#include "colour/tmise_couleur.h"
#include "common/cadre.h"
#include "fenetresmodales.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class TstTmise_couleur : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void depart_data()
    {
        QTest::addColumn<QList<int>>("avant"); // bar positions before, none for a new dialog
        QTest::addColumn<Couleur>("depart");
        QTest::addColumn<QList<int>>("barres");
        QTest::addColumn<Couleur>("mise");
        // Face colour: split into -241, -255, -32767, bars at 240, 254, 254.
        QTest::newRow("face colour, first use: only red moves, (15, 1, 1)")
            << QList<int>{} << COULEUR_FACE << QList<int>{240, 254, 254} << couleur_rgb(15, 1, 1);
        QTest::newRow("face colour again: no bar moves, the colour is kept")
            << QList<int>{240, 254, 254} << COULEUR_FACE << QList<int>{240, 254, 254} << COULEUR_FACE;
        QTest::newRow("pure red: the zero components open at the top")
            << QList<int>{} << ROUGE << QList<int>{0, 0, 0} << BLANC;
        QTest::newRow("an RGB colour shows as it is")
            << QList<int>{} << couleur_rgb(100, 150, 200) << QList<int>{155, 105, 55} << couleur_rgb(100, 150, 200);
    }
    void depart()
    {
        QFETCH(QList<int>, avant);
        QFETCH(Couleur, depart);
        QFETCH(QList<int>, barres);
        QFETCH(Couleur, mise);
        Tmise_couleur d;
        if (!avant.isEmpty()) {
            d.scroll_rouge->setValue(avant[0]);
            d.Scroll_vert->setValue(avant[1]);
            d.Scroll_bleu->setValue(avant[2]);
        }
        d.partir_de(depart);
        QCOMPARE((QList<int>{d.scroll_rouge->value(), d.Scroll_vert->value(), d.Scroll_bleu->value()}), barres);
        QCOMPARE(d.couleur_mise, mise);
        QCOMPARE(d.Group_ess_coul->couleur(), mise);
    }

    void barres()
    {
        // Each bar recomputes the colour: 254 - position + 1 per component.
        Tmise_couleur d;
        QCOMPARE(d.scroll_rouge->maximum(), 254);
        QCOMPARE(d.scroll_rouge->value(), 254);
        d.Scroll_vert->setValue(0);
        QCOMPARE(d.couleur_mise, couleur_rgb(1, 255, 1));
        d.scroll_rouge->setValue(127);
        QCOMPARE(d.couleur_mise, couleur_rgb(128, 255, 1));
        d.Scroll_bleu->setValue(300); // clamped to 254
        QCOMPARE(d.couleur_mise, couleur_rgb(128, 255, 1));
        QCOMPARE(d.Group_ess_coul->couleur(), couleur_rgb(128, 255, 1));
    }

    void boutons_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("resultat");
        QTest::newRow("OK") << "OKBtn" << int(QDialog::Accepted);
        QTest::newRow("Annuler") << "CancelBtn" << int(QDialog::Rejected);
    }
    void boutons()
    {
        QFETCH(QString, bouton);
        QFETCH(int, resultat);
        Tmise_couleur d;
        QCOMPARE(d.size(), QSize(388, 179));
        QCOMPARE(d.windowTitle(), QString("Mise en couleur"));
        QCOMPARE(d.HelpBtn->text(), QString("&Aide"));
        bool focus_ok = false;
        FenetresModales modales({[&](QWidget *m) {
            QVERIFY(m == &d);
            focus_ok = d.focusWidget() == d.OKBtn;
            // Tab reaches the three bars; Up moves the one focused.
            QTest::keyClick(d.OKBtn, Qt::Key_Tab);
            focus_ok = focus_ok && d.focusWidget() == d.CancelBtn;
            QTest::keyClick(d.CancelBtn, Qt::Key_Tab);
            QTest::keyClick(d.HelpBtn, Qt::Key_Tab);
            focus_ok = focus_ok && d.focusWidget() == d.scroll_rouge;
            QTest::keyClick(d.scroll_rouge, Qt::Key_Up);
            focus_ok = focus_ok && d.scroll_rouge->value() == 253;
            // "Aide" does nothing: the dialog stays open.
            QTest::mouseClick(d.HelpBtn, Qt::LeftButton);
            if (d.isVisible()) QTest::mouseClick(d.findChild<QPushButton *>(bouton), Qt::LeftButton);
        }});
        QCOMPARE(d.exec(), resultat);
        QVERIFY(focus_ok);
    }
};

QTEST_MAIN(TstTmise_couleur)
#include "tst_tmise_couleur.moc"
