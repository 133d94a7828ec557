#include "common/traduction.h"

#include <QCoreApplication>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The few texts of the file dialogs that the toolkit's French translations
// lack: the kinds of entries in the "Type" column.
class TextesManquants : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *contexte, const char *source, const char *, int) const override
    {
        if (qstrcmp(contexte, "QAbstractFileIconProvider") != 0) return {};
        static const struct {
            const char *anglais;
            const char *francais;
        } table[] = {
            {"Folder", "Dossier"}, {"File Folder", "Dossier"}, {"Drive", "Lecteur"},
            {"Shortcut", "Raccourci"}, {"Alias", "Alias"}, {"Unknown", "Inconnu"},
        };
        for (const auto &t : table)
            if (qstrcmp(source, t.anglais) == 0) return QString::fromUtf8(t.francais);
        return {};
    }
};

} // namespace

bool installer_francais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCoreApplication::installTranslator(new TextesManquants(QCoreApplication::instance()));
    // Owned by the application, so it lives as long as the texts are shown.
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    // The toolkit's own folder; else, for a program standing away from the
    // toolkit's libraries (a companion in its folder), the one beside the
    // plug-ins it was given.
    QStringList dossiers{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &greffons : QCoreApplication::libraryPaths())
        dossiers << greffons + QStringLiteral("/../translations");
    for (const QString &dossier : dossiers)
        if (traducteur->load(QStringLiteral("qtbase_fr"), dossier)) return QCoreApplication::installTranslator(traducteur);
    delete traducteur;
    return false;
}

ModeleFichiersFrancais::ModeleFichiersFrancais(QObject *parent) : QIdentityProxyModel(parent) {}

QVariant ModeleFichiersFrancais::data(const QModelIndex &index, int role) const
{
    const auto *fichiers = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !fichiers || !index.isValid()) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale francais;
    switch (index.column()) {
    case 1: // size, files only
        if (fichiers->isDir(source)) return QString();
        return francais.formattedDataSize(fichiers->size(source), 1, QLocale::DataSizeTraditionalFormat);
    case 3: // last modified
        return francais.toString(fichiers->lastModified(source), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}
