// Medians of the frequent work the page benchmarks leave out, on the whole
// main window after its start-up sequence: the other timer ticks, the page
// entry that reloads the nerve page's action potential, an electrode drag
// step, the nerve page's bars and a value written into the Fechner grid.
#include "app/tform1.h"
#include "colour/pagecontrastes.h"
#include "common/erreures.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "nerve/pagenerf.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TForm1> fenetre_demarree()
{
    auto f = std::make_unique<TForm1>();
    f->Timer_debutTimer();
    return f;
}

void Timer_naTimer(benchmark::State &etat)
{
    auto f = fenetre_demarree();
    for (auto _ : etat) f->page_nernst()->Timer_naTimer();
}
BENCHMARK(Timer_naTimer)->Unit(benchmark::kMicrosecond);

void Timer_courbeTimer(benchmark::State &etat)
{
    // A live recording: each tick records and plots one step; the table is
    // emptied when full so every tick does the whole work.
    auto f = fenetre_demarree();
    PageNernst *p = f->page_nernst();
    for (auto _ : etat) {
        if (p->etat.etape >= Programme::TAILLE) {
            etat.PauseTiming();
            p->etat.etape = 0;
            p->etat.programme.nb_etapes = 0;
            etat.ResumeTiming();
        }
        p->Timer_courbeTimer();
    }
}
BENCHMARK(Timer_courbeTimer)->Unit(benchmark::kMicrosecond);

void Timer_reaff_imageTimer(benchmark::State &etat)
{
    auto f = fenetre_demarree();
    for (auto _ : etat) f->page_contrastes->Timer_reaff_imageTimer();
}
BENCHMARK(Timer_reaff_imageTimer)->Unit(benchmark::kMicrosecond);

void Notebook1Click_nerf(benchmark::State &etat)
{
    // Entering page 3 reloads ess0.nst and redraws the trace.
    auto f = fenetre_demarree();
    f->montrer_page(3);
    for (auto _ : etat) f->Notebook1Click();
}
BENCHMARK(Notebook1Click_nerf)->Unit(benchmark::kMicrosecond);

void Notebook1Click_nernst(benchmark::State &etat)
{
    auto f = fenetre_demarree();
    f->montrer_page(5);
    for (auto _ : etat) f->Notebook1Click();
}
BENCHMARK(Notebook1Click_nernst)->Unit(benchmark::kMicrosecond);

void glisser_electrode(benchmark::State &etat)
{
    // One mouse move of a held recording electrode, back and forth.
    auto f = fenetre_demarree();
    PageNerf *p = f->page_nerf();
    p->Shape_enr2MouseDown(2);
    int x = 0;
    for (auto _ : etat) {
        p->Shape_enr2MouseMove((x++ % 2) ? 8 : -4);
    }
    p->Shape_enr2MouseUp();
}
BENCHMARK(glisser_electrode)->Unit(benchmark::kMicrosecond);

void Scroll_i_stimChange(benchmark::State &etat)
{
    auto f = fenetre_demarree();
    QScrollBar *b = f->page_nerf()->Scroll_i_stim;
    int v = 0;
    for (auto _ : etat) b->setValue(v++ % 2 ? 20 : 30);
}
BENCHMARK(Scroll_i_stimChange)->Unit(benchmark::kMicrosecond);

void ajoute_grille(benchmark::State &etat)
{
    // A mass chosen from the context menu: written, checked and the curve redrawn.
    auto f = fenetre_demarree();
    f->page_fechner()->grilleSelectCell(3, 5);
    for (auto _ : etat) f->page_fechner()->N50g1Click();
}
BENCHMARK(ajoute_grille)->Unit(benchmark::kMicrosecond);

} // namespace
