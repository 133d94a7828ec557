// The main window's display size: the "Taille de l'affichage" items of the
// Options menu and the restart they may ask for.
#include "app/tform1.h"
#include "app/zoom.h"
#include "fechner/grillefechner.h"
#include "fechner/pagefechner.h"
#include "membrane/pagenernst.h"
#include "common/plateforme.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

namespace {

QString nom_taille(int pourcentage) { return QStringLiteral("Taille%1").arg(pourcentage); }

// A French question with the program's title; the box carries a name so that
// tests can answer it.
QMessageBox::StandardButton demander(QWidget *parent, const char *nom, const QString &texte,
                                     QMessageBox::StandardButtons boutons, QMessageBox::StandardButton defaut)
{
    QMessageBox b(QMessageBox::Question, QStringLiteral("Kalmeno"), texte, boutons, parent);
    b.setObjectName(QLatin1String(nom));
    b.setDefaultButton(defaut);
    return static_cast<QMessageBox::StandardButton>(b.exec());
}

bool grille_vide(const GrilleFechner &g)
{
    for (int l = 1; l < GrilleFechner::LIGNES; ++l)
        for (int c = 1; c < GrilleFechner::COLONNES; ++c)
            if (!g.cellule(c, l).isEmpty()) return false;
    return true;
}

} // namespace

void TForm1::creer_menu_affichage(QMenu *options)
{
    QMenu *taille = options->addMenu(QStringLiteral("Taille de l'affichage"));
    taille->setObjectName(QStringLiteral("Tailledelaffichage1"));
    auto *groupe = new QActionGroup(taille);
    groupe->setExclusive(true);
    for (int t : Zoom::TAILLES) {
        auto *a = new QAction(QStringLiteral("%1 %").arg(t), this);
        a->setObjectName(nom_taille(t));
        a->setCheckable(true);
        a->setChecked(t == Zoom::taille_en_cours());
        groupe->addAction(a);
        taille->addAction(a);
        connect(a, &QAction::triggered, this, [this, t] { choisir_taille_affichage(t); });
    }
    taille->addSeparator();
    auto *ajuster = new QAction(QStringLiteral("Ajuster à l'écran"), this);
    ajuster->setObjectName(QStringLiteral("Ajusteralecran1"));
    taille->addAction(ajuster);
    connect(ajuster, &QAction::triggered, this, &TForm1::Ajusteralecran1Click);
}

void TForm1::Ajusteralecran1Click()
{
    const QScreen *ecran = screen();
    if (!ecran) return;
    // The available area as it would be measured at 100 %.
    const QSize disponible = ecran->availableGeometry().size() * Zoom::taille_en_cours() / 100;
    choisir_taille_affichage(Zoom::taille_ajustee(disponible));
}

void TForm1::choisir_taille_affichage(int pourcentage)
{
    if (!Zoom::taille_valide(pourcentage)) return;
    Zoom::memoriser(pourcentage);
    if (QAction *a = findChild<QAction *>(nom_taille(pourcentage))) a->setChecked(true);
    if (pourcentage == Zoom::taille_en_cours()) return;
    const auto r = demander(this, "QuestionRedemarrer",
                            QStringLiteral("L'affichage passera à %1 % au prochain démarrage de Kalmeno.\n"
                                           "Redémarrer Kalmeno maintenant ?")
                                .arg(pourcentage),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (r != QMessageBox::Yes || !sauver_avant_redemarrage()) return;
    // The new program reads the remembered size; it starts in the start folder.
    if (lancer_detache({QCoreApplication::applicationFilePath(), {}, rep_depart_})) close();
}

bool TForm1::sauver_avant_redemarrage()
{
    const struct {
        int page;
        const char *question;
        QString texte;
        const char *dialogue;
    } travaux[] = {
        {2, "QuestionFechner", QStringLiteral("Enregistrer la grille de la loi de Fechner avant de redémarrer ?"),
         "SaveDialog1"},
        {5, "QuestionNernst", QStringLiteral("Enregistrer le programme de la loi de Nernst avant de redémarrer ?"),
         "SaveDialog2"},
    };
    for (const auto &t : travaux) {
        // Only what the pupil can have written: a page never built holds nothing.
        if (!page_construite(t.page)) continue;
        if (t.page == 2 && grille_vide(page_fechner()->donnees())) continue;
        if (t.page == 5 && page_nernst()->etat.programme.nb_etapes == 0) continue;
        const auto r = demander(this, t.question, t.texte, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Yes);
        if (r == QMessageBox::Cancel) return false;
        if (r != QMessageBox::Yes) continue;
        // The usual save dialog; cancelling it or a failed save keeps the program running.
        const QString n = choisir(dialogue(t.dialogue));
        if (n.isEmpty()) return false;
        const bool ok = t.page == 2 ? page_fechner()->sauver_fechner(n) : page_nernst()->sauver_nernst(n);
        if (!ok) return false;
    }
    return true;
}
