#include "compagnons/commun/dialoguefichier.h"
#include "common/traduction.h"

#include <QFileDialog>

QString choisir_fichier(QWidget *parent, const QString &titre, const QString &depart, const QString &filtres,
                        bool enregistrer)
{
    QFileDialog d(parent, titre, depart, filtres);
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    d.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setProxyModel(new ModeleFichiersFrancais(&d));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().constFirst();
}
