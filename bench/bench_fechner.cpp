// Medians of the Fechner page's frequent work: the full redraw of the curve
// with every trial cell filled, the check on leaving a cell, and the load and
// save of a full .fch file.
#include "common/canevas.h"
#include "common/erreures.h"
#include "common/hote.h"
#include "fechner/courbefechner.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "fechner/pagefechner.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

} // namespace
