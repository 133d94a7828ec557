#include "nerve/pagenerf.h"
#include "assets/glyphe_acquisition.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/canevas.h"
#include "common/erreures.h"
#include "common/fabrique.h"
#include "common/forme.h"
#include "common/groupeoptions.h"
#include "common/hote.h"
#include "common/imagewidget.h"
#include "common/lanceurs.h"
#include "common/nombres.h"
#include "common/plateforme.h"
#include "common/polices.h"
#include "common/accessibilite.h"
#include "common/exportcsv.h"
#include "nerve/csvnerf.h"
#include "nerve/graduations.h"
#include "nerve/questionnaire.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

Forme *forme(QWidget *parent, const char *nom, QRect place, Couleur couleur, Forme::Type type = Forme::Type::Rectangle)
{
    auto *f = new Forme(parent, type);
    f->setObjectName(QLatin1String(nom));
    f->setGeometry(place);
    f->set_couleur(couleur);
    return f;
}

// A label painted on its own background colour.
QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, QPoint place, Couleur fond,
                  Couleur encre = NOIR)
{
    QLabel *l = creer_etiquette(parent, nom, texte, place);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, vers_qcolor(fond));
    p.setColor(QPalette::WindowText, vers_qcolor(encre));
    l->setPalette(p);
    l->setAutoFillBackground(true);
    return l;
}

ImageWidget *image(QWidget *parent, const char *nom, QRect place, const QImage &picture)
{
    auto *i = new ImageWidget(parent);
    i->setObjectName(QLatin1String(nom));
    i->setGeometry(place);
    i->setPicture(picture);
    return i;
}

QScrollBar *barre(QWidget *parent, const char *nom, Qt::Orientation o, QRect place, int max, int position)
{
    auto *b = new QScrollBar(o, parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(place);
    b->setRange(0, max);
    b->setValue(position);
    return b;
}

QComboBox *liste(QWidget *parent, const char *nom, QPoint place, int largeur, const QStringList &elements)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(nom));
    c->addItems(elements);
    c->setCurrentIndex(-1);
    c->setMaxVisibleItems(12);
    c->setGeometry(place.x(), place.y(), largeur, 21);
    return c;
}

QLineEdit *saisie(QWidget *parent, const char *nom, QRect place)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(nom));
    e->setGeometry(place);
    // The design's edits are 14 pixels high: no inner margins.
    e->setTextMargins(0, -2, 0, -2);
    e->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; border: 1px solid #7a7a7a; background: white; }"));
    return e;
}

// What each lamp of the questionnaire judges, as a screen reader says it.
const QString SUJETS_LAMPES[7] = {
    QStringLiteral("période réfractaire relative"), QStringLiteral("période réfractaire absolue"),
    QStringLiteral("fréquence des fibres à longue période réfractaire"),
    QStringLiteral("fréquence des fibres à courte période réfractaire"), QStringLiteral("vitesse"),
    QStringLiteral("électrode stimulatrice"), QStringLiteral("seuil")};

} // namespace

PageNerf::PageNerf(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox7 = creer_cadre(this, "GroupBox7", QStringLiteral("Période réfractaire, fréquence maximale des potentiels"),
                            {3, 9, 356, 484});
    GroupBox11 = creer_cadre(this, "GroupBox11", QStringLiteral("Simulation de stimulations d'un nerf ou d'une fibre"),
                             {364, 9, 410, 484});
    creer_questionnaire();
    creer_simulateur();
}

