#include "app/tform1.h"
#include "app/pageactivite.h"
#include "app/pagechamps.h"
#include "app/taboutbox.h"
#include "app/zoom.h"
#include "colour/fichiercouleurs.h"
#include "colour/pagecontrastes.h"
#include "colour/tform_coul.h"
#include "colour/tmise_couleur.h"
#include "common/aleatoire.h"
#include "common/bmp.h"
#include "common/canevas.h"
#include "common/cadre.h"
#include "common/dialoguefichiers.h"
#include "common/erreures.h"
#include "common/imagewidget.h"
#include "common/ecran.h"
#include "common/lettresacces.h"
#include "common/lanceurs.h"
#include "common/plateforme.h"
#include "common/polices.h"
#include "common/traduction.h"
#include "common/tabulation.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "nerve/pagenerf.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

// Runs one start-up or entry step; an I/O failure is reported and the
// caller goes on with the next step.
void etape(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ErreurES &e) {
        signaler(e);
    }
}

QAction *action(QObject *parent, const char *nom, const QString &libelle)
{
    auto *a = new QAction(libelle, parent);
    a->setObjectName(QLatin1String(nom));
    return a;
}

// Check items keep the check mark their handler sets, as the menus always did:
// the toolkit's own toggle is undone before the handler runs.
void relier(QAction *a, std::function<void()> gestionnaire)
{
    QObject::connect(a, &QAction::triggered, a, [a, g = std::move(gestionnaire)] {
        if (a->isCheckable()) a->setChecked(!a->isChecked());
        g();
    });
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Kalmeno"));
    setFont(police(QStringLiteral("System"), 13));
    // The start-up timer runs from the window's creation, not from the end
    // of its building: its 10 ms then pass while the first page is built.
    Timer_debut = new QTimer(this);
    Timer_debut->setObjectName(QStringLiteral("Timer_debut"));
    Timer_debut->setInterval(10);
    connect(Timer_debut, &QTimer::timeout, this, &TForm1::Timer_debutTimer);
    Timer_debut->start();

    auto *client = new QWidget(this);
    setCentralWidget(client);
    Notebook1 = new QTabWidget(client);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setGeometry(2, 0, 784, 530);
    Notebook1->setFont(police(QStringLiteral("Tahoma"), pixels_de_points(8)));
    Notebook1->tabBar()->setFont(police(QStringLiteral("MS Sans Serif"), pixels_de_points(8)));
    Notebook1->tabBar()->setExpanding(false);
    Notebook1->setUsesScrollButtons(false);
    Notebook1->setElideMode(Qt::ElideNone);

    // Each tab holds its page in a frame without margins; only the first page
    // is built now, the others when first shown or needed.
    const QStringList titres = {QStringLiteral("Contrastes successifs"), QStringLiteral("Champs récepteurs"),
                                QStringLiteral("Loi de Fechner"), QStringLiteral("Période réfractaire"),
                                QStringLiteral("Activité volont./réflexe"), QStringLiteral("Loi de Nernst")};
    for (int i = 0; i < 6; ++i) {
        onglets_[i] = new QWidget;
        onglets_[i]->setObjectName(QStringLiteral("Onglet%1").arg(i));
        auto *disposition = new QVBoxLayout(onglets_[i]);
        disposition->setContentsMargins(0, 0, 0, 0);
    }
    page_contrastes = static_cast<PageContrastes *>(page(0));
    for (int i = 0; i < 6; ++i) Notebook1->addTab(onglets_[i], titres[i]);
    // Every change of page by the pupil runs the entry steps, however it
    // came: a click on the tab strip, Ctrl+Tab, Ctrl+PageUp/Down, the arrows
    // on the strip. A page shown from code (a file opened) runs none.
    connect(Notebook1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0) return;
        page(index);
        if (!page_par_code_) Notebook1Click();
    });
    // Ctrl+PageDown and Ctrl+PageUp turn the pages as Ctrl+Tab does.
    for (const auto &[touches, pas] : {std::pair{QKeyCombination(Qt::CTRL | Qt::Key_PageDown), 1},
                                       std::pair{QKeyCombination(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto *raccourci = new QShortcut(QKeySequence(touches), this);
        connect(raccourci, &QShortcut::activated, this, [this, pas = pas] {
            Notebook1->setCurrentIndex((Notebook1->currentIndex() + pas + Notebook1->count()) % Notebook1->count());
        });
    }
    // A click on the tab of the page already showing runs them again. Only
    // the left button clicks a tab: the others are kept from the strip.
    Notebook1->tabBar()->installEventFilter(this);
    connect(Notebook1->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == Notebook1->currentIndex()) Notebook1Click();
    });

    creer_menus();
    // The keyboard reaches every item: access letters (Alt+F…), the usual
    // shortcuts, and F10 opens the first menu.
    lettres_d_acces(menuBar()->actions());
    const struct {
        const char *nom;
        QKeyCombination touches;
    } raccourcis[] = {
        {"Ouvrir1", Qt::CTRL | Qt::Key_O}, {"Sauve1", Qt::CTRL | Qt::Key_S},
        {"Quitter1", Qt::CTRL | Qt::Key_Q}, {"Apropos1", QKeyCombination(Qt::Key_F1)},
    };
    for (const auto &r : raccourcis)
        if (QAction *a = findChild<QAction *>(QLatin1String(r.nom))) a->setShortcut(QKeySequence(r.touches));
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });

    FormCreate();

    Form_coul = new TForm_coul(this);
    page_contrastes->set_form_coul(Form_coul);
}

