// The one entry of every bench_*.cpp program: an offscreen application, I/O
// reports silenced, the run directory (where the pictures and data files
// stand) as working directory, then the registered benchmarks.
#include "common/erreures.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installer_rapporteur([](const QString &) {});
    const QByteArray run = qgetenv("KALMENO_RUN_DIR");
    QDir::setCurrent(run.isEmpty() ? QStringLiteral(KALMENO_RUN_DIR_DEFAUT) : QString::fromLocal8Bit(run));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
