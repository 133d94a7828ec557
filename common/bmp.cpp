#include "common/bmp.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

#include <QBuffer>
#include <QImageReader>

QImage lire_bmp(const QString &chemin)
{
    QByteArray octets;
    if (!lire_fichier(chemin, octets)) throw ErreurES::ouverture(chemin);
    if (octets.size() < 26 || !octets.startsWith("BM")) throw ErreurES::bitmap();
    QBuffer tampon(&octets);
    QImageReader lecteur(&tampon, "bmp");
    // The toolkit's own bitmap reader only: asking every image-format plugin
    // whether it recognises the bytes loads them all, for nothing.
    lecteur.setAutoDetectImageFormat(false);
    QImage image;
    if (!lecteur.read(&image) || image.isNull()) throw ErreurES::bitmap();
    return image.convertToFormat(QImage::Format_RGB32);
}
