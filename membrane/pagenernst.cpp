#include "membrane/pagenernst.h"
#include "assets/ions.h"
#include "common/aleatoire.h"
#include "common/cadre.h"
#include "common/erreures.h"
#include "common/fabrique.h"
#include "common/fichiertexte.h"
#include "common/forme.h"
#include "common/hote.h"
#include "common/imagewidget.h"
#include "common/nombres.h"
#include "common/polices.h"
#include "membrane/fichiernst.h"
#include "common/accessibilite.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {

const QString STOP = QStringLiteral("STOP");
const QString LANCER_COURBE = QStringLiteral("Lancer COURBE");
const QString PROGRAM_COURBE = QStringLiteral("Program.COURBE");
const QString LANCER = QStringLiteral("LANCER");
const QString TITRE_PERMEABILITE = QStringLiteral("Travail sur la perméabilité membrannaire");
const QString TITRE_EQUILIBRE = QStringLiteral("Travail sur le potentiel d'équilibre");

// Middle of the box interior in the group box: ima_pe2.Left + Width div 2.
constexpr int MILIEU_MEMBRANE = 145 + AnimationIons::LARGEUR / 2;
constexpr int HAUTEUR_FLECHE = 11;

ImageWidget *image(QWidget *parent, const char *nom, QPoint place, const QImage &dessin)
{
    auto *i = new ImageWidget(parent);
    i->setObjectName(QLatin1String(nom));
    i->setStretch(true);
    i->setGeometry(QRect(place, dessin.size()));
    i->setPicture(dessin);
    return i;
}

QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, QPoint place, Couleur texte_c,
                  Couleur fond, const QFont &police)
{
    QLabel *l = creer_etiquette(parent, nom, texte, place);
    l->setFont(police);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, vers_qcolor(texte_c));
    if (fond >= 0) p.setColor(QPalette::Window, vers_qcolor(fond));
    l->setPalette(p);
    l->adjustSize();
    return l;
}

// A label that takes the size of its caption, as the page's labels do.
void legende(QLabel *l, const QString &texte)
{
    if (l->text() == texte) return;
    l->setText(texte);
    l->adjustSize();
}

QPushButton *bouton(QWidget *parent, const char *nom, const QString &texte, QRect place)
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(place);
    return b;
}

QScrollBar *barre(QWidget *parent, const char *nom, QPoint place, int max, int pas_fleche, int pas_page)
{
    auto *s = new QScrollBar(Qt::Vertical, parent);
    s->setObjectName(QLatin1String(nom));
    s->setGeometry(QRect(place, QSize(8, 164)));
    s->setRange(0, max);
    s->setSingleStep(pas_fleche);
    s->setPageStep(pas_page);
    return s;
}

Forme *paroi(QWidget *parent, const char *nom, QRect place, const QString &lue)
{
    auto *f = new Forme(parent);
    f->setObjectName(QLatin1String(nom));
    f->setAccessibleName(lue);
    f->setGeometry(place);
    f->set_couleur(MARINE);
    f->setPenColor(vers_qcolor(MARINE));
    return f;
}

// Every bar of the page has its maximum at the top.
int valeur_barre(const QScrollBar *b) { return b->maximum() - b->value(); }
// Setting a value; the bar holds the position to its range, and runs its
// change handler before returning when the position changes.
void placer_barre(QScrollBar *b, double v) { b->setValue(arrondi(b->maximum() - v)); }

} // namespace