void TForm1::creer_menus()
{
    QMenuBar *barre = menuBar();
    barre->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *fichier = barre->addMenu(QStringLiteral("Fichier"));
    fichier->setObjectName(QStringLiteral("Fichier1"));
    QAction *ouvrir = action(this, "Ouvrir1", QStringLiteral("Ouvrir"));
    QAction *sauve = action(this, "Sauve1", QStringLiteral("Enregistrer"));
    fichier->addAction(ouvrir);
    fichier->addAction(sauve);
    relier(ouvrir, [this] { Ouvrir1Click(); });
    relier(sauve, [this] { Sauve1Click(); });
    QAction *quitter = action(this, "Quitter1", QStringLiteral("Quitter"));
    fichier->addAction(quitter);
    relier(quitter, [this] { Quitter1Click(); });
    creer_menus_sorties(fichier, quitter);

    QMenu *options = barre->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options1"));
    QAction *voir = action(this, "Voirlacomplmentaire1", QStringLiteral("Voir la complémentaire"));
    QAction *pot = action(this, "Afficherlespotdquilibre1", QStringLiteral("Afficher les pot. d'équilibre"));
    QAction *mise = action(this, "Miseencouleur1", QStringLiteral("Mise en couleur"));
    voir->setCheckable(true);
    pot->setCheckable(true);
    options->addAction(voir);
    options->addAction(pot);
    options->addAction(mise);
    relier(voir, [this] { page_contrastes->Voirlacomplmentaire1Click(); });
    relier(mise, [this] { Miseencouleur1Click(); });
    relier(pot, [this] { page_nernst()->Afficherlespotdquilibre1Click(); });
    creer_menu_affichage(options);

    QMenu *nombre = barre->addMenu(QStringLiteral("Nombre de Couleurs"));
    nombre->setObjectName(QStringLiteral("NombredeCouleurs1"));
    QAction *une = action(this, "Unecouleur1", QStringLiteral("Une couleur"));
    QAction *deux = action(this, "Deuxcouleurs1", QStringLiteral("Deux couleurs"));
    QAction *trois = action(this, "Troiscouleurs1", QStringLiteral("Trois couleurs"));
    for (QAction *a : {une, deux, trois}) {
        a->setCheckable(true);
        nombre->addAction(a);
    }
    relier(une, [this] { page_contrastes->Unecouleur1Click(); });
    relier(deux, [this] { page_contrastes->Deuxcouleurs1Click(); });
    relier(trois, [this] { page_contrastes->Troiscouleurs1Click(); });

    QAction *apropos = action(this, "Apropos1", QStringLiteral("A propos"));
    barre->addAction(apropos);
    relier(apropos, [this] { Apropos1Click(); });
}

