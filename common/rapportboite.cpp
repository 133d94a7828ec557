#include "common/rapportboite.h"
#include "common/erreures.h"

#include <QMessageBox>
#include <QPointer>

void installer_rapport_boite(QWidget *parent)
{
    QPointer<QWidget> p(parent);
    installer_rapporteur([p](const QString &texte) {
        QMessageBox::critical(p.data(), QStringLiteral("Kalmeno"), texte);
    });
}
