#include "common/fichiertexte.h"
#include "common/erreures.h"

#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

LecteurLignes::LecteurLignes(QByteArray octets) : octets_(std::move(octets))
{
    taille_ = octets_.indexOf(char(26));
    if (taille_ < 0) taille_ = octets_.size();
}

QByteArray LecteurLignes::ligne()
{
    if (fin()) return {};
    qsizetype cr = octets_.indexOf('\r', pos_);
    if (cr < 0 || cr > taille_) cr = taille_;
    QByteArray l = octets_.mid(pos_, cr - pos_);
    pos_ = cr + 1;
    if (pos_ < taille_ && octets_[pos_] == '\n') ++pos_;
    return l;
}

QByteArray joindre_lignes(const QList<QByteArray> &lignes)
{
    QByteArray r;
    for (const QByteArray &l : lignes) {
        r += l;
        r += "\r\n";
    }
    return r;
}

namespace {

// Code points of bytes 0x80–0x9F in Windows-1252; 0 where the byte is unassigned
// (those bytes map to the C1 control of the same value).
constexpr std::array<char16_t, 32> cp1252_80 = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

} // namespace

QByteArray vers_cp1252(const QString &texte)
{
    QByteArray r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        char octet = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            octet = char(c);
        } else {
            for (int k = 0; k < 32; ++k) {
                const char16_t u = cp1252_80[k] ? cp1252_80[k] : char16_t(0x80 + k);
                if (u == c) {
                    octet = char(0x80 + k);
                    break;
                }
            }
        }
        if (texte[i].isHighSurrogate() && i + 1 < texte.size()) ++i; // one "?" per character
        r += octet;
    }
    return r;
}

QString depuis_cp1252(const QByteArray &octets)
{
    QString r;
    r.reserve(octets.size());
    for (char o : octets) {
        const unsigned char b = static_cast<unsigned char>(o);
        if (b >= 0x80 && b <= 0x9F)
            r += QChar(cp1252_80[b - 0x80] ? cp1252_80[b - 0x80] : char16_t(b));
        else
            r += QChar(char16_t(b));
    }
    return r;
}

bool est_fichier_ordinaire(const QString &chemin)
{
    struct stat st {};
    const QByteArray c = QFile::encodeName(chemin);
    return !c.isEmpty() && ::stat(c.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool lire_fichier(const QString &chemin, QByteArray &octets)
{
    const QByteArray c = QFile::encodeName(chemin);
    if (c.isEmpty()) return false;
    // Non-blocking open so that a FIFO cannot hang us; only regular files are read.
    const int fd = ::open(c.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    octets.clear();
    char tampon[65536];
    for (;;) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            throw ErreurES::depuis_errno(err);
        }
        if (n == 0) break;
        octets.append(tampon, n);
    }
    ::close(fd);
    return true;
}

bool ecrire_fichier(const QString &chemin, const QByteArray &octets)
{
    if (chemin.isEmpty()) return false;
    QFileInfo info(chemin);
    if (info.exists() && !info.isFile()) return false;
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    errno = 0;
    // The bytes are buffered: a short write shows only when they are flushed,
    // and a failure at commit's own flush would go unnoticed.
    if (f.write(octets) != octets.size() || !f.flush()) {
        const int err = errno ? errno : EIO;
        f.cancelWriting();
        throw ErreurES::depuis_errno(err);
    }
    if (!f.commit()) throw ErreurES::depuis_errno(errno ? errno : EIO);
    return true;
}
