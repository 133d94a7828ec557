#include "common/plateforme.h"
#include "common/erreures.h"
#include "common/fichierssysteme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString rep_depart_de(const QString &repertoire)
{
    QString r = QDir::toNativeSeparators(repertoire);
    while (r.endsWith(QDir::separator())) r.chop(1);
    return r;
}

QString rep_courant() { return rep_depart_de(QDir::currentPath()); }

void changer_rep(const QString &chemin)
{
    const int erreur = changer_repertoire_systeme(chemin);
    if (erreur != 0) throw ErreurES::depuis_errno(erreur, true);
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
#ifdef Q_OS_WIN
    // The file system already ignores case.
    return chemin;
#endif
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

namespace {

// The user's own folder for the launcher files, when no other is given.
QString dossier_csb_utilisateur()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return QFile::decodeName(runtime) + QStringLiteral("/kalmeno/csb");
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                                    + QStringLiteral("/kalmeno/csb"));
}

// Set once "c:\csb" could not be made: the user's own folder is used instead.
bool &csb_repli()
{
    static bool r = false;
    return r;
}

} // namespace

QString dossier_csb()
{
    if (!csb_choisi().isEmpty()) return csb_choisi();
#ifdef Q_OS_WIN
    if (!csb_repli()) return QStringLiteral("c:\\csb");
#endif
    return dossier_csb_utilisateur();
}

void definir_dossier_csb(const QString &chemin)
{
    csb_choisi() = chemin;
    csb_repli() = false;
}

void preparer_dossier_csb()
{
    creer_dossier_prive(dossier_csb());
    if (csb_choisi().isEmpty() && !csb_repli() && type_chemin(dossier_csb()) != TypeChemin::Dossier) {
        csb_repli() = true;
        if (type_chemin(dossier_csb()) != TypeChemin::Dossier) creer_dossier_prive(dossier_csb());
    }
}

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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environnement_enfants());
#ifdef Q_OS_WIN
    // The companions stand in folders of their own (and the launcher in
    // "c:\csb"): they find the toolkit's libraries and plug-ins beside Kalmeno.
    const QString ici = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    env.insert(QStringLiteral("PATH"), ici + QLatin1Char(';') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), ici + QStringLiteral("\\plugins"));
    // Shown maximised, as the design's show code 3 asks.
    p.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *a) {
        a->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        a->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
    });
#endif
    p.setProcessEnvironment(env);
    return p.startDetached();
}

void preparer_affichage()
{
#ifdef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

void preparer_police_systeme()
{
#ifdef Q_OS_WIN
    QFont f = QGuiApplication::font();
    f.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    QGuiApplication::setFont(f);
#endif
}

void definir_environnement_enfants(const QString &variable, const QString &valeur)
{
    environnement_enfants().insert(variable, valeur);
}

void installer_lanceur(Lanceur l) { lanceur() = std::move(l); }
