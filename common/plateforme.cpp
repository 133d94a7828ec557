#include "common/plateforme.h"
#include "common/erreures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <unistd.h>

QString rep_depart_de(const QString &repertoire)
{
    QString r = QDir::toNativeSeparators(repertoire);
    while (r.endsWith(QDir::separator())) r.chop(1);
    return r;
}

QString rep_courant() { return rep_depart_de(QDir::currentPath()); }

void changer_rep(const QString &chemin)
{
    const QByteArray c = QFile::encodeName(chemin.isEmpty() ? QStringLiteral("/") : chemin);
    if (::chdir(c.constData()) != 0) throw ErreurES::depuis_errno(errno, true);
}

QString avec_extension(const QString &chemin, const QStringList &connues, const QString &defaut)
{
    const QString extension = QFileInfo(chemin).suffix();
    for (const QString &c : connues)
        if (extension.compare(c, Qt::CaseInsensitive) == 0) return chemin;
    return chemin + QLatin1Char('.') + defaut;
}

QString joindre(const QString &base, const QString &nom) { return base + QDir::separator() + nom; }

QString chemin_insensible(const QString &chemin)
{
    if (chemin.isEmpty() || QFileInfo::exists(chemin)) return chemin;
    const bool absolu = chemin.startsWith(QLatin1Char('/'));
    const QStringList parties = chemin.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString courant = absolu ? QStringLiteral("/") : QString();
    for (const QString &p : parties) {
        const QString essai = courant.isEmpty() ? p : QDir(courant).filePath(p);
        if (QFileInfo::exists(essai) || p == QLatin1String(".") || p == QLatin1String("..")) {
            courant = essai;
            continue;
        }
        const QDir dossier(courant.isEmpty() ? QStringLiteral(".") : courant);
        QString trouve;
        const QStringList noms = dossier.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &n : noms) {
            if (n.compare(p, Qt::CaseInsensitive) == 0) {
                trouve = n;
                break;
            }
        }
        if (trouve.isEmpty()) return chemin;
        courant = courant.isEmpty() ? trouve : QDir(courant).filePath(trouve);
    }
    return courant;
}

namespace {

QString &csb_choisi()
{
    static QString c;
    return c;
}

Lanceur &lanceur()
{
    static Lanceur l;
    return l;
}

QProcessEnvironment &environnement_enfants()
{
    static QProcessEnvironment e;
    return e;
}

} // namespace

QString dossier_csb()
{
    if (!csb_choisi().isEmpty()) return csb_choisi();
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return QFile::decodeName(runtime) + QStringLiteral("/kalmeno/csb");
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/kalmeno/csb");
}

void definir_dossier_csb(const QString &chemin) { csb_choisi() = chemin; }

bool lancer_detache(const Lancement &l)
{
    if (lanceur()) return lanceur()(l);
    // A bare program name is the file of that name in the folder it starts from.
    QString programme = l.programme;
    if (!programme.contains(QLatin1Char('/')) && !l.repertoire.isEmpty() && QFileInfo::exists(QDir(l.repertoire).filePath(programme)))
        programme = QDir(l.repertoire).absoluteFilePath(programme);
    QProcess p;
    p.setProgram(programme);
    p.setArguments(l.arguments);
    p.setWorkingDirectory(l.repertoire);
    if (!environnement_enfants().isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(environnement_enfants());
        p.setProcessEnvironment(env);
    }
    return p.startDetached();
}

void definir_environnement_enfants(const QString &variable, const QString &valeur)
{
    environnement_enfants().insert(variable, valeur);
}

void installer_lanceur(Lanceur l) { lanceur() = std::move(l); }
