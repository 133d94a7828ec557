#include "compagnons/mavoren/fenetremavoren.h"
#include "compagnons/commun/dialoguefichier.h"
#include "compagnons/commun/formatexw.h"
#include "compagnons/commun/texte.h"
#include "compagnons/commun/vuetraces.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>

#include "common/sortiespage.h"
#include "common/lettresacces.h"
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const LAMPE_ETEINTE = "background: #505050; border: 2px solid #202020; border-radius: 22px;";
const char *const LAMPE_ALLUMEE = "background: #ffff40; border: 2px solid #a08000; border-radius: 22px;";

// A recording view with its button to note the cursors' gap, in a titled box.
QGroupBox *boite_vue(QWidget *parent, const QString &titre, const QString &vide, VueTraces *&vue, QPushButton *&bouton,
                     const char *nom)
{
    auto *boite = new QGroupBox(titre, parent);
    auto *l = new QVBoxLayout(boite);
    vue = new VueTraces(boite);
    vue->setObjectName(QLatin1String(nom));
    vue->setAccessibleName(titre); // the two views told apart by their box's title
    vue->setMessageVide(vide);
    l->addWidget(vue, 1);
    auto *bas = new QHBoxLayout;
    auto *aide = new QLabel(QStringLiteral("Placez C1 au début du stimulus et C2 au début de l'EMG "
                                           "(glisser avec la souris, ou flèches et Maj+flèches, 1 et 2 pour choisir le curseur ; "
                                           "molette : zoom)."),
                            boite);
    aide->setWordWrap(true);
    bas->addWidget(aide, 1);
    bouton = new QPushButton(QStringLiteral("Noter l'écart Δt"), boite);
    bouton->setEnabled(false);
    bas->addWidget(bouton);
    l->addLayout(bas);
    return boite;
}

} // namespace