PageNernst::PageNernst(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox10 = creer_cadre(this, "GroupBox10", QString(), {64, 0, 670, 496});
    QWidget *g = GroupBox10;
    const QFont petite = police(QStringLiteral("Tahoma"), pixels_de_points(8));
    const QFont grande = police(QStringLiteral("Tahoma"), pixels_de_points(10));
    const QFont grasse = police(QStringLiteral("Tahoma"), pixels_de_points(10), true);

    // Beneath everything: the box interior, its clean background and the plot.
    const QImage blanc = image_unie(AnimationIons::LARGEUR, AnimationIons::HAUTEUR, BLANC);
    ima_pe1 = image(g, "ima_pe1", {145, 86}, blanc);
    ima_pe2 = image(g, "ima_pe2", {145, 86}, blanc);
    ima_pe2->hide();
    // The animation's frames cover their place: a new frame repaints nothing
    // beneath.
    for (ImageWidget *cadre : {ima_pe1, ima_pe2}) cadre->setAttribute(Qt::WA_OpaquePaintEvent);
    Ima_sav = image(g, "Ima_sav", {500, 110}, blanc);
    Ima_sav->hide();
    ima_leg = image(g, "ima_leg", {60, 270}, image_unie(30, 220, BLANC));
    Ima_pa = image(g, "Ima_pa", {92, 270}, image_unie(420, 220, BLANC));

    Shape15 = paroi(g, "Shape15", {141, 53, 4, 200}, QStringLiteral("Paroi gauche de la cuve"));
    Shape16 = paroi(g, "Shape16", {445, 53, 4, 200}, QStringLiteral("Paroi droite de la cuve"));
    Shape17 = paroi(g, "Shape17", {145, 249, 301, 4}, QStringLiteral("Fond de la cuve"));
    Shape11 = paroi(g, "Shape11", {278, 80, 25, 172}, QStringLiteral("Membrane entre les deux compartiments"));

    ani = image(g, "ani", {183, 89}, image_anion());
    ane = image(g, "ane", {338, 89}, image_anion());
    ima_ki = image(g, "ima_ki", {149, 151}, image_ion_k());
    ima_ke = image(g, "ima_ke", {307, 151}, image_ion_k());
    ima_nai = image(g, "ima_nai", {147, 203}, image_ion_na());
    ima_nae = image(g, "ima_nae", {306, 203}, image_ion_na());
    Ima_fl_i_e = image(g, "Ima_fl_i_e", {275, 40}, image_fleche_i_e());
    ima_fl_e_i = image(g, "ima_fl_e_i", {274, 56}, image_fleche_e_i());
    const struct {
        ImageWidget *image;
        const char *nom;
    } noms[] = {
        {ima_pe1, "Compartiments intérieur et extérieur"}, {ima_pe2, "Compartiments intérieur et extérieur"},
        {Ima_pa, "Courbe du potentiel de membrane"}, {ima_leg, "Échelle du potentiel de membrane"},
        {Ima_sav, "Membrane et passage des ions potassium"},
        {ani, "Anions à l'intérieur"}, {ane, "Anions à l'extérieur"},
        {ima_ki, "Ions potassium à l'intérieur"}, {ima_ke, "Ions potassium à l'extérieur"},
        {ima_nai, "Ions sodium à l'intérieur"}, {ima_nae, "Ions sodium à l'extérieur"},
        {Ima_fl_i_e, "Flèche de l'intérieur vers l'extérieur"}, {ima_fl_e_i, "Flèche de l'extérieur vers l'intérieur"},
    };
    for (const auto &n : noms) n.image->setAccessibleName(QString::fromUtf8(n.nom));
    // The ion symbols and arrows are fixed bitmaps (the files may replace them).
    for (ImageWidget *i : {ani, ane, ima_ki, ima_ke, ima_nai, ima_nae, Ima_fl_i_e, ima_fl_e_i}) i->setLisse(true);
    Ima_fl_i_e->hide();
    ima_fl_e_i->hide();

    Label12 = etiquette(g, "Label12", QStringLiteral("Travail  sur la perméabilité membrannaire"), {6, 8}, BLANC, VERT,
                        grande);
    Lab_em = etiquette(g, "Lab_em", QStringLiteral("Lab_em"), {295, 10}, BLANC, MARINE, grasse);
    Label9 = etiquette(g, "Label9", QString(), {476, 32}, ROUGE, BLANC, petite);
    Label10 = etiquette(g, "Label10", QString(), {476, 48}, BLEU, BLANC, petite);
    Label9->hide();
    Label10->hide();
    force1 = etiquette(g, "force1", QStringLiteral("force1"), {255, 26}, NOIR, COULEUR_FACE, petite);
    force2 = etiquette(g, "force2", QStringLiteral("force2"), {256, 67}, NOIR, COULEUR_FACE, petite);
    force1->setAutoFillBackground(false);
    force2->setAutoFillBackground(false);
    force1->hide();
    force2->hide();
    lab_gk = etiquette(g, "lab_gk", QString(), {256, 56}, ROUGE, BLANC, petite);
    lab_gna = etiquette(g, "lab_gna", QString(), {293, 56}, BLEU, BLANC, petite);
    lab_nai = etiquette(g, "lab_nai", QString(), {67, 64}, BLANC, BLEU, petite);
    lab_ki = etiquette(g, "lab_ki", QString(), {117, 64}, BLANC, ROUGE, petite);
    lab_ke = etiquette(g, "lab_ke", QString(), {421, 64}, BLANC, ROUGE, petite);
    lab_nae = etiquette(g, "lab_nae", QString(), {469, 64}, BLANC, BLEU, petite);
    Label11 = etiquette(g, "Label11", QStringLiteral("Em (Ei-Ee)"), {51, 255}, BLANC, MARINE, petite);

    // Above all pictures: the bars and the buttons.
    Scroll_nai = barre(g, "Scroll_nai", {98, 87}, 300, 2, 1);
    Scroll_ki = barre(g, "Scroll_ki", {125, 87}, 300, 2, 1);
    Scroll_ke = barre(g, "Scroll_ke", {456, 85}, 300, 2, 1);
    Scroll_nae = barre(g, "Scroll_nae", {480, 85}, 300, 2, 1);
    Scroll_gk = barre(g, "Scroll_gk", {281, 85}, 100, 1, 1);
    Scroll_gna = barre(g, "Scroll_gna", {291, 85}, 100, 1, 1);
    Scroll_gk->setValue(100);
    Scroll_gna->setValue(100);
    // Read as the labels show them: the bar's top is the largest value.
    const struct {
        QScrollBar *barre;
        const char *nom, *description, *unite;
    } lectures[] = {
        {Scroll_nai, "[Na]i", "Concentration en sodium dans la cellule", "mmol/L"},
        {Scroll_ki, "[K]i", "Concentration en potassium dans la cellule", "mmol/L"},
        {Scroll_ke, "[K]e", "Concentration en potassium hors de la cellule", "mmol/L"},
        {Scroll_nae, "[Na]e", "Concentration en sodium hors de la cellule", "mmol/L"},
        {Scroll_gk, "GK", "Perméabilité de la membrane au potassium", ""},
        {Scroll_gna, "GNa", "Perméabilité de la membrane au sodium", ""},
    };
    for (const auto &l : lectures) {
        nommer_barre(l.barre, QString::fromUtf8(l.nom), l.barre->maximum(), -1.0, 0, QString::fromUtf8(l.unite));
        l.barre->setAccessibleDescription(QString::fromUtf8(l.description));
    }

    BitBtn12 = bouton(g, "BitBtn12", TITRE_EQUILIBRE, {441, 10, 203, 19});
    BitBtn13 = bouton(g, "BitBtn13", TITRE_PERMEABILITE, {415, 9, 249, 21});
    BitBtn13->hide();
    GO = bouton(g, "GO", LANCER, {167, 34, 60, 19});
    GO->hide();
    BitBtn14 = bouton(g, "BitBtn14", LANCER_COURBE, {516, 272, 106, 20});
    BitBtn15 = bouton(g, "BitBtn15", QStringLiteral("EFFACER"), {515, 296, 107, 18});
    BitBtn16 = bouton(g, "BitBtn16", PROGRAM_COURBE, {514, 347, 108, 19});
    recule1 = bouton(g, "recule1", QStringLiteral("<--"), {514, 367, 41, 16});
    BitBtn17 = bouton(g, "BitBtn17", QStringLiteral("-->"), {579, 367, 43, 16});
    BitBtn18 = bouton(g, "BitBtn18", QStringLiteral("Essai COURBE"), {514, 385, 108, 19});
    avance1 = bouton(g, "avance1", QStringLiteral("+1"), {528, 407, 22, 17});
    recule1->setAccessibleName(QStringLiteral("Étape précédente"));
    BitBtn17->setAccessibleName(QStringLiteral("Étape suivante"));
    avance1->setAccessibleName(QStringLiteral("Ajouter une étape"));
    recule1->hide();
    BitBtn17->hide();
    BitBtn18->hide();
    avance1->hide();

    conc_ki_ = {Scroll_ki, &ModeleMembrane::c_ki, &EtapeProg::ki, lab_ki, QStringLiteral("[K]i="), true};
    conc_ke_ = {Scroll_ke, &ModeleMembrane::c_ke, &EtapeProg::ke, lab_ke, QStringLiteral("[K]e="), true};
    conc_nai_ = {Scroll_nai, &ModeleMembrane::c_nai, &EtapeProg::nai, lab_nai, QStringLiteral("[Na]i="), false};
    conc_nae_ = {Scroll_nae, &ModeleMembrane::c_nae, &EtapeProg::nae, lab_nae, QStringLiteral("[Na]e="), false};
    cond_gk_ = {Scroll_gk, &ModeleMembrane::gk, &EtapeProg::gk, lab_gk, QStringLiteral("GK=")};
    cond_gna_ = {Scroll_gna, &ModeleMembrane::gna, &EtapeProg::gna, lab_gna, QStringLiteral("GNa=")};

    // The ratios come from the design sizes at once, so no later computation
    // can meet a 0 / 0 before the start-up sequence has run.
    enregistrer_rapports();

    Timer_k = creer_minuterie(this, "Timer_k", 100, true);
    Timer_na = creer_minuterie(this, "Timer_na", 100, true);
    Timer_courbe = creer_minuterie(this, "Timer_courbe", 500);
    Timer_reaff = creer_minuterie(this, "Timer_reaff", 100);
    // The ions move at the screen's pace, about 60 steps a second: the pace the
    // design's 1 ms gave on the system it was drawn for (whose timers ticked
    // every 16 ms), without a core busy drawing frames no screen shows.
    Timer_anim = creer_minuterie(this, "Timer_anim", INTERVALLE_ANIMATION_MS);

    connect(Scroll_ki, &QScrollBar::valueChanged, this, &PageNernst::Scroll_kiChange);
    connect(Scroll_ke, &QScrollBar::valueChanged, this, &PageNernst::Scroll_keChange);
    connect(Scroll_nai, &QScrollBar::valueChanged, this, &PageNernst::Scroll_naiChange);
    connect(Scroll_nae, &QScrollBar::valueChanged, this, &PageNernst::Scroll_naeChange);
    connect(Scroll_gk, &QScrollBar::valueChanged, this, &PageNernst::Scroll_gkChange);
    connect(Scroll_gna, &QScrollBar::valueChanged, this, &PageNernst::Scroll_gnaChange);
    connect(ima_ki, &ImageWidget::mouseDown, this, [this](Qt::MouseButton b) { ima_kiMouseDown(b); });
    connect(ima_ke, &ImageWidget::mouseDown, this, [this](Qt::MouseButton b) { ima_keMouseDown(b); });
    connect(ima_nai, &ImageWidget::mouseDown, this, [this](Qt::MouseButton b) { ima_naiMouseDown(b); });
    connect(ima_nae, &ImageWidget::mouseDown, this, [this](Qt::MouseButton b) { ima_naeMouseDown(b); });
    connect(Timer_k, &QTimer::timeout, this, &PageNernst::Timer_kTimer);
    connect(Timer_na, &QTimer::timeout, this, &PageNernst::Timer_naTimer);
    connect(Timer_courbe, &QTimer::timeout, this, &PageNernst::Timer_courbeTimer);
    connect(Timer_reaff, &QTimer::timeout, this, &PageNernst::Timer_reaffTimer);
    connect(Timer_anim, &QTimer::timeout, this, &PageNernst::Timer_animTimer);
    connect(BitBtn12, &QPushButton::clicked, this, &PageNernst::BitBtn12Click);
    connect(BitBtn13, &QPushButton::clicked, this, &PageNernst::BitBtn13Click);
    connect(GO, &QPushButton::clicked, this, &PageNernst::GOClick);
    connect(BitBtn14, &QPushButton::clicked, this, &PageNernst::BitBtn14Click);
    connect(BitBtn15, &QPushButton::clicked, this, &PageNernst::BitBtn15Click);
    connect(BitBtn16, &QPushButton::clicked, this, &PageNernst::BitBtn16Click);
    connect(recule1, &QPushButton::clicked, this, &PageNernst::recule1Click);
    connect(BitBtn17, &QPushButton::clicked, this, &PageNernst::BitBtn17Click);
    connect(avance1, &QPushButton::clicked, this, &PageNernst::avance1Click);
    connect(BitBtn18, &QPushButton::clicked, this, &PageNernst::BitBtn18Click);
}

