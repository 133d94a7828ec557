#pragma once
// Failures that the superuser cannot bypass, provoked in a child process so
// that the test process itself keeps its rights and limits: a file-size limit
// (a write beyond it fails, as on a full disk), or the rights of an ordinary
// user (so that read-only folders and files bind, even when the tests run as
// root). The child's body returns bytes that the parent reads back.
// Windows has no fork, no file-size limit, no FIFO and no file owners: a test
// that provokes its failure with them has "posix" in its name and, there,
// says so with SANS_WINDOWS (the helpers below then do nothing).
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QtTest>

#include <csignal>
#include <functional>
#ifndef Q_OS_WIN
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#define SANS_WINDOWS(raison) QSKIP("cannot run on Windows: " raison)
#else
#define SANS_WINDOWS(raison) \
    do {                     \
    } while (false)
#endif

struct Fils {
    bool sans_privileges = false; // run as "nobody" when started as root
    qint64 limite_taille = -1;    // RLIMIT_FSIZE in bytes; -1: unchanged
    QString dossier;              // handed to "nobody" first (root only)
};

struct ResultatFils {
    int statut = -1;   // exit status; -1 when the child did not exit normally
    QByteArray sortie; // what the body returned
};

#ifdef Q_OS_WIN

inline ResultatFils dans_un_fils(const Fils &, const std::function<QByteArray()> &) { return {}; }
inline bool creer_fifo(const QString &) { return false; }
inline bool changer_mode(const QString &, int) { return false; }
struct LimiteTaille {
    explicit LimiteTaille(qint64) {}
    bool posee = false;
};

#else

namespace fils_detail {

constexpr uid_t PERSONNE = 65534;

inline bool donner_a_personne(const QString &dossier)
{
    if (::chown(QFile::encodeName(dossier).constData(), PERSONNE, PERSONNE) != 0) return false;
    QDirIterator it(dossier, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (::lchown(QFile::encodeName(it.next()).constData(), PERSONNE, PERSONNE) != 0) return false;
    return true;
}

} // namespace fils_detail

// Runs `corps` in a forked child set up as `f` says. The child ends with
// _exit: nothing of the test process is torn down twice. Exit status 90 to 92
// says the set-up itself failed.
inline ResultatFils dans_un_fils(const Fils &f, const std::function<QByteArray()> &corps)
{
    int tube[2];
    if (::pipe(tube) != 0) return {};
    const pid_t pid = ::fork();
    if (pid < 0) return {};
    if (pid == 0) {
        ::close(tube[0]);
        if (f.sans_privileges && ::geteuid() == 0) {
            if (!f.dossier.isEmpty() && !fils_detail::donner_a_personne(f.dossier)) ::_exit(90);
            if (::setgroups(0, nullptr) != 0 || ::setgid(fils_detail::PERSONNE) != 0 ||
                ::setuid(fils_detail::PERSONNE) != 0)
                ::_exit(91);
        }
        if (f.limite_taille >= 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit r{};
            ::getrlimit(RLIMIT_FSIZE, &r);
            r.rlim_cur = rlim_t(f.limite_taille);
            if (::setrlimit(RLIMIT_FSIZE, &r) != 0) ::_exit(92);
        }
        const QByteArray sortie = corps();
        qsizetype ecrit = 0;
        while (ecrit < sortie.size()) {
            const ssize_t n = ::write(tube[1], sortie.constData() + ecrit, std::size_t(sortie.size() - ecrit));
            if (n <= 0) break;
            ecrit += n;
        }
        ::_exit(0);
    }
    ::close(tube[1]);
    ResultatFils r;
    char tampon[4096];
    for (;;) {
        const ssize_t n = ::read(tube[0], tampon, sizeof tampon);
        if (n <= 0) break;
        r.sortie.append(tampon, n);
    }
    ::close(tube[0]);
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    r.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return r;
}

// A FIFO (a named pipe), which no reader may wait on.
inline bool creer_fifo(const QString &chemin) { return ::mkfifo(QFile::encodeName(chemin).constData(), 0600) == 0; }
inline bool changer_mode(const QString &chemin, int mode)
{
    return ::chmod(QFile::encodeName(chemin).constData(), mode_t(mode)) == 0;
}

// A file-size limit on this process while it lives (a write beyond it fails
// with EFBIG instead of a signal).
struct LimiteTaille {
    explicit LimiteTaille(qint64 octets) : signal_avant(std::signal(SIGXFSZ, SIG_IGN))
    {
        if (::getrlimit(RLIMIT_FSIZE, &avant) != 0) return;
        rlimit limite = avant;
        limite.rlim_cur = rlim_t(octets);
        posee = ::setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~LimiteTaille()
    {
        if (posee) ::setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal_avant);
    }
    void (*signal_avant)(int);
    rlimit avant{};
    bool posee = false;
};

#endif

// A folder where an ordinary user may not create files; the files in it keep
// their own modes.
inline void fermer_dossier(const QString &dossier)
{
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                       QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
}
