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

// One row per carried mass: mass, trials, false-alarm rate, threshold, its
// interval or bracket, ratio, remark (why there is no threshold, too many
// false alarms); then the row "k", value, interval, carried masses used and
// their trials ("" for what was not found). `titres_resultats` names the fields.
extern const QStringList titres_resultats;
QList<QStringList> lignes_resultats(const AnalyseFechner &a);

// The export of the analysis window: the page's grid, then the class (when
// files were opened) and the list of its files with their k or the reason
// they were left out.
QByteArray csv_analyse(const AnalyseFechner &page, const ClasseFechner *classe);