// ---- Start-up ---------------------------------------------------------------

void PageNernst::enregistrer_rapports()
{
    etat.rapport_k = double(ima_ke->height()) / ima_ke->width();
    etat.rapport_na = double(ima_nae->height()) / ima_nae->width();
    etat.rapport_an = double(ani->height()) / ane->width();
}

void PageNernst::concentrations_depart()
{
    ModeleMembrane &m = etat.membrane;
    m.c_nae = 144;
    m.c_nai = 8;
    m.c_ke = 6;
    m.c_ki = 150;
}

void PageNernst::grad_nernst()
{
    TraceCourbe::dessiner_echelle(ima_leg->image());
    ima_leg->update();
}

void PageNernst::Afficherlespotdquilibre1Click()
{
    QAction *a = hote_->element_menu("Afficherlespotdquilibre1");
    const bool montrer = !a->isChecked();
    a->setChecked(montrer);
    Label9->setVisible(montrer);
    Label10->setVisible(montrer);
}

// ---- Membrane -----------------------------------------------------------------

void PageNernst::calcul_pot_eq()
{
    etat.membrane.calcul_pot_eq();
    legende(Label9, etat.membrane.legende_ek());
    legende(Label10, etat.membrane.legende_ena());
}

void PageNernst::calcul_em()
{
    etat.membrane.calcul_em();
    legende(Lab_em, etat.membrane.legende_em());
}

