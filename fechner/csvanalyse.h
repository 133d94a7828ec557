#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct AnalyseFechner;
struct ClasseFechner;

// The analysis as text rows: the pupils' spreadsheet conventions (";" between
// fields, decimal comma) for the export and the command line alike.

// A field as written: kept as is, or between double quotes (inner quotes
// doubled) when it holds ";", a quote or a line break.
QString champ_csv(const QString &champ);
// Rows of fields, ";" between fields, CR LF after every row, UTF-8 with a
// byte-order mark so that spreadsheets read the accents.
QByteArray document_csv(const QList<QStringList> &lignes);

// One row per carried mass: mass, trials, threshold, ratio; then the row
// "k", value, carried masses used ("" for the value when there is no k).
QList<QStringList> lignes_resultats(const AnalyseFechner &a);

// The export of the analysis window: the page's grid, then the class (when
// files were opened) and the list of its files with their k or the reason
// they were left out.
QByteArray csv_analyse(const AnalyseFechner &page, const ClasseFechner *classe);
