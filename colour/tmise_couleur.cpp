#include "colour/tmise_couleur.h"

Tmise_couleur::Tmise_couleur(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("mise_couleur"));
    setWindowTitle(QStringLiteral("Mise en couleur"));
    setFixedSize(388, 179);
}