QFileDialog *TForm1::dialogue(const char *nom)
{
    // Made on first use: building a file dialog costs more than the whole
    // start-up sequence, and most sessions never open one.
    if (auto *d = findChild<QFileDialog *>(QLatin1String(nom), Qt::FindDirectChildrenOnly)) return d;
    const struct {
        const char *nom;
        bool enregistrer;
        const char *extension;
        QStringList filtres;
    } table[] = {
        {"OpenDialog1", false, "fch", {QStringLiteral("*.fch (*.fch)")}},
        {"SaveDialog1", true, "fch", {QStringLiteral("fch (*.fch)")}},
        {"OpenDialog2", false, "nst", {QStringLiteral("nst (*.nst)")}},
        {"SaveDialog2", true, "nst", {QStringLiteral("nst (*.nst)")}},
        {"OpenDialog3", false, "nst",
         {QStringLiteral("Nernst (*.nst)"), QStringLiteral("Fechner (*.fch)"), QStringLiteral("Les deux (*.nst *.fch)")}},
    };
    for (const auto &t : table) {
        if (qstrcmp(t.nom, nom) != 0) continue;
        auto *f = new QFileDialog(this);
        f->setObjectName(QLatin1String(t.nom));
        f->setOption(QFileDialog::DontUseNativeDialog, true);
        f->setAcceptMode(t.enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        f->setFileMode(QFileDialog::AnyFile);
        f->setOption(QFileDialog::DontConfirmOverwrite, !t.enregistrer);
        f->setDefaultSuffix(QLatin1String(t.extension));
        f->setNameFilters(t.filtres);
        f->setProxyModel(new ModeleFichiersFrancais(f));
        return f;
    }
    return nullptr;
}

void TForm1::fixer_taille_exterieure()
{
    const QSize marges = frameGeometry().size() - geometry().size();
    setFixedSize(QSize(799, 599) - marges);
}

void TForm1::FormCreate()
{
    // 1-2. Outer size 799 × 599, centred on the screen (divisions truncate
    // toward zero), kept within its available area: at a large display size
    // the centre would put the title bar and menus above the screen.
    fixer_taille_exterieure();
    if (const QScreen *ecran = QGuiApplication::primaryScreen()) {
        const QSize s = ecran->geometry().size();
        move(place_dans(ecran->availableGeometry(), Zoom::FENETRE, {(s.width() - 799) / 2, (s.height() - 599) / 2}));
    }
    // 4. The start directory, without its trailing separator.
    rep_depart_ = rep_courant();
    // 5. "Nombre de Couleurs" stays hidden for the whole run.
    findChild<QMenu *>(QStringLiteral("NombredeCouleurs1"))->menuAction()->setVisible(false);
}

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // The window manager's frame is known once shown: keep the outer size,
    // and the whole frame on the screen.
    const auto ajuster = [this] {
        fixer_taille_exterieure();
        garder_dans_ecran(this);
    };
    ajuster();
    // Some window managers give the frame's size a moment later: again then.
    QTimer::singleShot(300, this, ajuster);
}