void PageNernst::Timer_kTimer() { calcul_em(); }
void PageNernst::Timer_naTimer() { calcul_em(); }

void PageNernst::taille_image(ImageWidget *image, double aire, double rapport)
{
    // Height, then the width from it; the left and top edges stay.
    image->resize(ModeleMembrane::taille_image(aire, rapport));
}

void PageNernst::calcul_images()
{
    ModeleMembrane &m = etat.membrane;
    constexpr double A = ModeleMembrane::AIRE_PAR_MM;
    const struct {
        ImageWidget *image;
        const Concentration &c;
        double rapport;
    } ions[] = {{ima_ki, conc_ki_, etat.rapport_k},
                {ima_ke, conc_ke_, etat.rapport_k},
                {ima_nai, conc_nai_, etat.rapport_na},
                {ima_nae, conc_nae_, etat.rapport_na}};
    for (const auto &ion : ions) {
        // A value from outside the bar's range never reaches the model.
        m.*ion.c.valeur = ModeleMembrane::borne_concentration(m.*ion.c.valeur);
        taille_image(ion.image, A * (m.*ion.c.valeur), ion.rapport);
        placer_barre(ion.c.barre, m.*ion.c.valeur);
    }
    taille_image(ani, A * m.c_ki + A * m.c_nai, etat.rapport_an);
    taille_image(ane, A * m.c_ke + A * m.c_nae, etat.rapport_an);
    calcul_pot_eq();
}

