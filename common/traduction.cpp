#include "common/traduction.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installer_francais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Owned by the application, so it lives as long as the texts are shown.
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    if (!traducteur->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}
