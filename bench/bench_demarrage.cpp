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

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installer_rapporteur([](const QString &) {});
    // Start in the run directory, where the picture files stand.
    const QByteArray run = qgetenv("KALMENO_RUN_DIR");
    QDir::setCurrent(run.isEmpty() ? QStringLiteral(KALMENO_RUN_DIR_DEFAUT) : QString::fromLocal8Bit(run));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