void PageNernst::changement_concentration(const Concentration &c)
{
    double &v = etat.membrane.*c.valeur;
    v = valeur_barre(c.barre);
    v = 2 * std::trunc(v / 2);
    etat.ecrire_champ(c.champ, arrondi(v));
    legende(c.etiquette, c.prefixe + format_reel(v, 2, 0));
    calcul_images();
    if (c.potassium && etat.mode_equilibre) {
        remise_zero_anim();
        rempl_image(cadre_visible());
    }
}

void PageNernst::Scroll_kiChange() { changement_concentration(conc_ki_); }
void PageNernst::Scroll_keChange() { changement_concentration(conc_ke_); }
void PageNernst::Scroll_naiChange() { changement_concentration(conc_nai_); }
void PageNernst::Scroll_naeChange() { changement_concentration(conc_nae_); }

void PageNernst::changement_conductance(const Conductance &c)
{
    if (etat.mode_edition) {
        // The redraw goes through every step's conductances; the model keeps
        // its own, those of the step being edited, so Em follows that step.
        reaff_tout(true);
        curseur();
    }
    int &g = etat.membrane.*c.valeur;
    g = valeur_barre(c.barre);
    legende(c.etiquette, c.prefixe + QString::number(g));
    etat.ecrire_champ(c.champ, g);
}

void PageNernst::Scroll_gkChange() { changement_conductance(cond_gk_); }
void PageNernst::Scroll_gnaChange() { changement_conductance(cond_gna_); }

void PageNernst::clic_image(double ModeleMembrane::*valeur, Qt::MouseButton bouton)
{
    double &c = etat.membrane.*valeur;
    if (bouton == Qt::LeftButton) {
        if (c + 10 <= ModeleMembrane::CONC_MAX) c += 10;
    } else if (bouton == Qt::RightButton) {
        if (c - 10 > 0) c -= 10;
    } else {
        return;
    }
    calcul_images();
}

