#include "common/feuille.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

QString date_en_francais(const QDate &date)
{
    return QLocale(QLocale::French, QLocale::France).toString(date, QStringLiteral("d MMMM yyyy"));
}

QString ligne_eleves(const QString &eleves) { return QStringLiteral("Élève(s) : ") + eleves.trimmed(); }

QImage agrandie(const QImage &image, int facteur)
{
    if (facteur <= 1) return image;
    return image.scaled(image.size() * facteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray octets_png(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}

const QStringList EXTENSIONS_IMAGE{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                  QStringLiteral("bmp")};

QByteArray format_image(const QString &chemin)
{
    const qsizetype point = chemin.lastIndexOf(QLatin1Char('.'));
    const QString extension = point < 0 || chemin.indexOf(QLatin1Char('/'), point) >= 0 ? QString()
                                                                                         : chemin.mid(point + 1).toLower();
    if (!EXTENSIONS_IMAGE.contains(extension)) return {};
    return extension == QLatin1String("jpeg") ? QByteArray("JPG") : extension.toLatin1().toUpper();
}

QByteArray octets_image(const QImage &image, const QByteArray &format)
{
    if (format.isEmpty() || format == "PNG") return octets_png(image);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    // A photograph's format, kept as sharp as it allows: thin lines and text.
    image.save(&tampon, format.constData(), format == "JPG" ? 95 : -1);
    return octets;
}

int echelle_impression(int largeur)
{
    // The printable width: 297 mm less two 10 mm margins, 10.9 inches.
    constexpr double pouces = (297.0 - 20.0) / 25.4;
    return std::clamp(int(std::ceil(200.0 * pouces / std::max(largeur, 1))), 1, 8);
}

QRect place_image(const QSize &image, const QRect &libre)
{
    if (image.isEmpty() || libre.isEmpty()) return {};
    const QSize taille = image.scaled(libre.size(), Qt::KeepAspectRatio);
    return {libre.left() + (libre.width() - taille.width()) / 2, libre.top(), taille.width(), taille.height()};
}

void dessiner_feuille(QPainter &p, const QRect &zone, int dpi, const QImage &image, const EnTeteFeuille &en_tete)
{
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A PDF would otherwise take the picture as JPEG when that is smaller,
    // blurring the edges of the plots.
    p.setRenderHint(QPainter::LosslessImageRendering, true);
    p.setPen(Qt::black);

    // Title on the left, date on the right, the pupils on the line below.
    QFont titre(QStringLiteral("Liberation Sans"));
    titre.setPixelSize(qMax(1, 16 * dpi / 72));
    titre.setBold(true);
    QFont texte(titre);
    texte.setBold(false);
    texte.setPixelSize(qMax(1, 12 * dpi / 72));
    const int h_titre = QFontMetrics(titre, p.device()).height();
    const int h_texte = QFontMetrics(texte, p.device()).height();

    QRect ligne(zone.left(), zone.top(), zone.width(), h_titre);
    p.setFont(titre);
    p.drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter, en_tete.titre);
    p.setFont(texte);
    p.drawText(ligne, Qt::AlignRight | Qt::AlignVCenter, date_en_francais(en_tete.date));
    // The names on as many lines as they take: none is ever cut.
    const QString eleves = ligne_eleves(en_tete.eleves);
    const int drapeaux = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRect place = QFontMetrics(texte, p.device()).boundingRect(QRect(0, 0, zone.width(), 1 << 20), drapeaux, eleves);
    ligne = QRect(zone.left(), ligne.bottom() + 1 + h_texte / 4, zone.width(), std::max(h_texte, place.height()));
    p.drawText(ligne, drapeaux, eleves);

    // A rule under the heading, then the picture in what is left.
    const int trait = qMax(1, dpi / 96);
    const int y_trait = ligne.bottom() + 1 + h_texte / 2;
    p.fillRect(QRect(zone.left(), y_trait, zone.width(), trait), Qt::black);
    const int haut = y_trait + trait + h_texte / 2;
    const QRect libre(zone.left(), haut, zone.width(), zone.bottom() + 1 - haut);
    p.drawImage(place_image(image.size(), libre), image);
    p.restore();
}

void imprimer_feuille(QPagedPaintDevice &d, const QImage &image, const EnTeteFeuille &en_tete)
{
    d.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                QPageLayout::Millimeter));
    QPainter p(&d);
    dessiner_feuille(p, QRect(0, 0, d.width(), d.height()), d.logicalDpiY(), image, en_tete);
}

QByteArray octets_pdf(const QImage &image, const EnTeteFeuille &en_tete)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setResolution(300);
        pdf.setCreator(QStringLiteral("Kalmeno"));
        pdf.setTitle(en_tete.titre);
        imprimer_feuille(pdf, image, en_tete);
    }
    return octets;
}
