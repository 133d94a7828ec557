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

// How a row's threshold was found.
enum class MethodeSeuil {
    Logistique,    // maximum-likelihood logistic fit, P(felt) = 1/2
    Milieu,        // separated answers or no usable fit: midpoint
    ToujoursSenti, // only "felt": no threshold
    JamaisSenti,   // only "not felt": no threshold
};

// The maximum-likelihood fit of P(felt | x) = 1 / (1 + exp(−(a + b·x))).
struct AjustementLogistique {
    bool converge = false;
    double a = 0.0;
    double b = 0.0;
    double seuil() const { return b != 0.0 ? -a / b : 0.0; }
};
// Newton's method on the log-likelihood with step halving. Does not converge
// on separated answers (the likelihood has no maximum there).
AjustementLogistique ajuster_logistique(const QList<EssaiFechner> &essais);

struct LigneAnalyse {
    int portee = 0;  // I, grams
    int essais = 0;
    int sentis = 0;
    MethodeSeuil methode = MethodeSeuil::JamaisSenti;
    double seuil = 0.0;          // ΔI, grams, when a_seuil()
    bool a_seuil() const { return methode == MethodeSeuil::Logistique || methode == MethodeSeuil::Milieu; }
    bool a_rapport() const { return a_seuil() && portee > 0; }
    double rapport() const { return a_rapport() ? seuil / portee : 0.0; }
};

// The threshold of one carried mass from its trials (at least one).
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

    // Weber: ΔI = k·I, least squares through the origin over the carried
    // masses above 0 g with a positive threshold.
    bool a_weber = false;
    double k = 0.0;
    int masses_utilisees = 0;
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

// Texts shown for a row and for the whole analysis.
QString texte_seuil(const LigneAnalyse &l);   // "12,5", "toujours senti", "jamais senti"
QString texte_rapport(const LigneAnalyse &l); // "0,071" or ""
QString texte_k(const AnalyseFechner &a);     // "k = 0,071" or "Pas assez d'essais"

// The summary under a table: k, the masses used, the spread.
QString resume_weber(const AnalyseFechner &a);
// The short explanation shown beside the plots, with the numbers found.
QString explication_analyse(const AnalyseFechner &a);

// Display precision: thresholds in tenths of a gram, ratios and k to 1/1000.
constexpr int DECIMALES_SEUIL = 1;
constexpr int DECIMALES_RAPPORT = 3;
