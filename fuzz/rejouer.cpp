// Replays files through a fuzz target's entry without libFuzzer: every file of
// the folders given (or the files given) runs once. Used by the suite to keep
// the seeds and every past finding passing.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int n = 0;
    for (int i = 1; i < argc; ++i) {
        const QString chemin = QString::fromLocal8Bit(argv[i]);
        QStringList fichiers;
        if (QFileInfo(chemin).isDir()) {
            const QDir d(chemin);
            for (const QString &f : d.entryList(QDir::Files, QDir::Name)) fichiers << d.filePath(f);
        } else {
            fichiers << chemin;
        }
        for (const QString &f : fichiers) {
            QFile fichier(f);
            if (!fichier.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(f));
                return 1;
            }
            const QByteArray octets = fichier.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(octets.constData()), size_t(octets.size()));
            ++n;
        }
    }
    std::printf("%d inputs replayed\n", n);
    return n > 0 ? 0 : 1;
}
