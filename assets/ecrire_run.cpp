// Writes the pictures and data files that stand beside the program into its
// run directory (first argument). Run by the build.
#include "assets/ions.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s RUN_DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir run(QString::fromLocal8Bit(argv[1]));
    if (!run.mkpath(QStringLiteral("."))) return 1;

    const std::vector<std::pair<const char *, std::function<QImage()>>> images = {
        {"an.bmp", image_anion},
        {"k.bmp", image_ion_k},
        {"na.bmp", image_ion_na},
        {"fl_i_e.bmp", image_fleche_i_e},
        {"fl_e_i.bmp", image_fleche_e_i},
    };
    for (const auto &[nom, dessin] : images) {
        const QImage im = dessin().convertToFormat(QImage::Format_RGB888);
        if (!im.save(run.filePath(QString::fromLatin1(nom)), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", nom);
            return 1;
        }
    }
    return 0;
}
