#pragma once
#include <QList>

class QWidget;

// The Tab order of a page in reading order: within each frame, from top to
// bottom, and left to right along a row (controls whose tops lie within a few
// pixels of each other); a frame is visited whole where it stands. Scroll bars
// join the order (by Tab only, so a click gives them no focus mark).
void ordonner_tabulation(QWidget *racine);
// The controls Tab reaches from `racine`, in that order (for tests and for
// the order itself).
QList<QWidget *> ordre_de_lecture(QWidget *racine);
