// The nerve page's handlers that run often: one run of the simulator with its
// drawing, the model's parts on their own, the load of ess0.nst and the scales.
#include "common/canevas.h"
#include "nerve/graduations.h"
#include "nerve/pagenerf.h"
#include "tests/hoteessai.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

QString chemin_ess0() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../run/ess0.nst")); }

// The page at 1.00 V with a second stimulus at p = 11, the curve loaded.
struct PagePrete {
    HoteEssai hote;
    PageNerf *page;
    PagePrete()
    {
        hote.depart = QFileInfo(chemin_ess0()).absolutePath();
        page = new PageNerf(&hote, &hote.racine);
        page->BitBtn21Click();
        page->Scroll_i_stim->setValue(0);
        page->Scroll_temps->setValue(11);
    }
};

void BM_BitBtn22Click(benchmark::State &etat)
{
    PagePrete p;
    for (auto _ : etat) p.page->BitBtn22Click();
}
BENCHMARK(BM_BitBtn22Click);

void BM_calculer(benchmark::State &etat)
{
    ModeleNerf m;
    m.lec_fic_ess0(chemin_ess0());
    m.deux_stim = true;
    ModeleNerf::Reglages r;
    r.position_i_stim = 0;
    r.p = 11;
    for (auto _ : etat) benchmark::DoNotOptimize(m.calculer(r));
}
BENCHMARK(BM_calculer);

void BM_dessiner_trace(benchmark::State &etat)
{
    ModeleNerf m;
    m.lec_fic_ess0(chemin_ess0());
    ModeleNerf::Reglages r;
    r.position_i_stim = 0;
    const auto res = m.calculer(r);
    QImage im = image_unie(420, 220);
    for (auto _ : etat) {
        Canevas c(im);
        m.dessiner_trace(c, res.amplitude, false);
    }
}
BENCHMARK(BM_dessiner_trace);

void BM_lec_fic_ess0(benchmark::State &etat)
{
    ModeleNerf m;
    const QString chemin = chemin_ess0();
    for (auto _ : etat) m.lec_fic_ess0(chemin);
}
BENCHMARK(BM_lec_fic_ess0);

void BM_affich_grad(benchmark::State &etat)
{
    for (auto _ : etat) {
        QImage t = image_unie(402, 19), d = image_unie(402, 19);
        dessiner_graduations(t, d);
        benchmark::DoNotOptimize(t.bits());
    }
}
BENCHMARK(BM_affich_grad);

} // namespace
