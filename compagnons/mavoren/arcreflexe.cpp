#include "compagnons/mavoren/arcreflexe.h"

// Path lengths of an adult of average height, to the nearest 5 cm.
const QList<ArcReflexe> &ArcReflexe::catalogue()
{
    static const QList<ArcReflexe> arcs = {
        {QStringLiteral("Réflexe bicipital"), QStringLiteral("biceps brachial"), QStringLiteral("C5-C6"), 0.35, 0.35, 0.25},
        {QStringLiteral("Réflexe rotulien"), QStringLiteral("quadriceps"), QStringLiteral("L3-L4"), 0.60, 0.60, 0.60},
        {QStringLiteral("Réflexe achilléen"), QStringLiteral("soléaire"), QStringLiteral("S1"), 0.95, 0.95, 0.65},
    };
    return arcs;
}
