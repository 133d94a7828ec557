#include "colour/tform_coul.h"

TForm_coul::TForm_coul(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form_coul"));
    setWindowTitle(QStringLiteral("Choix couleur"));
    setFixedSize(210, 61);
}
