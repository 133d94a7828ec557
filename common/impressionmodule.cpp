#include "common/impressionmodule.h"

#include <QPrintDialog>
#include <QPrinter>

bool kalmeno_dialogue_impression(QWidget *parent, const QString &titre,
                                 const std::function<void(QPagedPaintDevice &)> &dessiner)
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageOrientation(QPageLayout::Landscape);
    imprimante.setDocName(titre);
    QPrintDialog d(&imprimante, parent);
    d.setObjectName(QStringLiteral("PrintDialog1"));
    d.setWindowTitle(QStringLiteral("Imprimer"));
    if (d.exec() != QDialog::Accepted) return false;
    dessiner(imprimante);
    return true;
}
