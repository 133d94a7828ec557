#include "fechner/pagefechner.h"
#include "fechner/fenetreanalyse.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillechaines.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/canevas.h"
#include "common/erreures.h"
#include "common/fabrique.h"
#include "common/hote.h"
#include "common/imagewidget.h"
#include "common/polices.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>

namespace {

// The items of the mass menu: object name, caption, handler.
struct ElementMasse {
    const char *nom;
    const char *libelle;
    void (PageFechner::*gestionnaire)();
};

constexpr ElementMasse elements_masse[] = {
    {"lavaleurdelapetitemasse1", "5 g", &PageFechner::lavaleurdelapetitemasse1Click},
    {"ajoute1", "10 g", &PageFechner::ajoute1Click},
    {"N15g1", "15 g", &PageFechner::N15g1Click},
    {"N20g1", "20 g", &PageFechner::N20g1Click},
    {"N25g1", "25 g", &PageFechner::N25g1Click},
    {"N30g1", "30 g", &PageFechner::N30g1Click},
    {"N40g1", "40 g", &PageFechner::N40g1Click},
    {"N50g1", "50 g", &PageFechner::N50g1Click},
    {"N60g1", "60 g", &PageFechner::N60g1Click},
    {"N70g1", "70 g", &PageFechner::N70g1Click},
    {"N80g1", "80 g", &PageFechner::N80g1Click},
    {"N100g1", "100 g", &PageFechner::N100g1Click},
    {"N120g1", "120 g", &PageFechner::N120g1Click},
    {"N140g1", "140 g", &PageFechner::N140g1Click},
    {"N1601", "160 g", &PageFechner::N1601Click},
    {"N180g1", "180 g", &PageFechner::N180g1Click},
    {"N200g1", "200 g", &PageFechner::N200g1Click},
    {"N220g1", "220 g", &PageFechner::N220g1Click},
    {"N250g1", "250 g", &PageFechner::N250g1Click},
    {"N280g1", "280 g", &PageFechner::N280g1Click},
    {"N300g1", "300 g", &PageFechner::N300g1Click},
};

QAction *element(QMenu *menu, const char *nom, const QString &libelle)
{
    QAction *a = menu->addAction(libelle);
    a->setObjectName(QLatin1String(nom));
    return a;
}

const QStringList texte_question = {
    QStringLiteral("Sauriez-vous faire la différence de poids entre"),
    QStringLiteral("deux bouteilles d'eau portées par une ficelle derrière"),
    QStringLiteral("le dos, si la différence de poids est de 100 g, quelle"),
    QStringLiteral("que soit le remplissage des bouteilles?"),
    QString(),
    QStringLiteral("Quel est la valeur du seuil différentiel aux différentes"),
    QStringLiteral("      intensités de stimulation dans cette expérience?"),
    QString(),
    QStringLiteral("Comment évaluer ce seuil en tenant compte du hasard"),
    QStringLiteral("     et des possibilités d'erreurs?"),
};

void colorer(QLabel *l, Couleur fond, Couleur texte)
{
    QPalette p = l->palette();
    p.setColor(QPalette::Window, vers_qcolor(fond, p));
    p.setColor(QPalette::WindowText, vers_qcolor(texte, p));
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

BoutonImage *bouton(QWidget *parent, const char *nom, const QString &texte, QRect place)
{
    auto *b = new BoutonImage(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(place);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

PageFechner::PageFechner(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox3 = creer_cadre(this, "GroupBox3", QString(), {2, 6, 778, 487});
    GroupBox3->setFont(police(QStringLiteral("Tahoma"), 11));

    Memo4 = creer_memo(GroupBox3, "Memo4", texte_question, {11, 17, 329, 168});
    Memo4->setFont(police(QStringLiteral("Tahoma"), 13));
    Memo4->setAccessibleName(QStringLiteral("Questions sur la loi de Fechner")); // its frame has no title to lend

    grille = new GrilleChaines(GrilleFechner::COLONNES_VISIBLES, GrilleFechner::LIGNES, GroupBox3);
    grille->setObjectName(QStringLiteral("grille"));
    grille->setGeometry(434, 8, 340, 465);
    grille->setAccessibleName(QStringLiteral("Grille des essais : masses ajoutées et réponses O ou N"));
    grille->setFont(police(QStringLiteral("Tahoma"), 11));
    grille->dimensionner(35, 15);
    grille->setContextMenuPolicy(Qt::CustomContextMenu);
    grille->placer_courante(1, 1);

    creer_courbe();

    save_ima_blanc = new ImageWidget(GroupBox3);
    save_ima_blanc->setObjectName(QStringLiteral("save_ima_blanc"));
    save_ima_blanc->setGeometry(344, 80, 105, 105);
    save_ima_blanc->setPicture(image_unie(420, 220, BLANC));
    save_ima_blanc->hide();

    // A line buffer for the acquisition bridge, never shown.
    Memo_cassybio = creer_memo(GroupBox3, "Memo_cassybio", {QStringLiteral("Memo_cassybio")}, {320, 40, 185, 89});
    Memo_cassybio->setReadOnly(false);
    Memo_cassybio->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_cassybio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_cassybio->hide();

    creer_menus();

    // Between the question and the curve's frame, right-aligned with the frame:
    // the page's own controls keep their places.
    Bouton_analyser = bouton(GroupBox3, "Bouton_analyser", QStringLiteral("Analyser"), {342, 189, 90, 21});
    connect(Bouton_analyser, &QAbstractButton::clicked, this, [this] { Bouton_analyserClick(); });

    // Model and grid hold the same texts: an edit in the grid reaches the model
    // (and the analysis window, when open).
    connect(grille, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *i) {
        donnees_.ecrire(i->column(), i->row(), i->text());
        if (fenetre_analyse_) fenetre_analyse_->grille_changee();
    });
    connect(grille, &GrilleChaines::selectionCellule, this, &PageFechner::grilleSelectCell);
    connect(grille, &GrilleChaines::clicCellule, this, &PageFechner::grilleClick);
    connect(grille, &GrilleChaines::toucheTraitee, this, &PageFechner::grilleKeyDown);
    connect(grille, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { menu_grille_->exec(grille->viewport()->mapToGlobal(p)); });
}

void PageFechner::creer_courbe()
{
    GroupBox5 = creer_cadre(GroupBox3, "GroupBox5", QString(), {3, 213, 429, 264});

    Ima_courbe = new ImageWidget(GroupBox5);
    Ima_courbe->setObjectName(QStringLiteral("Ima_courbe"));
    Ima_courbe->setGeometry(4, 28, 420, 220);
    Ima_courbe->setPicture(image_unie(420, 220, BLANC));
    Ima_courbe->setAccessibleName(QStringLiteral("Courbe des essais : masse ajoutée selon la masse portée"));

    Label25 = creer_etiquette(GroupBox5, "Label25", QStringLiteral("Masse ajoutée"), {3, 13});
    colorer(Label25, AQUA, NOIR);
    Label26 = creer_etiquette(GroupBox5, "Label26", QStringLiteral("Masse portée"), {358, 214});
    colorer(Label26, COULEUR_FACE, BLANC);

    BitBtn4 = bouton(GroupBox5, "BitBtn4", QStringLiteral("trace_courbe"), {290, 8, 95, 19});
    BitBtn4->hide();
    BitBtn5 = bouton(GroupBox5, "BitBtn5", QStringLiteral("+"), {392, 8, 17, 15});
    BitBtn7 = bouton(GroupBox5, "BitBtn7", QStringLiteral("-"), {408, 8, 17, 15});
    BitBtn5->setAccessibleName(QStringLiteral("Zoom avant"));
    BitBtn7->setAccessibleName(QStringLiteral("Zoom arrière"));
    for (BoutonImage *b : {BitBtn5, BitBtn7}) {
        b->setFont(police(QStringLiteral("Tahoma"), 13, true));
        b->installEventFilter(this);
    }
    connect(BitBtn4, &QAbstractButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn5, &QAbstractButton::clicked, this, [this] { BitBtn5Click(); });
    connect(BitBtn7, &QAbstractButton::clicked, this, [this] { BitBtn7Click(); });
    // In the curve's frame the + and − keys click the zoom buttons (the grid
    // keeps its keys for its cells).
    const struct {
        QKeySequence touches;
        BoutonImage *bouton;
    } raccourcis[] = {{QKeySequence(Qt::Key_Plus), BitBtn5},
                      {QKeySequence(Qt::Key_Minus), BitBtn7}};
    for (const auto &r : raccourcis) {
        auto *s = new QShortcut(r.touches, GroupBox5);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, r.bouton, &QAbstractButton::click);
    }
}

void PageFechner::creer_menus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(element(PopupMenu1, "testrussi1", QStringLiteral("test réussi (O)")), &QAction::triggered, this,
            [this] { testrussi1Click(); });
    connect(element(PopupMenu1, "testchou1", QStringLiteral("test échoué (N)")), &QAction::triggered, this,
            [this] { testchou1Click(); });

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    // The question item only reminds the pupil what to choose.
    element(PopupMenu2, "Saisissezdanscettecase1", QStringLiteral("Quelle masse  ajoutée ?"));
    for (const ElementMasse &e : elements_masse)
        connect(element(PopupMenu2, e.nom, QString::fromUtf8(e.libelle)), &QAction::triggered, this,
                [this, g = e.gestionnaire] { (this->*g)(); });

    // Until the pupil selects a cell the grid offers the outcome menu.
    menu_grille_ = PopupMenu1;
}

void PageFechner::afficher_grille()
{
    for (int r = 0; r < GrilleFechner::LIGNES; ++r)
        for (int c = 0; c < GrilleFechner::COLONNES_VISIBLES; ++c) grille->ecrire_texte(c, r, donnees_.cellule(c, r));
}

void PageFechner::ecrire_entetes()
{
    donnees_.ecrire_entetes();
    afficher_grille();
    grille->placer_courante(donnees_.colonne_courante(), donnees_.ligne_courante());
}

void PageFechner::BitBtn3Click()
{
    Ima_courbe->setPicture(courbe_.tracer(donnees_, save_ima_blanc->picture()));
    // Every change of the grid ends in a redraw: the analysis follows it.
    if (fenetre_analyse_) fenetre_analyse_->grille_changee();
}

void PageFechner::Bouton_analyserClick()
{
    if (!fenetre_analyse_) {
        fenetre_analyse_ = new FenetreAnalyse(&donnees_, this);
        // Beside the main window when the screen has room, so that the grid
        // and its analysis are seen together.
        const QRect principale = window()->frameGeometry();
        const QRect ecran = window()->screen() ? window()->screen()->availableGeometry() : QRect();
        const QPoint place = principale.topRight() + QPoint(1, 0);
        if (ecran.contains(QRect(place, fenetre_analyse_->frameGeometry().size()))) fenetre_analyse_->move(place);
    }
    fenetre_analyse_->actualiser();
    fenetre_analyse_->show();
    fenetre_analyse_->raise();
    fenetre_analyse_->activateWindow();
}

QImage PageFechner::image_blanche() const { return save_ima_blanc->picture(); }

void PageFechner::grilleSelectCell(int col, int row)
{
    const int c = donnees_.colonne_courante(), r = donnees_.ligne_courante();
    const GrilleFechner::Menu menu = donnees_.selectionner(col, row);
    grille->ecrire_texte(c, r, donnees_.cellule(c, r));
    menu_grille_ = menu == GrilleFechner::Menu::Issue ? PopupMenu1 : PopupMenu2;
}

void PageFechner::grilleClick() { BitBtn3Click(); }

void PageFechner::grilleKeyDown(int touche)
{
    // Called once the grid has moved its current cell and the cell left has
    // been checked, so the curve shows the checked texts. Tab leaves a cell
    // as an arrow does.
    switch (touche) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        BitBtn3Click();
        break;
    default:
        break;
    }
}

