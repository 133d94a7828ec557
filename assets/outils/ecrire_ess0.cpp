// Writes ess0.nst, the action potential of the nerve page, into the run
// directory (first argument). Run by the build.
#include "assets/outils/potentielaction.h"
#include "common/erreures.h"
#include "common/fichiertexte.h"

#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s RUN_DIR\n", argv[0]);
        return 2;
    }
    const QDir run(QString::fromLocal8Bit(argv[1]));
    if (!run.mkpath(QStringLiteral("."))) return 1;
    const auto programme = PotentielAction::programme();
    try {
        if (!ecrire_fichier(run.filePath(QStringLiteral("ess0.nst")),
                            PotentielAction::fichier_nst(programme, PotentielAction::rejouer(programme)))) {
            std::fprintf(stderr, "cannot create ess0.nst\n");
            return 1;
        }
    } catch (const ErreurES &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.texte()));
        return 1;
    }
    return 0;
}
