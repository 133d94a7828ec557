// The program launched as its entry does, measured: prints the wall clock when
// the start-up sequence has run and the peak memory then. With
// "--repos SECONDS PAGE" it then shows that page and stays idle, its timers
// running, and prints the CPU share used over that time. With "--animation
// SECONDS" it starts the ions' animation of the Nernst page ("Travail sur le
// potentiel d'équilibre", "LANCER") and prints the CPU share it uses over that
// time and the resident memory then and at its peak. With "--etapes" it
// also prints when each phase ended (application, window built, first paint,
// sequence), in ms from the process start. The start-up ends when both the
// first paint and the start-up sequence are done.
#include "app/application.h"
#include "app/tform1.h"
#include "membrane/pagenernst.h"
#include "bench/mesure_processus.h"
#include "common/rapportboite.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the launch: the wall clock the caller took just before
// (BANC_DEBUT_NS), else the process start time from /proc (10 ms steps).
double depuis_lancement_ms()
{
    if (const char *debut = std::getenv("BANC_DEBUT_NS")) return (mesure::horloge_ns() - std::atoll(debut)) / 1e6;
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray l = f.readAll();
    const QList<QByteArray> champs = l.mid(l.lastIndexOf(')') + 2).split(' ');
    const double debut_s = champs.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return (t.tv_sec + t.tv_nsec / 1e9 - debut_s) * 1000.0;
}

// Notes the end of the first paint of the window, once: the moment the
// queued call runs, after the paint and its flush.
class PremierePeinture : public QObject {
public:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !vue) {
            vue = true;
            QTimer::singleShot(0, this, [this] {
                if (etapes) std::printf("etape premiere_peinture %.1f\n", depuis_lancement_ms());
                faite();
            });
        }
        return QObject::eventFilter(o, e);
    }
    bool vue = false;
    bool etapes = false;
    std::function<void()> faite;
};

} // namespace

int main(int argc, char **argv)
{
    const bool etapes = argc > 1 && std::strcmp(argv[1], "--etapes") == 0;
    if (etapes) std::printf("etape main %.1f\n", depuis_lancement_ms());
    QApplication app(argc, argv);
    if (etapes) std::printf("etape application %.1f\n", depuis_lancement_ms());
    preparer_application();

    TForm1 Form1;
    if (etapes) std::printf("etape fenetre_construite %.1f\n", depuis_lancement_ms());
    PremierePeinture peinture;
    peinture.etapes = etapes;
    Form1.installEventFilter(&peinture);
    installer_rapport_boite(&Form1);
    Form1.show();
    if (etapes) std::printf("etape montree %.1f\n", depuis_lancement_ms());

    double repos_s = 0;
    int page = 0;
    bool animation = false;
    if (argc >= 4 && std::strcmp(argv[1], "--repos") == 0) {
        repos_s = std::atof(argv[2]);
        page = std::atoi(argv[3]);
    } else if (argc >= 3 && std::strcmp(argv[1], "--animation") == 0) {
        repos_s = std::atof(argv[2]);
        page = 5;
        animation = true;
    }

    // The start-up is over when both the first paint and the start-up
    // sequence are done, whichever comes last.
    int restantes = 2;
    std::function<void()> fin_demarrage;
    const auto une_de_faite = [&] {
        if (--restantes == 0) fin_demarrage();
    };
    peinture.faite = une_de_faite;
    // Runs right after the window's own start-up handler on the same tick.
    QObject::connect(Form1.Timer_debut, &QTimer::timeout, &app, [&] {
        if (etapes) std::printf("etape sequence_faite %.1f\n", depuis_lancement_ms());
        une_de_faite();
    });
    fin_demarrage = [&] {
        const long long fin = mesure::horloge_ns();
        QTimer::singleShot(0, &app, [&, fin] {
            mesure::imprimer(fin);
            if (repos_s <= 0) {
                app.quit();
                return;
            }
            Form1.montrer_page(page);
            Form1.Notebook1Click();
            if (animation) {
                Form1.page_nernst()->BitBtn12Click();
                Form1.page_nernst()->GOClick();
            }
            // A second to settle, then the idle time measured.
            QTimer::singleShot(1000, &app, [&] {
                const long long cpu0 = mesure::cpu_us(), t0 = mesure::horloge_ns();
                QTimer::singleShot(int(repos_s * 1000), &app, [&, cpu0, t0] {
                    const double part = 100.0 * (mesure::cpu_us() - cpu0) * 1000.0 / double(mesure::horloge_ns() - t0);
                    if (animation)
                        std::printf("animation cpu_pct=%.3f rss_ko=%lld vmhwm_ko=%lld\n", part, mesure::memoire_ko(),
                                    mesure::pic_memoire_ko());
                    else
                        std::printf("page=%d cpu_pct=%.3f\n", page, part);
                    std::fflush(stdout);
                    app.quit();
                });
            });
        });
    };
    return app.exec();
}
