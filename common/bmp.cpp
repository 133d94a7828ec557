#include "common/bmp.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>

namespace {

// The pictures are a few dozen pixels wide; these bounds leave room for any
// picture a teacher may put in their place and refuse a wrong file (hundreds
// of MB, or a header claiming a huge picture) before it is decoded.
constexpr qint64 COTE_MAX_BMP = 8192;
constexpr qint64 PIXELS_MAX_BMP = 2048 * 2048;
// The largest such picture at 32 bits a pixel, with room for its headers.
constexpr qint64 TAILLE_MAX_BMP = PIXELS_MAX_BMP * 4 + 1024 * 1024;

uint32_t u16(const QByteArray &o, qsizetype i)
{
    return uint32_t(uint8_t(o[i])) | uint32_t(uint8_t(o[i + 1])) << 8;
}

uint32_t u32(const QByteArray &o, qsizetype i) { return u16(o, i) | u16(o, i + 2) << 16; }

// The header's sizes against the bounds and, for uncompressed pixels, against
// the bytes that are there: pixel data cut short is not a valid bitmap (the
// toolkit's reader would fill the missing rows silently).
bool entete_acceptable(const QByteArray &o)
{
    if (o.size() < 26 || !o.startsWith("BM")) return false;
    const qint64 debut_pixels = u32(o, 10);
    const uint32_t entete = u32(o, 14);
    qint64 largeur = 0, hauteur = 0;
    uint32_t bits = 0, compression = 0;
    if (entete == 12) { // OS/2 1.x: 16-bit sizes
        largeur = u16(o, 18);
        hauteur = u16(o, 20);
        bits = u16(o, 24);
    } else if (entete >= 16 && o.size() >= 30) {
        largeur = int32_t(u32(o, 18));
        hauteur = int32_t(u32(o, 22)); // negative: rows from the top
        bits = u16(o, 28);
        if (entete >= 20 && o.size() >= 34) compression = u32(o, 30);
    } else {
        return false;
    }
    hauteur = std::llabs(hauteur);
    if (largeur <= 0 || hauteur <= 0 || largeur > COTE_MAX_BMP || hauteur > COTE_MAX_BMP ||
        largeur * hauteur > PIXELS_MAX_BMP)
        return false;
    if (bits == 0 || bits > 32) return false;
    // BI_RGB, BI_BITFIELDS, BI_ALPHABITFIELDS: every row is there, padded to
    // four bytes. Run-length pixels have no fixed size: the reader checks them.
    if (compression == 0 || compression == 3 || compression == 6) {
        const qint64 ligne = (largeur * bits + 31) / 32 * 4;
        if (debut_pixels + ligne * hauteur > o.size()) return false;
    } else if (debut_pixels >= o.size()) {
        return false;
    }
    return true;
}

} // namespace

QImage lire_bmp(const QString &chemin)
{
    QByteArray octets;
    if (!lire_fichier(chemin, octets, TAILLE_MAX_BMP)) throw ErreurES::ouverture(chemin);
    if (octets.size() > TAILLE_MAX_BMP || !entete_acceptable(octets)) throw ErreurES::bitmap();
    QBuffer tampon(&octets);
    QImageReader lecteur(&tampon, "bmp");
    // The toolkit's own bitmap reader only: asking every image-format plugin
    // whether it recognises the bytes loads them all, for nothing.
    lecteur.setAutoDetectImageFormat(false);
    QImage image;
    if (!lecteur.read(&image) || image.isNull()) throw ErreurES::bitmap();
    return image.convertToFormat(QImage::Format_RGB32);
}
