#pragma once
#include <QString>

class QWidget;

// The companion programs' file dialog: the toolkit's own, in French, with the
// sizes and dates of its list written the French way. `depart` is the folder
// shown, or a file name proposed in it. Asks before replacing a file when
// saving. Returns the chosen path, or an empty text when cancelled.
QString choisir_fichier(QWidget *parent, const QString &titre, const QString &depart, const QString &filtres,
                        bool enregistrer);
