#include "common/dialoguefichiers.h"
#include "common/dossiersdialogues.h"
#include "common/ecran.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>

QStringList executer_dialogue_fichiers(QFileDialog *d, const QString &nom, const QString &depart)
{
    using namespace dossiers_dialogues;
    const Usage usage = d->acceptMode() == QFileDialog::AcceptSave ? Usage::Enregistrer : Usage::Ouvrir;
    d->setDirectory(initial(depart.isEmpty() ? QDir::currentPath() : depart, usage));
    if (!nom.isEmpty()) d->selectFile(nom);
    borner_a_l_ecran(d, d->parentWidget() ? d->parentWidget() : d);
    const int resultat = d->exec();
    // The name box's completion list closes with the dialog: left open, it
    // stayed over the page and kept the keyboard.
    for (QCompleter *c : d->findChildren<QCompleter *>())
        if (c->popup()) c->popup()->hide();
    if (resultat != QDialog::Accepted) return {};
    const QStringList choisis = d->selectedFiles();
    if (!choisis.isEmpty()) retenir(choisis.constFirst());
    return choisis;
}
