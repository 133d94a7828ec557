#pragma once
#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

// A page picture leaving the program: as a PNG file, or on an A4 landscape
// sheet (printer or PDF) under a heading with the page's title, the date and
// the pupils' names. Pictures are only ever enlarged or reduced pixel by pixel,
// never smoothed: the plots stay as sharp as on the screen.

struct EnTeteFeuille {
    QString titre;  // the page's title, "Loi de Fechner"
    QDate date;
    QString eleves; // as the pupils typed it, may be empty
};

// "9 décembre 2026".
QString date_en_francais(const QDate &date);
// The line under the title: "Élève(s) : " followed by the names; on a
// sheet it wraps onto as many lines as the names need.
QString ligne_eleves(const QString &eleves);

// The picture `facteur` times larger, each pixel a square of facteur × facteur.
QImage agrandie(const QImage &image, int facteur);
// PNG bytes of the picture.
QByteArray octets_png(const QImage &image);
// The picture formats a file name may ask for, by extension: png, jpg, jpeg, bmp.
extern const QStringList EXTENSIONS_IMAGE;
// The format the name's extension asks for ("PNG", "JPG", "BMP"), empty for another one.
QByteArray format_image(const QString &chemin);
// The bytes of the picture in that format (PNG when empty).
QByteArray octets_image(const QImage &image, const QByteArray &format);

// The scale at which a picture `largeur` pixels wide is drawn for a sheet, so
// that across an A4 landscape sheet it prints at 200 dpi or more.
int echelle_impression(int largeur);

// Where the picture goes in the free part of the sheet: as large as fits,
// keeping its proportions, centred across.
QRect place_image(const QSize &image, const QRect &libre);

// Draws the heading and the picture into `zone` (the printable area, in the
// device's pixels); `dpi` is the device's resolution, for the line widths.
void dessiner_feuille(QPainter &p, const QRect &zone, int dpi, const QImage &image, const EnTeteFeuille &en_tete);
// Sets `d` to A4 landscape with 10 mm margins and prints one sheet on it.
void imprimer_feuille(QPagedPaintDevice &d, const QImage &image, const EnTeteFeuille &en_tete);
// The bytes of a one-page PDF of the sheet.
QByteArray octets_pdf(const QImage &image, const EnTeteFeuille &en_tete);