void TForm1::Timer_debutTimer()
{
    // The steps of the pages other than the first run for the pages built so
    // far; a page built later runs them then (part_du_demarrage), with what
    // the steps 3, 12 and 16 read for it now.
    Timer_debut->stop();                                          // 1
    semer_horloge();                                              // 2
    etape([this] { lec_couleurs(); });                           // 3
    etape([this] { page_contrastes->raz_compteur_voir(); });      // 4
    etape([this] { page_contrastes->init_cases_coul(); });        // 6
    etape([this] {                                                // 7
        page_contrastes->Scroll_bleuChange();
        page_contrastes->Scroll_bleu2Change();
        page_contrastes->Scroll_bleu3Change();
    });
    etape([this] { page_contrastes->cacher_complementaire(); }); // 9
    etape([this] {                                                // 10
        page_contrastes->Unecouleur1Click();
        element_menu("Unecouleur1")->setChecked(true);
    });
    for (int p = 1; p < 6; ++p)                                   // 5, 8, 11, 13-15
        if (page_construite(p)) etapes_de_page(p);
    etape([this] { adap_cassybio(); });                          // 12
    etape([this] { charger_images(); });                          // 16
    demarrage_fait_ = true;
}

void TForm1::etapes_de_page(int index)
{
    // The steps of the start-up sequence that concern one page, in their
    // order; the pages do not depend on one another.
    if (index == 2) {
        PageFechner *p = page_fechner();
        etape([p] { p->ecrire_entetes(); });                       // 5
        etape([p] { p->BitBtn3Click(); });                         // 11
    } else if (index == 3) {
        PageNerf *p = page_nerf();
        etape([p] { p->affich_grad(); });                          // 15
    } else if (index == 5) {
        PageNernst *n = page_nernst();
        etape([n] {                                                // 8
            n->Scroll_gkChange();
            n->Scroll_gnaChange();
        });
        etape([n] { n->enregistrer_rapports(); });                 // 13
        etape([n] { n->concentrations_depart(); });                // 14
        etape([n] {                                                // 15
            n->calcul_images();
            n->grad_nernst();
        });
    }
}

void TForm1::part_du_demarrage(int index)
{
    // A page built late receives what the start-up read for it (colours, the
    // acquisition template, bitmaps) and, once the sequence has run, runs its
    // steps of it.
    for (auto i = couleurs_lues_.cbegin(); i != couleurs_lues_.cend(); ++i)
        if (FichierCouleurs::lignes_de_page(index).contains(i.key()))
            for (Cadre *cadre : cadres_de_ligne(i.key())) cadre->set_couleur(i.value());
    if (demarrage_fait_) etapes_de_page(index);
    if (index == 2 && cassybio_lu_)                                // 12
        page_fechner()->findChild<QPlainTextEdit *>(QStringLiteral("Memo_cassybio"))
            ->setPlainText(lignes_cassybio_.join(QLatin1Char('\n')));
    if (index == 5) {
        PageNernst *n = page_nernst();
        // Its two 100 ms timers would have ticked by now.
        if (demarrage_fait_) n->Timer_kTimer();
        for (const auto &[nom, image] : images_lues_)              // 16
            n->findChild<ImageWidget *>(QLatin1String(nom))->setPicture(image);
    }
}

QWidget *TForm1::page(int index)
{
    if (pages_[index]) return pages_[index];
    QWidget *p = nullptr;
    switch (index) {
    case 0: p = new PageContrastes(this); break;
    case 1: p = new PageChamps(this); break;
    case 2: p = new PageFechner(this); break;
    case 3: p = new PageNerf(this); break;
    case 4: p = new PageActivite(this); break;
    default: p = new PageNernst(this); break;
    }
    pages_[index] = p;
    onglets_[index]->layout()->addWidget(p);
    p->show(); // at once, not at the layout's next pass
    ordonner_tabulation(p);
    part_du_demarrage(index);
    return p;
}

PageChamps *TForm1::page_champs() { return static_cast<PageChamps *>(page(1)); }
PageFechner *TForm1::page_fechner() { return static_cast<PageFechner *>(page(2)); }
PageNerf *TForm1::page_nerf() { return static_cast<PageNerf *>(page(3)); }
PageActivite *TForm1::page_activite() { return static_cast<PageActivite *>(page(4)); }
PageNernst *TForm1::page_nernst() { return static_cast<PageNernst *>(page(5)); }