FenetreMavoren::FenetreMavoren(unsigned graine, QWidget *parent) : QMainWindow(parent), alea_(graine)
{
    setObjectName(QStringLiteral("mavoren"));
    setWindowTitle(QStringLiteral("mavoren - activité réflexe et activité volontaire"));
    QMenu *fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->addAction(QStringLiteral("&Enregistrer les essais..."), QKeySequence::Save, this, &FenetreMavoren::enregistrer);
    QAction *quitter = fichier->addAction(QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);

    auto *centre = new QWidget(this);
    setCentralWidget(centre);
    // The window leaves the program as a picture, a sheet or the table of measures.
    sorties = new SortiesPage(
        this,
        [this, centre] {
            SortiesPage::Source s{centre,
                                  windowTitle(), QStringLiteral("mavoren"), {}};
            if (mesures->rowCount() > 0) s.donnees = [this] { return Classeur{{QStringLiteral("Mesures"), lignes_mesures()}}; };
            return s;
        },
        SortiesPage::Libelles::Fenetre);
    sorties->ajouter_au_menu(fichier, quitter, true);
    lettres_d_acces(menuBar()->actions()); // Alt+F, then a letter, for every item
    auto *principal = new QHBoxLayout(centre);

    // Left: the subject, the two experiments, the measures.
    auto *gauche = new QVBoxLayout;
    principal->addLayout(gauche, 0);
    auto *boite_sujet = new QGroupBox(QStringLiteral("Le muscle étudié"), centre);
    auto *ls = new QVBoxLayout(boite_sujet);
    choix_reflexe = new QComboBox(boite_sujet);
    choix_reflexe->setObjectName(QStringLiteral("choix_reflexe"));
    for (const ArcReflexe &a : ArcReflexe::catalogue()) choix_reflexe->addItem(a.nom + QStringLiteral(" (") + a.muscle + ')');
    choix_reflexe->setCurrentIndex(1);
    ls->addWidget(choix_reflexe);
    texte_trajet = new QLabel(boite_sujet);
    texte_trajet->setWordWrap(true);
    ls->addWidget(texte_trajet);
    texte_vitesse = new QLabel(boite_sujet);
    ls->addWidget(texte_vitesse);
    curseur_vitesse = new QSlider(Qt::Horizontal, boite_sujet);
    curseur_vitesse->setObjectName(QStringLiteral("curseur_vitesse"));
    curseur_vitesse->setRange(10, 120);
    curseur_vitesse->setValue(60);
    curseur_vitesse->setAccessibleName(QStringLiteral("Vitesse de conduction dans les nerfs, en m/s"));
    ls->addWidget(curseur_vitesse);
    auto *note_vitesse = new QLabel(QStringLiteral("Fibres myélinisées d'un sujet sain : 50 à 70 m/s. "
                                                   "Une maladie qui détruit la myéline les ralentit."),
                                    boite_sujet);
    note_vitesse->setWordWrap(true);
    QFont petite = note_vitesse->font();
    petite.setItalic(true);
    note_vitesse->setFont(petite);
    ls->addWidget(note_vitesse);
    gauche->addWidget(boite_sujet);
    connect(choix_reflexe, &QComboBox::currentIndexChanged, this, &FenetreMavoren::reglages_changes);
    connect(curseur_vitesse, &QSlider::valueChanged, this, &FenetreMavoren::reglages_changes);

    auto *boite_exp = new QGroupBox(QStringLiteral("Expériences"), centre);
    auto *le = new QVBoxLayout(boite_exp);
    bouton_reflexe = new QPushButton(QStringLiteral("Frapper le tendon avec le marteau"), boite_exp);
    bouton_reflexe->setObjectName(QStringLiteral("bouton_reflexe"));
    le->addWidget(bouton_reflexe);
    auto *ligne_signal = new QHBoxLayout;
    bouton_signal = new QPushButton(QStringLiteral("Allumer le signal lumineux"), boite_exp);
    bouton_signal->setObjectName(QStringLiteral("bouton_signal"));
    ligne_signal->addWidget(bouton_signal, 1);
    lampe = new QLabel(boite_exp);
    lampe->setObjectName(QStringLiteral("lampe"));
    lampe->setFixedSize(44, 44);
    lampe->setStyleSheet(QLatin1String(LAMPE_ETEINTE));
    ligne_signal->addWidget(lampe);
    le->addLayout(ligne_signal);
    auto *consigne = new QLabel(QStringLiteral("Le sujet a reçu la consigne de contracter le muscle dès qu'il voit "
                                               "la lampe s'allumer."),
                                boite_exp);
    consigne->setWordWrap(true);
    le->addWidget(consigne);
    gauche->addWidget(boite_exp);
    connect(bouton_reflexe, &QPushButton::clicked, this, &FenetreMavoren::frapper_tendon);
    connect(bouton_signal, &QPushButton::clicked, this, &FenetreMavoren::allumer_signal);

    auto *boite_mesures = new QGroupBox(QStringLiteral("Mesures notées"), centre);
    auto *lmes = new QVBoxLayout(boite_mesures);
    mesures = new QTableWidget(0, 2, boite_mesures);
    mesures->setObjectName(QStringLiteral("mesures"));
    mesures->setAccessibleName(QStringLiteral("Mesures notées"));
    mesures->setHorizontalHeaderLabels({QStringLiteral("Essai"), QStringLiteral("Δt (ms)")});
    mesures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mesures->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    mesures->verticalHeader()->hide();
    mesures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lmes->addWidget(mesures);
    gauche->addWidget(boite_mesures, 1);
    for (QWidget *w : {static_cast<QWidget *>(boite_sujet), static_cast<QWidget *>(boite_exp),
                       static_cast<QWidget *>(boite_mesures)})
        w->setFixedWidth(300);

    // Right: the two recordings.
    auto *droite = new QVBoxLayout;
    principal->addLayout(droite, 1);
    droite->addWidget(boite_vue(centre, QStringLiteral("Réflexe myotatique : percussion du tendon"),
                                QStringLiteral("Cliquez sur « Frapper le tendon avec le marteau »."), vue_reflexe,
                                noter_reflexe, "vue_reflexe"),
                      1);
    droite->addWidget(boite_vue(centre, QStringLiteral("Mouvement volontaire : réaction à un signal lumineux"),
                                QStringLiteral("Cliquez sur « Allumer le signal lumineux »."), vue_volontaire,
                                noter_volontaire, "vue_volontaire"),
                      1);
    connect(noter_reflexe, &QPushButton::clicked, this, [this] { noter(vue_reflexe); });
    connect(noter_volontaire, &QPushButton::clicked, this, [this] { noter(vue_volontaire); });

    reglages_changes();
}

