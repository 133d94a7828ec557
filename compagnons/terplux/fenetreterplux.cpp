#include "compagnons/terplux/fenetreterplux.h"
#include "compagnons/commun/texte.h"
#include "compagnons/terplux/vueimage.h"
#include "compagnons/terplux/vueprofil.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>

#include "common/sortiespage.h"
#include "common/lettresacces.h"
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <iterator>
#include <tuple>

namespace {

constexpr Motif MOTIFS[] = {Motif::HermannNoir, Motif::HermannBlanc, Motif::BandesMach, Motif::ContrasteSimultane};

QSlider *curseur(QWidget *parent, const char *nom, int min, int max, int valeur)
{
    auto *s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QLatin1String(nom));
    s->setRange(min, max);
    s->setValue(valeur);
    return s;
}

} // namespace

FenetreTerplux::FenetreTerplux(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("terplux"));
    setWindowTitle(QStringLiteral("terplux - inhibition latérale"));
    QMenu *fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    QAction *quitter = fichier->addAction(QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);
    QMenu *aide = menuBar()->addMenu(QStringLiteral("&Aide"));
    aide->addAction(QStringLiteral("À &propos de terplux"), QKeySequence(Qt::Key_F1), this, [this] {
        QMessageBox::about(this, QStringLiteral("À propos de terplux"),
                           QStringLiteral("terplux\n\nChamps récepteurs et inhibition latérale : la réponse d'une rétine "
                                          "de cellules centre-pourtour à des images qui trompent l'œil.\n\n"
                                          "Compagnon de Kalmeno."));
    });

    auto *centre = new QWidget(this);
    setCentralWidget(centre);
    // The window leaves the program as a picture, a sheet or the profile's numbers.
    sorties = new SortiesPage(
        this,
        [this, centre] {
            return SortiesPage::Source{
                centre, windowTitle(),
                QStringLiteral("terplux"), [this] { return classeur_profil(); }};
        },
        SortiesPage::Libelles::Fenetre);
    sorties->ajouter_au_menu(fichier, quitter, true);
    lettres_d_acces(menuBar()->actions()); // Alt+F, then a letter, for every item
    auto *principal = new QHBoxLayout(centre);

    // Left: the picture, the receptive field, what to observe.
    auto *gauche = new QVBoxLayout;
    principal->addLayout(gauche, 0);
    auto *boite_motifs = new QGroupBox(QStringLiteral("Image présentée à la rétine"), centre);
    auto *lm = new QVBoxLayout(boite_motifs);
    motifs = new QButtonGroup(this);
    for (int i = 0; i < int(std::size(MOTIFS)); ++i) {
        auto *r = new QRadioButton(nom_motif(MOTIFS[i]), boite_motifs);
        r->setObjectName(QStringLiteral("motif%1").arg(i));
        motifs->addButton(r, i);
        lm->addWidget(r);
    }
    motifs->button(0)->setChecked(true);
    connect(motifs, &QButtonGroup::idClicked, this, [this](int id) { choisir_motif(MOTIFS[id]); });
    gauche->addWidget(boite_motifs);

    auto *boite_champ = new QGroupBox(QStringLiteral("Champ récepteur des cellules"), centre);
    auto *lc = new QVBoxLayout(boite_champ);
    texte_force = new QLabel(boite_champ);
    curseur_force = curseur(boite_champ, "curseur_force", 0, 100, 80);
    texte_taille = new QLabel(boite_champ);
    curseur_taille = curseur(boite_champ, "curseur_taille", 5, 50, 30);
    // Each slider named by its label, which also gives its value.
    texte_force->setBuddy(curseur_force);
    texte_taille->setBuddy(curseur_taille);
    curseur_force->setAccessibleName(QStringLiteral("Force de l'inhibition par le pourtour"));
    curseur_taille->setAccessibleName(QStringLiteral("Rayon du centre du champ récepteur"));
    lc->addWidget(texte_force);
    lc->addWidget(curseur_force);
    lc->addWidget(texte_taille);
    lc->addWidget(curseur_taille);
    auto *ligne_champ = new QHBoxLayout;
    image_champ = new QLabel(boite_champ);
    image_champ->setObjectName(QStringLiteral("image_champ"));
    image_champ->setFixedSize(110, 110);
    image_champ->setFrameShape(QFrame::Box);
    ligne_champ->addWidget(image_champ);
    auto *legende_champ = new QLabel(QStringLiteral("<b>Centre</b> clair : la lumière y excite la cellule.<br><br>"
                                                    "<b>Pourtour</b> sombre : la lumière y inhibe la cellule."),
                                     boite_champ);
    legende_champ->setWordWrap(true);
    ligne_champ->addWidget(legende_champ, 1);
    lc->addLayout(ligne_champ);
    gauche->addWidget(boite_champ);
    connect(curseur_force, &QSlider::valueChanged, this, &FenetreTerplux::calculer);
    connect(curseur_taille, &QSlider::valueChanged, this, &FenetreTerplux::calculer);

    auto *boite_texte = new QGroupBox(QStringLiteral("Ce qu'il faut observer"), centre);
    auto *lt = new QVBoxLayout(boite_texte);
    explication = new QLabel(boite_texte);
    explication->setObjectName(QStringLiteral("explication"));
    explication->setWordWrap(true);
    explication->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lt->addWidget(explication);
    gauche->addWidget(boite_texte, 1);
    for (QWidget *w : {static_cast<QWidget *>(boite_motifs), static_cast<QWidget *>(boite_champ),
                       static_cast<QWidget *>(boite_texte)})
        w->setFixedWidth(300);

    // Right: the two pictures side by side, the profile under them.
    auto *droite = new QVBoxLayout;
    principal->addLayout(droite, 1);
    auto *images = new QHBoxLayout;
    vue_stimulus = new VueImage(QStringLiteral("Image présentée"), centre);
    vue_stimulus->setObjectName(QStringLiteral("vue_stimulus"));
    vue_reponse = new VueImage(QStringLiteral("Réponse des cellules de la rétine"), centre);
    vue_reponse->setObjectName(QStringLiteral("vue_reponse"));
    images->addWidget(vue_stimulus);
    images->addWidget(vue_reponse);
    droite->addLayout(images);
    auto *aide_ligne = new QLabel(QStringLiteral("Cliquez sur une image pour déplacer la ligne rouge du profil "
                                                 "(ou Tab jusqu'à elle, puis flèches haut et bas)."),
                                  centre);
    aide_ligne->setAlignment(Qt::AlignCenter);
    droite->addWidget(aide_ligne);
    profil = new VueProfil(centre);
    profil->setObjectName(QStringLiteral("profil"));
    droite->addWidget(profil, 1);
    connect(vue_stimulus, &VueImage::ligneChoisie, this, &FenetreTerplux::montrer_ligne);
    connect(vue_reponse, &VueImage::ligneChoisie, this, &FenetreTerplux::montrer_ligne);

    choisir_motif(Motif::HermannNoir);
}

