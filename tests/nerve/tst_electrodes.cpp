// The drag rules of the four electrodes and the wires and signs that follow them.
#include "nerve/electrodes.h"

#include <QtTest>

Q_DECLARE_METATYPE(Electrode)

class TstElectrodes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deplacement_data()
    {
        QTest::addColumn<Electrode>("e");
        QTest::addColumn<QList<int>>("lefts"); // anode, cathode, enr1, enr2 before the move
        QTest::addColumn<int>("vise");          // the left edge the pointer asks for
        QTest::addColumn<int>("attendu");
        const QList<int> depart{64, 80, 208, 224};
        // Stimulating electrodes: right edge (Left + 5) strictly left of both recording ones.
        QTest::newRow("cathode up to 202: right edge 207 < 208") << Electrode::Cathode << depart << 202 << 202;
        QTest::newRow("cathode refused at 203: right edge 208") << Electrode::Cathode << depart << 203 << 80;
        QTest::newRow("anode refused at 203") << Electrode::Anode << depart << 203 << 64;
        QTest::newRow("cathode held by the nearer electrode 2")
            << Electrode::Cathode << QList<int>{64, 80, 250, 150} << 145 << 80;
        QTest::newRow("anode passes the cathode") << Electrode::Anode << depart << 120 << 120;
        QTest::newRow("cathode passes the anode leftward") << Electrode::Cathode << depart << 30 << 30;
        // Recording electrodes: left edge strictly right of both stimulating right edges.
        QTest::newRow("electrode 1 down to 86: 86 > 85") << Electrode::Enr1 << depart << 86 << 86;
        QTest::newRow("electrode 1 refused at 85") << Electrode::Enr1 << depart << 85 << 208;
        QTest::newRow("electrode 2 held by an anode right of the cathode")
            << Electrode::Enr2 << QList<int>{100, 80, 208, 224} << 105 << 224;
        QTest::newRow("electrode 2 right of that anode") << Electrode::Enr2 << QList<int>{100, 80, 208, 224} << 106 << 106;
        QTest::newRow("recording electrodes may coincide") << Electrode::Enr2 << depart << 208 << 208;
        QTest::newRow("recording electrodes may pass") << Electrode::Enr2 << depart << 150 << 150;
        // The panel limit, 331 - 10 = 321, and the left end, right edge above 15.
        QTest::newRow("electrode 2 up to 320, past the nerve's end") << Electrode::Enr2 << depart << 320 << 320;
        QTest::newRow("electrode 2 refused at 321") << Electrode::Enr2 << depart << 321 << 224;
        QTest::newRow("electrode 1 refused far right") << Electrode::Enr1 << depart << 400 << 208;
        QTest::newRow("anode down to 11: right edge 16") << Electrode::Anode << depart << 11 << 11;
        QTest::newRow("anode refused at 10: right edge 15") << Electrode::Anode << depart << 10 << 64;
        QTest::newRow("cathode refused far left") << Electrode::Cathode << depart << -40 << 80;
        QTest::newRow("cathode beyond 311 when the recorders let it")
            << Electrode::Cathode << QList<int>{64, 80, 320, 320} << 312 << 312;
        QTest::newRow("cathode refused at 321 even so") << Electrode::Cathode << QList<int>{64, 80, 330, 330} << 321 << 80;
    }
    void deplacement()
    {
        QFETCH(Electrode, e);
        QFETCH(QList<int>, lefts);
        QFETCH(int, vise);
        QFETCH(int, attendu);
        Montage m;
        for (int k = 0; k < 4; ++k) m.gauche[k] = lefts[k];
        // Grabbed 3 pixels into the shape; the pointer then sits 3 pixels right of the target.
        const int X = vise - m.gauche_de(e) + 3;
        QCOMPARE(deplace_shape(m, e, X, 3), attendu);
    }

    void point_de_saisie()
    {
        // The grab point stays under the pointer: the move is X - x_saisie.
        Montage m;
        QCOMPARE(deplace_shape(m, Electrode::Cathode, 10, 3), 87);
        QCOMPARE(deplace_shape(m, Electrode::Cathode, 3, 3), 80);
        QCOMPARE(deplace_shape(m, Electrode::Enr1, 0, 4), 204);
    }

    void suiveurs_data()
    {
        QTest::addColumn<Electrode>("e");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("fil_largeur");
        QTest::addColumn<int>("signe");
        // The nerve picture ends at 8 + 393 = 401: stimulating wires end at 398, recording wires at 371.
        QTest::newRow("anode at its start: 334, one more than the design's 333") << Electrode::Anode << 64 << 334 << 62;
        QTest::newRow("cathode at its start: 318 from 80") << Electrode::Cathode << 80 << 318 << 78;
        QTest::newRow("electrode 1 at its start: 163 as designed") << Electrode::Enr1 << 208 << 163 << 206;
        QTest::newRow("electrode 2 at its start: 147 from 224") << Electrode::Enr2 << 224 << 147 << 222;
        QTest::newRow("cathode moved to 150") << Electrode::Cathode << 150 << 248 << 148;
        QTest::newRow("electrode 2 at 320") << Electrode::Enr2 << 320 << 51 << 318;
    }
    void suiveurs()
    {
        QFETCH(Electrode, e);
        QFETCH(int, gauche);
        QFETCH(int, fil_largeur);
        QFETCH(int, signe);
        const Suiveurs s = ::suiveurs(e, gauche, 401);
        QCOMPARE(s.fil_gauche, gauche);
        QCOMPARE(s.fil_largeur, fil_largeur);
        QCOMPARE(s.fil_gauche + s.fil_largeur, est_stimulatrice(e) ? 398 : 371);
        if (est_stimulatrice(e)) QCOMPARE(s.signe_gauche, signe);
    }

    void fin_du_nerf() { QCOMPARE(Montage{}.fin_nerf(), 311); }
};

QTEST_GUILESS_MAIN(TstElectrodes)
#include "tst_electrodes.moc"
