// Writes the program's icon as PNG files for the desktop's icon theme:
// OUTPUT_DIR/<n>x<n>/apps/kalmeno.png for each size given after the folder;
// or, with --ico FILE.ico, one Windows icon file holding every size; or, with
// --brut OUTPUT_DIR, OUTPUT_DIR/<n>.rgba: the pixels as premultiplied R, G, B,
// A bytes, row after row, which the program shows without decoding anything.
#include "assets/icone.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>

namespace {

void ajouter16(QByteArray &o, quint16 v) { o.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 2); }
void ajouter32(QByteArray &o, quint32 v) { o.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 4); }

// One picture of an icon file: 256 pixels as PNG, smaller ones as 32-bit
// bitmaps with their (empty) mask, which every Windows version reads.
QByteArray image_ico(int taille)
{
    const QImage image = image_icone(taille).convertToFormat(QImage::Format_ARGB32);
    QByteArray o;
    if (taille >= 256) {
        QBuffer tampon(&o);
        tampon.open(QIODevice::WriteOnly);
        image.save(&tampon, "PNG");
        return o;
    }
    const int ligne_masque = ((taille + 31) / 32) * 4;
    ajouter32(o, 40);
    ajouter32(o, quint32(taille));
    ajouter32(o, quint32(taille * 2)); // picture and mask
    ajouter16(o, 1);
    ajouter16(o, 32);
    ajouter32(o, 0);
    ajouter32(o, quint32(taille * taille * 4 + ligne_masque * taille));
    for (int i = 0; i < 4; ++i) ajouter32(o, 0);
    for (int y = taille - 1; y >= 0; --y)
        for (int x = 0; x < taille; ++x) ajouter32(o, image.pixel(x, y)); // BGRA in memory
    o.append(QByteArray(ligne_masque * taille, '\0'));
    return o;
}

bool ecrire_ico(const QString &chemin, const QList<int> &tailles)
{
    QByteArray entete, donnees;
    ajouter16(entete, 0);
    ajouter16(entete, 1); // an icon
    ajouter16(entete, quint16(tailles.size()));
    qsizetype position = 6 + 16 * tailles.size();
    for (int t : tailles) {
        const QByteArray image = image_ico(t);
        entete.append(char(t >= 256 ? 0 : t)).append(char(t >= 256 ? 0 : t)).append(char(0)).append(char(0));
        ajouter16(entete, 1);
        ajouter16(entete, 32);
        ajouter32(entete, quint32(image.size()));
        ajouter32(entete, quint32(position));
        position += image.size();
        donnees += image;
    }
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(entete + donnees) == entete.size() + donnees.size();
}

} // namespace

int main(int argc, char **argv)
{
    const bool ico = argc >= 2 && qstrcmp(argv[1], "--ico") == 0;
    const bool brut = argc >= 2 && qstrcmp(argv[1], "--brut") == 0;
    if (argc < 3 + int(ico || brut)) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n       %s --ico FILE.ico SIZE...\n       %s --brut OUTPUT_DIR SIZE...\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QList<int> tailles;
    for (int i = 2 + int(ico || brut); i < argc; ++i) {
        tailles << std::atoi(argv[i]);
        if (tailles.back() < 8 || tailles.back() > 1024) {
            std::fprintf(stderr, "bad icon size: %s\n", argv[i]);
            return 2;
        }
    }
    if (ico) return ecrire_ico(QString::fromLocal8Bit(argv[2]), tailles) ? 0 : 1;
    if (brut) {
        const QDir sortie(QString::fromLocal8Bit(argv[2]));
        for (int taille : tailles) {
            const QImage image = image_icone(taille).convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            QByteArray octets;
            for (int y = 0; y < taille; ++y)
                octets.append(reinterpret_cast<const char *>(image.constScanLine(y)), qsizetype(taille) * 4);
            QFile f(sortie.filePath(QStringLiteral("%1.rgba").arg(taille)));
            if (!sortie.mkpath(QStringLiteral(".")) || !f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
                return 1;
            }
        }
        return 0;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    for (int taille : tailles) {
        const QString dossier = QStringLiteral("%1x%1/apps").arg(taille);
        if (!sortie.mkpath(dossier)) return 1;
        const QString chemin = sortie.filePath(dossier + QStringLiteral("/kalmeno.png"));
        if (!image_icone(taille).save(chemin, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
    }
    return 0;
}
