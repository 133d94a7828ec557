// The commands of the "Fichier" menu that take a page out of the program:
// its picture (clipboard, PNG, printer, PDF) and its data (spreadsheet file).
#include "app/tform1.h"
#include "colour/csvquestionnaire.h"
#include "colour/pagecontrastes.h"
#include "common/forme.h"
#include "common/sortiespage.h"
#include "fechner/csvfechner.h"
#include "fechner/pagefechner.h"
#include "membrane/csvnernst.h"
#include "membrane/pagenernst.h"
#include "nerve/csvnerf.h"
#include "nerve/pagenerf.h"

#include <QMenu>
#include <QTabWidget>

namespace {

// File names suggested for each page, without accents or blanks.
const char *const noms_fichiers[6] = {"contrastes-successifs", "champs-recepteurs",    "loi-de-fechner",
                                      "periode-refractaire",   "activite-reflexe", "loi-de-nernst"};
// The pages' full names, heading their sheets (a tab may abbreviate).
const char *const titres_pages[6] = {"Contrastes successifs", "Champs récepteurs", "Loi de Fechner",
                                     "Période réfractaire", "Activité volontaire et réflexe", "Loi de Nernst"};

} // namespace

void TForm1::creer_menus_sorties(QMenu *fichier, QAction *quitter)
{
    sorties = new SortiesPage(this, [this] { return source_sorties(); });
    sorties->ajouter_au_menu(fichier, quitter, true);
    // The data item follows the page showing.
    connect(Notebook1, &QTabWidget::currentChanged, sorties, &SortiesPage::mettre_a_jour);
}

QWidget *TForm1::vue_page(int index)
{
    // The notebook page as it shows, without the tabs or the window's frame.
    page(index);
    return onglets_[index];
}

QImage TForm1::image_page(int index) { return SortiesPage::image_ecran(vue_page(index)); }

std::function<Classeur()> TForm1::donnees_page(int index)
{
    // Nothing when the page has no numbers to give: the item is then disabled.
    switch (index) {
    case 0:
        return [this] {
            std::array<Couleur, NB_LIGNES> reponses{};
            std::array<std::optional<bool>, NB_LIGNES> marques{};
            for (int k = 0; k < NB_LIGNES; ++k) {
                reponses[k] = page_contrastes->coul2[k]->tag();
                const Couleur m = page_contrastes->cor[k]->couleur();
                if (m == LIME || m == ROUGE) marques[k] = m == LIME;
            }
            return Classeur{{QStringLiteral("Questionnaire"), lignes_csv_questionnaire(reponses, marques)}};
        };
    case 2:
        if (!page_construite(2) || !a_des_essais(page_fechner()->donnees())) return {};
        return [this] { return Classeur{{QStringLiteral("Essais"), lignes_csv_fechner(page_fechner()->donnees())}}; };
    case 3:
        if (!page_construite(3) || !page_nerf()->reglages_trace) return {};
        return [this] { return classeur_nerf(page_nerf()->modele, *page_nerf()->reglages_trace); };
    case 5: {
        if (!page_construite(5)) return {};
        const EtatNernst &e = page_nernst()->etat;
        if (e.programme.nb_etapes == 0 && e.enregistre.empty()) return {};
        return [this] {
            const EtatNernst &e = page_nernst()->etat;
            return classeur_nernst(e.programme, e.enregistre);
        };
    }
    default:
        return {};
    }
}

SortiesPage::Source TForm1::source_sorties()
{
    const int index = Notebook1->currentIndex();
    return {vue_page(index), QString::fromUtf8(titres_pages[index]), QLatin1String(noms_fichiers[index]),
            donnees_page(index)};
}
