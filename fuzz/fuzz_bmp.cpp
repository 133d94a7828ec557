// The .bmp load of the five picture files: any bytes give a picture or the
// "Image bitmap incorrecte" report, never a crash.
#include "common/bmp.h"
#include "common/erreures.h"
#include "fuzz/qt_hors_ecran.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    preparer_qt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    static QTemporaryDir dossier;
    static const QString chemin = dossier.filePath(QStringLiteral("essai.bmp"));
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    f.write(reinterpret_cast<const char *>(donnees), qint64(taille));
    f.close();
    try {
        const QImage image = lire_bmp(chemin);
        if (image.isNull() || image.format() != QImage::Format_RGB32) std::abort();
        // The page stretches the pictures to their controls.
        (void)image.scaled(34, 18);
    } catch (const ErreurES &e) {
        if (e.texte() != ErreurES::bitmap().texte()) std::abort();
    }
    return 0;
}