void PageFechner::ajoute(const QString &valeur)
{
    const int c = donnees_.colonne_courante(), r = donnees_.ligne_courante();
    donnees_.ecrire(c, r, valeur);
    grille->ecrire_texte(c, r, valeur);
    BitBtn3Click();
}

void PageFechner::testrussi1Click() { ajoute(QStringLiteral("O")); }
void PageFechner::testchou1Click() { ajoute(QStringLiteral("N")); }

void PageFechner::lavaleurdelapetitemasse1Click() { ajoute(QStringLiteral("5")); }
void PageFechner::ajoute1Click() { ajoute(QStringLiteral("10")); }
void PageFechner::N15g1Click() { ajoute(QStringLiteral("15")); }
void PageFechner::N20g1Click() { ajoute(QStringLiteral("20")); }
void PageFechner::N25g1Click() { ajoute(QStringLiteral("25")); }
void PageFechner::N30g1Click() { ajoute(QStringLiteral("30")); }
void PageFechner::N40g1Click() { ajoute(QStringLiteral("40")); }
void PageFechner::N50g1Click() { ajoute(QStringLiteral("50")); }
void PageFechner::N60g1Click() { ajoute(QStringLiteral("60")); }
void PageFechner::N70g1Click() { ajoute(QStringLiteral("70")); }
void PageFechner::N80g1Click() { ajoute(QStringLiteral("80")); }
void PageFechner::N100g1Click() { ajoute(QStringLiteral("100")); }
void PageFechner::N120g1Click() { ajoute(QStringLiteral("120")); }
void PageFechner::N140g1Click() { ajoute(QStringLiteral("140")); }
void PageFechner::N1601Click() { ajoute(QStringLiteral("160")); }
void PageFechner::N180g1Click() { ajoute(QStringLiteral("180")); }
void PageFechner::N200g1Click() { ajoute(QStringLiteral("200")); }
void PageFechner::N220g1Click() { ajoute(QStringLiteral("220")); }
void PageFechner::N250g1Click() { ajoute(QStringLiteral("250")); }
void PageFechner::N280g1Click() { ajoute(QStringLiteral("280")); }
void PageFechner::N300g1Click() { ajoute(QStringLiteral("300")); }

