// The program launched as its entry does, measured: prints the wall clock when
// the start-up sequence has run and the peak memory then. With
// "--repos SECONDS PAGE" it then shows that page and stays idle, its timers
// running, and prints the CPU share used over that time.
#include "app/tform1.h"
#include "assets/icone.h"
#include "bench/mesure_processus.h"
#include "common/polices.h"
#include "common/rapportboite.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalmeno"));
    installer_substitutions();
    QIcon icone;
    for (int taille : {16, 32, 48, 64}) icone.addPixmap(QPixmap::fromImage(image_icone(taille)));
    QApplication::setWindowIcon(icone);

    TForm1 Form1;
    installer_rapport_boite(&Form1);
    Form1.show();

    double repos_s = 0;
    int page = 0;
    if (argc >= 4 && std::strcmp(argv[1], "--repos") == 0) {
        repos_s = std::atof(argv[2]);
        page = std::atoi(argv[3]);
    }

    // Runs right after the window's own start-up handler on the same tick.
    QObject::connect(Form1.Timer_debut, &QTimer::timeout, &app, [&] {
        const long long fin = mesure::horloge_ns();
        QTimer::singleShot(0, &app, [&, fin] {
            mesure::imprimer(fin);
            if (repos_s <= 0) {
                app.quit();
                return;
            }
            Form1.montrer_page(page);
            Form1.Notebook1Click();
            // A second to settle, then the idle time measured.
            QTimer::singleShot(1000, &app, [&] {
                const long long cpu0 = mesure::cpu_us(), t0 = mesure::horloge_ns();
                QTimer::singleShot(int(repos_s * 1000), &app, [&, cpu0, t0] {
                    const double part = 100.0 * (mesure::cpu_us() - cpu0) * 1000.0 / double(mesure::horloge_ns() - t0);
                    std::printf("page=%d cpu_pct=%.3f\n", page, part);
                    std::fflush(stdout);
                    app.quit();
                });
            });
        });
    });
    return app.exec();
}
