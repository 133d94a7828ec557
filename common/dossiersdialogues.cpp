#include "common/dossiersdialogues.h"
#include "common/plateforme.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace dossiers_dialogues {

namespace {

const char *const CLE = "dialogues/dossier";

QSettings reglages()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kalmeno"), QStringLiteral("Kalmeno"));
}

bool dans(const QString &chemin, const QString &racine)
{
    if (racine.isEmpty() || chemin.isEmpty()) return false;
    return chemin == racine || chemin.startsWith(racine + QLatin1Char('/'));
}

// Both the path as written and the one links lead to.
QStringList formes(const QString &dossier)
{
    const QString absolu = QDir::cleanPath(QDir(dossier).absolutePath());
    const QString canonique = QFileInfo(absolu).canonicalFilePath();
    return canonique.isEmpty() || canonique == absolu ? QStringList{absolu} : QStringList{absolu, canonique};
}

bool utilisable(const QString &dossier, Usage usage)
{
    if (dossier.isEmpty() || prive(dossier)) return false;
    return usage == Usage::Ouvrir ? QFileInfo(dossier).isDir() : inscriptible(dossier);
}

} // namespace

bool prive(const QString &dossier)
{
    const QString lanceur = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kalmeno");
    for (const QString &racine : formes(lanceur) + formes(dossier_csb()))
        for (const QString &d : formes(dossier))
            if (dans(d, racine)) return true;
    return false;
}

bool inscriptible(const QString &dossier)
{
    const QFileInfo f(dossier);
    return f.isDir() && f.isWritable();
}

QString documents()
{
    QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (d.isEmpty()) d = QDir::homePath();
    QDir().mkpath(d);
    return d;
}

QString initial(const QString &depart, Usage usage)
{
    const QString dernier = reglages().value(QLatin1String(CLE)).toString();
    if (utilisable(dernier, usage)) return dernier;
    if (utilisable(depart, Usage::Enregistrer)) return QDir(depart).absolutePath();
    return documents();
}

void retenir(const QString &fichier)
{
    const QString dossier = QFileInfo(fichier).absolutePath();
    if (fichier.isEmpty() || prive(dossier)) return;
    reglages().setValue(QLatin1String(CLE), dossier);
}

} // namespace dossiers_dialogues
