#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Data files for a spreadsheet set up the French way: fields separated by
// ";", numbers with a decimal comma, UTF-8 with a byte-order mark (so the
// usual spreadsheets read the accents right when the file is opened
// directly), CR LF after every line. A field holding ";", a quote or a line
// break is put between quotes, its quotes doubled.
namespace csv {

using Ligne = QStringList;

// A number with `decimales` decimals and a decimal comma: 3.5 → "3,5" with 1.
QString nombre(double valeur, int decimales);
QString nombre(long long valeur);

// One field as it is written: quoted when it must be.
QString champ(const QString &texte);

// The bytes of the whole file: byte-order mark, then each line.
QByteArray octets(const QList<Ligne> &lignes);

} // namespace csv
