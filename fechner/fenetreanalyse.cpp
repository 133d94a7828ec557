#include "fechner/fenetreanalyse.h"
#include "fechner/csvanalyse.h"
#include "fechner/grillefechner.h"
#include "fechner/tracesanalyse.h"
#include "common/boutonimage.h"
#include "common/cadre.h"
#include "common/dialoguefichiers.h"
#include "common/ecran.h"
#include "common/erreures.h"
#include "common/fabrique.h"
#include "common/fichiertexte.h"
#include "common/imagewidget.h"
#include "common/polices.h"
#include "common/accessibilite.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {

// The scrolled page, and under it the buttons' bar, which always shows.
constexpr int LARGEUR = 900, HAUTEUR = 628, HAUTEUR_BOUTONS = 36;
// The tab strip above the plots.
constexpr int HAUTEUR_ONGLETS = 24;

QTableWidget *tableau(QWidget *parent, const char *nom, const QStringList &titres, const QList<int> &largeurs,
                      QRect place)
{
    auto *t = new QTableWidget(0, int(titres.size()), parent);
    t->setObjectName(QLatin1String(nom));
    t->setGeometry(place);
    t->setHorizontalHeaderLabels(titres);
    for (int c = 0; c < largeurs.size(); ++c) t->setColumnWidth(c, largeurs[c]);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(17);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Read by Tab and the arrows, a cell at a time.
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setFocusPolicy(Qt::StrongFocus);
    return t;
}

