#include "colour/pagecontrastes.h"
#include "assets/glyphe_melange.h"
#include "assets/paysage.h"
#include "colour/palettechoix.h"
#include "colour/tform_coul.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/fabrique.h"
#include "common/forme.h"
#include "common/hote.h"
#include "common/imagewidget.h"
#include "common/polices.h"
#include "common/accessibilite.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// The notebook's place in the main window: the colour choice dialog is
// placed from it.
constexpr QPoint PLACE_NOTEBOOK(2, 0);

constexpr int HAUTS_CARRES[8] = {114, 146, 178, 210, 242, 274, 306, 338};
constexpr int HAUTS_MARQUES[8] = {119, 149, 181, 213, 245, 277, 309, 343};

Forme *forme(QWidget *parent, const QString &nom, Forme::Type type, QRect place, Couleur c)
{
    auto *f = new Forme(parent, type);
    f->setObjectName(nom);
    f->setGeometry(place);
    f->set_couleur(c);
    return f;
}

QFont tahoma8() { return police(QStringLiteral("Tahoma"), pixels_de_points(8)); }
QFont arial8() { return police(QStringLiteral("Arial"), pixels_de_points(8)); }

} // namespace

PageContrastes::PageContrastes(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    setFont(tahoma8());
    creer_experience();
    creer_questionnaire();
    creer_banc();
}

// ---------------------------------------------------------------- left half