void PageNerf::creer_questionnaire()
{
    QWidget *g = GroupBox7;
    // The questions are long: the frame's narrow sans-serif keeps each on its line.
    GroupBox7->setFont(police(QStringLiteral("MS Sans Serif"), 11));
    Memo5 = creer_memo(g, "Memo5",
                       {QStringLiteral("La période réfractaire s'obtient en rapprochant"),
                        QStringLiteral("dans le temps deux stimulations "), QStringLiteral("supra-maximales"),
                        QStringLiteral("du nerf entier."), QStringLiteral("Quelles sont les conséquences de l'existence"),
                        QStringLiteral("de cette période réfractaire sur la fréquence"),
                        QStringLiteral("des potentiels d'action?")},
                       {24, 24, 281, 105});
    Memo5->setFont(police(QStringLiteral("Arial"), 12));
    {
        QPalette p = Memo5->palette();
        p.setColor(QPalette::Text, Qt::black);
        Memo5->setPalette(p);
    }

    // The two recordings shown in the acquisition program.
    const QImage glyphe = image_glyphe_acquisition();
    auto bouton_fichier = [&](const char *nom, const QString &texte, QRect place) {
        auto *b = new BoutonImage(texte, g);
        b->setObjectName(QLatin1String(nom));
        b->setGeometry(place);
        b->setFont(police(QStringLiteral("Tahoma"), 11));
        b->setGlyph(glyphe);
        b->setDisposition(BoutonImage::Disposition::GaucheDuTexte, 18, 10);
        return b;
    };
    BitBtn8 = bouton_fichier("BitBtn8", QStringLiteral("Voir fichier sur la période réfractaire"), {8, 136, 335, 47});
    BitBtn9 = bouton_fichier("BitBtn9", QStringLiteral("Voir fichier sur le recrutement de fibres"), {8, 185, 335, 47});
    connect(BitBtn8, &QPushButton::clicked, this, &PageNerf::BitBtn8Click);
    connect(BitBtn9, &QPushButton::clicked, this, &PageNerf::BitBtn9Click);

    FileListBox1 = new QListWidget(g);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(312, 64, 209, 97);
    FileListBox1->hide();

    // The seven questions: label, answer, unit, lamp.
    QLabel *label5 = creer_etiquette(g, "Label5", QStringLiteral("Période réfractaire relative commence à:"), {8, 243});
    pref_rel = liste(g, "pref_rel", {220, 239}, 52, Questionnaire::elements_periode());
    QLabel *label17 = creer_etiquette(g, "Label17", QStringLiteral("ms"), {278, 243});
    refr_rel = forme(g, "refr_rel", {296, 242, 20, 14}, BLANC, Forme::Type::Cercle);

    QLabel *label6 = creer_etiquette(g, "Label6", QStringLiteral("Période réfractaire absolue commence à:"), {7, 267});
    pref_abs = liste(g, "pref_abs", {220, 265}, 52, Questionnaire::elements_periode());
    QLabel *label18 = creer_etiquette(g, "Label18", QStringLiteral("ms"), {278, 267});
    refr_abs = forme(g, "refr_abs", {296, 266, 20, 14}, BLANC, Forme::Type::Cercle);

    QLabel *label7 = creer_etiquette(g, "Label7", QStringLiteral("Fréquence maximale des fibres à longue période réfractaire:"), {7, 291});
    fib_lpr = saisie(g, "fib_lpr", {220, 307, 53, 14});
    QLabel *label19 = creer_etiquette(g, "Label19", QStringLiteral("Hz"), {278, 307});
    freq_long = forme(g, "freq_long", {296, 306, 20, 14}, BLANC, Forme::Type::Cercle);

    QLabel *label8 = creer_etiquette(g, "Label8", QStringLiteral("Fréquence maximale des fibres à courte période réfractaire:"), {8, 328});
    fib_cpr = saisie(g, "fib_cpr", {220, 344, 53, 14});
    QLabel *label20 = creer_etiquette(g, "Label20", QStringLiteral("Hz"), {278, 343});
    freq_court = forme(g, "freq_court", {296, 343, 20, 14}, BLANC, Forme::Type::Cercle);

    QLabel *label23 = creer_etiquette(g, "Label23", QStringLiteral("Mesure de la vitesse du potentiel d'action sur la simulation"), {9, 362});
    vit_influx = saisie(g, "vit_influx", {220, 380, 53, 14});
    QLabel *label24 = creer_etiquette(g, "Label24", QStringLiteral("m/s"), {278, 378});
    vit_inf = forme(g, "vit_inf", {296, 379, 20, 14}, BLANC, Forme::Type::Cercle);

    QLabel *label27 = creer_etiquette(g, "Label27", QStringLiteral("L'électrode stimulatrice est"), {65, 401});
    combo_electrode = liste(g, "combo_electrode", {198, 399}, 75, Questionnaire::elements_electrode());
    elec_stim = forme(g, "elec_stim", {296, 401, 20, 14}, BLANC, Forme::Type::Cercle);

    QLabel *label28 = creer_etiquette(g, "Label28", QStringLiteral("Quel est le seuil de stimulation des fibres les plus sensibles?"), {11, 425});
    Edit_seuil = saisie(g, "Edit_seuil", {228, 443, 45, 14});
    QLabel *label29 = creer_etiquette(g, "Label29", QStringLiteral("V"), {278, 443});
    res_seuil = forme(g, "res_seuil", {298, 442, 20, 14}, BLANC, Forme::Type::Cercle);

    // A screen reader names each answer by its question (the label's buddy)
    // and says its unit, as a sighted pupil reads them.
    const struct {
        QLabel *question;
        QWidget *reponse;
        QLabel *unite;
    } questions[] = {{label5, pref_rel, label17},   {label6, pref_abs, label18},  {label7, fib_lpr, label19},
                     {label8, fib_cpr, label20},    {label23, vit_influx, label24}, {label27, combo_electrode, nullptr},
                     {label28, Edit_seuil, label29}};
    for (const auto &q : questions) {
        q.question->setBuddy(q.reponse);
        q.reponse->setAccessibleName(q.question->text().remove(QRegularExpression(QStringLiteral("\\s*[:?]\\s*$"))));
        if (q.unite) q.reponse->setAccessibleDescription(QStringLiteral("en ") + q.unite->text());
    }

    lampes_ = {refr_rel, refr_abs, freq_long, freq_court, vit_inf, elec_stim, res_seuil};
    for (std::size_t k = 0; k < lampes_.size(); ++k) annoncer_voyant(lampes_[k], SUJETS_LAMPES[k], Resultat::PasCorrige);

    BitBtn19 = new QPushButton(QStringLiteral("Correction"), g);
    BitBtn19->setObjectName(QStringLiteral("BitBtn19"));
    BitBtn19->setGeometry(269, 460, 81, 21);
    connect(BitBtn19, &QPushButton::clicked, this, &PageNerf::BitBtn19Click);
}