void PageFechner::BitBtn5Click()
{
    courbe_.zoom_avant();
    BitBtn3Click();
}

void PageFechner::BitBtn7Click()
{
    courbe_.zoom_arriere();
    BitBtn3Click();
}

void PageFechner::cinq_pas(Qt::MouseButton bouton, void (PageFechner::*clic)())
{
    if (bouton != Qt::RightButton) return;
    for (int k = 0; k < 5; ++k) (this->*clic)();
}

void PageFechner::BitBtn5MouseDown(Qt::MouseButton bouton) { cinq_pas(bouton, &PageFechner::BitBtn5Click); }
void PageFechner::BitBtn7MouseDown(Qt::MouseButton bouton) { cinq_pas(bouton, &PageFechner::BitBtn7Click); }

bool PageFechner::eventFilter(QObject *objet, QEvent *evenement)
{
    // A quick second press comes as a double click: it is a press all the same.
    const bool appui =
        evenement->type() == QEvent::MouseButtonPress || evenement->type() == QEvent::MouseButtonDblClick;
    if (appui && (objet == BitBtn5 || objet == BitBtn7)) {
        const Qt::MouseButton b = static_cast<QMouseEvent *>(evenement)->button();
        if (objet == BitBtn5)
            BitBtn5MouseDown(b);
        else
            BitBtn7MouseDown(b);
        // The left button goes on to the button's own click.
        return b == Qt::RightButton;
    }
    return QWidget::eventFilter(objet, evenement);
}

bool PageFechner::lec_fechner(const QString &chemin)
{
    GrilleFechner lu = donnees_;
    try {
        if (!lire_fch(chemin, lu)) return false;
    } catch (const ErreurES &e) {
        signaler(e);
        return false;
    }
    donnees_ = lu;
    afficher_grille();
    hote_->montrer_page(INDEX_PAGE);
    BitBtn5Click();
    BitBtn7Click();
    return true;
}

bool PageFechner::sauver_fechner(const QString &chemin)
{
    // A pupil must not believe a class's results were saved when they were not.
    try {
        if (ecrire_fch(chemin, donnees_)) return true;
    } catch (const ErreurES &) {
    }
    signaler(ErreurES::creation(chemin));
    return false;
}
