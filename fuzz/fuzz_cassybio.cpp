// The acquisition template: any bytes as cassybio/cassybio.sav of a start
// directory; the launcher files are prepared in a private folder of a
// temporary directory. A failure may only be reported, never crash.
#include "common/erreures.h"
#include "common/lanceurs.h"
#include "common/plateforme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    static QTemporaryDir dossier;
    static const QString depart = dossier.path() + QStringLiteral("/depart");
    static const bool pret = [] {
        QDir().mkpath(depart + QStringLiteral("/cassybio"));
        QDir().mkpath(depart + QStringLiteral("/CASSYBIO"));
        QFile ppp(depart + QStringLiteral("/CASSYBIO/cassybio.ppp"));
        if (!ppp.open(QIODevice::WriteOnly)) return false;
        ppp.write("lanceur\r\n");
        definir_dossier_csb(dossier.path() + QStringLiteral("/csb"));
        return true;
    }();
    if (!pret) std::abort();

    QFile modele(depart + QStringLiteral("/cassybio/cassybio.sav"));
    if (!modele.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    modele.write(reinterpret_cast<const char *>(donnees), qint64(taille));
    modele.close();

    QStringList lignes;
    QString chemin;
    try {
        if (!adap_cassybio(depart, lignes, chemin)) std::abort(); // the template is there
    } catch (const ErreurES &) {
    }
    nettoyer_csb();
    return 0;
}
