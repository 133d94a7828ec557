#pragma once
#include <QImage>

struct AnalyseFechner;
struct LigneAnalyse;
class QString;

// The two plots of the analysis, drawn on white pictures: the threshold ΔI
// against the carried mass I with Weber's line ΔI = k·I, and the sensation
// scale S against ln I with Fechner's line S = a·ln I + b. The page's grid is
// drawn in blue; the class (when given) in black, its line dotted.
// Without enough trials the plot says "Pas assez d'essais".

constexpr int LARGEUR_TRACE = 436;
constexpr int HAUTEUR_TRACE = 214;

QImage tracer_weber(const AnalyseFechner &groupe, const AnalyseFechner *classe);
// ΔI/I against I with the flat line of k (Weber's law) and its interval.
QImage tracer_rapports(const AnalyseFechner &groupe, const AnalyseFechner *classe);
QImage tracer_fechner(const AnalyseFechner &groupe, const AnalyseFechner *classe, int hauteur = HAUTEUR_TRACE);
// The psychometric function of one carried mass: the part felt at each added
// mass (catch trials at 0 g in red), the fitted S-curve, its 50 % line and the
// threshold with its interval or bracket; `titre` names the mass and whose
// data ("Grille : 200 g"). Without a row the plot says so.
QImage tracer_psychometrique(const LigneAnalyse *ligne, const QString &titre, bool classe, int hauteur = HAUTEUR_TRACE);
// The four plots, two by two: the psychometric picture given (scaled), Weber's,
// ΔI/I and Fechner's; the picture that is copied and saved.
QImage image_analyse(const AnalyseFechner &groupe, const AnalyseFechner *classe, const QImage &psychometrique);

// A tick step of 1, 2 or 5 times a power of ten giving at most `traits`
// intervals over `etendue` (which must be positive).
double pas_graduation_analyse(double etendue, int traits);