void PageNernst::ima_kiMouseDown(Qt::MouseButton b) { clic_image(&ModeleMembrane::c_ki, b); }
void PageNernst::ima_keMouseDown(Qt::MouseButton b) { clic_image(&ModeleMembrane::c_ke, b); }
void PageNernst::ima_naiMouseDown(Qt::MouseButton b) { clic_image(&ModeleMembrane::c_nai, b); }
void PageNernst::ima_naeMouseDown(Qt::MouseButton b) { clic_image(&ModeleMembrane::c_nae, b); }

// ---- Curve programme ----------------------------------------------------------

void PageNernst::trace_point(bool avec_em, int n)
{
    const bool em = avec_em || etat.essai_en_cours;
    etat.trace_point(Ima_pa->image(), avec_em, n);
    if (em) legende(Lab_em, etat.membrane.legende_em());
    Ima_pa->update();
}

void PageNernst::effacer_courbe() { Ima_pa->setPicture(hote_->image_blanche()); }

void PageNernst::reaff_tout(bool garder_reglages)
{
    if (garder_reglages)
        etat.reaff_tout_sans_reglages(Ima_pa->image(), hote_->image_blanche());
    else
        etat.reaff_tout(Ima_pa->image(), hote_->image_blanche());
    if (etat.essai_en_cours) legende(Lab_em, etat.membrane.legende_em());
    Ima_pa->update();
}

void PageNernst::curseur()
{
    TraceCourbe::curseur(Ima_pa->image(), etat.etape);
    Ima_pa->update();
}

void PageNernst::BitBtn14Click()
{
    if (BitBtn14->text() == STOP) {
        BitBtn14->setText(LANCER_COURBE);
        BitBtn12->setEnabled(true);
        Timer_courbe->stop();
        etat.enregistrement = false;
    } else {
        BitBtn14->setText(STOP);
        BitBtn12->setEnabled(false);
        Timer_courbe->start();
        etat.enregistrement = true;
    }
}

void PageNernst::Timer_courbeTimer()
{
    if (!etat.pas_enregistrement()) {
        BitBtn14Click();
        return;
    }
    trace_point(true, etat.etape);
    etat.noter_enregistrement();
}

void PageNernst::BitBtn15Click()
{
    effacer_courbe();
    etat.programme.nb_etapes = 0;
    etat.etape = 0;
    etat.enregistre.clear();
    etat.courbe.x_point = 0;
    etat.courbe.x_point_prec = 0;
    BitBtn12->setEnabled(true);
}

void PageNernst::BitBtn16Click()
{
    if (BitBtn16->text() == PROGRAM_COURBE) {
        BitBtn16->setText(QStringLiteral("Fin program."));
        etat.en_programmation = true;
        etat.programme.nb_etapes = std::clamp(etat.etape, 0, Programme::TAILLE);
        recule1->show();
        BitBtn17->show();
        BitBtn18->show();
        BitBtn14->setEnabled(false);
    } else {
        BitBtn16->setText(PROGRAM_COURBE);
        etat.en_programmation = false;
        recule1->hide();
        BitBtn17->hide();
        BitBtn18->hide();
        BitBtn14->setEnabled(true);
        BitBtn18Click();
    }
}

void PageNernst::charger_etape(int k)
{
    if (!Programme::valide(k)) return;
    ModeleMembrane &m = etat.membrane;
    // Each value is read when its turn comes: the bars' handlers before it may
    // have written into the step.
    const EtapeProg &e = etat.programme.etape(k);
    const bool chargement = std::exchange(etat.chargement, true);
    m.gk = ModeleMembrane::borne_conductance(e.gk);
    placer_barre(Scroll_gk, m.gk);
    m.gna = ModeleMembrane::borne_conductance(e.gna);
    placer_barre(Scroll_gna, m.gna);
    for (const Concentration *c : {&conc_ki_, &conc_ke_, &conc_nai_, &conc_nae_}) {
        m.*c->valeur = ModeleMembrane::borne_concentration(e.*c->champ);
        placer_barre(c->barre, m.*c->valeur);
    }
    etat.chargement = chargement;
}

void PageNernst::recule1Click()
{
    etat.mode_edition = true;
    if (etat.etape <= 1) return;
    etat.etape = std::min(etat.etape - 1, Programme::TAILLE);
    reaff_tout();
    curseur();
    charger_etape(etat.etape);
    curseur();
}

