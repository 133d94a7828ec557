#include "colour/pagecontrastes.h"
#include "common/cadre.h"
#include "common/fabrique.h"
#include "common/hote.h"
#include "common/polices.h"

#include <QAction>
#include <QTimer>


PageContrastes::PageContrastes(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox1 = creer_cadre(this, "GroupBox1", QStringLiteral("Expérience visuelle"), {6, 14, 253, 256});
    GroupBox2 = creer_cadre(this, "GroupBox2", QStringLiteral("Interrogation sur l'expérience"), {264, 12, 201, 369});
    GroupBox6 = creer_cadre(this, "GroupBox6", QStringLiteral("Interprétations de l'expérience"), {471, 12, 297, 346});
    GroupBox6->setFont(police(QStringLiteral("Tahoma"), pixels_de_points(8)));

    Timer_voir = creer_minuterie(this, "Timer_voir", 1000);
    Timer_reaff_image = creer_minuterie(this, "Timer_reaff_image", 15000);
}

void PageContrastes::raz_compteur_voir() {}
void PageContrastes::init_cases_coul() {}
void PageContrastes::Scroll_bleuChange() {}
void PageContrastes::Scroll_bleu2Change() {}
void PageContrastes::Scroll_bleu3Change() {}
void PageContrastes::cacher_complementaire() {}

void PageContrastes::montrer_page() { hote_->montrer_page(0); }

void PageContrastes::Unecouleur1Click()
{
    hote_->element_menu("Unecouleur1")->setChecked(true);
    hote_->element_menu("Deuxcouleurs1")->setChecked(false);
    hote_->element_menu("Troiscouleurs1")->setChecked(false);
    montrer_page();
}

void PageContrastes::Deuxcouleurs1Click()
{
    hote_->element_menu("Unecouleur1")->setChecked(false);
    hote_->element_menu("Deuxcouleurs1")->setChecked(true);
    hote_->element_menu("Troiscouleurs1")->setChecked(false);
    montrer_page();
}

void PageContrastes::Troiscouleurs1Click()
{
    hote_->element_menu("Unecouleur1")->setChecked(false);
    hote_->element_menu("Deuxcouleurs1")->setChecked(false);
    hote_->element_menu("Troiscouleurs1")->setChecked(true);
    montrer_page();
}

void PageContrastes::Voirlacomplmentaire1Click()
{
    QAction *a = hote_->element_menu("Voirlacomplmentaire1");
    a->setChecked(!a->isChecked());
}
