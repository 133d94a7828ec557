// The automatic pupil of the page "Période réfractaire": it measures what the
// questionnaire asks, on the recordings opened in the recording viewer (trial
// list, cursors, readouts) and on the simulation driven through its widgets,
// types its answers and presses "Correction".
#include "common/canevas.h"
#include "common/forme.h"
#include "common/imagewidget.h"
#include "compagnons/cassybio/fenetrecassybio.h"
#include "compagnons/commun/vuetraces.h"
#include "nerve/pagenerf.h"
#include "tests/hoteessai.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

namespace {

QString run_dir() { return qEnvironmentVariable("KALMENO_RUN_DIR"); }

// What the pupil finds.
struct Mesures {
    double relative = 0;  // ms: the shortest interval with a whole second response
    double absolue = 0;   // ms: the shortest interval with any second response
    int freq_longue = 0;  // Hz: the fastest train a long-period fibre follows
    int freq_courte = 0;  // Hz: the same for a short-period fibre
    int vitesse = 0;      // m/s, from moving the recording electrodes
    bool cathode = false; // the response's delay follows the cathode, not the anode
    double seuil = 0;     // V: the weakest shock with a response
};

// ---- In the recording viewer ----

void choisir_essai(FenetreCassybio &f, int k)
{
    QListWidgetItem *item = f.liste_essais->item(k);
    f.liste_essais->scrollToItem(item);
    QTest::mouseClick(f.liste_essais->viewport(), Qt::LeftButton, {}, f.liste_essais->visualItemRect(item).center());
    QCOMPARE(f.vue->essaiCourant(), k);
}

// C1 is dragged from where it stands; C2 follows a click of the right button.
void placer_c1(VueTraces *v, double t)
{
    const QPoint de(v->x_de(v->curseur(0)), v->height() / 2), a(v->x_de(t), v->height() / 2);
    QTest::mousePress(v, Qt::LeftButton, {}, de);
    QMouseEvent bouge(QEvent::MouseMove, a, v->mapToGlobal(a), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v, &bouge);
    QTest::mouseRelease(v, Qt::LeftButton, {}, a);
}

void placer_c2(VueTraces *v, double t)
{
    QTest::mouseClick(v, Qt::RightButton, {}, QPoint(v->x_de(t), v->height() / 2));
}

// The shocks the pupil sees on the stimulation channel of the current trial.
QList<double> chocs(const VueTraces *v)
{
    const Enregistrement &e = v->enregistrement();
    const std::vector<double> &s = e.essais[v->essaiCourant()].valeurs[0];
    QList<double> t;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i] > 0.05 && s[i - 1] <= 0.05) t << e.temps(int(i));
    return t;
}

// Puts C1 on the highest point of the nerve channel between t0 and t1 and
// reads its value there.
double sommet(VueTraces *v, double t0, double t1)
{
    const Enregistrement &e = v->enregistrement();
    const int k = v->essaiCourant();
    int meilleur = e.indice(k, t0);
    for (int i = e.indice(k, t0); i <= e.indice(k, t1); ++i)
        if (e.essais[k].valeurs[1][i] > e.essais[k].valeurs[1][meilleur]) meilleur = i;
    placer_c1(v, e.temps(meilleur));
    return e.valeur(k, 1, v->curseur(0));
}

// The time between the first two shocks, read as Δt between the cursors.
double intervalle_lu(VueTraces *v, const QList<double> &c)
{
    placer_c2(v, c[1]);
    placer_c1(v, c[0]);
    return std::round(v->ecart() / 0.05) * 0.05;
}

// ---- On the simulation ----

// The column of the trace's highest dot.
int colonne_du_sommet(ImageWidget *w)
{
    QImage im = w->picture();
    Canevas c(im);
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (c.pixel(x, y) != BLANC) return x;
    return -1;
}

// Something drawn away from the baseline band (y 110 to 116).
bool reponse_tracee(ImageWidget *w)
{
    QImage im = w->picture();
    Canevas c(im);
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if ((y < 104 || y > 122) && c.pixel(x, y) != BLANC) return true;
    return false;
}

// Presses an electrode, drags it dx pixels along the nerve and lets it go.
void glisser(Forme *e, int dx)
{
    const QPoint prise(2, 10), lache(2 + dx, 10);
    QTest::mousePress(e, Qt::LeftButton, {}, prise);
    QMouseEvent bouge(QEvent::MouseMove, lache, e->mapToGlobal(lache), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e, &bouge);
    QTest::mouseRelease(e, Qt::LeftButton, {}, lache);
}

