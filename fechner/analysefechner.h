#pragma once
#include <QList>
#include <QString>

class GrilleFechner;

// The analysis of weight-discrimination trials: the differential threshold
// at each carried mass, Weber's fraction k, and the sensation scale of
// Fechner's law. Pure computation; every value it gives is finite.

// One trial: carried mass I, added mass ΔI (grams), whether it was felt.
struct EssaiFechner {
    int portee = 0;
    int ajoutee = 0;
    bool senti = false;
};

// The trials of a grid, row by row: each mass row's carried mass is its
// heading (below); a trial counts when its added mass is a whole number not
// below 0 (an empty or marked cell is no trial) and its answer is one
// (GrilleFechner::reponse). The twelfth value of a row counts like the ten
// trials, as the curve plots it. A row whose heading is not a mass is left out.
QList<EssaiFechner> essais_de_grille(const GrilleFechner &grille);

// A row's carried mass from its heading, as the program writes it: a whole
// number of grams, not below 0, followed by "g" ("150g"); -1 when the heading
// is not one, with the reason in French.
int masse_d_entete(const QString &entete, QString *raison = nullptr);

// A mass row that has trials but a heading that is not a mass: left out of
// the analysis, and listed so that nobody wonders where its trials went.
struct LigneEcartee {
    int ligne = 0; // in the grid
    QString entete;
    QString raison;
};
QList<LigneEcartee> lignes_ecartees(const GrilleFechner &grille);
// "Ligne 7 (« abc ») laissée de côté : …", one line each.
QStringList textes_lignes_ecartees(const QList<LigneEcartee> &lignes);

// What was found at one carried mass.
enum class MethodeSeuil {
    Logistique,        // logistic fit, 50 % point with its 95 % interval
    Encadrement,       // answers separated: between the largest not felt and the smallest felt
    Contradictoire,    // the chance of feeling does not clearly rise with the added mass
    SousLesMasses,     // fitted 50 % point below the smallest added mass tried
    AuDessusDesMasses, // fitted 50 % point above the largest added mass tried
    ToujoursSenti,     // every added mass felt
    JamaisSenti,       // no added mass felt
    SansMasseAjoutee,  // only trials at 0 g
};

// The maximum-likelihood fit of P(felt | x) = γ + (1 − γ) / (1 + exp(−(a + b·x))),
// with the lower asymptote γ (the false-alarm rate) given; γ = 0 is the
// ordinary logistic regression.
struct AjustementLogistique {
    bool converge = false;
    double a = 0.0;
    double b = 0.0;
    // Covariance of (a, b) from the Fisher information.
    double vaa = 0.0, vab = 0.0, vbb = 0.0;
    double seuil() const { return b != 0.0 ? -a / b : 0.0; }
    // The 95 % interval of the 50 % point by the delta method; false when
    // there is no fit with a rising slope.
    bool intervalle(double &bas, double &haut) const;
};
// Fisher scoring with step halving, from a flat curve or from `depart`. Does
// not converge on separated answers (the likelihood has no maximum there).
AjustementLogistique ajuster_logistique(const QList<EssaiFechner> &essais, double gamma = 0.0,
                                        const AjustementLogistique *depart = nullptr);

// The answers at one added mass, for the psychometric curve.
struct ProportionSentie {
    int ajoutee = 0;
    int essais = 0;
    int sentis = 0;
};

struct LigneAnalyse {
    int portee = 0;  // I, grams
    int essais = 0;  // all trials, catch trials at 0 g included
    int sentis = 0;
    int controles = 0;       // trials with nothing added
    int fausses_alertes = 0; // of those, felt
    MethodeSeuil methode = MethodeSeuil::JamaisSenti;
    double seuil = 0.0;      // ΔI, grams, when a_seuil()
    double seuil_bas = 0.0;  // its 95 % interval, or the bracket
    double seuil_haut = 0.0;
    AjustementLogistique ajustement; // when fitted
    QList<ProportionSentie> proportions; // by added mass, smallest first

    bool a_seuil() const { return methode == MethodeSeuil::Logistique || methode == MethodeSeuil::Encadrement; }
    bool a_rapport() const { return a_seuil() && portee > 0; }
    double rapport() const { return a_rapport() ? seuil / portee : 0.0; }
    double taux_fausses_alertes() const { return controles > 0 ? double(fausses_alertes) / controles : 0.0; }
    // The lower asymptote of the fitted curve: the false-alarm rate (0 without a fit).
    double gamma() const { return methode == MethodeSeuil::Logistique ? taux_fausses_alertes() : 0.0; }
    // More than one catch trial in five felt: the "felt" answers are doubtful.
    bool trop_de_fausses_alertes() const { return controles > 0 && 5 * fausses_alertes > controles; }
};

