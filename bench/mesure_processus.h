#pragma once
#include <QFile>
#include <QString>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

// What the whole-process measures print: the wall clock (to compare with the
// launch time the script took), the peak resident memory and the CPU time used.
namespace mesure {

inline long long horloge_ns()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

inline long long cpu_us()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000000LL + u.ru_utime.tv_usec + u.ru_stime.tv_usec;
}

// A field of /proc/self/status in kB: the peak (VmHWM) or present (VmRSS)
// resident memory.
inline long long statut_ko(const char *champ)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith(champ)) return l.mid(int(qstrlen(champ))).trimmed().split(' ').first().toLongLong();
    return -1;
}
inline long long pic_memoire_ko() { return statut_ko("VmHWM:"); }
inline long long memoire_ko() { return statut_ko("VmRSS:"); }

inline void imprimer(long long fin_ns)
{
    std::printf("fin_ns=%lld vmhwm_ko=%lld\n", fin_ns, pic_memoire_ko());
    std::fflush(stdout);
}

} // namespace mesure
