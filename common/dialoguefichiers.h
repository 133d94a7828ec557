#pragma once
#include <QString>
#include <QStringList>

class QFileDialog;

// Shows a file dialog of Kalmeno or a companion where a pupil finds the files
// (common/dossiersdialogues.h: the folder used last, else the start folder
// `depart` when it is an ordinary writable folder, else the documents
// folder), with `nom` proposed in the name box when given, and remembers the
// folder of the file chosen. Returns the files chosen, empty when cancelled.
QStringList executer_dialogue_fichiers(QFileDialog *d, const QString &nom = {}, const QString &depart = {});
