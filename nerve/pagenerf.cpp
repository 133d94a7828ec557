#include "nerve/pagenerf.h"
#include "common/cadre.h"
#include "common/fabrique.h"
#include "common/hote.h"

PageNerf::PageNerf(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox7 = creer_cadre(this, "GroupBox7", QStringLiteral("Période réfractaire, fréquence maximale des potentiels"),
                            {3, 9, 356, 484});
    GroupBox11 = creer_cadre(this, "GroupBox11", QStringLiteral("Simulation de stimulations d'un nerf ou d'une fibre"),
                             {364, 9, 410, 484});
}

void PageNerf::affich_grad() {}

void PageNerf::BitBtn21Click() { hote_->montrer_page(3); }