// The threshold of one carried mass from its trials (at least one). Trials at
// 0 g added are catch trials: they give the false-alarm rate γ, and the 50 %
// point is that of the corrected chance p* = (p − γ)/(1 − γ).
LigneAnalyse seuil_differentiel(int portee, const QList<EssaiFechner> &essais);

// A point of the sensation scale: S just-noticeable steps above the smallest mass.
struct PointFechner {
    int portee = 0;
    double ln_portee = 0.0;
    double sensation = 0.0;
};

struct AnalyseFechner {
    QList<LigneAnalyse> lignes; // carried masses with trials, lightest first
    int essais = 0;

    // Weber: k, the mean of ΔI/I over the carried masses above 0 g with a
    // threshold (least squares of ΔI = k·I with weights 1/I², as the error of
    // ΔI grows with I), and its 95 % interval by a bootstrap over the trials
    // within each mass, from a fixed seed.
    bool a_weber = false;
    double k = 0.0;
    bool a_intervalle = false;
    double k_bas = 0.0, k_haut = 0.0;
    int masses_utilisees = 0;
    int essais_utilises = 0; // the trials of those masses
    // Spread of the thresholds about the line, grams: √(Σ(ΔI − k·I)² / (n − 1)),
    // when at least two masses are used.
    bool a_ecart = false;
    double ecart_residuel = 0.0;

    // Fechner: S = a·ln I + b fitted by least squares to the scale.
    QList<PointFechner> echelle;
    bool a_fechner = false;
    double a = 0.0;
    double b = 0.0;
};

// Replicates of the bootstrap of k, and the trials with an added mass each
// carried mass used needs for an interval.
constexpr int REPLIQUES_BOOTSTRAP = 1000;
constexpr int ESSAIS_MIN_INTERVALLE = 5;

AnalyseFechner analyser(const QList<EssaiFechner> &essais);
AnalyseFechner analyser(const GrilleFechner &grille);

// The sensation scale from the rows: the masses above 0 g with a positive
// threshold; between two neighbours the number of steps is ∫ dI / ΔI with ΔI
// linear between them, exact for Weber's law (then a = 1/k).
QList<PointFechner> echelle_sensation(const QList<LigneAnalyse> &lignes);
// That integral from (I₁, ΔI₁) to (I₂, ΔI₂): (I₂ − I₁)/(ΔI₂ − ΔI₁) · ln(ΔI₂/ΔI₁),
// or (I₂ − I₁)/ΔI when both thresholds are equal.
double pas_de_sensation(double i1, double d1, double i2, double d2);

// Numbers as the pupils write them: fixed decimals, decimal comma, no sign on
// a zero; "" for a value that is not finite (never shown as NaN).
QString nombre_fr(double x, int decimales);

// A positive number with `chiffres` significant digits, decimal comma ("0,062", "0,11").
QString nombre_significatif(double x, int chiffres);
// A whole number of grams with its thousands apart: "1 000".
QString grammes(double x);

// Texts shown for a row and for the whole analysis.
QString texte_seuil(const LigneAnalyse &l);   // "27,3", "25,0", "" when there is none
QString texte_rapport(const LigneAnalyse &l); // "0,071" or ""
// The interval or bracket of a threshold, or why there is none, and the
// false-alarm warning: "21,0 à 33,5 g", "entre 20 et 30 g", "jamais senti";
// without the fitted interval when `intervalle` is false.
QString remarque_seuil(const LigneAnalyse &l, bool intervalle = true);
QString texte_fausses_alertes(const LigneAnalyse &l); // "2/10" or ""
// "k = 0,062 (0,011 à 0,11 ; 3 masses, 30 essais)"; "Pas assez d'essais"
// without trials, "Pas de k : aucune masse portée n'a de seuil" without thresholds.
QString texte_k(const AnalyseFechner &a);
// A word on k outside its usual range 0,02–0,1, or "".
QString remarque_k(const AnalyseFechner &a);

// The summary under a table: k with its interval, and the remark on k.
QString resume_weber(const AnalyseFechner &a);
// The short explanation shown beside the plots, every number from `a`; `qui`
// says whose data they are ("la grille de la page", "la classe (4 grilles)").
QString explication_analyse(const AnalyseFechner &a, const QString &qui);

// Display precision: thresholds in tenths of a gram, ratios and k to 1/1000.
constexpr int DECIMALES_SEUIL = 1;
constexpr int DECIMALES_RAPPORT = 3;