void remplir(QTableWidget *t, const QList<QStringList> &lignes, const QList<QString> &bulles = {})
{
    t->setRowCount(int(lignes.size()));
    for (int r = 0; r < lignes.size(); ++r)
        for (int c = 0; c < lignes[r].size() && c < t->columnCount(); ++c) {
            auto *item = new QTableWidgetItem(lignes[r][c]);
            // The list of files and the remarks read as text; the rest as numbers.
            const bool texte = t->columnCount() == 3 ? c != 1 : c == t->columnCount() - 1;
            item->setTextAlignment((texte ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            if (r < bulles.size()) item->setToolTip(bulles[r]);
            t->setItem(r, c, item);
        }
}

// The table of an analysis: one row per carried mass.
void remplir_analyse(QTableWidget *t, const AnalyseFechner &a)
{
    QList<QStringList> lignes;
    QList<QString> bulles;
    for (const LigneAnalyse &l : a.lignes) {
        lignes << QStringList{grammes(l.portee), QString::number(l.essais), texte_fausses_alertes(l), texte_seuil(l),
                              texte_rapport(l), remarque_seuil(l)};
        bulles << (l.methode == MethodeSeuil::Logistique
                       ? QStringLiteral("Seuil ajusté : masse ajoutée sentie une fois sur deux ; intervalle à 95 %")
                   : l.methode == MethodeSeuil::Encadrement
                       ? QStringLiteral("Réponses bien séparées : le seuil est entre la plus grande masse non sentie et la plus petite sentie")
                       : QStringLiteral("Pas de seuil : ") + remarque_seuil(l))
                  + (l.controles > 0 ? QStringLiteral("\nFausses alertes : %1 essais à 0 g sentis sur %2")
                                           .arg(l.fausses_alertes).arg(l.controles)
                                     : QString());
    }
    remplir(t, lignes, bulles);
}

BoutonImage *bouton(QWidget *parent, const char *nom, const QString &texte, QRect place)
{
    auto *b = new BoutonImage(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(place);
    return b;
}

QLabel *etiquette(QWidget *parent, const char *nom, QRect place)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(nom));
    l->setGeometry(place);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

const QStringList titres_analyse = {QStringLiteral("Masse\nportée (g)"), QStringLiteral("Essais"),
                                    QStringLiteral("Fausses\nalertes"),   QStringLiteral("Seuil\nΔI (g)"),
                                    QStringLiteral("ΔI/I"),                 QStringLiteral("Intervalle à 95 %\nou remarque")};
const QList<int> largeurs_analyse = {64, 46, 54, 52, 46};

// A picture in a page of the plots' tabs.
ImageWidget *trace(QWidget *page, const char *nom, QRect place)
{
    auto *i = new ImageWidget(page);
    i->setObjectName(QLatin1String(nom));
    i->setGeometry(place);
    return i;
}

} // namespace

FenetreAnalyse::FenetreAnalyse(const GrilleFechner *grille, QWidget *parent)
    : QWidget(parent, Qt::Window), grille_(grille)
{
    setObjectName(QStringLiteral("FenetreAnalyse"));
    donner_role(this, QAccessible::Window); // a window, not a filler, for screen readers
    setWindowTitle(QStringLiteral("Analyse des résultats"));
    setFont(police(QStringLiteral("Tahoma"), 11));
    // The controls on a page of the design size, scrolled when the screen is
    // smaller than the window (a large display size on a small screen).
    auto *contenu = new QWidget;
    contenu->setObjectName(QStringLiteral("contenu"));
    contenu->setFixedSize(LARGEUR, HAUTEUR);
    Defilement = new QScrollArea(this);
    Defilement->setObjectName(QStringLiteral("Defilement"));
    Defilement->setFrameShape(QFrame::NoFrame);
    Defilement->setFocusPolicy(Qt::NoFocus); // the keyboard starts on the first table, not on a nameless frame
    Defilement->setWidget(contenu);
    auto *boutons = new QWidget(this);
    boutons->setObjectName(QStringLiteral("Barre_boutons"));
    boutons->setFixedHeight(HAUTEUR_BOUTONS);
    auto *rangee = new QHBoxLayout(boutons);
    rangee->setContentsMargins(8, 2, 8, 9);
    rangee->setSpacing(8);
    rangee->addStretch();
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(Defilement);
    disposition->addWidget(boutons);
    setMaximumSize(LARGEUR, HAUTEUR + HAUTEUR_BOUTONS);
    resize(LARGEUR, HAUTEUR + HAUTEUR_BOUTONS);

    Cadre_groupe = creer_cadre(contenu, "Cadre_groupe", QStringLiteral("Grille de la page"), {8, 6, 436, 262});
    Table_groupe = tableau(Cadre_groupe, "Table_groupe", titres_analyse, largeurs_analyse, {8, 20, 420, 194});
    Label_k_groupe = etiquette(Cadre_groupe, "Label_k_groupe", {8, 218, 420, 38});

    Cadre_classe = creer_cadre(contenu, "Cadre_classe", QStringLiteral("La classe (toutes les grilles ensemble)"),
                               {8, 274, 436, 382});
    Bouton_classe = bouton(Cadre_classe, "Bouton_classe", QStringLiteral("Résultats de la classe…"), {8, 20, 170, 23});
    Label_classe = etiquette(Cadre_classe, "Label_classe", {186, 24, 242, 18});
    Label_classe->setText(QStringLiteral("Aucun fichier ouvert"));
    Table_fichiers = tableau(Cadre_classe, "Table_fichiers",
                             {QStringLiteral("Fichier"), QStringLiteral("k"), QStringLiteral("Remarque")}, {150, 60},
                             {8, 48, 420, 104});
    Table_classe = tableau(Cadre_classe, "Table_classe", titres_analyse, largeurs_analyse, {8, 158, 420, 160});
    Label_k_classe = etiquette(Cadre_classe, "Label_k_classe", {8, 322, 420, 54});

    // The plots, a tab each: the psychometric curve of one carried mass,
    // Weber's law (ΔI, then ΔI/I against I), Fechner's law.
    Onglets_traces = new QTabWidget(contenu);
    Onglets_traces->setObjectName(QStringLiteral("Onglets_traces"));
    Onglets_traces->setDocumentMode(true);
    Onglets_traces->setGeometry(456, 4, LARGEUR_TRACE, HAUTEUR_ONGLETS + 2 * HAUTEUR_TRACE);
    auto *page_psy = new QWidget, *page_weber = new QWidget, *page_fechner = new QWidget;
    Onglets_traces->addTab(page_psy, QStringLiteral("Courbe psychométrique"));
    Onglets_traces->addTab(page_weber, QStringLiteral("Loi de Weber"));
    Onglets_traces->addTab(page_fechner, QStringLiteral("Loi de Fechner"));
    Choix_masse = new QComboBox(page_psy);
    Choix_masse->setObjectName(QStringLiteral("Choix_masse"));
    Choix_masse->setAccessibleName(QStringLiteral("Masse portée de la courbe"));
    Choix_masse->setGeometry(0, 2, 200, 22);
    Ima_psychometrique = trace(page_psy, "Ima_psychometrique", {0, 28, LARGEUR_TRACE, 2 * HAUTEUR_TRACE - 28});
    Ima_weber = trace(page_weber, "Ima_weber", {0, 0, LARGEUR_TRACE, HAUTEUR_TRACE});
    Ima_rapports = trace(page_weber, "Ima_rapports", {0, HAUTEUR_TRACE, LARGEUR_TRACE, HAUTEUR_TRACE});
    Ima_fechner = trace(page_fechner, "Ima_fechner", {0, 0, LARGEUR_TRACE, 2 * HAUTEUR_TRACE});

    Memo_explication = creer_memo(contenu, "Memo_explication", {}, {456, 460, 436, 164});
    const std::pair<QWidget *, const char *> noms[] = {
        {Table_groupe, "Seuils de la grille de la page"}, {Table_fichiers, "Fichiers de la classe"},
        {Table_classe, "Seuils de la classe, toutes les grilles ensemble"},
        {Ima_psychometrique, "Courbe psychométrique : part sentie selon la masse ajoutée"},
        {Ima_weber, "Loi de Weber : seuil ΔI selon la masse portée I"},
        {Ima_rapports, "Loi de Weber : ΔI/I selon la masse portée I"},
        {Ima_fechner, "Loi de Fechner : sensation S selon ln I"}, {Memo_explication, "Explication"}};
    for (const auto &[w, nom] : noms) w->setAccessibleName(QString::fromUtf8(nom));
    Memo_explication->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo_explication->setFont(police(QStringLiteral("Tahoma"), 12));

    // Right-aligned under the page: where they stood in it when the window
    // has its full width, and still in sight when a small screen narrows it.
    Bouton_copier = bouton(boutons, "Bouton_copier", QStringLiteral("Copier l'image"), {0, 0, 130, 25});
    Bouton_enregistrer = bouton(boutons, "Bouton_enregistrer", QStringLiteral("Enregistrer l'image…"), {0, 0, 150, 25});
    Bouton_exporter = bouton(boutons, "Bouton_exporter", QStringLiteral("Exporter les données…"), {0, 0, 140, 25});
    for (QWidget *b : {static_cast<QWidget *>(Bouton_copier), static_cast<QWidget *>(Bouton_enregistrer),
                       static_cast<QWidget *>(Bouton_exporter)}) {
        b->setFixedSize(b->size());
        rangee->addWidget(b);
    }

    Timer_analyse = creer_minuterie(this, "Timer_analyse", 0);
    Timer_analyse->setSingleShot(true);

    connect(Timer_analyse, &QTimer::timeout, this, &FenetreAnalyse::actualiser);
    connect(Choix_masse, &QComboBox::currentIndexChanged, this, [this] { tracer_courbe(); });
    connect(Bouton_classe, &QAbstractButton::clicked, this, [this] { Bouton_classeClick(); });
    connect(Bouton_copier, &QAbstractButton::clicked, this, [this] { Bouton_copierClick(); });
    connect(Bouton_enregistrer, &QAbstractButton::clicked, this, [this] { Bouton_enregistrerClick(); });
    connect(Bouton_exporter, &QAbstractButton::clicked, this, [this] { Bouton_exporterClick(); });

    actualiser();
}

void FenetreAnalyse::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    ajuster_a_l_ecran();
    // Some window managers give the frame's size a moment later: again then.
    QTimer::singleShot(300, this, [this] { ajuster_a_l_ecran(); });
}