void FenetreTerplux::choisir_motif(Motif m)
{
    motif_ = m;
    for (int i = 0; i < int(std::size(MOTIFS)); ++i)
        if (MOTIFS[i] == m) motifs->button(i)->setChecked(true);
    stimulus_ = creer_stimulus(m);
    vue_stimulus->setImage(stimulus_.image.image(0.0, 1.0));
    explication->setText(explication_motif(m));
    vue_stimulus->setLigne(stimulus_.ligne_conseillee);
    calculer();
}

void FenetreTerplux::calculer()
{
    retine_.force = curseur_force->value() / 100.0;
    retine_.sigma_centre = curseur_taille->value() / 10.0;
    texte_force->setText(QStringLiteral("Force de l'inhibition par le pourtour : %1 %").arg(curseur_force->value()));
    texte_taille->setText(QStringLiteral("Rayon du centre : %1 pixels (pourtour : %2)")
                              .arg(en_francais(retine_.sigma_centre, 1), en_francais(retine_.sigma_pourtour(), 1)));
    image_champ->setPixmap(QPixmap::fromImage(retine_.image_champ(110, 110.0 / (7.0 * retine_.sigma_pourtour()))));

    reponse_ = retine_.reponse(stimulus_.image);
    std::tie(lo_, hi_) = reponse_.extremes();
    if (!(hi_ > lo_)) hi_ = lo_ + 1.0;
    vue_reponse->setImage(reponse_.image(lo_, hi_));
    montrer_ligne(vue_stimulus->ligne());
}

double FenetreTerplux::gris_reponse(int x, int y) const { return (reponse_.at(x, y) - lo_) / (hi_ - lo_); }

void FenetreTerplux::montrer_ligne(int y)
{
    vue_stimulus->setLigne(y);
    vue_reponse->setLigne(y);
    std::vector<double> r = reponse_.ligne(vue_stimulus->ligne());
    for (double &v : r) v = (v - lo_) / (hi_ - lo_);
    profil_stimulus_ = stimulus_.image.ligne(vue_stimulus->ligne());
    profil_reponse_ = r;
    profil->setProfils(profil_stimulus_, profil_reponse_);
}

Classeur FenetreTerplux::classeur_profil() const
{
    QList<csv::Ligne> lignes{{QStringLiteral("x (pixel)"), QStringLiteral("luminance de l'image (0 noir, 1 blanc)"),
                              QStringLiteral("réponse des cellules (0 noir, 1 blanc)")}};
    for (std::size_t x = 0; x < profil_stimulus_.size(); ++x)
        lignes.append({csv::nombre(qint64(x)), csv::nombre(profil_stimulus_[x], 3),
                       x < profil_reponse_.size() ? csv::nombre(profil_reponse_[x], 3) : QString()});
    return {{QStringLiteral("Réglage"), {{QStringLiteral("ligne du profil"), csv::nombre(vue_stimulus->ligne())}}, 0},
            {QStringLiteral("Profil"), lignes}};
}
