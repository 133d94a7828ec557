// Medians of the Fechner page's frequent work: the full redraw of the curve
// with every trial cell filled, the check on leaving a cell, the load and
// save of a full .fch file, and the analysis of a class's pooled grids.
#include "common/canevas.h"
#include "common/erreures.h"
#include "common/hote.h"
#include "common/journaldessin.h"
#include "fechner/analysefechner.h"
#include "fechner/courbefechner.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "fechner/pagefechner.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

class Hote : public HotePage {
public:
    QWidget racine;
    QAction action{&racine};
    int page_courante() const override { return PageFechner::INDEX_PAGE; }
    void montrer_page(int) override {}
    QAction *element_menu(const char *) const override { return const_cast<QAction *>(&action); }
    QString rep_depart() const override { return QDir::currentPath(); }
    QImage image_blanche() const override { return image_unie(420, 220, BLANC); }
    QWidget *fenetre() override { return &racine; }
};

// A class's grid: all 250 trial cells filled, a mass on each mass row and
// an outcome under it.
GrilleFechner grille_pleine()
{
    GrilleFechner g;
    g.ecrire_entetes();
    for (int r = 1; r < 50; r += 2)
        for (int c = 1; c <= 10; ++c) {
            g.ecrire(c, r, QString::number(5 * c + r));
            g.ecrire(c, r + 1, (c + r) % 3 ? QStringLiteral("O") : QStringLiteral("N"));
        }
    return g;
}

QString fichier_plein(const QTemporaryDir &dir)
{
    const QString chemin = dir.filePath(QStringLiteral("classe.fch"));
    ecrire_fch(chemin, grille_pleine());
    return chemin;
}

void tracer_courbe(benchmark::State &etat)
{
    const GrilleFechner g = grille_pleine();
    const QImage blanc = image_unie(420, 220, BLANC);
    CourbeFechner c;
    for (auto _ : etat) benchmark::DoNotOptimize(c.tracer(g, blanc));
}
BENCHMARK(tracer_courbe)->Unit(benchmark::kMicrosecond);

// The same drawing while the canvas keeps its journal (a screen at 125 or
// 150 %), then the full curve drawn again from it at those scales.
void tracer_courbe_avec_journal(benchmark::State &etat)
{
    journal_dessin::activer(true);
    const GrilleFechner g = grille_pleine();
    const QImage blanc = image_unie(420, 220, BLANC);
    CourbeFechner c;
    for (auto _ : etat) benchmark::DoNotOptimize(c.tracer(g, blanc));
    journal_dessin::activer(false);
}
BENCHMARK(tracer_courbe_avec_journal)->Unit(benchmark::kMicrosecond);

void redessiner_courbe(benchmark::State &etat)
{
    journal_dessin::activer(true);
    const QImage blanc = image_unie(420, 220, BLANC);
    const QImage courbe = CourbeFechner().tracer(grille_pleine(), blanc);
    const JournalDessin j = journal_dessin::trouver(courbe);
    const qreal echelle = etat.range(0) / 100.0;
    for (auto _ : etat) benchmark::DoNotOptimize(journal_dessin::rendre(j, echelle));
    journal_dessin::activer(false);
}
BENCHMARK(redessiner_courbe)->Arg(125)->Arg(150)->Unit(benchmark::kMicrosecond);

void tracer_axes_seuls(benchmark::State &etat)
{
    GrilleFechner g;
    g.ecrire_entetes();
    const QImage blanc = image_unie(420, 220, BLANC);
    CourbeFechner c;
    for (auto _ : etat) benchmark::DoNotOptimize(c.tracer(g, blanc));
}
BENCHMARK(tracer_axes_seuls)->Unit(benchmark::kMicrosecond);