void TForm1::charger_images()
{
    // Each file replaces the built-in picture of its images; the first failure
    // is reported and the remaining loads are skipped. The Nernst page, when
    // not built yet, receives the pictures read here when it is.
    const struct {
        const char *fichier;
        std::initializer_list<const char *> images;
    } table[] = {
        {"an.bmp", {"ani", "ane"}},
        {"k.bmp", {"ima_ki", "ima_ke"}},
        {"na.bmp", {"ima_nai", "ima_nae"}},
        {"fl_i_e.bmp", {"Ima_fl_i_e"}},
        {"fl_e_i.bmp", {"ima_fl_e_i"}},
    };
    images_lues_.clear();
    for (const auto &t : table) {
        const QImage image = lire_bmp(joindre(rep_depart_, QLatin1String(t.fichier)));
        for (const char *nom : t.images) {
            if (page_construite(5))
                page_nernst()->findChild<ImageWidget *>(QLatin1String(nom))->setPicture(image);
            else
                images_lues_.append({nom, image});
        }
    }
}

void TForm1::Notebook1Click()
{
    const int page = Notebook1->currentIndex();
    etape([this, page] {
        if (page == 3) {
            changer_rep(rep_depart_);
            page_nerf()->BitBtn21Click();
        } else if (page == 4 || page == 1) {
            changer_rep(rep_depart_);
        }
    });
    if (page == 5) etape([this] { page_nernst()->calcul_images(); });
}

QString TForm1::choisir(QFileDialog *d)
{
    // The dialog's name filter lists the files the name box's wildcard would,
    // so the box is left empty for the pupil's own name, every time: the last
    // name would make Enter overwrite the previous group's file. The dialog
    // keeps the last name however asked (an empty selection is ignored), so
    // the box itself is cleared.
    if (auto *nom = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) nom->clear();
    // Nor may the file chosen last stay selected in the list, which Enter would take.
    for (auto *liste : d->findChildren<QAbstractItemView *>())
        if (liste->selectionModel()) liste->selectionModel()->clear();
    // The last filter lists every kind the dialog reads ("Les deux" where there are several).
    d->selectNameFilter(d->nameFilters().constLast());
    const QStringList choisis = executer_dialogue_fichiers(d);
    return choisis.isEmpty() ? QString() : choisis.constFirst();
}

void TForm1::Ouvrir1Click()
{
    const int page = Notebook1->currentIndex();
    if (page == 2) {
        const QString n = choisir(dialogue("OpenDialog1"));
        if (!n.isEmpty()) page_fechner()->lec_fechner(n);
    } else if (page == 5) {
        const QString n = choisir(dialogue("OpenDialog2"));
        if (!n.isEmpty()) page_nernst()->lec_nernst(n, true);
    } else {
        const QString n = choisir(dialogue("OpenDialog3"));
        if (!n.isEmpty()) {
            // Case-sensitive searches: a name holding both is read both ways, Nernst first.
            if (n.contains(QLatin1String(".nst")) || n.contains(QLatin1String(".NST"))) page_nernst()->lec_nernst(n, true);
            if (n.contains(QLatin1String(".fch")) || n.contains(QLatin1String(".FCH"))) page_fechner()->lec_fechner(n);
        } else if (page == 1 || page == 3 || page == 4) {
            etape([this] { changer_rep(rep_depart_); });
        }
    }
}

void TForm1::Sauve1Click()
{
    const QString page = Notebook1->tabText(Notebook1->currentIndex());
    if (page == QLatin1String("Loi de Fechner")) {
        const QString n = choisir(dialogue("SaveDialog1"));
        if (!n.isEmpty()) page_fechner()->sauver_fechner(n);
    } else if (page == QLatin1String("Loi de Nernst")) {
        const QString n = choisir(dialogue("SaveDialog2"));
        if (!n.isEmpty()) page_nernst()->sauver_nernst(n);
    }
}