// Picks a combo box item by typing its first characters, as from the keyboard.
void choisir(QComboBox *c, const QString &texte)
{
    c->setFocus();
    QTest::keyClicks(c, texte);
    QCOMPARE(c->currentText(), texte);
}

// An interval as the period combo boxes write it: "2", "2.1".
QString en_item(double ms) { return QString::number(std::round(ms * 10) / 10, 'g', 3); }

} // namespace

class TstEleveAutomatique : public QObject {
    Q_OBJECT
    Mesures m_;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!run_dir().isEmpty());
    }

    void periodes_refractaires()
    {
        FenetreCassybio f;
        f.resize(1010, 700);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.ouvrir(run_dir() + "/cassybio/electro/&refr~A.exw"), QString());
        // The trial with the most distant shocks gives the whole response.
        choisir_essai(f, 0);
        const QList<double> c0 = chocs(f.vue);
        QCOMPARE(c0.size(), 2);
        const double entiere = sommet(f.vue, c0[0] + 1.0, c0[0] + 2.0);
        QVERIFY(entiere > 1.0);
        double plus_court_entier = 99, plus_court = 99;
        int vus = 0;
        for (int k = 0; k < f.liste_essais->count(); ++k) {
            if (!f.liste_essais->item(k)->text().startsWith(QStringLiteral("Intervalle"))) continue;
            choisir_essai(f, k);
            const QList<double> c = chocs(f.vue);
            QCOMPARE(c.size(), 2);
            const double intervalle = intervalle_lu(f.vue, c);
            // The name gives the interval the cursors read.
            QVERIFY(f.liste_essais->item(k)->text().contains(QString::number(intervalle, 'f', 1).replace('.', ',')));
            const double seconde = sommet(f.vue, c[1] + 1.0, c[1] + 2.0) / entiere;
            if (seconde > 0.9) plus_court_entier = std::min(plus_court_entier, intervalle);
            if (seconde > 0.2) plus_court = std::min(plus_court, intervalle);
            ++vus;
        }
        QCOMPARE(vus, 15);
        m_.relative = plus_court_entier;
        m_.absolue = plus_court;
        QCOMPARE(m_.relative, 2.1);
        QCOMPARE(m_.absolue, 1.6);
    }

    void frequences_maximales_data()
    {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<int>("attendu");
        // The fastest train followed: a period of 2.05 ms (488 Hz) for an absolute
        // period of 2.0 ms, of 1.55 ms (645 Hz) for one of 1.5 ms.
        QTest::newRow("long period") << "Fibre à PR longue" << 488;
        QTest::newRow("short period") << "Fibre à PR courte" << 645;
    }
    void frequences_maximales()
    {
        QFETCH(QString, sorte);
        QFETCH(int, attendu);
        FenetreCassybio f;
        f.resize(1010, 700);
        f.show();
        QCOMPARE(f.ouvrir(run_dir() + "/cassybio/electro/&refr~A.exw"), QString());
        int maximum = 0, trains = 0;
        for (int k = 0; k < f.liste_essais->count(); ++k) {
            if (!f.liste_essais->item(k)->text().startsWith(sorte)) continue;
            ++trains;
            choisir_essai(f, k);
            const QList<double> c = chocs(f.vue);
            QVERIFY(c.size() >= 6);
            const int frequence = int(std::lround(1000.0 / intervalle_lu(f.vue, c)));
            // The fibre follows when every shock has its potential, as tall as half the first.
            const double premier = sommet(f.vue, c[0] + 0.3, c[0] + 1.3);
            bool suit = true;
            for (double t : c) suit = suit && sommet(f.vue, t + 0.3, t + 1.3) > 0.5 * premier;
            if (suit) maximum = std::max(maximum, frequence);
        }
        QVERIFY(trains >= 5);
        QCOMPARE(maximum, attendu);
        (sorte.endsWith("longue") ? m_.freq_longue : m_.freq_courte) = maximum;
    }

    void simulation()
    {
        HoteEssai hote;
        hote.depart = run_dir();
        PageNerf page(&hote, &hote.racine);
        hote.racine.resize(790, 510);
        page.resize(780, 500);
        hote.racine.show();
        page.BitBtn21Click(); // entering the page loads ess0.nst
        page.Scroll_i_stim->setValue(0);
        QCOMPARE(page.Lab_stim->text(), QStringLiteral("1.00 V"));

        // Speed: both recording electrodes moved 60 pixels along the nerve, which the
        // distance scale reads as 8 cm; the time scale has 30 pixels per ms.
        const int avant = colonne_du_sommet(page.Ima_st);
        glisser(page.Shape_enr2, 60);
        glisser(page.Shape_enr1, 60);
        QCOMPARE(page.Shape_enr1->x(), 268);
        QCOMPARE(page.Shape_enr2->x(), 284);
        const int apres = colonne_du_sommet(page.Ima_st);
        const double cm = 60 / 7.5, ms = (apres - avant) / 30.0;
        m_.vitesse = int(std::lround(cm * 10 / ms));
        QCOMPARE(m_.vitesse, 48);

        // The delay follows the cathode: moving the anode changes nothing, moving
        // the cathode 12 pixels away from the recording electrodes delays the response.
        glisser(page.Shape_anode, -12);
        QCOMPARE(colonne_du_sommet(page.Ima_st), apres);
        glisser(page.Shape_cathode, -12);
        QCOMPARE(colonne_du_sommet(page.Ima_st), apres + 10);
        m_.cathode = true;

        // Threshold: the intensity lowered step by step down to a flat trace.
        int position = 0;
        while (position < 100 && reponse_tracee(page.Ima_st)) page.Scroll_i_stim->setValue(++position);
        page.Scroll_i_stim->setValue(position - 1);
        QVERIFY(reponse_tracee(page.Ima_st));
        QString lu = page.Lab_stim->text();
        QVERIFY(lu.endsWith(" V"));
        lu.chop(2);
        m_.seuil = lu.toDouble();
        QCOMPARE(lu, QStringLiteral("0.20"));
        // The response of ess0.nst ends at the baseline: with electrode 1 at 268 and
        // the cathode at 68 it fills samples 34 to 66 (33 + 3 + 30), and its last
        // samples (63 to 66) are drawn on the baseline, without a step.
        page.Scroll_i_stim->setValue(0);
        for (int i = 63; i <= ModeleNerf::NB_DESSINES; ++i) {
            const double v = page.modele.trace_enr[i].voie1 - page.modele.trace_enr[i].voie2;
            QVERIFY2(ModeleNerf::y_trace(v, 0.7) == 110, qPrintable(QString::number(i)));
        }
    }

    void correction_data()
    {
        QTest::addColumn<int>("ecart");      // measures moved by this many widths of each accepted range
        QTest::addColumn<QString>("lampes"); // V green, R red, in the order of the questions
        // Ranges of the correction: 1.9-2.1 and 1.4-1.6 ms, 461-529 and 621-709 Hz,
        // 35-50 m/s, the cathode, 0.19-0.21 V. The pupil reads 2.1, 1.6, 488, 645,
        // 48 and 0.20: one width lower, the two periods stay within their ranges.
        QTest::newRow("as measured") << 0 << "VVVVVVV";
        QTest::newRow("one width too high") << 1 << "RRRRRRR";
        QTest::newRow("one width too low") << -1 << "VVRRRRR";
    }
    void correction()
    {
        QFETCH(int, ecart);
        QFETCH(QString, lampes);
        QVERIFY2(m_.vitesse > 0 && m_.freq_longue > 0 && m_.freq_courte > 0 && m_.relative > 0, "measures first");
        HoteEssai hote;
        PageNerf page(&hote, &hote.racine);
        hote.racine.resize(790, 510);
        page.resize(780, 500);
        hote.racine.show();
        choisir(page.pref_rel, en_item(m_.relative + ecart * 0.2));
        choisir(page.pref_abs, en_item(m_.absolue + ecart * 0.2));
        QTest::keyClicks(page.fib_lpr, QString::number(m_.freq_longue + ecart * 68));
        QTest::keyClicks(page.fib_cpr, QString::number(m_.freq_courte + ecart * 88));
        QTest::keyClicks(page.vit_influx, QString::number(m_.vitesse + ecart * 15) + " m/s");
        // Off by a whole range, the electrode is the other one.
        const bool cathode = ecart == 0 ? m_.cathode : !m_.cathode;
        choisir(page.combo_electrode, cathode ? QStringLiteral("la cathode") : QStringLiteral("l'anode"));
        QTest::keyClicks(page.Edit_seuil, QString::number(m_.seuil + ecart * 0.02, 'f', 2));
        QTest::mouseClick(page.BitBtn19, Qt::LeftButton);
        const Forme *l[] = {page.refr_rel, page.refr_abs, page.freq_long, page.freq_court,
                            page.vit_inf,  page.elec_stim, page.res_seuil};
        for (int k = 0; k < 7; ++k)
            QVERIFY2(l[k]->couleur() == (lampes[k] == 'V' ? LIME : ROUGE), qPrintable(l[k]->objectName()));
    }
};

QTEST_MAIN(TstEleveAutomatique)
#include "tst_eleveautomatique.moc"
