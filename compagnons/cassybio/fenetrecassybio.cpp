#include "compagnons/cassybio/fenetrecassybio.h"
#include "common/plateforme.h"
#include "compagnons/commun/dialoguefichier.h"
#include "compagnons/commun/formatexw.h"
#include "compagnons/commun/vuetraces.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include "common/sortiespage.h"
#include "compagnons/commun/csvenregistrement.h"
#include "common/lettresacces.h"

FenetreCassybio::FenetreCassybio(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("cassybio"));
    setWindowTitle(QStringLiteral("cassybio - visualisation d'enregistrements"));
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Fichier"));
    menu->addAction(QStringLiteral("&Ouvrir..."), QKeySequence::Open, this, &FenetreCassybio::dialogue_ouvrir);
    QAction *quitter = menu->addAction(QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);

    auto *centre = new QWidget(this);
    setCentralWidget(centre);
    // The view leaves the program as a picture, a sheet or the trials' numbers.
    sorties = new SortiesPage(
        this,
        [this, centre] {
            // The sheet is headed by the recording's own title, as the window shows it.
            SortiesPage::Source s{centre, titre->text(), QStringLiteral("enregistrement"), {}};
            if (!vue->enregistrement().essais.empty())
                s.donnees = [this] {
                    return Classeur{{QStringLiteral("Enregistrement"), lignes_csv_enregistrement(vue->enregistrement())}};
                };
            return s;
        },
        SortiesPage::Libelles::Fenetre);
    sorties->ajouter_au_menu(menu, quitter, true);
    lettres_d_acces(menuBar()->actions()); // Alt+F, then a letter, for every item
    auto *principal = new QVBoxLayout(centre);
    titre = new QLabel(QStringLiteral("Aucun enregistrement ouvert"), centre);
    titre->setObjectName(QStringLiteral("titre"));
    QFont f = titre->font();
    f.setPixelSize(17);
    f.setBold(true);
    titre->setFont(f);
    titre->setWordWrap(true); // a long recording name must not widen the window past a small screen
    principal->addWidget(titre);
    notes = new QLabel(QStringLiteral("Ouvrez un enregistrement par le menu Fichier."), centre);
    notes->setObjectName(QStringLiteral("notes"));
    notes->setWordWrap(true);
    principal->addWidget(notes);

    auto *milieu = new QHBoxLayout;
    principal->addLayout(milieu, 1);
    auto *boite = new QGroupBox(QStringLiteral("Essais"), centre);
    boite->setFixedWidth(230);
    auto *lb = new QVBoxLayout(boite);
    liste_essais = new QListWidget(boite);
    liste_essais->setObjectName(QStringLiteral("liste_essais"));
    liste_essais->setAccessibleName(QStringLiteral("Essais")); // named as its frame says
    lb->addWidget(liste_essais, 1);
    superposition = new QCheckBox(QStringLiteral("Superposer la série"), boite);
    superposition->setObjectName(QStringLiteral("superposition"));
    lb->addWidget(superposition);
    milieu->addWidget(boite);
    vue = new VueTraces(centre);
    vue->setObjectName(QStringLiteral("vue"));
    vue->setMessageVide(QStringLiteral("Aucun enregistrement ouvert"));
    milieu->addWidget(vue, 1);
    auto *aide = new QLabel(QStringLiteral("Curseurs : glisser avec la souris (le plus proche suit ; bouton droit : C2), "
                                           "ou au clavier : flèches (Maj : dix points), 1 et 2 pour choisir le curseur. "
                                           "Molette : zoom sur le temps ; double clic ou Origine : tout l'enregistrement."),
                            centre);
    aide->setWordWrap(true);
    principal->addWidget(aide);

    connect(liste_essais, &QListWidget::currentRowChanged, vue, &VueTraces::setEssaiCourant);
    connect(superposition, &QCheckBox::toggled, vue, &VueTraces::setSuperposition);
}

QString FenetreCassybio::ouvrir(const QString &chemin)
{
    const QString vrai = chemin_insensible(chemin);
    const FormatExw::Lecture l = FormatExw::lire_fichier(vrai);
    if (!l.ok) return l.erreur;
    fichier_ = vrai;
    setWindowTitle(QStringLiteral("cassybio - ") + QFileInfo(vrai).fileName());
    titre->setText(l.enregistrement.titre.isEmpty() ? QFileInfo(vrai).fileName() : l.enregistrement.titre);
    notes->setText(l.enregistrement.notes.join(QLatin1Char('\n')));
    notes->setVisible(!l.enregistrement.notes.isEmpty());
    vue->setEnregistrement(l.enregistrement);
    liste_essais->clear();
    for (const Enregistrement::Essai &e : l.enregistrement.essais)
        liste_essais->addItem(e.nom.isEmpty() ? QStringLiteral("Essai %1").arg(liste_essais->count() + 1) : e.nom);
    liste_essais->setCurrentRow(0);
    return {};
}

void FenetreCassybio::ouvrir_et_signaler(const QString &chemin)
{
    const QString erreur = ouvrir(chemin);
    if (!erreur.isEmpty())
        QMessageBox::critical(this, QStringLiteral("cassybio"),
                              QStringLiteral("L'enregistrement %1 ne peut pas être ouvert.\n\n%2").arg(chemin, erreur));
}

void FenetreCassybio::dialogue_ouvrir()
{
    const QString depart = fichier_.isEmpty() ? QString() : QFileInfo(fichier_).path();
    const QString chemin = choisir_fichier(this, QStringLiteral("Ouvrir un enregistrement"), depart,
                                           QStringLiteral("Enregistrements (*.exw);;Tous les fichiers (*)"), false);
    if (!chemin.isEmpty()) ouvrir_et_signaler(chemin);
}
