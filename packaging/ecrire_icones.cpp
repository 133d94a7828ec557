// Writes the program's icon as PNG files for the desktop's icon theme:
// OUTPUT_DIR/<n>x<n>/apps/kalmeno.png for each size given after the folder.
#include "assets/icone.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int taille = std::atoi(argv[i]);
        if (taille < 8 || taille > 1024) {
            std::fprintf(stderr, "bad icon size: %s\n", argv[i]);
            return 2;
        }
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