void PageNernst::BitBtn17Click()
{
    etat.mode_edition = true;
    if (etat.etape >= etat.programme.nb_etapes) {
        avance1Click();
        return;
    }
    ++etat.etape;
    reaff_tout();
    charger_etape(etat.etape);
    curseur();
}

void PageNernst::avance1Click()
{
    reaff_tout();
    const bool ajoute = etat.ajouter_etape(); // false when the 83 steps are used
    curseur();
    if (ajoute) trace_point(false, etat.programme.nb_etapes);
    // The new step copies the last one, which the bars may not show (a trial
    // leaves them at the step before): they move to the current step.
    charger_etape(etat.etape);
}

void PageNernst::BitBtn18Click()
{
    etat.debut_essai();
    effacer_courbe();
    // Em settles on the first step's own settings: its concentrations and
    // equilibrium potentials go into the model and the bars before the
    // settling, not those the page held before (another file, say).
    if (etat.programme.nb_etapes >= 1) {
        etat.appliquer_etape(1);
        calcul_pot_eq();
        charger_etape(1);
    }
    Timer_k->setInterval(5);
    Timer_na->setInterval(5);
    Timer_reaff->start();
}

void PageNernst::Timer_reaffTimer()
{
    if (etat.etape == 0) {
        const bool regle = etat.reglage_essai();
        legende(Lab_em, etat.membrane.legende_em());
        if (!regle) return;
    }
    if (!etat.etape_suivante_essai()) {
        Timer_reaff->stop();
        Timer_k->setInterval(100);
        Timer_na->setInterval(100);
        return;
    }
    etat.appliquer_etape_essai();
    calcul_pot_eq();
    charger_etape(etat.etape);
    trace_point(false, etat.etape);
    etat.programme.em_etape(etat.etape) = etat.membrane.em;
}

// ---- Ion-flux animation -----------------------------------------------------

ImageWidget *PageNernst::cadre_visible() const { return ima_pe1->isHidden() ? ima_pe2 : ima_pe1; }
ImageWidget *PageNernst::cadre_cache() const { return ima_pe1->isHidden() ? ima_pe1 : ima_pe2; }

void PageNernst::boutons_courbe(bool actifs)
{
    for (QPushButton *b : {BitBtn14, BitBtn15, BitBtn16, recule1, BitBtn17, BitBtn18}) b->setEnabled(actifs);
}

void PageNernst::placer_fleche(ImageWidget *fleche, int largeur, int gauche)
{
    fleche->setGeometry(gauche, fleche->y(), largeur, HAUTEUR_FLECHE);
}

// The two mode buttons share one place: a keyboard user who pressed one
// stays on the other instead of landing on whatever follows in Tab order.
void PageNernst::echanger_boutons(QPushButton *presse, QPushButton *remplacant)
{
    const bool au_clavier = presse->hasFocus();
    remplacant->show();
    if (au_clavier) remplacant->setFocus(Qt::TabFocusReason);
    presse->hide();
}

void PageNernst::BitBtn12Click()
{
    legende(Label12, TITRE_EQUILIBRE);
    echanger_boutons(BitBtn12, BitBtn13);
    GO->show();
    lab_gna->hide();
    lab_gk->hide();
    etat.mode_equilibre = true;
    calcul_images();
    for (QWidget *w : std::initializer_list<QWidget *>{ima_nai, ima_nae, Scroll_nai, Scroll_nae, lab_nae, lab_nai,
                                                       Scroll_gna, Scroll_gk, Shape11})
        w->hide();
    boutons_courbe(false);
    remise_zero_anim();
    Scroll_kiChange();
}

void PageNernst::remise_zero_anim()
{
    const ModeleMembrane &m = etat.membrane;
    etat.anim.remise_zero(m.c_ki, m.c_ke);
    AnimationIons::dessiner_membrane(Ima_sav->image());
    Ima_sav->update();
    for (QWidget *w : std::initializer_list<QWidget *>{ima_ki, ima_ke, ani, ane}) w->hide();
    Timer_k->stop();
    Timer_na->stop();

    const double e_k = m.e_k;
    if (e_k == 0) {
        Ima_fl_i_e->hide();
        ima_fl_e_i->hide();
    }
    const QString diffusion = QStringLiteral("Forces de diffusion");
    const QString electriques = QStringLiteral("Forces électriques");
    if (e_k < 0) { // potassium tends to leave
        const int w = std::abs(arrondi(e_k));
        placer_fleche(Ima_fl_i_e, w, MILIEU_MEMBRANE - w / 2);
        placer_fleche(ima_fl_e_i, 0, ima_fl_e_i->x());
        legende(force1, diffusion);
        legende(force2, electriques);
    } else if (e_k > 0) { // potassium tends to enter
        const int w = std::abs(arrondi(e_k));
        placer_fleche(ima_fl_e_i, w, MILIEU_MEMBRANE - w / 2);
        placer_fleche(Ima_fl_i_e, 0, Ima_fl_i_e->x());
        legende(force2, diffusion);
        legende(force1, electriques);
    }
    force1->show();
    force2->show();
    if (e_k != 0) {
        Ima_fl_i_e->show();
        ima_fl_e_i->show();
    }
}

