#pragma once
#include <QList>
#include <QString>

// A myotatic reflex arc: the muscle whose tendon is tapped, the nerve path from
// its stretch receptors to the spinal cord and back, and the path of the
// voluntary command from the motor cortex down to the same spinal segment.
struct ArcReflexe {
    QString nom;             // "Réflexe rotulien"
    QString muscle;          // "quadriceps"
    QString segment;         // spinal segment of the reflex centre
    double afferent_m = 0.5; // receptor → spinal cord
    double efferent_m = 0.5; // spinal cord → muscle
    double cortex_m = 0.5;   // motor cortex → spinal segment

    // The reflexes the pupil may choose, from the shortest path to the longest.
    static const QList<ArcReflexe> &catalogue();
};
