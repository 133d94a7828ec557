#include "compagnons/commun/dialoguefichier.h"
#include "common/dialoguefichiers.h"
#include "common/traduction.h"

#include <QFileInfo>

#include <QFileDialog>

QString choisir_fichier(QWidget *parent, const QString &titre, const QString &depart, const QString &filtres,
                        bool enregistrer)
{
    QFileDialog d(parent, titre, QString(), filtres);
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    d.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setProxyModel(new ModeleFichiersFrancais(&d));
    // `depart`: a folder shown the first time, or a file name proposed.
    const QFileInfo f(depart);
    const bool dossier = !depart.isEmpty() && f.isDir();
    const QStringList choisis =
        executer_dialogue_fichiers(&d, dossier ? QString() : f.fileName(), dossier ? depart : QString());
    return choisis.isEmpty() ? QString() : choisis.constFirst();
}