void PageContrastes::creer_experience()
{
    GroupBox1 = creer_cadre(this, "GroupBox1", QStringLiteral("Expérience visuelle"), {6, 14, 253, 256});
    GroupBox1->setFont(tahoma8());

    Image1 = new ImageWidget(GroupBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(14, 29, 231, 124);
    Image1->setPicture(image_paysage());
    Image1->setAccessibleName(QStringLiteral("Paysage en couleurs à fixer"));
    Image2 = new ImageWidget(GroupBox1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(14, 29, 231, 124);
    // Its picture is drawn when it is first shown, after a fixation.
    Image2->setAccessibleName(QStringLiteral("Contours du paysage, sur fond blanc"));
    Image2->hide();

    Panel1 = creer_cadre(GroupBox1, "Panel1", QString(), {14, 17, 231, 9});
    Panel1->setPanneau(true);
    Shape1 = forme(Panel1, QStringLiteral("Shape1"), Forme::Type::Rectangle, {0, 0, 0, 9}, MARINE);
    Shape1->setAccessibleName(QStringLiteral("Avancement de la fixation"));

    BitBtn3 = new QPushButton(QStringLiteral("lancer"), GroupBox1);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setGeometry(155, 156, 89, 25);
    connect(BitBtn3, &QPushButton::clicked, this, &PageContrastes::btn_lancerClick);

    Memo2 = creer_memo(GroupBox1, "Memo2",
                       {QStringLiteral("Fixez la cheminée sans bouger ni la tête "),
                        QStringLiteral("ni  les yeux puis cliquez sur Lancer et "),
                        QStringLiteral("attendez 30 secondes")},
                       {6, 184, 237, 61});
    // The face standing for Tahoma is wider: narrowed a little, with a slim
    // margin, the three lines of the instruction fit the box as designed.
    QFont f = police(QStringLiteral("Tahoma"), 12);
    f.setStretch(90);
    Memo2->setFont(f);
    Memo2->document()->setDocumentMargin(2);
    Memo2->setEnabled(false);

    Timer_voir = creer_minuterie(this, "Timer_voir", 1000);
    Timer_reaff_image = creer_minuterie(this, "Timer_reaff_image", 15000);
    connect(Timer_voir, &QTimer::timeout, this, &PageContrastes::Timer_voirTimer);
    connect(Timer_reaff_image, &QTimer::timeout, this, &PageContrastes::Timer_reaff_imageTimer);
}

void PageContrastes::creer_questionnaire()
{
    GroupBox2 = creer_cadre(this, "GroupBox2", QStringLiteral("Interrogation sur l'expérience"), {264, 12, 201, 369});
    GroupBox2->setFont(tahoma8());
    Memo1 = creer_memo(GroupBox2, "Memo1",
                       {QStringLiteral("Cliquez dans les cases de droite"),
                        QStringLiteral("pour sélectionner les couleurs "),
                        QStringLiteral("vues par contraste successif.")},
                       {8, 18, 185, 53});
    Memo1->setFont(police(QStringLiteral("Arial"), 11));
    Memo1->setEnabled(false);
    Label1 = creer_etiquette(GroupBox2, "Label1", QStringLiteral("Coul. réelle"), {6, 97});
    Label2 = creer_etiquette(GroupBox2, "Label2", QStringLiteral("Coul. vue"), {77, 97});
    for (QLabel *l : {Label1, Label2}) {
        l->setFont(arial8());
        l->adjustSize();
    }
    BitBtn2 = new QPushButton(QStringLiteral("Correction"), GroupBox2);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(128, 96, 62, 17);
    BitBtn2->setFont(arial8());
    connect(BitBtn2, &QPushButton::clicked, this, &PageContrastes::BitBtn2Click);

    for (int k = 0; k < 8; ++k) {
        const QString n = QString::number(k + 1);
        // coul16 is painted orange by the start-up sequence.
        coul1[k] = forme(GroupBox2, QStringLiteral("coul1") + n, Forme::Type::Rectangle,
                         {19, HAUTS_CARRES[k], 23, 23}, k == 5 ? BLANC : cle_questionnaire()[k].reelle);
        coul2[k] = forme(GroupBox2, QStringLiteral("coul2") + n, Forme::Type::Rectangle,
                         {94, HAUTS_CARRES[k], 23, 23}, BLANC);
        coul2[k]->setTag(SANS_REPONSE);
        coul2[k]->setCursor(Qt::UpArrowCursor);
        coul2[k]->setActivable(true); // Tab, the arrows and Enter choose a colour as the mouse does
        coul2[k]->setAccessibleName(QStringLiteral("Couleur vue %1 : pas encore choisie").arg(k + 1));
        coul2[k]->setAccessibleDescription(QStringLiteral("Entrée : choisir la couleur vue après l'expérience."));
        connect(coul2[k], &Forme::mouseDown, this, [this, k](Qt::MouseButton, QPoint) { coul2MouseDown(k + 1); });
        cor[k] = forme(GroupBox2, QStringLiteral("cor") + n, Forme::Type::Cercle, {151, HAUTS_MARQUES[k], 16, 13},
                       BLANC);
        annoncer_voyant(cor[k], QStringLiteral("couleur %1").arg(k + 1), Resultat::PasCorrige);
    }
}

void PageContrastes::raz_compteur_voir() { experience_.compteur_voir = 0; }

void PageContrastes::init_cases_coul()
{
    coul1[5]->set_couleur(coul_orange);
    for (int k = 0; k < 8; ++k) {
        coul1[k]->setAccessibleName(QStringLiteral("Couleur regardée %1 : %2").arg(k + 1).arg(nom_couleur(coul1[k]->couleur())));
        cases_coul_[1 + k] = coul1[k];
        cases_coul_[9 + k] = coul2[k];
    }
}

void PageContrastes::appliquer_experience()
{
    // The model's flags drive the timers; enabling a running timer leaves it be.
    const auto regler = [](QTimer *t, bool actif) {
        if (actif && !t->isActive()) t->start();
        if (!actif && t->isActive()) t->stop();
    };
    regler(Timer_voir, experience_.voir);
    regler(Timer_reaff_image, experience_.reaff_image);
    Image1->setVisible(experience_.image1);
    if (experience_.image2 && Image2->picture().isNull()) Image2->setPicture(image_paysage_contours());
    Image2->setVisible(experience_.image2);
    Shape1->resize(experience_.largeur_barre, Shape1->height());
}

void PageContrastes::Timer_voirTimer()
{
    experience_.tic_voir(Panel1->width());
    appliquer_experience();
    Shape1->repaint();
}

void PageContrastes::Timer_reaff_imageTimer()
{
    experience_.tic_reaff_image();
    appliquer_experience();
}

void PageContrastes::btn_lancerClick()
{
    experience_.lancer();
    appliquer_experience();
}

void PageContrastes::coul2MouseDown(int rang)
{
    if (Forme *carre = cases_coul_.at(8 + rang)) change_coul(carre);
}

void PageContrastes::change_coul(Forme *carre)
{
    if (!form_coul_) return;
    QWidget *fenetre = hote_->fenetre();
    const QPoint place(PLACE_NOTEBOOK.x() + GroupBox2->x() + coul2[0]->x() + coul2[0]->width() + 10,
                       PLACE_NOTEBOOK.y() + GroupBox2->y() + carre->y() + 55);
    form_coul_->move(fenetre->frameGeometry().topLeft() + place);
    form_coul_->couleur_choisie = -1;
    form_coul_->exec();
    if (form_coul_->couleur_choisie != -1) {
        carre->setTag(form_coul_->couleur_choisie);
        carre->set_couleur(form_coul_->couleur_choisie);
        const int rang = int(std::find(coul2.begin(), coul2.end(), carre) - coul2.begin()) + 1;
        carre->setAccessibleName(
            QStringLiteral("Couleur vue %1 : %2").arg(rang).arg(nom_couleur(form_coul_->couleur_choisie)));
    }
}

void PageContrastes::BitBtn2Click()
{
    if (!form_coul_) return;
    std::array<Couleur, NB_LIGNES> reponses{};
    for (int k = 0; k < NB_LIGNES; ++k) reponses[k] = coul2[k]->tag();
    const std::array<bool, NB_LIGNES> justes = correction(reponses, form_coul_->couleurs_hautes());
    for (int k = 0; k < NB_LIGNES; ++k) {
        cor[k]->set_couleur(justes[k] ? LIME : ROUGE);
        annoncer_voyant(cor[k], QStringLiteral("couleur %1").arg(k + 1), justes[k] ? Resultat::Juste : Resultat::Faux);
    }
    annoncer_correction(cor[0]->parentWidget(), BitBtn2, int(std::count(justes.begin(), justes.end(), true)), NB_LIGNES);
}

// --------------------------------------------------------------- right half

Cadre *PageContrastes::creer_cadre_couleur(const char *nom, QPoint place, int k)
{
    Cadre *cadre = creer_cadre(this, nom, QString(), {place, QSize(75, 134)});
    cadre->setFont(arial8());
    const QString suffixe = k == 1 ? QString() : QString::number(k);
    const struct {
        QString nom;
        int gauche_barre, gauche_legende;
        Couleur legende;
    } barres[] = {
        {(k == 1 ? QStringLiteral("scroll_rouge") : QStringLiteral("Scroll_rouge")) + suffixe, 7, 4, ROUGE},
        {QStringLiteral("Scroll_vert") + suffixe, 31, 27, LIME},
        {QStringLiteral("Scroll_bleu") + suffixe, 55, 51, BLEU},
    };
    QScrollBar **cibles[3][3] = {
        {&scroll_rouge, &Scroll_vert, &Scroll_bleu},
        {&Scroll_rouge2, &Scroll_vert2, &Scroll_bleu2},
        {&Scroll_rouge3, &Scroll_vert3, &Scroll_bleu3},
    };
    using Gestionnaire = void (PageContrastes::*)();
    const Gestionnaire gestionnaires[3][3] = {
        {&PageContrastes::scroll_rougeChange, &PageContrastes::Scroll_vertChange, &PageContrastes::Scroll_bleuChange},
        {&PageContrastes::Scroll_rouge2Change, &PageContrastes::Scroll_vert2Change,
         &PageContrastes::Scroll_bleu2Change},
        {&PageContrastes::Scroll_rouge3Change, &PageContrastes::Scroll_vert3Change,
         &PageContrastes::Scroll_bleu3Change},
    };
    for (int i = 0; i < 3; ++i) {
        auto *s = new QScrollBar(Qt::Vertical, cadre);
        s->setObjectName(barres[i].nom);
        s->setGeometry(barres[i].gauche_barre, 5, 9, 106);
        s->setRange(0, 245);
        s->setPageStep(10);
        s->setValue(245);
        // Every position while the thumb is dragged recomputes the colour.
        connect(s, &QScrollBar::valueChanged, this, gestionnaires[k - 1][i]);
        // Read as the component it gives, 1 to 255.
        static const char *const composantes[3] = {"Rouge", "Vert", "Bleu"};
        nommer_barre(s, QStringLiteral("%1 de la couleur %2").arg(QString::fromUtf8(composantes[i])).arg(k), 255.0, -1.0, 0);
        *cibles[k - 1][i] = s;
        Forme *legende = forme(cadre, QStringLiteral("Shape_c%1%2").arg(k).arg(i + 1), Forme::Type::Cercle,
                               {barres[i].gauche_legende, 114, 16, 17}, barres[i].legende);
        legende->setAccessibleName(QStringLiteral("%1 : légende de la barre au-dessus").arg(QString::fromUtf8(composantes[i])));
    }
    return cadre;
}

void PageContrastes::creer_banc()
{
    // Under GroupBox6: the third colour, the title and the Venn picture.
    GroupBox9 = creer_cadre_couleur("GroupBox9", {585, 12}, 3);
    GroupBox9->hide(); // under "Interprétations", which shows until three colours are asked
    Label4 = creer_etiquette(this, "Label4", QStringLiteral("Mélange des couleurs"), {473, 16});
    Image3 = new ImageWidget(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(477, 149, 275, 209);
    Image3->setCenter(true);
    Image3->setPicture(image_venn());
    Image3->setAccessibleName(QStringLiteral("Mélange des couleurs : trois ellipses qui se recouvrent"));
    Group_coul2 = creer_cadre_couleur("Group_coul2", {668, 361}, 2);

    GroupBox6 = creer_cadre(this, "GroupBox6", QStringLiteral("Interprétations de l'expérience"), {471, 12, 297, 346});
    GroupBox6->setFont(tahoma8());
    ess_coul = forme(GroupBox6, QStringLiteral("ess_coul"), Forme::Type::Rectangle, {39, 94, 137, 89}, BLANC);
    ess_coul2 = forme(GroupBox6, QStringLiteral("ess_coul2"), Forme::Type::Rectangle, {114, 126, 137, 89}, BLANC);
    comp_ess_coul = forme(GroupBox6, QStringLiteral("comp_ess_coul"), Forme::Type::Carre, {7, 68, 65, 65}, BLANC);
    Shape2 = forme(GroupBox6, QStringLiteral("Shape2"), Forme::Type::Rectangle, {39, 94, 33, 39}, BLANC);
    Shape_somme = forme(GroupBox6, QStringLiteral("Shape_somme"), Forme::Type::Rectangle, {114, 126, 62, 57}, BLANC);
    ess_coul->setAccessibleName(QStringLiteral("Couleur obtenue avec les barres de la couleur 1"));
    ess_coul2->setAccessibleName(QStringLiteral("Couleur obtenue avec les barres de la couleur 2"));
    comp_ess_coul->setAccessibleName(QStringLiteral("Couleur complémentaire de la couleur 1"));
    Shape2->setAccessibleName(QStringLiteral("Fond de la couleur complémentaire"));
    Shape_somme->setAccessibleName(QStringLiteral("Somme des couleurs 1 et 2"));
    Label3 = creer_etiquette(GroupBox6, "Label3", QStringLiteral("Complémentaire"), {6, 52});
    Label3->setFont(arial8());
    Label3->adjustSize();

    // Over GroupBox6 in every layout.
    Group_coul1 = creer_cadre_couleur("Group_coul1", {542, 209}, 1);
    BitBtn6 = new BoutonImage(QString(), this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn6->setGeometry(744, 22, 21, 19);
    BitBtn6->setGlyph(image_glyphe_melange());
    BitBtn6->setAccessibleName(QStringLiteral("Nombre de couleurs mélangées (une, deux ou trois)"));
    connect(BitBtn6, &QPushButton::clicked, this, &PageContrastes::BitBtn6Click);
}

void PageContrastes::recalculer_couleur(int k)
{
    // What each colour repaints: its region, its rectangle (colour 1 also the
    // complementary square), and the three mixtures it enters.
    const struct {
        void (PageContrastes::*trace)(Couleur);
        Forme *rectangle;
        bool complementaire;
        std::array<void (PageContrastes::*)(), 3> sommes;
    } etapes[] = {
        {&PageContrastes::trace_ellipse1, ess_coul, true,
         {&PageContrastes::calcul_somme, &PageContrastes::calcul_somme2, &PageContrastes::calcul_somme_tout}},
        {&PageContrastes::trace_ellipse2, ess_coul2, false,
         {&PageContrastes::calcul_somme, &PageContrastes::calcul_somme3, &PageContrastes::calcul_somme_tout}},
        {&PageContrastes::trace_ellipse3, nullptr, false,
         {&PageContrastes::calcul_somme2, &PageContrastes::calcul_somme3, &PageContrastes::calcul_somme_tout}},
    };
    QScrollBar *barres[3][3] = {
        {scroll_rouge, Scroll_vert, Scroll_bleu},
        {Scroll_rouge2, Scroll_vert2, Scroll_bleu2},
        {Scroll_rouge3, Scroll_vert3, Scroll_bleu3},
    };
    QScrollBar *const *b = barres[k - 1];
    const Couleur c = banc_.change_couleur(k, b[0]->value(), b[1]->value(), b[2]->value());
    const auto &e = etapes[k - 1];
    (this->*e.trace)(c);
    if (e.complementaire) comp_ess_coul->set_couleur(complementaire(c));
    if (e.rectangle) e.rectangle->set_couleur(c);
    for (auto somme : e.sommes) (this->*somme)();
}

void PageContrastes::trace_region(RegionVenn r, Couleur c)
{
    remplir_region(Image3->image(), graine_venn(r), c, CONTOUR_VENN);
    Image3->update();
}

void PageContrastes::calcul_melange(BancCouleurs::Somme s)
{
    using S = BancCouleurs::Somme;
    const Couleur c = banc_.calcul(s);
    if (s == S::S12) Shape_somme->set_couleur(c);
    const RegionVenn region = s == S::S12   ? RegionVenn::GaucheDroite
                              : s == S::S13 ? RegionVenn::GaucheHaut
                              : s == S::S23 ? RegionVenn::DroiteHaut
                                            : RegionVenn::Centre;
    trace_region(region, c);
}

void PageContrastes::disposition(int nombre)
{
    const struct {
        QPoint place_coul1;
        bool coul2_visible;
        int rectangles; // ess_coul2 and Shape_somme: 0 hidden, 1 shown, −1 unchanged
        bool groupbox6_visible;
    } t[] = {
        {{542, 209}, false, 0, true},
        {{500, 361}, true, 1, true},
        {{500, 361}, true, -1, false},
    };
    const auto &d = t[nombre - 1];
    Group_coul1->move(d.place_coul1);
    Group_coul2->setVisible(d.coul2_visible);
    if (d.rectangles >= 0) {
        ess_coul2->setVisible(d.rectangles == 1);
        Shape_somme->setVisible(d.rectangles == 1);
    }
    GroupBox6->setVisible(d.groupbox6_visible);
    // The third colour lies under "Interprétations": hidden with it, no Tab stop there.
    GroupBox9->setVisible(!d.groupbox6_visible);
    hote_->element_menu("Unecouleur1")->setChecked(nombre == 1);
    hote_->element_menu("Deuxcouleurs1")->setChecked(nombre == 2);
    hote_->element_menu("Troiscouleurs1")->setChecked(nombre == 3);
    hote_->montrer_page(0);
}

void PageContrastes::BitBtn6Click()
{
    if (hote_->element_menu("Deuxcouleurs1")->isChecked())
        Troiscouleurs1Click();
    else if (hote_->element_menu("Troiscouleurs1")->isChecked())
        Unecouleur1Click();
    else if (hote_->element_menu("Unecouleur1")->isChecked())
        Deuxcouleurs1Click();
}

void PageContrastes::Voirlacomplmentaire1Click()
{
    QAction *a = hote_->element_menu("Voirlacomplmentaire1");
    a->setChecked(!a->isChecked());
    for (QWidget *w : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(comp_ess_coul),
                       static_cast<QWidget *>(Shape2)})
        w->setVisible(a->isChecked());
}

void PageContrastes::cacher_complementaire()
{
    for (QWidget *w : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(comp_ess_coul),
                       static_cast<QWidget *>(Shape2)})
        w->hide();
}
