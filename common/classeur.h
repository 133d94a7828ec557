#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#include "common/exportcsv.h"

// The numbers a window exports, as a spreadsheet sees them: one table per
// sheet, each starting with its header rows (column names with their units).
// The same tables are written as one CSV file or as an Excel/LibreOffice
// workbook, so that both files hold the same numbers, shown alike.
struct Tableau {
    QString nom;               // the sheet's name, "Programme"
    QList<csv::Ligne> lignes;  // fields as the CSV file writes them
    int lignes_entete = 1;     // rows of names at the top, bold in a workbook
    bool nom_dans_csv = false; // after the first table: its name on a line of its own
};
using Classeur = QList<Tableau>;

namespace classeur {

// The lines of the CSV file: the tables one after the other, an empty line
// before each table after the first (and its name, when asked).
QList<csv::Ligne> lignes_csv(const Classeur &c);
QByteArray octets_csv(const Classeur &c);

// How a workbook stores a field: a number with the decimals it shows
// ("-85,37" → −85.37 with 2), or nothing when the field is text.
struct Nombre {
    double valeur;
    int decimales;
};
std::optional<Nombre> nombre_du_champ(const QString &champ);

// The bytes of an .xlsx workbook: one sheet per table, in order; numbers
// stored as numbers shown with their decimals, header rows bold, columns as
// wide as their longest text. Empty when the workbook cannot be written.
QByteArray octets_xlsx(const Classeur &c);

} // namespace classeur
