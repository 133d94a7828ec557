#include "compagnons/terplux/fenetreterplux.h"
#include "compagnons/terplux/vueimage.h"
#include "compagnons/terplux/vueprofil.h"
#include "nomsaccessibles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QLabel>
#include <QSlider>
#include <QtTest>

class TstFenetreTerplux : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void force_de_l_inhibition_data()
    {
        QTest::addColumn<int>("force");
        QTest::addColumn<int>("signe"); // sign of (crossing − street) on the response's grey scale
        QTest::newRow("80 %, at start: grey spots") << 80 << -1;
        QTest::newRow("50 %: still darker") << 50 << -1;
        QTest::newRow("0 %: no spots, only the blur") << 0 << 1;
    }
    void force_de_l_inhibition()
    {
        QFETCH(int, force);
        QFETCH(int, signe);
        FenetreTerplux f;
        f.curseur_force->setValue(force);
        QCOMPARE(f.retine().force, force / 100.0);
        QVERIFY(f.texte_force->text().contains(QString("%1 %").arg(force)));
        const GrilleHermann g;
        const double croisement = f.gris_reponse(g.centre_rue(3), g.centre_rue(3));
        const double rue = f.gris_reponse(g.milieu_carre(3), g.centre_rue(3));
        QVERIFY(signe * (croisement - rue) > 0.0);
        // What the picture shows is what the grey scale says.
        const int gris = qGray(f.vue_reponse->image().pixel(g.centre_rue(3), g.centre_rue(3)));
        QVERIFY(std::abs(gris - croisement * 255) <= 1.0);
    }

    void choix_des_images_data()
    {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("mot"); // in the explanation
        QTest::newRow("black squares") << 0 << "taches grises";
        QTest::newRow("white squares") << 1 << "taches claires";
        QTest::newRow("Mach bands") << 2 << "dégradé";
        QTest::newRow("simultaneous contrast") << 3 << "même luminance";
    }
    void choix_des_images()
    {
        QFETCH(int, bouton);
        QFETCH(QString, mot);
        FenetreTerplux f;
        QTest::mouseClick(f.motifs->button(bouton), Qt::LeftButton);
        QVERIFY(f.explication->text().contains(mot));
        QCOMPARE(f.vue_stimulus->image().size(), QSize(TAILLE_STIMULUS, TAILLE_STIMULUS));
        QCOMPARE(f.vue_reponse->image().size(), QSize(TAILLE_STIMULUS, TAILLE_STIMULUS));
        QCOMPARE(f.vue_stimulus->ligne(), creer_stimulus(Motif(bouton)).ligne_conseillee);
    }

    void ligne_du_profil()
    {
        // Two sliders, two names.
        FenetreTerplux t;
        QVERIFY(t.findChild<QSlider *>("curseur_force")->accessibleName() != t.findChild<QSlider *>("curseur_taille")->accessibleName());
        // The pictures are read as pictures, the profile as a chart.
        QCOMPARE(QAccessible::queryAccessibleInterface(t.vue_stimulus)->role(), QAccessible::Graphic);
        QCOMPARE(QAccessible::queryAccessibleInterface(t.profil)->role(), QAccessible::Chart);
        QVERIFY(!t.profil->accessibleName().isEmpty());
        QCOMPARE(controles_sans_nom(&t), QStringList());
        // A click on either picture moves the row on both.
        FenetreTerplux f;
        f.resize(1000, 700);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const int x = f.vue_reponse->width() / 2;
        QTest::mouseClick(f.vue_reponse, Qt::LeftButton, {}, QPoint(x, VueImage::HAUT_IMAGE + 40));
        QCOMPARE(f.vue_reponse->ligne(), 40);
        QCOMPARE(f.vue_stimulus->ligne(), 40);
        QTest::mouseClick(f.vue_stimulus, Qt::LeftButton, {}, QPoint(x, 5000));
        QCOMPARE(f.vue_stimulus->ligne(), TAILLE_STIMULUS - 1);
        // By keyboard: Up one row, Shift+Up ten, both pictures alike, held within the picture.
        QTest::keyClick(f.vue_stimulus, Qt::Key_Up);
        QTest::keyClick(f.vue_stimulus, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(f.vue_reponse->ligne(), TAILLE_STIMULUS - 12);
        QTest::keyClick(f.vue_reponse, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.vue_reponse, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(f.vue_stimulus->ligne(), TAILLE_STIMULUS - 1);
        QVERIFY(f.vue_stimulus->accessibleDescription().startsWith(QStringLiteral("Ligne du profil : %1 sur").arg(TAILLE_STIMULUS)));
    }

    void taille_du_champ()
    {
        FenetreTerplux f;
        f.curseur_taille->setValue(45);
        QCOMPARE(f.retine().sigma_centre, 4.5);
        QVERIFY(f.texte_taille->text().contains("4,5"));
        QVERIFY(f.texte_taille->text().contains("13,5"));
        QVERIFY(!f.image_champ->pixmap().isNull());
    }
};

QTEST_MAIN(TstFenetreTerplux)
#include "tst_fenetreterplux.moc"
