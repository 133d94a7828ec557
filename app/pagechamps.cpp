#include "app/pagechamps.h"
#include "assets/ecrans_compagnons.h"
#include "assets/hermann.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/erreures.h"
#include "common/fabrique.h"
#include "common/imagewidget.h"
#include "common/lanceurs.h"
#include "common/polices.h"

#include <QPlainTextEdit>

PageChamps::PageChamps(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox4 = creer_cadre(this, "GroupBox4", QStringLiteral("Champs récepteurs, inhibition latérale"),
                            {133, 127, 259, 196});
    GroupBox4->setFont(police(QStringLiteral("Tahoma"), 11));

    Image4 = new ImageWidget(GroupBox4);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(30, 25, 202, 105);
    Image4->setPicture(image_hermann());
    Image4->setAccessibleName(QStringLiteral("Grille de Hermann : carrés noirs séparés par des lignes blanches"));

    Memo3 = creer_memo(GroupBox4, "Memo3",
                       {QStringLiteral("Que se passe t-il à"), QStringLiteral("l'intersection des lignes?")},
                       {55, 139, 145, 41});
    Memo3->setFont(police(QStringLiteral("Tahoma"), 12));

    BitBtn20 = new BoutonImage(QStringLiteral("Lancer le logiciel terplux"), this);
    BitBtn20->setObjectName(QStringLiteral("BitBtn20"));
    BitBtn20->setGeometry(400, 133, 243, 190);
    BitBtn20->setFont(police(QStringLiteral("Tahoma"), 13, true));
    QPalette p = BitBtn20->palette();
    p.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    BitBtn20->setPalette(p);
    BitBtn20->setGlyph(std::function<QImage()>(image_ecran_terplux));
    BitBtn20->setDisposition(BoutonImage::Disposition::DessousDuTexte);
    connect(BitBtn20, &QPushButton::clicked, this, &PageChamps::BitBtn20Click);
}

void PageChamps::BitBtn20Click()
{
    try {
        lancer_compagnon(QStringLiteral("terplux"), QStringLiteral("terplux.exe"));
    } catch (const ErreurES &e) {
        signaler(e);
    }
}
