#pragma once
#include <QImage>

struct AnalyseFechner;

// The two plots of the analysis, drawn on white pictures: the threshold ΔI
// against the carried mass I with Weber's line ΔI = k·I, and the sensation
// scale S against ln I with Fechner's line S = a·ln I + b. The page's grid is
// drawn in blue; the class (when given) in black, its line dotted.
// Without enough trials the plot says "Pas assez d'essais".

constexpr int LARGEUR_TRACE = 436;
constexpr int HAUTEUR_TRACE = 214;

QImage tracer_weber(const AnalyseFechner &groupe, const AnalyseFechner *classe);
QImage tracer_fechner(const AnalyseFechner &groupe, const AnalyseFechner *classe);
// Both plots, Weber's above Fechner's: the picture that is copied and saved.
QImage image_analyse(const AnalyseFechner &groupe, const AnalyseFechner *classe);

// A tick step of 1, 2 or 5 times a power of ten giving at most `traits`
// intervals over `etendue` (which must be positive).
double pas_graduation_analyse(double etendue, int traits);
