#include "app/pageactivite.h"
#include "assets/ecrans_compagnons.h"
#include "assets/glyphe_acquisition.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/erreures.h"
#include "common/fabrique.h"
#include "common/lanceurs.h"
#include "common/polices.h"

#include <functional>

namespace {

// Handlers report a failed change of directory and carry on.
void avec_rapport(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ErreurES &e) {
        signaler(e);
    }
}

} // namespace

PageActivite::PageActivite(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox8 = creer_cadre(this, "GroupBox8", QString(), {160, 56, 357, 324});

    BitBtn10 = new BoutonImage(QStringLiteral("Voir fichier sur activité réflexe/volontaire"), GroupBox8);
    BitBtn10->setObjectName(QStringLiteral("BitBtn10"));
    BitBtn10->setGeometry(16, 21, 329, 55);
    BitBtn10->setFont(police(QStringLiteral("Tahoma"), 11));
    BitBtn10->setGlyph(image_glyphe_acquisition());
    BitBtn10->setDisposition(BoutonImage::Disposition::GaucheDuTexte, 18, 10);
    connect(BitBtn10, &QPushButton::clicked, this, &PageActivite::BitBtn10Click);

    BitBtn11 = new BoutonImage(QStringLiteral("Lancer le logiciel mavoren"), GroupBox8);
    BitBtn11->setObjectName(QStringLiteral("BitBtn11"));
    BitBtn11->setGeometry(38, 95, 292, 196);
    BitBtn11->setFont(police(QStringLiteral("Tahoma"), 11));
    BitBtn11->setGlyph(std::function<QImage()>(image_ecran_mavoren));
    BitBtn11->setDisposition(BoutonImage::Disposition::DessousDuTexte);
    connect(BitBtn11, &QPushButton::clicked, this, &PageActivite::BitBtn11Click);
}

void PageActivite::BitBtn10Click()
{
    avec_rapport([] { voir_enregistrement(QString::fromLatin1(PIF_LOCAL), QString::fromLatin1(ENREG_REFLEXE)); });
}

void PageActivite::BitBtn11Click()
{
    avec_rapport([] { lancer_compagnon(QStringLiteral("mavoren"), QStringLiteral("mavoren.exe")); });
}