void FenetreAnalyse::ajuster_a_l_ecran()
{
    const QScreen *ecran = screen();
    if (!ecran) return;
    // No larger than the screen's available area, its frame included. Before
    // the window manager has framed it, the main window's frame stands for its own.
    const QSize dispo = ecran->availableGeometry().size() - taille_du_cadre(this, parentWidget());
    // Room for the scroll bar that a short screen brings, so that only one shows.
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize voulue(LARGEUR, HAUTEUR + HAUTEUR_BOUTONS);
    if (dispo.height() < voulue.height()) voulue.rwidth() += barre;
    if (dispo.width() < voulue.width()) voulue.rheight() += barre;
    setMaximumSize(voulue);
    resize(voulue.boundedTo(dispo));
    garder_dans_ecran(this);
}

void FenetreAnalyse::keyPressEvent(QKeyEvent *e)
{
    // Escape closes the window, as it does a dialog.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(e);
}

void FenetreAnalyse::grille_changee()
{
    if (isVisible() && !Timer_analyse->isActive()) Timer_analyse->start();
}

void FenetreAnalyse::actualiser()
{
    Timer_analyse->stop();
    analyse_ = analyser(*grille_);
    montrer();
}

void FenetreAnalyse::montrer()
{
    remplir_analyse(Table_groupe, analyse_);
    Label_k_groupe->setText(resume_weber(analyse_));
    const AnalyseFechner *commune = classe_ ? &classe_->commune : nullptr;
    Ima_weber->setPicture(tracer_weber(analyse_, commune));
    Ima_rapports->setPicture(tracer_rapports(analyse_, commune));
    Ima_fechner->setPicture(tracer_fechner(analyse_, commune, 2 * HAUTEUR_TRACE));
    // The carried masses of the psychometric curve, the choice kept when it still exists.
    const QString choisie = Choix_masse->currentText();
    {
        const QSignalBlocker bloque(Choix_masse);
        Choix_masse->clear();
        for (const LigneAnalyse &l : analyse_.lignes) Choix_masse->addItem(QStringLiteral("Grille : %1 g").arg(grammes(l.portee)));
        if (commune)
            for (const LigneAnalyse &l : commune->lignes) Choix_masse->addItem(QStringLiteral("Classe : %1 g").arg(grammes(l.portee)));
        Choix_masse->setCurrentIndex(std::max(0, Choix_masse->findText(choisie)));
    }
    tracer_courbe();
    // Rows left out (a heading that is not a mass) are said first.
    QStringList textes = textes_lignes_ecartees(lignes_ecartees(*grille_));
    if (classe_)
        for (const GroupeFechner &g : classe_->groupes)
            if (g.retenu)
                for (const QString &t : textes_lignes_ecartees(lignes_ecartees(g.grille))) textes << g.nom + QStringLiteral(" : ") + t;
    if (!textes.isEmpty()) textes << QString();
    // The class's numbers explain best when the page's grid has none yet; the text says whose they are.
    if (!analyse_.a_weber && commune && commune->a_weber) {
        textes << QStringLiteral("La grille de la page n'a pas encore de seuil : voici les nombres de la classe.");
        textes << explication_analyse(*commune, QStringLiteral("la classe (%1 grille%2)").arg(classe_->retenus())
                                                    .arg(classe_->retenus() > 1 ? QStringLiteral("s") : QString()));
    } else {
        textes << explication_analyse(analyse_, QStringLiteral("la grille de la page"));
    }
    Memo_explication->setPlainText(textes.join(QLatin1Char('\n')));
}

