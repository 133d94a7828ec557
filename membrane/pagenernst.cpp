#include "membrane/pagenernst.h"
#include "assets/ions.h"
#include "common/cadre.h"
#include "common/fabrique.h"
#include "common/hote.h"
#include "common/imagewidget.h"

#include <QTimer>

namespace {

ImageWidget *image(QWidget *parent, const char *nom, QPoint place, const QImage &dessin)
{
    auto *i = new ImageWidget(parent);
    i->setObjectName(QLatin1String(nom));
    i->setStretch(true);
    i->setGeometry(QRect(place, dessin.size()));
    i->setPicture(dessin);
    return i;
}

} // namespace

PageNernst::PageNernst(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox10 = creer_cadre(this, "GroupBox10", QString(), {64, 0, 670, 496});

    ani = image(GroupBox10, "ani", {183, 89}, image_anion());
    ane = image(GroupBox10, "ane", {338, 89}, image_anion());
    ima_ki = image(GroupBox10, "ima_ki", {149, 151}, image_ion_k());
    ima_ke = image(GroupBox10, "ima_ke", {307, 151}, image_ion_k());
    ima_nai = image(GroupBox10, "ima_nai", {147, 203}, image_ion_na());
    ima_nae = image(GroupBox10, "ima_nae", {306, 203}, image_ion_na());
    Ima_fl_i_e = image(GroupBox10, "Ima_fl_i_e", {275, 40}, image_fleche_i_e());
    ima_fl_e_i = image(GroupBox10, "ima_fl_e_i", {274, 56}, image_fleche_e_i());
    Ima_fl_i_e->hide();
    ima_fl_e_i->hide();

    // The ratios come from the design sizes at once, so no later computation
    // can meet a 0 / 0 before the start-up sequence has run.
    enregistrer_rapports();

    Timer_k = creer_minuterie(this, "Timer_k", 100, true);
    Timer_na = creer_minuterie(this, "Timer_na", 100, true);
    Timer_courbe = creer_minuterie(this, "Timer_courbe", 500);
    Timer_reaff = creer_minuterie(this, "Timer_reaff", 100);
    Timer_anim = creer_minuterie(this, "Timer_anim", 1);
}

void PageNernst::Scroll_gkChange() {}
void PageNernst::Scroll_gnaChange() {}

void PageNernst::enregistrer_rapports()
{
    rapport_k = double(ima_ke->height()) / ima_ke->width();
    rapport_na = double(ima_nae->height()) / ima_nae->width();
    rapport_an = double(ani->height()) / ane->width();
}

void PageNernst::concentrations_depart() {}
void PageNernst::calcul_images() {}
void PageNernst::grad_nernst() {}
void PageNernst::Afficherlespotdquilibre1Click() {}