void BitBtn3Click(benchmark::State &etat)
{
    QTemporaryDir dir;
    Hote hote;
    PageFechner page(&hote);
    page.ecrire_entetes();
    page.lec_fechner(fichier_plein(dir));
    for (auto _ : etat) page.BitBtn3Click();
}
BENCHMARK(BitBtn3Click)->Unit(benchmark::kMicrosecond);

void verifier_cellule(benchmark::State &etat)
{
    GrilleFechner g = grille_pleine();
    int k = 0;
    for (auto _ : etat) {
        g.ecrire(3, 5, QStringLiteral("12a"));
        benchmark::DoNotOptimize(g.selectionner(1 + k % 10, 1 + k % 50));
        ++k;
    }
}
BENCHMARK(verifier_cellule)->Unit(benchmark::kNanosecond);

void lec_fechner(benchmark::State &etat)
{
    QTemporaryDir dir;
    const QString chemin = fichier_plein(dir);
    Hote hote;
    PageFechner page(&hote);
    page.ecrire_entetes();
    for (auto _ : etat) page.lec_fechner(chemin);
}
BENCHMARK(lec_fechner)->Unit(benchmark::kMicrosecond);

void lire_fch_modele(benchmark::State &etat)
{
    QTemporaryDir dir;
    const QString chemin = fichier_plein(dir);
    GrilleFechner g;
    for (auto _ : etat) benchmark::DoNotOptimize(lire_fch(chemin, g));
}
BENCHMARK(lire_fch_modele)->Unit(benchmark::kMicrosecond);

void sauver_fechner(benchmark::State &etat)
{
    QTemporaryDir dir;
    Hote hote;
    PageFechner page(&hote);
    page.ecrire_entetes();
    page.lec_fechner(fichier_plein(dir));
    const QString chemin = dir.filePath(QStringLiteral("copie.fch"));
    for (auto _ : etat) page.sauver_fechner(chemin);
}
BENCHMARK(sauver_fechner)->Unit(benchmark::kMicrosecond);

// A group's full grid answered like pupils: at each of the 25 carried masses
// ten added masses around a threshold of 7 % of the mass, felt with a
// logistic chance, so that most rows need the likelihood fit.
GrilleFechner grille_de_groupe(unsigned graine)
{
    std::mt19937 hasard(graine);
    GrilleFechner g;
    g.ecrire_entetes();
    for (int r = 1; r < 50; r += 2) {
        const double seuil = 0.07 * std::max(20, (r / 2) * 80) + 2;
        for (int c = 1; c <= 10; ++c) {
            const int x = int(std::lround(seuil * (0.5 + 0.1 * c)));
            const double p = 1.0 / (1.0 + std::exp(-(x - seuil) / (0.15 * seuil)));
            g.ecrire(c, r, QString::number(x));
            g.ecrire(c, r + 1, hasard() / 4294967296.0 < p ? QStringLiteral("O") : QStringLiteral("N"));
        }
    }
    return g;
}

// The class's analysis: the trials of 30 full grids read and pooled, then
// thresholds, k and the sensation scale.
void analyse_classe_30_grilles(benchmark::State &etat)
{
    QList<GrilleFechner> grilles;
    for (unsigned k = 1; k <= 30; ++k) grilles.append(grille_de_groupe(k));
    for (auto _ : etat) {
        QList<EssaiFechner> essais;
        for (const GrilleFechner &g : grilles) essais += essais_de_grille(g);
        benchmark::DoNotOptimize(analyser(essais));
    }
}
BENCHMARK(analyse_classe_30_grilles)->Unit(benchmark::kMillisecond);

// One group's full grid analysed, as after each change in the grid while the
// analysis window is open: thresholds, k with its bootstrap interval, the scale.
void analyse_groupe(benchmark::State &etat)
{
    const GrilleFechner g = grille_de_groupe(1);
    for (auto _ : etat) benchmark::DoNotOptimize(analyser(g));
}
BENCHMARK(analyse_groupe)->Unit(benchmark::kMillisecond);

} // namespace