const LigneAnalyse *FenetreAnalyse::ligne_choisie(bool *de_la_classe) const
{
    const int i = Choix_masse->currentIndex();
    const bool classe = i >= analyse_.lignes.size();
    if (de_la_classe) *de_la_classe = classe;
    if (i < 0) return nullptr;
    if (!classe) return &analyse_.lignes[i];
    const qsizetype j = i - analyse_.lignes.size();
    return classe_ && j < classe_->commune.lignes.size() ? &classe_->commune.lignes[j] : nullptr;
}

QImage FenetreAnalyse::courbe(int hauteur) const
{
    bool classe = false;
    const LigneAnalyse *l = ligne_choisie(&classe);
    return tracer_psychometrique(l, Choix_masse->currentText(), classe, hauteur);
}

void FenetreAnalyse::tracer_courbe() { Ima_psychometrique->setPicture(courbe(Ima_psychometrique->height())); }

void FenetreAnalyse::charger_classe(const QStringList &chemins)
{
    classe_ = std::make_unique<ClasseFechner>(analyser_classe(chemins));
    QList<QStringList> lignes;
    for (const GroupeFechner &g : classe_->groupes) {
        if (g.retenu)
            lignes << QStringList{g.nom, g.analyse.a_weber ? nombre_significatif(g.analyse.k, 2) : QString(),
                                  !g.analyse.a_weber ? QStringLiteral("Pas assez d'essais")
                                  : g.analyse.a_intervalle ? QStringLiteral("à 95 % : ") + nombre_significatif(g.analyse.k_bas, 2) + QStringLiteral(" à ")
                                                                 + nombre_significatif(g.analyse.k_haut, 2)
                                                           : QString()};
        else
            lignes << QStringList{g.nom, QString(), QStringLiteral("écarté : ") + g.raison};
    }
    remplir(Table_fichiers, lignes);
    Label_classe->setText(QStringLiteral("%1 fichier(s) retenu(s) sur %2").arg(classe_->retenus()).arg(chemins.size()));
    remplir_analyse(Table_classe, classe_->commune);
    Label_k_classe->setText(QStringLiteral("Toutes les grilles ensemble : ") + resume_weber(classe_->commune)
                            + QLatin1Char('\n') + texte_groupes(*classe_));
    montrer();
}

