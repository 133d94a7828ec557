// What the companion programs compute while the pupil waits: the retina's
// response on every slider move, a trial of mavoren, a recording opened by the viewer.
#include "compagnons/commun/formatexw.h"
#include "compagnons/mavoren/simulateuremg.h"
#include "compagnons/terplux/retine.h"
#include "compagnons/terplux/stimuli.h"

#include <benchmark/benchmark.h>

static void BM_reponse_retine(benchmark::State &state)
{
    Retine r;
    r.sigma_centre = state.range(0) / 10.0;
    const Luminances grille = creer_stimulus(Motif::HermannNoir).image;
    for (auto _ : state) benchmark::DoNotOptimize(r.reponse(grille));
}
BENCHMARK(BM_reponse_retine)->Arg(30)->Arg(50)->Unit(benchmark::kMillisecond);

static void BM_essai_volontaire(benchmark::State &state)
{
    SimulateurEmg s;
    std::mt19937 g(1);
    for (auto _ : state) benchmark::DoNotOptimize(s.essai_volontaire(g, "v"));
}
BENCHMARK(BM_essai_volontaire)->Unit(benchmark::kMillisecond);

static void BM_lecture_enregistrement(benchmark::State &state)
{
    SimulateurEmg s;
    std::mt19937 g(1);
    Enregistrement e = s.essai_volontaire(g, "v").enregistrement;
    for (int k = 0; k < 5; ++k) e.essais.push_back(e.essais.front());
    const QByteArray octets = FormatExw::ecrire(e); // six trials of 4,701 samples, like &revol~A.exw
    for (auto _ : state) benchmark::DoNotOptimize(FormatExw::lire(octets));
}
BENCHMARK(BM_lecture_enregistrement)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