void PageNernst::rempl_image(ImageWidget *image)
{
    image->setPicture(Ima_sav->picture());
    etat.anim.placer(etat.membrane.c_ki, etat.membrane.c_ke, generateur(), image->image());
    image->update();
    if (!ima_pe1->isHidden())
        ima_pe2->setPicture(ima_pe1->picture());
    else if (!ima_pe2->isHidden())
        ima_pe1->setPicture(ima_pe2->picture());
}

void PageNernst::GOClick()
{
    if (GO->text() == LANCER) {
        Timer_anim->start();
        GO->setText(STOP);
    } else {
        GO->setText(LANCER);
        Timer_anim->stop();
    }
}

void PageNernst::Timer_animTimer()
{
    const double e_k = etat.membrane.e_k;
    ImageWidget *cache = cadre_cache();
    etat.anim.pas(e_k, generateur(), cache->image());
    if (e_k != 0) {
        // The electrical force grows with the mean net crossing count.
        ImageWidget *fleche = e_k < 0 ? ima_fl_e_i : Ima_fl_i_e;
        const int w = etat.anim.largeur_fleche();
        placer_fleche(fleche, w, MILIEU_MEMBRANE - arrondi(w * 0.5));
        legende(Lab_em, *etat.anim.legende_em(e_k));
    }
    // The new frame goes to the frame on the screen, and the one behind gets
    // the empty cell back for the next tick. Swapping which of the two is
    // shown would do the same at twice the cost: each show and hide of a
    // widget under the mouse asks the display where the pointer is, and tells
    // screen readers, 60 times a second.
    ImageWidget *visible = cadre_visible();
    visible->setPicture(cache->picture());
    cache->setPicture(Ima_sav->picture());
}

void PageNernst::BitBtn13Click()
{
    echanger_boutons(BitBtn13, BitBtn12);
    legende(Label12, TITRE_PERMEABILITE);
    ima_pe1->setPicture(Ima_sav->picture());
    ima_pe2->setPicture(Ima_sav->picture());
    GO->hide();
    lab_gna->show();
    lab_gk->show();
    etat.mode_equilibre = false;
    for (QWidget *w : std::initializer_list<QWidget *>{ima_nai, ima_nae, ima_ki, ima_ke, ane, ani, Scroll_nai,
                                                       Scroll_nae, lab_nae, lab_nai, Scroll_gna, Scroll_gk, Shape11})
        w->show();
    boutons_courbe(true);
    for (QWidget *w : std::initializer_list<QWidget *>{Ima_fl_i_e, ima_fl_e_i, force1, force2}) w->hide();
    if (GO->text() == STOP) GOClick();
    Timer_k->start();
    Timer_na->start();
}

// ---- Programme files -----------------------------------------------------------

bool PageNernst::lec_nernst(const QString &file_name, bool afficher)
{
    // Only the lines of the programme are read, however big the file.
    LecteurLignes lignes(QByteArray{});
    if (!lignes.ouvrir(file_name)) return false;
    try {
        if (!lire_nst(lignes, etat.programme)) return false;
    } catch (const ErreurES &e) {
        signaler(e);
        return false;
    }
    etat.etape = etat.programme.nb_etapes;
    if (afficher) {
        hote_->montrer_page(5);
        BitBtn18Click();
    }
    return true;
}

bool PageNernst::sauver_nernst(const QString &chemin)
{
    try {
        if (ecrire_fichier(chemin, ecrire_nst(etat.programme))) return true;
    } catch (const ErreurES &) {
        // The old file is left as it was; the report below says the save failed.
    }
    signaler(ErreurES::creation(chemin));
    return false;
}
