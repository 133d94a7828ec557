// The main window's creation and its whole start-up sequence, as at launch.
#include "app/tform1.h"
#include "common/erreures.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

void creation_et_demarrage(benchmark::State &etat)
{
    for (auto _ : etat) {
        TForm1 f;
        f.Timer_debutTimer();
        benchmark::DoNotOptimize(&f);
    }
}
BENCHMARK(creation_et_demarrage)->Unit(benchmark::kMillisecond);

void demarrage_seul(benchmark::State &etat)
{
    TForm1 f;
    for (auto _ : etat) f.Timer_debutTimer();
}
BENCHMARK(demarrage_seul)->Unit(benchmark::kMicrosecond);

} // namespace
