#include "colour/tform_coul.h"
#include "common/cadre.h"
#include "common/forme.h"
#include "fenetresmodales.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TstTForm_coul : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colonnes_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("haut");
        QTest::addColumn<QString>("bas");
        QTest::addColumn<Couleur>("couleur_haut");
        QTest::addColumn<Couleur>("couleur_bas");
        QTest::addColumn<int>("gauche");
        // The ten columns of the dialog's layout.
        QTest::newRow("1") << 1 << "Shape2" << "Sh_coul1" << couleur_rgb(255, 177, 167) << ROUGE << 8;
        QTest::newRow("2") << 2 << "Shape3" << "Sh_coul2" << couleur_rgb(252, 249, 192) << JAUNE << 28;
        QTest::newRow("3") << 3 << "Shape4" << "Sh_coul3" << couleur_rgb(179, 205, 255) << BLEU << 48;
        QTest::newRow("4") << 4 << "Shape5" << "Sh_coul4" << couleur_rgb(255, 179, 245) << couleur_rgb(255, 0, 255)
                           << 69;
        QTest::newRow("5") << 5 << "Shape6" << "Sh_coul5" << couleur_rgb(184, 255, 179) << LIME << 89;
        QTest::newRow("6 orange") << 6 << "Shape7" << "Sh_coul6" << couleur_rgb(255, 228, 179)
                                  << couleur_rgb(240, 191, 125) << 108;
        QTest::newRow("7 cyan") << 7 << "Shape1" << "Sh_coul7" << couleur_rgb(179, 250, 255)
                                << couleur_rgb(0, 255, 255) << 128;
        QTest::newRow("8 violet") << 8 << "Shape10" << "Sh_coul8" << couleur_rgb(209, 179, 255)
                                  << couleur_rgb(145, 0, 215) << 148;
        QTest::newRow("9") << 9 << "Shape8" << "Sh_coul9" << BLANC << BLANC << 167;
        QTest::newRow("10") << 10 << "Shape9" << "Sh_coul10" << couleur_rgb(163, 163, 163) << NOIR << 187;
    }
    void colonnes()
    {
        QFETCH(int, colonne);
        QFETCH(QString, haut);
        QFETCH(QString, bas);
        QFETCH(Couleur, couleur_haut);
        QFETCH(Couleur, couleur_bas);
        QFETCH(int, gauche);
        TForm_coul d;
        auto *h = d.findChild<Forme *>(haut);
        auto *b = d.findChild<Forme *>(bas);
        QVERIFY(h && b);
        QCOMPARE(h->couleur(), couleur_haut);
        QCOMPARE(b->couleur(), couleur_bas);
        QCOMPARE(h->geometry(), QRect(gauche, 17, 16, 16));
        QCOMPARE(b->geometry(), QRect(gauche, 36, 16, 16));
        // Either square returns the upper colour and closes the dialog.
        for (Forme *carre : {h, b}) {
            d.couleur_choisie = -1;
            FenetresModales modales({[carre](QWidget *) { QTest::mousePress(carre, Qt::LeftButton); }});
            QCOMPARE(d.exec(), int(QDialog::Accepted));
            QCOMPARE(d.couleur_choisie, couleur_haut);
            QVERIFY(!d.isVisible());
        }
    }

    void fermer()
    {
        // "x" closes without a colour; each opening starts on the first colour,
        // whichever square had the keyboard before.
        TForm_coul d;
        d.couleur_choisie = -1;
        QWidget *focus[2] = {};
        FenetresModales modales({[&](QWidget *) {
                                     focus[0] = d.focusWidget();
                                     d.carre_bas(4)->setFocus();
                                     QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
                                 },
                                 [&](QWidget *) {
                                     focus[1] = d.focusWidget();
                                     QTest::keyClick(&d, Qt::Key_Escape);
                                 }});
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QCOMPARE(d.couleur_choisie, -1);
        QCOMPARE(focus[0], d.carre_haut(1));
        QCOMPARE(focus[1], d.carre_haut(1));
    }

    void fenetre()
    {
        TForm_coul d;
        QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(d.size(), QSize(210, 61));
        QCOMPARE(d.GroupBox6->title(), QString("Choisissez la couleur"));
        QCOMPARE(d.GroupBox6->couleur(), BLANC);
        QCOMPARE(d.BitBtn1->geometry(), QRect(194, -1, 15, 15));
        QCOMPARE(d.BitBtn1->text(), QString("x"));
    }
};

QTEST_MAIN(TstTForm_coul)
#include "tst_tform_coul.moc"
