// Medians of what takes a page out of the program: the page picture of each
// page as shown, the PDF sheet of the Fechner page (its picture drawn at the
// sheet's scale), and the spreadsheet file and workbook of a full Fechner grid.
#include "app/tform1.h"
#include "common/classeur.h"
#include "common/sortiespage.h"
#include "common/feuille.h"
#include "fechner/csvfechner.h"
#include "fechner/grillefechner.h"

#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

// Every trial of the grid filled, the hidden twelfth value included.
GrilleFechner grille_pleine()
{
    GrilleFechner g;
    g.ecrire_entetes();
    for (int r = 1; r < 50; r += 2)
        for (int c = 1; c <= 11; ++c) {
            g.ecrire(c, r, QString::number(5 * c + r));
            g.ecrire(c, r + 1, (c + r) % 3 ? QStringLiteral("O") : QStringLiteral("N"));
        }
    return g;
}

TForm1 &fenetre()
{
    static TForm1 *f = [] {
        auto *w = new TForm1;
        w->show();
        w->Timer_debutTimer();
        for (int p = 0; p < 6; ++p) w->image_page(p); // every page built
        return w;
    }();
    return *f;
}

void BM_ImagePage(benchmark::State &state)
{
    TForm1 &f = fenetre();
    const int page = int(state.range(0));
    f.Notebook1->setCurrentIndex(page);
    for (auto _ : state) benchmark::DoNotOptimize(f.image_page(page));
}
BENCHMARK(BM_ImagePage)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_PdfPage(benchmark::State &state)
{
    TForm1 &f = fenetre();
    for (auto _ : state)
        benchmark::DoNotOptimize(octets_pdf(SortiesPage::image_feuille(f.vue_page(2)),
                                            {QStringLiteral("Loi de Fechner"), QDate(2026, 12, 9), "Léa"}));
}
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMillisecond);

void BM_CsvFechnerGrillePleine(benchmark::State &state)
{
    const GrilleFechner g = grille_pleine();
    for (auto _ : state) benchmark::DoNotOptimize(csv::octets(lignes_csv_fechner(g)));
}
BENCHMARK(BM_CsvFechnerGrillePleine)->Unit(benchmark::kMillisecond);

void BM_ClasseurFechnerGrillePleine(benchmark::State &state)
{
    const Classeur c{{QStringLiteral("Essais"), lignes_csv_fechner(grille_pleine())}};
    for (auto _ : state) benchmark::DoNotOptimize(classeur::octets_xlsx(c));
}
BENCHMARK(BM_ClasseurFechnerGrillePleine)->Unit(benchmark::kMillisecond);

} // namespace