QFileDialog *FenetreAnalyse::dialogue(const char *nom)
{
    if (auto *d = findChild<QFileDialog *>(QLatin1String(nom), Qt::FindDirectChildrenOnly)) return d;
    auto *d = new QFileDialog(this);
    d->setObjectName(QLatin1String(nom));
    d->setOption(QFileDialog::DontUseNativeDialog, true);
    if (qstrcmp(nom, "DialogueClasse") == 0) {
        d->setWindowTitle(QStringLiteral("Résultats de la classe"));
        d->setAcceptMode(QFileDialog::AcceptOpen);
        d->setFileMode(QFileDialog::ExistingFiles);
        d->setNameFilters({QStringLiteral("Fechner (*.fch)")});
    } else {
        const bool image = qstrcmp(nom, "DialogueImage") == 0;
        d->setWindowTitle(image ? QStringLiteral("Enregistrer l'image") : QStringLiteral("Exporter les données"));
        d->setAcceptMode(QFileDialog::AcceptSave);
        d->setFileMode(QFileDialog::AnyFile);
        d->setDefaultSuffix(image ? QStringLiteral("png") : QStringLiteral("csv"));
        d->setNameFilters({image ? QStringLiteral("Image PNG (*.png)") : QStringLiteral("Données CSV (*.csv)")});
    }
    return d;
}

QString FenetreAnalyse::choisir(const char *nom)
{
    const QStringList choisis = executer_dialogue_fichiers(dialogue(nom));
    return choisis.isEmpty() ? QString() : choisis.constFirst();
}

void FenetreAnalyse::Bouton_classeClick()
{
    const QStringList choisis = executer_dialogue_fichiers(dialogue("DialogueClasse"));
    if (!choisis.isEmpty()) charger_classe(choisis);
}

QImage FenetreAnalyse::image() const
{
    return image_analyse(analyse_, classe_ ? &classe_->commune : nullptr, courbe(HAUTEUR_TRACE));
}

void FenetreAnalyse::Bouton_copierClick() { QGuiApplication::clipboard()->setImage(image()); }

void FenetreAnalyse::Bouton_enregistrerClick()
{
    const QString chemin = choisir("DialogueImage");
    if (!chemin.isEmpty()) enregistrer_image(chemin);
}

void FenetreAnalyse::Bouton_exporterClick()
{
    const QString chemin = choisir("DialogueDonnees");
    if (!chemin.isEmpty()) exporter_donnees(chemin);
}

namespace {

// Atomic save; any failure is reported as the file not created.
bool sauver(const QString &chemin, const QByteArray &octets)
{
    try {
        if (ecrire_fichier(chemin, octets)) return true;
    } catch (const ErreurES &) {
    }
    signaler(ErreurES::creation(chemin));
    return false;
}

} // namespace

bool FenetreAnalyse::enregistrer_image(const QString &chemin)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image().save(&tampon, "PNG");
    return sauver(chemin, octets);
}

bool FenetreAnalyse::exporter_donnees(const QString &chemin)
{
    return sauver(chemin, csv_analyse(analyse_, classe_.get()));
}
