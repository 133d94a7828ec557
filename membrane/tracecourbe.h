#pragma once
#include <QImage>
#include <optional>

// The curve plot of the programme (420 × 220): step n at x = 5n, Em in navy at
// y = Round(100 − Em), GK in red and GNa in blue at y = 200 − g, each point
// joined to the previous one except at the first step (x = 5).
class TraceCourbe {
public:
    int x_point = 0;
    int x_point_prec = 0;
    int y_prec_em = 0;
    int y_prec_gk = 0;
    int y_prec_gna = 0;

    // Plots step n; Em is plotted only when given.
    void trace_point(QImage &plot, int n, int gk, int gna, std::optional<double> em);
    // The step cursor: a black vertical line at x = 5 × etape over the whole height.
    static void curseur(QImage &plot, int etape);
    // The Em scale (30 × 220): ticks every 10 mV, labels every 20 from −100 to 80.
    static void dessiner_echelle(QImage &legende);
};