void FenetreMavoren::reglages_changes()
{
    sim_.arc = ArcReflexe::catalogue().at(std::max(0, choix_reflexe->currentIndex()));
    sim_.vitesse_m_s = curseur_vitesse->value();
    texte_vitesse->setText(QStringLiteral("Vitesse de conduction dans les nerfs : %1 m/s").arg(curseur_vitesse->value()));
    texte_trajet->setText(QStringLiteral("Muscle %1, centre réflexe dans la moelle épinière en %2.\n"
                                         "Trajet des fibres sensitives : %3 m ; des fibres motrices : %4 m.")
                              .arg(sim_.arc.muscle, sim_.arc.segment, en_francais(sim_.arc.afferent_m, 2),
                                   en_francais(sim_.arc.efferent_m, 2)));
}

void FenetreMavoren::frapper_tendon()
{
    ++nb_reflexes_;
    const QString nom = QStringLiteral("Réflexe n°%1 (%2, %3 m/s)").arg(nb_reflexes_).arg(sim_.arc.muscle).arg(sim_.vitesse_m_s);
    const SimulateurEmg::Essai e = sim_.essai_reflexe(alea_, nom);
    essais_.push_back(e.enregistrement);
    vue_reflexe->setEnregistrement(e.enregistrement);
    vue_reflexe->setCurseur(0, 0.0);
    vue_reflexe->setCurseur(1, 50.0);
    noter_reflexe->setEnabled(true);
}

void FenetreMavoren::allumer_signal()
{
    ++nb_volontaires_;
    const QString nom = QStringLiteral("Mouvement volontaire n°%1 (%2)").arg(nb_volontaires_).arg(sim_.arc.muscle);
    const SimulateurEmg::Essai e = sim_.essai_volontaire(alea_, nom);
    essais_.push_back(e.enregistrement);
    vue_volontaire->setEnregistrement(e.enregistrement);
    vue_volontaire->setCurseur(0, 0.0);
    vue_volontaire->setCurseur(1, 100.0);
    noter_volontaire->setEnabled(true);
    lampe->setStyleSheet(QLatin1String(LAMPE_ALLUMEE));
    QTimer::singleShot(400, lampe, [this] { lampe->setStyleSheet(QLatin1String(LAMPE_ETEINTE)); });
}

void FenetreMavoren::noter(VueTraces *vue)
{
    if (vue->enregistrement().essais.empty()) return;
    const int ligne = mesures->rowCount();
    mesures->insertRow(ligne);
    mesures->setItem(ligne, 0, new QTableWidgetItem(vue->enregistrement().essais.front().nom));
    auto *valeur = new QTableWidgetItem(en_francais(vue->ecart(), 1));
    valeur->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mesures->setItem(ligne, 1, valeur);
    mesures->scrollToBottom();
}

QList<csv::Ligne> FenetreMavoren::lignes_mesures() const
{
    // The table as shown: its headings, then its rows (the gaps already
    // written with a decimal comma).
    QList<csv::Ligne> lignes{{QStringLiteral("essai"), QStringLiteral("Δt (ms)")}};
    for (int r = 0; r < mesures->rowCount(); ++r) {
        csv::Ligne l;
        for (int c = 0; c < mesures->columnCount(); ++c) l.append(mesures->item(r, c) ? mesures->item(r, c)->text() : QString());
        lignes.append(l);
    }
    return lignes;
}

Enregistrement FenetreMavoren::tous_les_essais() const
{
    Enregistrement tout;
    tout.titre = QStringLiteral("Activité réflexe et activité volontaire (mavoren)");
    tout.periode_ms = SimulateurEmg::PERIODE_MS;
    tout.debut_ms = SimulateurEmg::DEBUT_MS;
    tout.notes << QStringLiteral("Le stimulus (choc du marteau ou allumage de la lampe) est au temps 0.");
    tout.voies << Enregistrement::Voie{QStringLiteral("Stimulus : marteau ou lampe"), QStringLiteral("V"), true, -1.0, 6.0}
               << Enregistrement::Voie{QStringLiteral("EMG"), QStringLiteral("mV"), false, 0.0, 0.0};
    for (const Enregistrement &e : essais_)
        for (const Enregistrement::Essai &essai : e.essais) tout.essais.push_back(essai);
    return tout;
}

void FenetreMavoren::enregistrer()
{
    if (essais_.empty()) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("Aucun essai à enregistrer."));
        return;
    }
    const QString chemin = choisir_fichier(this, QStringLiteral("Enregistrer les essais"), QStringLiteral("essais.exw"),
                                           QStringLiteral("Enregistrements (*.exw)"), true);
    if (chemin.isEmpty()) return;
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(FormatExw::ecrire(tous_les_essais())) < 0 || !f.commit())
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Ne peut créer le fichier %1.").arg(chemin));
}
