#include "common/fichierssysteme.h"
#include "common/erreures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
// The wide-character form of a path, for the system's own calls.
std::wstring natif(const QString &chemin) { return QDir::toNativeSeparators(chemin).toStdWString(); }
#else
QByteArray natif(const QString &chemin) { return QFile::encodeName(chemin); }
#endif

} // namespace

#ifdef Q_OS_WIN

TypeChemin type_chemin(const QString &chemin, bool suivre)
{
    if (chemin.isEmpty()) return TypeChemin::Absent;
    const std::wstring c = natif(chemin);
    const DWORD attributs = GetFileAttributesW(c.c_str());
    if (attributs == INVALID_FILE_ATTRIBUTES) return TypeChemin::Absent;
    if (!suivre && (attributs & FILE_ATTRIBUTE_REPARSE_POINT)) return TypeChemin::Lien;
    struct _stat64 st {};
    if (_wstat64(c.c_str(), &st) != 0) return TypeChemin::Absent;
    if ((st.st_mode & _S_IFMT) == _S_IFDIR) return TypeChemin::Dossier;
    return (st.st_mode & _S_IFMT) == _S_IFREG ? TypeChemin::Ordinaire : TypeChemin::Autre;
}

int ouvrir_lecture_ordinaire(const QString &chemin)
{
    // Device names (CON, NUL, COM1…) and pipes open but are not regular files.
    if (chemin.isEmpty() || type_chemin(chemin) != TypeChemin::Ordinaire) return -1;
    const int fd = _wopen(natif(chemin).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return -1;
    struct _stat64 st {};
    if (_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        return -1;
    }
    return fd;
}

qsizetype lire_descripteur(int fd, char *tampon, qsizetype taille)
{
    const int n = _read(fd, tampon, unsigned(std::min<qsizetype>(taille, 1 << 30)));
    if (n < 0) throw ErreurES::depuis_errno(errno);
    return n;
}

qint64 taille_descripteur(int fd)
{
    struct _stat64 st {};
    return _fstat64(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

void fermer_descripteur(int fd) { _close(fd); }

bool supprimer_fichier(const QString &chemin)
{
    const std::wstring c = natif(chemin);
    // A link to a folder is removed as a folder, without touching its target.
    const DWORD attributs = GetFileAttributesW(c.c_str());
    if (attributs != INVALID_FILE_ATTRIBUTES && (attributs & FILE_ATTRIBUTE_REPARSE_POINT)
        && (attributs & FILE_ATTRIBUTE_DIRECTORY))
        return RemoveDirectoryW(c.c_str()) != 0;
    return DeleteFileW(c.c_str()) != 0;
}

bool supprimer_dossier_vide(const QString &chemin) { return RemoveDirectoryW(natif(chemin).c_str()) != 0; }

bool remplacer_fichier(const QString &source, const QString &cible)
{
    if (MoveFileExW(natif(source).c_str(), natif(cible).c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

bool creer_dossier_prive(const QString &chemin)
{
    // A folder takes its parent's rights here: in the user's own folders they
    // are the user's, and "C:\" lets each user make folders of their own.
    QDir().mkpath(QFileInfo(chemin).path());
    return CreateDirectoryW(natif(chemin).c_str(), nullptr) != 0;
}

void sortie_standard_binaire()
{
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

int changer_repertoire_systeme(const QString &chemin)
{
    return _wchdir(natif(chemin.isEmpty() ? QStringLiteral("/") : chemin).c_str()) == 0 ? 0 : errno;
}

#else

TypeChemin type_chemin(const QString &chemin, bool suivre)
{
    const QByteArray c = natif(chemin);
    struct stat st {};
    if (c.isEmpty() || (suivre ? ::stat(c.constData(), &st) : ::lstat(c.constData(), &st)) != 0)
        return TypeChemin::Absent;
    if (S_ISLNK(st.st_mode)) return TypeChemin::Lien;
    if (S_ISDIR(st.st_mode)) return TypeChemin::Dossier;
    return S_ISREG(st.st_mode) ? TypeChemin::Ordinaire : TypeChemin::Autre;
}

int ouvrir_lecture_ordinaire(const QString &chemin)
{
    const QByteArray c = natif(chemin);
    if (c.isEmpty()) return -1;
    // Non-blocking, so that a FIFO cannot hang us.
    const int fd = ::open(c.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

qsizetype lire_descripteur(int fd, char *tampon, qsizetype taille)
{
    for (;;) {
        const ssize_t n = ::read(fd, tampon, std::size_t(taille));
        if (n >= 0) return n;
        if (errno != EINTR) throw ErreurES::depuis_errno(errno);
    }
}

qint64 taille_descripteur(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

void fermer_descripteur(int fd) { ::close(fd); }

bool supprimer_fichier(const QString &chemin) { return ::unlink(natif(chemin).constData()) == 0; }

bool supprimer_dossier_vide(const QString &chemin) { return ::rmdir(natif(chemin).constData()) == 0; }

bool remplacer_fichier(const QString &source, const QString &cible)
{
    return ::rename(natif(source).constData(), natif(cible).constData()) == 0;
}

bool creer_dossier_prive(const QString &chemin)
{
    QDir().mkpath(QFileInfo(chemin).path());
    return ::mkdir(natif(chemin).constData(), 0700) == 0;
}

void sortie_standard_binaire() {}

int changer_repertoire_systeme(const QString &chemin)
{
    return ::chdir(natif(chemin.isEmpty() ? QStringLiteral("/") : chemin).constData()) == 0 ? 0 : errno;
}

#endif
