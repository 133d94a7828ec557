// Medians of the colour page's frequent work: one bar change with its four
// fills of the Venn picture (the panel follows every position of a drag), a
// fixation tick, and the read and write of couleurs.kmo.
#include "assets/venn.h"
#include "colour/fichiercouleurs.h"
#include "colour/pagecontrastes.h"
#include "common/hote.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// The main window as the page sees it, reduced to what the page asks.
class Hote : public HotePage {
public:
    QWidget racine;
    mutable QMap<QByteArray, QAction *> actions;
    int page_courante() const override { return 0; }
    void montrer_page(int) override {}
    QAction *element_menu(const char *nom) const override
    {
        QAction *&a = actions[QByteArray(nom)];
        if (!a) {
            a = new QAction(const_cast<QWidget *>(&racine));
            a->setCheckable(true);
        }
        return a;
    }
    QString rep_depart() const override { return {}; }
    QImage image_blanche() const override { return {}; }
    QWidget *fenetre() override { return &racine; }
};

void changement_de_barre(benchmark::State &etat)
{
    Hote hote;
    PageContrastes page(&hote);
    int p = 0;
    for (auto _ : etat) {
        // Every position differs from the last, so each runs the whole chain.
        page.scroll_rouge->setValue(p);
        p = (p + 7) % 246;
    }
}
BENCHMARK(changement_de_barre)->Unit(benchmark::kMicrosecond);

void tic_de_fixation(benchmark::State &etat)
{
    Hote hote;
    PageContrastes page(&hote);
    for (auto _ : etat) {
        page.btn_lancerClick();
        page.Timer_voirTimer();
        etat.PauseTiming();
        page.Timer_reaff_imageTimer();
        page.btn_lancerClick();
        etat.ResumeTiming();
    }
}
BENCHMARK(tic_de_fixation)->Unit(benchmark::kMicrosecond);

void image_venn_dessinee(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(image_venn());
}
BENCHMARK(image_venn_dessinee)->Unit(benchmark::kMicrosecond);

void fichier_couleurs(benchmark::State &etat)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(FichierCouleurs::nom());
    FichierCouleurs::Valeurs v;
    v.fill(COULEUR_FACE);
    Couleur somme = 0;
    for (auto _ : etat) {
        FichierCouleurs::ecrire(chemin, v);
        FichierCouleurs::lire(chemin, [&](int, Couleur c) { somme += c; });
    }
    benchmark::DoNotOptimize(somme);
}
BENCHMARK(fichier_couleurs)->Unit(benchmark::kMicrosecond);

} // namespace