void PageNerf::creer_simulateur()
{
    QWidget *g = GroupBox11;
    // Children made later lie above those made earlier: this is the stacking order.
    Ima_st = image(g, "Ima_st", {6, 224, 400, 222}, hote_->image_blanche());
    ima_nerf = image(g, "ima_nerf", {8, 24, 393, 193}, image_unie(420, 220, BLANC));

    Shape_anode = forme(g, "Shape_anode", {64, 49, 5, 74}, ROUGE);
    Shape_anode2 = forme(g, "Shape_anode2", {64, 120, 333, 3}, ROUGE);
    Shape_cathode = forme(g, "Shape_cathode", {80, 49, 5, 90}, BLEU);
    Shape_cathode2 = forme(g, "Shape_cathode2", {82, 136, 316, 3}, BLEU);
    Shape_enr1 = forme(g, "Shape_enr1", {208, 51, 5, 38}, JAUNE);
    Shape_enr12 = forme(g, "Shape_enr12", {208, 87, 163, 3}, JAUNE);
    shape_enr22 = forme(g, "shape_enr22", {226, 98, 145, 3}, JAUNE);
    Shape_enr2 = forme(g, "Shape_enr2", {224, 51, 5, 50}, JAUNE);
    Shape_nerf = forme(g, "Shape_nerf", {13, 59, 298, 5}, BLANC);
    Shape_nerf->setCursor(Qt::SizeHorCursor);
    connect(Shape_nerf, &Forme::mouseDown, this, [this] { Shape_nerfMouseDown(); });

    Lab_a = etiquette(g, "Lab_a", QStringLiteral("A"), {14, 43}, AQUA);
    Lab_b = etiquette(g, "Lab_b", QStringLiteral("B"), {303, 43}, LIME);
    prem_artef = forme(g, "prem_artef", {42, 331, 3, 16}, NOIR);
    prem_artef->hide();
    deux_artef = forme(g, "deux_artef", {250, 331, 3, 16}, NOIR);
    deux_artef->hide();

    Ima_grad = image(g, "Ima_grad", {5, 447, 402, 19}, image_unie(402, 19, BLANC));
    Ima_grad->setAutoSize(true);
    Label21 = etiquette(g, "Label21", QStringLiteral(" ms "), {383, 452}, BLANC);
    Ima_grad2 = image(g, "Ima_grad2", {7, 16, 394, 19}, image_unie(402, 19, BLANC));
    Label22 = etiquette(g, "Label22", QStringLiteral(" cm "), {301, 22}, BLANC);

    anode = etiquette(g, "anode", QStringLiteral("+"), {62, 35}, ROUGE, BLANC);
    cathode = etiquette(g, "cathode", QStringLiteral(" - "), {78, 35}, BLEU, BLANC);
    for (QLabel *signe : {anode, cathode}) {
        signe->setFont(police(QStringLiteral("Tahoma"), 11));
        signe->adjustSize();
    }

    electrodes_ = {Shape_anode, Shape_cathode, Shape_enr1, Shape_enr2};
    Ima_st->setAccessibleName(QStringLiteral("Écran de l'oscilloscope : réponse enregistrée"));
    ima_nerf->setAccessibleName(QStringLiteral("Nerf et électrodes"));
    Ima_grad->setAccessibleName(QStringLiteral("Échelle de temps, de 0 à 20 millisecondes"));
    Ima_grad2->setAccessibleName(QStringLiteral("Échelle de distance, de 0 à 80 centimètres"));
    const std::pair<QWidget *, const char *> noms[] = {
        {Shape_anode2, "Fil de l'anode"},
        {Shape_cathode2, "Fil de la cathode"},
        {Shape_enr12, "Fil de l'électrode d'enregistrement 1"},
        {shape_enr22, "Fil de l'électrode d'enregistrement 2"},
        {prem_artef, "Artéfact du premier stimulus"},
        {deux_artef, "Artéfact du second stimulus"},
        {anode, "Signe plus de l'anode"},
        {cathode, "Signe moins de la cathode"},
    };
    for (const auto &[w, nom] : noms) w->setAccessibleName(QString::fromUtf8(nom));
    // The nerve takes the keyboard: Enter or Space swaps its ends, as a click.
    Shape_nerf->setActivable(true);
    Shape_nerf->setAccessibleName(QStringLiteral("Nerf (un clic, Entrée ou Espace échange les extrémités A et B)"));
    const QString noms_electrodes[4] = {QStringLiteral("Anode stimulatrice (rouge)"),
                                        QStringLiteral("Cathode stimulatrice (bleue)"),
                                        QStringLiteral("Électrode d'enregistrement 1 (jaune)"),
                                        QStringLiteral("Électrode d'enregistrement 2 (jaune)")};
    for (int k = 0; k < 4; ++k) {
        electrodes_[k]->setAccessibleName(noms_electrodes[k]);
        decrire_electrode(static_cast<Electrode>(k));
    }
    fils_ = {Shape_anode2, Shape_cathode2, Shape_enr12, shape_enr22};
    signes_ = {anode, cathode, nullptr, nullptr};
    using Saisie = void (PageNerf::*)(int);
    using Lacher = void (PageNerf::*)();
    const std::array<Saisie, 4> en_bas = {&PageNerf::Shape_anodeMouseDown, &PageNerf::Shape_cathodeMouseDown,
                                          &PageNerf::Shape_enr1MouseDown, &PageNerf::Shape_enr2MouseDown};
    const std::array<Saisie, 4> en_mouvement = {&PageNerf::Shape_anodeMouseMove, &PageNerf::Shape_cathodeMouseMove,
                                                &PageNerf::Shape_enr1MouseMove, &PageNerf::Shape_enr2MouseMove};
    const std::array<Lacher, 4> en_haut = {&PageNerf::Shape_anodeMouseUp, &PageNerf::Shape_cathodeMouseUp,
                                           &PageNerf::Shape_enr1MouseUp, &PageNerf::Shape_enr2MouseUp};
    for (int k = 0; k < 4; ++k) {
        Forme *f = electrodes_[k];
        f->setCursor(Qt::SplitHCursor);
        f->setMouseTracking(true); // the followers are set on every move over an electrode
        f->setFocusPolicy(Qt::TabFocus); // the arrows move it; a click gives no focus
        f->installEventFilter(this);
        connect(f, &Forme::mouseDown, this, [this, h = en_bas[k]](Qt::MouseButton, QPoint p) { (this->*h)(p.x()); });
        connect(f, &Forme::mouseMove, this,
                [this, h = en_mouvement[k]](Qt::MouseButtons, QPoint p) { (this->*h)(p.x()); });
        connect(f, &Forme::mouseUp, this, [this, h = en_haut[k]](Qt::MouseButton, QPoint) { (this->*h)(); });
    }

    // The stimulator.
    Panel2 = creer_cadre(g, "Panel2", QString(), {331, 104, 67, 110});
    Panel2->setPanneau(true);
    Panel2->set_couleur(BLEU);
    {
        QPalette p = Panel2->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        Panel2->setPalette(p);
        Panel2->setFont(police(QStringLiteral("Tahoma"), 10));
    }
    Label14 = creer_etiquette(Panel2, "Label14", QStringLiteral("STIMULAT"), {3, 3});
    Lab_stim = creer_etiquette(Panel2, "Lab_stim", QStringLiteral("0.0 V"), {21, 20});
    Scroll_i_stim = barre(Panel2, "Scroll_i_stim", Qt::Vertical, {53, 4, 9, 90}, 100, 100);
    CheckBox1 = new QCheckBox(Panel2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(3, 82, 14, 14);
    Label13 = creer_etiquette(Panel2, "Label13", QStringLiteral("deux"), {18, 82});
    CheckBox1->setAccessibleName(QStringLiteral("Deux stimulations"));
    Scroll_temps = barre(Panel2, "Scroll_temps", Qt::Horizontal, {3, 98, 62, 8}, 60, 50);
    // Read as the page shows them: volts, and the delay in ms (6 steps a ms).
    nommer_barre(Scroll_i_stim, QStringLiteral("Intensité"), 1.0, -0.01, 2, QStringLiteral("V"));
    nommer_barre(Scroll_temps, QStringLiteral("Délai du second stimulus"), 0.0, 1.0 / 6.0, 2, QStringLiteral("ms"));
    connect(Scroll_i_stim, &QScrollBar::valueChanged, this, &PageNerf::Scroll_i_stimChange);
    connect(CheckBox1, &QCheckBox::toggled, this, &PageNerf::CheckBox1Click);
    connect(Scroll_temps, &QScrollBar::valueChanged, this, &PageNerf::Scroll_tempsChange);

    Panel3 = creer_cadre(g, "Panel3", QStringLiteral("ENREGISTR"), {332, 61, 65, 41});
    Panel3->setPanneau(true);
    Panel3->set_couleur(JAUNE);

    Radio_nerf = new GroupeOptions({QStringLiteral("Nerf"), QStringLiteral("Fibre")}, 2, g);
    Radio_nerf->setObjectName(QStringLiteral("Radio_nerf"));
    Radio_nerf->setFont(police(QStringLiteral("Tahoma"), 9));
    Radio_nerf->setGeometry(321, 7, 87, 28);
    // Small marks, so that both captions fit their narrow columns.
    Radio_nerf->setStyleSheet(
        QStringLiteral("QRadioButton { spacing: 2px; } QRadioButton::indicator { width: 9px; height: 9px; }"));
    // Opaque, in the frame's colour: the distance scale below does not show through.
    Radio_nerf->setAutoFillBackground(true);
    Radio_nerf->setItemIndex(0);
    connect(Radio_nerf, &GroupeOptions::clicked, this, &PageNerf::Radio_nerfClick);

    // The run and the load have hidden buttons of their own.
    GroupBox12 = creer_cadre(g, "GroupBox12", QString(), {366, 227, 40, 33});
    BitBtn22 = new QPushButton(QStringLiteral("+"), GroupBox12);
    BitBtn22->setObjectName(QStringLiteral("BitBtn22"));
    BitBtn22->setGeometry(8, 8, 25, 20);
    BitBtn22->setAccessibleName(QStringLiteral("Stimuler"));
    BitBtn22->hide();
    GroupBox12->hide();
    connect(BitBtn22, &QPushButton::clicked, this, &PageNerf::BitBtn22Click);

    BitBtn21 = new QPushButton(QStringLiteral("Charger"), this);
    BitBtn21->setObjectName(QStringLiteral("BitBtn21"));
    BitBtn21->setGeometry(368, 7, 73, 16);
    BitBtn21->hide();
    connect(BitBtn21, &QPushButton::clicked, this, &PageNerf::BitBtn21Click);
}

// ---- Start-up and page entry ----

void PageNerf::affich_grad()
{
    dessiner_graduations(Ima_grad->image(), Ima_grad2->image());
    Ima_grad->update();
    Ima_grad2->update();
}

void PageNerf::lec_fic_ess0() { modele.lec_fic_ess0(joindre(hote_->rep_depart(), QStringLiteral("ess0.nst"))); }

void PageNerf::BitBtn21Click()
{
    lec_fic_ess0();
    hote_->montrer_page(3);
}

// ---- The simulator ----

Montage PageNerf::montage() const
{
    Montage m;
    for (int k = 0; k < 4; ++k) {
        m.gauche[k] = electrodes_[k]->x();
        m.largeur[k] = electrodes_[k]->width();
    }
    m.panel2_gauche = Panel2->x();
    return m;
}

void PageNerf::BitBtn22Click()
{
    prem_artef->show();
    Ima_st->setPicture(hote_->image_blanche());
    ModeleNerf::Reglages r;
    r.montage = montage();
    r.position_i_stim = Scroll_i_stim->value();
    r.p = Scroll_temps->value();
    r.fibre = Radio_nerf->itemIndex() == 1;
    const ModeleNerf::Resultat res = modele.calculer(r);
    reglages_trace = r;
    deux_artef->move(res.deux_artef_gauche, deux_artef->y());
    if (res.reponse) prem_artef->move(10, prem_artef->y());
    Canevas c = Ima_st->canevas();
    modele.dessiner_trace(c, res.amplitude, r.fibre);
    Ima_st->update();
}

void PageNerf::Scroll_i_stimChange()
{
    modele.intensite_stim = 100 - Scroll_i_stim->value();
    // The intensity in volts, two decimals: 0.05 V, 0.20 V, 1.00 V.
    Lab_stim->setText(format_reel(modele.intensite_stim / 100.0, 1, 2) + QStringLiteral(" V"));
    Lab_stim->adjustSize();
    BitBtn22Click();
}

void PageNerf::CheckBox1Click()
{
    // Runs on every change of the box, by the pupil or by code: the second
    // stimulus follows the box.
    modele.deux_stim = CheckBox1->isChecked();
    deux_artef->setVisible(modele.deux_stim);
    BitBtn22Click();
}

void PageNerf::Scroll_tempsChange()
{
    BitBtn22Click();
    // Choosing a delay switches the second stimulus on.
    if (!CheckBox1->isChecked()) CheckBox1->setChecked(true);
}

void PageNerf::Radio_nerfClick()
{
    if (CheckBox1->isChecked()) CheckBox1->setChecked(false);
    Ima_st->setPicture(hote_->image_blanche());
    prem_artef->hide();
    deux_artef->hide();
}

// ---- The electrodes ----

void PageNerf::electrode_saisie(int X)
{
    x_saisie = X;
    deplacement_actif = true;
}

void PageNerf::deplace_shape(Electrode e, int X)
{
    if (!deplacement_actif) return;
    Forme *f = electrode(e);
    f->move(::deplace_shape(montage(), e, X, x_saisie), f->y());
}

void PageNerf::poser_suiveurs(Electrode e)
{
    const int k = static_cast<int>(e);
    const Suiveurs s = suiveurs(e, electrodes_[k]->x(), ima_nerf->x() + ima_nerf->width());
    fils_[k]->setGeometry(s.fil_gauche, fils_[k]->y(), s.fil_largeur, fils_[k]->height());
    if (signes_[k]) signes_[k]->move(s.signe_gauche, signes_[k]->y());
    decrire_electrode(e);
}

void PageNerf::decrire_electrode(Electrode e)
{
    // Where it stands on the distance scale, as a sighted pupil reads it.
    static const char *const noms[4] = {"anode", "cathode", "électrode d'enregistrement 1", "électrode d'enregistrement 2"};
    Forme *f = electrodes_[static_cast<int>(e)];
    f->setAccessibleDescription(QStringLiteral("%1 : %2 cm. Flèches gauche et droite : déplacer d'un pixel, avec Maj de "
                                               "dix ; la simulation reprend quand la touche est relâchée.")
                                    .arg(QString::fromUtf8(noms[static_cast<int>(e)]),
                                         csv::nombre(position_cm(f->x(), f->width()), 1)));
}

void PageNerf::electrode_deplacee(Electrode e, int X)
{
    deplace_shape(e, X);
    poser_suiveurs(e);
}

void PageNerf::electrode_lachee()
{
    deplacement_actif = false;
    BitBtn22Click();
}

void PageNerf::electrode_clavier(Electrode e, int pas)
{
    electrode_saisie(0);
    electrode_deplacee(e, pas);
}

bool PageNerf::eventFilter(QObject *objet, QEvent *evenement)
{
    const auto it = std::find(electrodes_.begin(), electrodes_.end(), objet);
    const QEvent::Type t = evenement->type();
    if (it == electrodes_.end() || (t != QEvent::KeyPress && t != QEvent::KeyRelease))
        return QWidget::eventFilter(objet, evenement);
    auto *k = static_cast<QKeyEvent *>(evenement);
    if (k->key() != Qt::Key_Left && k->key() != Qt::Key_Right) return false;
    if (t == QEvent::KeyPress) {
        const int pas = (k->modifiers() & Qt::ShiftModifier) ? 10 : 1;
        electrode_clavier(static_cast<Electrode>(it - electrodes_.begin()), k->key() == Qt::Key_Left ? -pas : pas);
    } else if (!k->isAutoRepeat() && deplacement_actif) {
        // Released: the run, as after a mouse drag (held keys repeat without it).
        electrode_lachee();
    }
    return true;
}

void PageNerf::Shape_nerfMouseDown()
{
    // A click on the nerve swaps its two end letters.
    const int a = Lab_a->x();
    Lab_a->move(Lab_b->x(), Lab_a->y());
    Lab_b->move(a, Lab_b->y());
}

// ---- The questionnaire ----

void PageNerf::BitBtn19Click()
{
    Questionnaire::Reponses r;
    r.pref_rel = pref_rel->currentIndex();
    r.pref_abs = pref_abs->currentIndex();
    r.fib_lpr = fib_lpr->text();
    r.fib_cpr = fib_cpr->text();
    r.vit_influx = vit_influx->text();
    r.combo_electrode = combo_electrode->currentIndex();
    r.Edit_seuil = Edit_seuil->text();
    const Questionnaire::Lampes l = Questionnaire::corriger(r);
    for (std::size_t k = 0; k < l.size(); ++k) {
        lampes_[k]->set_couleur(l[k] ? LIME : ROUGE);
        annoncer_voyant(lampes_[k], SUJETS_LAMPES[k], l[k] ? Resultat::Juste : Resultat::Faux);
    }
    annoncer_correction(lampes_[0]->parentWidget(), BitBtn19, int(std::count(l.begin(), l.end(), true)), int(l.size()));
}

void PageNerf::BitBtn8Click() { voir_fichier(ENREG_REFRACTAIRE); }

void PageNerf::BitBtn9Click() { voir_fichier(ENREG_RECRUTEMENT); }

void PageNerf::voir_fichier(const char *enregistrement)
{
    // Only once the launcher has been prepared at start-up; a failed change
    // of directory is reported and the handler stops.
    try {
        voir_enregistrement(pif_csb(), QString::fromLatin1(enregistrement));
    } catch (const ErreurES &e) {
        signaler(e);
    }
}
