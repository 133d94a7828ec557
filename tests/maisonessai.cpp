// Every test process runs in folders of its own, made empty at start and
// removed at exit: home, configuration, data, cache, runtime and temporary
// folders. No user setting (the display size, the file dialogs' remembered
// folders), no font cache state and no test running beside it can change a
// result. Linked into every test program; runs before main().
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct MaisonEssai {
    QTemporaryDir racine;

    MaisonEssai() : racine(QDir(QDir::tempPath()).filePath(QStringLiteral("kalmeno-essai-XXXXXX")))
    {
        if (!racine.isValid()) qFatal("cannot make the test's own home folder: %s", qPrintable(racine.errorString()));
        const struct {
            const char *variable;
            const char *dossier;
        } dossiers[] = {{"HOME", "maison"},           {"XDG_CONFIG_HOME", "maison/.config"},
                        {"XDG_DATA_HOME", "maison/.local/share"}, {"XDG_STATE_HOME", "maison/.local/state"},
                        {"XDG_CACHE_HOME", "maison/.cache"},       {"XDG_RUNTIME_DIR", "execution"},
                        {"TMPDIR", "tmp"}};
        for (const auto &d : dossiers) {
            const QString chemin = racine.filePath(QLatin1String(d.dossier));
            QDir().mkpath(chemin);
            qputenv(d.variable, QFile::encodeName(chemin));
        }
        // The toolkit refuses a runtime folder that others may enter.
        QFile::setPermissions(racine.filePath(QStringLiteral("execution")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

const MaisonEssai maison;

} // namespace
