#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct AnalyseFechner;
struct ClasseFechner;

// The analysis as text rows, in the pupils' spreadsheet conventions (";"
// between fields, decimal comma; see common/exportcsv), for the export and
// the command line alike.

// One row per carried mass: mass, trials, threshold, ratio; then the row
// "k", value, carried masses used ("" for the value when there is no k).
QList<QStringList> lignes_resultats(const AnalyseFechner &a);

// The export of the analysis window: the page's grid, then the class (when
// files were opened) and the list of its files with their k or the reason
// they were left out.
QByteArray csv_analyse(const AnalyseFechner &page, const ClasseFechner *classe);
