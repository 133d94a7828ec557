#pragma once
#include "common/classeur.h"
#include "nerve/modelenerf.h"

// The trace of the last run as spreadsheet lines: the set-up first (intensity,
// second stimulus and its delay, the four electrodes along the distance scale,
// nerve or fibre), an empty line, then the header and one row per drawn
// sample: its time after the first stimulus (one sample is 1/6 ms) and the
// signal between the two recording electrodes, in the waveform's mV.
QList<csv::Ligne> lignes_csv_nerf(const ModeleNerf &modele, const ModeleNerf::Reglages &r);
// The same as two sheets: "Réglages" (no header row) and "Trace".
Classeur classeur_nerf(const ModeleNerf &modele, const ModeleNerf::Reglages &r);

// Where an electrode stands on the distance scale, in cm: its middle, with the
// scale's 0 at x = 12.5 of the group box and 7.5 pixels per cm.
double position_cm(int gauche, int largeur);
