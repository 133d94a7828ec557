#include "common/fichiertexte.h"
#include "common/erreures.h"
#include "common/fichierssysteme.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

constexpr qsizetype BLOC = 65536;

} // namespace

LecteurLignes::LecteurLignes(QByteArray octets) : tampon_(std::move(octets))
{
    const qsizetype z = tampon_.indexOf(char(26));
    if (z >= 0) tampon_.truncate(z);
}

LecteurLignes::~LecteurLignes()
{
    if (fd_ >= 0) fermer_descripteur(fd_);
}

bool LecteurLignes::ouvrir(const QString &chemin)
{
    const int fd = ouvrir_lecture_ordinaire(chemin);
    if (fd < 0) return false;
    if (fd_ >= 0) fermer_descripteur(fd_);
    fd_ = fd;
    tampon_.clear();
    pos_ = 0;
    epuise_ = false;
    debut_vu_ = false;
    return true;
}

bool LecteurLignes::remplir()
{
    // Appends the next block of the file, keeping only the line being read.
    if (epuise_) return false;
    tampon_.remove(0, pos_);
    pos_ = 0;
    const qsizetype avant = tampon_.size();
    tampon_.resize(avant + BLOC);
    qsizetype n = 0;
    try {
        n = lire_descripteur(fd_, tampon_.data() + avant, BLOC);
    } catch (...) {
        tampon_.resize(avant);
        throw;
    }
    tampon_.resize(avant + n);
    const qsizetype z = tampon_.indexOf(char(26), avant);
    if (z >= 0) tampon_.truncate(z);
    if (n == 0 || z >= 0) {
        epuise_ = true;
        fermer_descripteur(fd_);
        fd_ = -1;
    }
    return n > 0;
}

void LecteurLignes::debut()
{
    // A UTF-8 byte-order mark, written by some editors, is not part of line 1.
    if (debut_vu_) return;
    while (tampon_.size() < 3 && remplir()) {
    }
    if (tampon_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
    debut_vu_ = true;
}

bool LecteurLignes::fin()
{
    debut();
    while (pos_ >= tampon_.size())
        if (!remplir()) return true;
    return false;
}

QByteArray LecteurLignes::ligne()
{
    if (fin()) return {};
    qsizetype cherche = pos_;
    for (;;) {
        const char *depart = tampon_.constData() + cherche;
        const char *bout = tampon_.constData() + tampon_.size();
        const char *p = std::find_if(depart, bout, [](char c) { return c == '\r' || c == '\n'; });
        const qsizetype i = p - tampon_.constData();
        if (i - pos_ > LONGUEUR_MAX_LIGNE) throw LigneTropLongue();
        if (p == bout) {
            const qsizetype lu = i - pos_;
            if (!remplir()) {
                QByteArray l = tampon_.mid(pos_);
                pos_ = tampon_.size();
                return l;
            }
            cherche = pos_ + lu; // remplir() moved the line to the start
            continue;
        }
        QByteArray l = tampon_.mid(pos_, i - pos_);
        pos_ = i + 1;
        // CR LF is one line end; the LF may be in the next block.
        if (*p == '\r') {
            if (pos_ >= tampon_.size()) remplir();
            if (pos_ < tampon_.size() && tampon_[pos_] == '\n') ++pos_;
        }
        return l;
    }
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
    return type_chemin(chemin) == TypeChemin::Ordinaire;
}

bool lire_fichier(const QString &chemin, QByteArray &octets, qint64 limite)
{
    const int fd = ouvrir_lecture_ordinaire(chemin);
    if (fd < 0) return false;
    octets.clear();
    const qint64 voulu = limite < 0 ? 0 : limite + 1;
    // One allocation of the size to be read, rather than a growing copy.
    const qint64 taille = taille_descripteur(fd);
    if (taille >= 0) octets.reserve(qsizetype(std::min<qint64>(voulu, taille + 1)));
    char tampon[BLOC];
    try {
        while (octets.size() < voulu) {
            const qsizetype n = lire_descripteur(fd, tampon, qsizetype(std::min<qint64>(BLOC, voulu - octets.size())));
            if (n == 0) break;
            octets.append(tampon, n);
        }
    } catch (...) {
        fermer_descripteur(fd);
        throw;
    }
    fermer_descripteur(fd);
    return true;
}

bool ecrire_fichier(const QString &chemin, const QByteArray &octets)
{
    if (chemin.isEmpty()) return false;
    QFileInfo info(chemin);
    if (info.exists() && !info.isFile()) return false;
    QSaveFile f(chemin);
    // Where the folder takes no new file (a read-only class folder) but the
    // file itself may be written, it is overwritten in place: not atomic, but
    // saved rather than lost without a word.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    errno = 0;
    // The bytes are buffered: a short write shows only when they are flushed,
    // and a failure at commit's own flush would go unnoticed.
    if (f.write(octets) != octets.size() || !f.flush()) {
        const int err = errno ? errno : EIO;
        f.cancelWriting();
        throw ErreurES::depuis_errno(err);
    }
    errno = 0;
    if (!f.commit()) throw ErreurES::depuis_errno(errno ? errno : EIO);
    return true;
}

bool texte_seul(const QByteArray &octets)
{
    for (char o : octets) {
        const unsigned char b = static_cast<unsigned char>(o);
        if (b < 0x20 && b != '\r' && b != '\n' && b != '\t' && b != 26) return false;
    }
    return true;
}

QString lire_fichier_verifie(const QString &chemin, qint64 taille_max, const QString &trop_grand, QByteArray &octets)
{
    if (!est_fichier_ordinaire(chemin)) return QStringLiteral("fichier introuvable ou illisible");
    if (QFileInfo(chemin).size() > taille_max) return trop_grand;
    try {
        if (!lire_fichier(chemin, octets)) return QStringLiteral("fichier introuvable ou illisible");
    } catch (const ErreurES &e) {
        return e.texte();
    }
    return {};
}
