#include "fechner/pagefechner.h"
#include "common/cadre.h"
#include "common/canevas.h"
#include "common/fabrique.h"
#include "common/hote.h"
#include "common/imagewidget.h"
#include "common/polices.h"

#include <QAction>
#include <QMenu>

namespace {

// The items of the mass menu: object name, caption, value written.
struct ElementMasse {
    const char *nom;
    const char *libelle;
    const char *valeur;
};

constexpr ElementMasse elements_masse[] = {
    {"lavaleurdelapetitemasse1", "5 g", "5"}, {"ajoute1", "10 g", "10"}, {"N15g1", "15 g", "15"},
    {"N20g1", "20 g", "20"},   {"N25g1", "25 g", "25"},   {"N30g1", "30 g", "30"},   {"N40g1", "40 g", "40"},
    {"N50g1", "50 g", "50"},   {"N60g1", "60 g", "60"},   {"N70g1", "70 g", "70"},   {"N80g1", "80 g", "80"},
    {"N100g1", "100 g", "100"}, {"N120g1", "120 g", "120"}, {"N140g1", "140 g", "140"}, {"N1601", "160 g", "160"},
    {"N180g1", "180 g", "180"}, {"N200g1", "200 g", "200"}, {"N220g1", "220 g", "220"}, {"N250g1", "250 g", "250"},
    {"N280g1", "280 g", "280"}, {"N300g1", "300 g", "300"},
};

QAction *element(QMenu *menu, const char *nom, const QString &libelle)
{
    QAction *a = menu->addAction(libelle);
    a->setObjectName(QLatin1String(nom));
    return a;
}

} // namespace

PageFechner::PageFechner(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox3 = creer_cadre(this, "GroupBox3", QString(), {2, 6, 778, 487});
    GroupBox3->setFont(police(QStringLiteral("Tahoma"), 11));

    save_ima_blanc = new ImageWidget(GroupBox3);
    save_ima_blanc->setObjectName(QStringLiteral("save_ima_blanc"));
    save_ima_blanc->setGeometry(344, 80, 105, 105);
    save_ima_blanc->setPicture(image_unie(420, 220, BLANC));
    save_ima_blanc->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    element(PopupMenu1, "testrussi1", QStringLiteral("test réussi (O)"));
    element(PopupMenu1, "testchou1", QStringLiteral("test échoué (N)"));

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    element(PopupMenu2, "Saisissezdanscettecase1", QStringLiteral("Quelle masse  ajoutée ?"));
    for (const ElementMasse &e : elements_masse) element(PopupMenu2, e.nom, QString::fromUtf8(e.libelle));
}

void PageFechner::ecrire_entetes() {}
void PageFechner::BitBtn3Click() {}

QImage PageFechner::image_blanche() const { return save_ima_blanc->picture(); }
