// Writes into the acquisition folder of the run directory (the argument) the
// launcher's template cassybio.sav and the three recordings under electro/.
#include "compagnons/cassybio/fabriqueenregistrements.h"
#include "compagnons/commun/formatexw.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool ecrire(const QString &chemin, const QByteArray &octets)
{
    QSaveFile f(chemin);
    if (f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.commit()) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CASSYBIO_DIR\n", argv[0]);
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!dossier.mkpath(QStringLiteral("electro"))) return 1;

    const FabriqueEnregistrements f;
    const bool ok = ecrire(dossier.filePath(QStringLiteral("cassybio.sav")), FabriqueEnregistrements::modele_lanceur()) &&
                    ecrire(dossier.filePath(QStringLiteral("electro/&refr~A.exw")), FormatExw::ecrire(f.refractaire())) &&
                    ecrire(dossier.filePath(QStringLiteral("electro/&recr~A.exw")), FormatExw::ecrire(f.recrutement())) &&
                    ecrire(dossier.filePath(QStringLiteral("electro/&revol~A.exw")),
                           FormatExw::ecrire(FabriqueEnregistrements::reflexe_volontaire()));
    return ok ? 0 : 1;
}
