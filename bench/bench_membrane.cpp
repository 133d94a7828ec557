// Medians of the membrane page's frequent work: the relaxation tick, a
// concentration bar change, the animation tick, the trial tick, the full
// redraw and the load of an 83-step programme.
#include "common/aleatoire.h"
#include "common/canevas.h"
#include "common/hote.h"
#include "membrane/fichiernst.h"
#include "membrane/pagenernst.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "common/imagewidget.h"
#include "common/journaldessin.h"

#include <benchmark/benchmark.h>

namespace {

class Hote : public HotePage {
public:
    QWidget racine;
    QAction action{&racine};
    int page_courante() const override { return 5; }
    void montrer_page(int) override {}
    QAction *element_menu(const char *) const override { return const_cast<QAction *>(&action); }
    QString rep_depart() const override { return QDir::currentPath(); }
    QImage image_blanche() const override { return image_unie(420, 220, BLANC); }
    QWidget *fenetre() override { return &racine; }
};

struct Page {
    Hote hote;
    PageNernst page{&hote};
    Page()
    {
        page.Scroll_gkChange();
        page.Scroll_gnaChange();
        page.enregistrer_rapports();
        page.concentrations_depart();
        page.calcul_images();
        page.grad_nernst();
    }
};

Programme programme_plein()
{
    Programme p;
    p.nb_etapes = 83;
    for (int i = 1; i <= 83; ++i) {
        p.etape(i) = {i % 101, (100 - i) % 101, 150 - i, 6 + i, 8 + i, 144};
        p.em_etape(i) = -85.37 + i;
    }
    return p;
}

void Timer_kTimer(benchmark::State &state)
{
    Page p;
    p.page.Scroll_gk->setValue(0);
    for (auto _ : state) p.page.Timer_kTimer();
}
BENCHMARK(Timer_kTimer);

void barre_concentration(benchmark::State &state)
{
    Page p;
    int v = 0;
    for (auto _ : state) {
        v = (v + 7) % 300;
        p.page.Scroll_ki->setValue(v);
    }
}
BENCHMARK(barre_concentration);

// The equilibrium mode with the most particles the box holds.
void animation_600(Page &p, benchmark::State &state)
{
    semer(1);
    p.page.etat.membrane.c_ke = 300;
    p.page.etat.membrane.c_ki = 300;
    p.page.calcul_images();
    p.page.BitBtn12Click();
    if (p.page.etat.anim.nb_ions != 600) state.SkipWithError("not 600 particles");
}

void Timer_animTimer_600(benchmark::State &state)
{
    Page p;
    animation_600(p, state);
    for (auto _ : state) p.page.Timer_animTimer();
}
BENCHMARK(Timer_animTimer_600);

// The same tick on a screen at 150 %: the particles stamped through the
// canvas, then the picture shown drawn again at that scale.
void Timer_animTimer_600_a_150(benchmark::State &state)
{
    journal_dessin::activer(true);
    {
        Page p;
        animation_600(p, state);
        for (auto _ : state) {
            p.page.Timer_animTimer();
            const ImageWidget *montre = p.page.ima_pe1->isHidden() ? p.page.ima_pe2 : p.page.ima_pe1;
            const QImage vue = montre->picture();
            const JournalDessin j = journal_dessin::trouver(vue);
            if (!j) {
                state.SkipWithError("no journal");
                break;
            }
            benchmark::DoNotOptimize(journal_dessin::rendre(j, 1.5));
        }
    }
    journal_dessin::activer(false);
}
BENCHMARK(Timer_animTimer_600_a_150)->Unit(benchmark::kMicrosecond);

void Timer_reaffTimer(benchmark::State &state)
{
    Page p;
    p.page.etat.programme = programme_plein();
    for (auto _ : state) {
        state.PauseTiming();
        if (!p.page.Timer_reaff->isActive() || p.page.etat.etape == 0 || p.page.etat.etape >= 80) {
            p.page.BitBtn18Click();
            p.page.etat.etape = 1; // past the settling phase
        }
        state.ResumeTiming();
        p.page.Timer_reaffTimer();
    }
}
BENCHMARK(Timer_reaffTimer);

void reaff_tout_83(benchmark::State &state)
{
    Page p;
    p.page.etat.programme = programme_plein();
    p.page.etat.etape = 40;
    for (auto _ : state) p.page.reaff_tout();
}
BENCHMARK(reaff_tout_83);

void charger_nst_83(benchmark::State &state)
{
    Page p;
    QTemporaryDir dir;
    const QString chemin = dir.filePath("plein.nst");
    p.page.etat.programme = programme_plein();
    p.page.sauver_nernst(chemin);
    for (auto _ : state) p.page.lec_nernst(chemin, false);
}
BENCHMARK(charger_nst_83);

} // namespace
