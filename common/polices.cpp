#include "common/polices.h"
#include "common/nombres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>

namespace {

// Whether the system has the family itself, read from the font list: asking
// for a family by name runs fontconfig's whole configuration for that name,
// and answers yes for a family it would only stand in for.
bool installee(const QString &famille) { return QFontDatabase::families().contains(famille, Qt::CaseInsensitive); }

// A family drawn only from bitmaps (Windows' own "MS Sans Serif" and
// "System") cannot follow the display size: a scalable twin stands for it.
QString famille_vectorielle(const QString &famille)
{
    static QHash<QString, QString> choisies;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) return famille;
    const auto deja = choisies.constFind(famille);
    if (deja != choisies.constEnd()) return *deja;
    QString choisie = famille;
    if (!installee(famille)) {
        // A family the system lacks is named by the stand-in the toolkit would
        // take for it: the same face, without a second family's fallback
        // lists and font engines to build.
        for (const QString &autre : QFont::substitutes(famille)) {
            if (installee(autre)) {
                choisie = autre;
                break;
            }
        }
    } else if (!QFontDatabase::isScalable(famille)) {
        for (const char *autre : {"Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"}) {
            if (installee(QLatin1String(autre))) {
                choisie = QLatin1String(autre);
                break;
            }
        }
    }
    choisies.insert(famille, choisie);
    return choisie;
}

} // namespace

QFont police(const QString &famille, int pixels, bool gras)
{
    static const bool substitutions = (installer_substitutions(), true);
    Q_UNUSED(substitutions);
    QFont f(famille_vectorielle(famille));
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int pixels_de_points(int points) { return arrondi(points * 96.0 / 72.0); }

void installer_substitutions()
{
    // Fonts shipped beside the program (the Windows build's Liberation
    // fallbacks), for a system that lacks a family the pages name.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        const QDir polices(QCoreApplication::applicationDirPath() + QStringLiteral("/polices"));
        for (const QString &f : polices.entryList({QStringLiteral("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(polices.filePath(f));
    }
    const QString sans = QStringLiteral("Liberation Sans");
    const QString dejavu = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("System"), QStringList() << sans << dejavu);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList() << sans << dejavu);
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList() << sans << dejavu);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), QStringList() << sans << dejavu);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               QStringList() << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif"));
}