void TForm1::Quitter1Click() { close(); }

void TForm1::Apropos1Click() { AboutBox()->exec(); }

TAboutBox *TForm1::AboutBox()
{
    if (!about_box_) about_box_ = new TAboutBox(this);
    return about_box_;
}

Tmise_couleur *TForm1::mise_couleur()
{
    if (!mise_couleur_) mise_couleur_ = new Tmise_couleur(this);
    return mise_couleur_;
}

void TForm1::adap_cassybio()
{
    QStringList lignes;
    if (!::adap_cassybio(rep_depart_, lignes, chemin_cassybio_)) return;
    // The template's lines are kept in the Fechner page's hidden line buffer,
    // or until that page is built.
    cassybio_lu_ = true;
    lignes_cassybio_ = lignes;
    if (page_construite(2))
        page_fechner()->findChild<QPlainTextEdit *>(QStringLiteral("Memo_cassybio"))
            ->setPlainText(lignes.join(QLatin1Char('\n')));
}

void TForm1::FormClose() { nettoyer_csb(); }

QList<Cadre *> TForm1::cadres_de_ligne(int ligne)
{
    // The frames of each line of the colour settings file, in file order.
    switch (ligne) {
    case 1: return {page_contrastes->GroupBox1};
    case 2: return {page_contrastes->GroupBox2};
    case 3: return {page_contrastes->GroupBox6};
    case 4: return {page_champs()->GroupBox4};
    case 5: return {page_fechner()->GroupBox3};
    case 6: return {page_nerf()->GroupBox7, page_nerf()->GroupBox11};
    case 7: return {page_activite()->GroupBox8};
    case 8: return {page_nernst()->GroupBox10};
    default: return {};
    }
}

void TForm1::lec_couleurs()
{
    // The frames of pages not built yet take their colour when they are.
    couleurs_lues_.clear();
    FichierCouleurs::lire(FichierCouleurs::nom(), [this](int ligne, Couleur c) {
        couleurs_lues_[ligne] = c;
        for (int p = 0; p < 6; ++p)
            if (page_construite(p) && FichierCouleurs::lignes_de_page(p).contains(ligne))
                for (Cadre *cadre : cadres_de_ligne(ligne)) cadre->set_couleur(c);
    });
}

void TForm1::sav_couleurs()
{
    FichierCouleurs::Valeurs valeurs{};
    for (int ligne = 1; ligne <= FichierCouleurs::NB_LIGNES; ++ligne)
        valeurs[ligne - 1] = cadres_de_ligne(ligne).first()->couleur();
    FichierCouleurs::ecrire(FichierCouleurs::nom(), valeurs);
}

void TForm1::Miseencouleur1Click()
{
    const QList<int> lignes = FichierCouleurs::lignes_de_page(page_courante());
    if (lignes.isEmpty()) return;
    mise_couleur()->partir_de(cadres_de_ligne(lignes.first()).first()->couleur());
    if (mise_couleur()->exec() != QDialog::Accepted) return;
    for (int ligne : lignes)
        for (Cadre *cadre : cadres_de_ligne(ligne)) cadre->set_couleur(mise_couleur()->couleur_mise);
    etape([this] { sav_couleurs(); });
}

bool TForm1::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == Notebook1->tabBar()) {
        const QEvent::Type t = evenement->type();
        if ((t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent *>(evenement)->button() != Qt::LeftButton)
            return true;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void TForm1::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

int TForm1::page_courante() const { return Notebook1->currentIndex(); }

void TForm1::montrer_page(int index)
{
    page_par_code_ = true;
    Notebook1->setCurrentIndex(index);
    page_par_code_ = false;
}

QAction *TForm1::element_menu(const char *nom) const { return findChild<QAction *>(QLatin1String(nom)); }

QImage TForm1::image_blanche() const
{
    if (blanc_.isNull()) blanc_ = image_unie(420, 220, BLANC);
    return blanc_;
}
