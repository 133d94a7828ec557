#include "common/boutonimage.h"
#include "common/imagewidget.h"

#include <QPainter>
#include <QStyleOptionButton>

BoutonImage::BoutonImage(const QString &texte, QWidget *parent) : QPushButton(texte, parent) {}

QImage BoutonImage::glyph() const
{
    if (dessin_) {
        glyph_ = dessin_();
        dessin_ = nullptr;
    }
    return glyph_;
}

void BoutonImage::setGlyph(const QImage &g)
{
    dessin_ = nullptr;
    glyph_ = g;
    update();
}

void BoutonImage::setGlyph(std::function<QImage()> dessin)
{
    dessin_ = std::move(dessin);
    glyph_ = QImage();
    update();
}

void BoutonImage::setDisposition(Disposition d, int marge, int espacement)
{
    disposition_ = d;
    marge_ = marge;
    espacement_ = espacement;
    update();
}

void BoutonImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionButton o;
    initStyleOption(&o);
    o.text.clear();
    o.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &o, &p, this);

    const QImage image = glyph();
    const QFontMetrics fm(font());
    const QSize t(fm.horizontalAdvance(text()), fm.height());
    const QSize g = image.isNull() ? QSize(0, 0) : image.size();
    const int esp = image.isNull() || text().isEmpty() ? 0 : espacement_;
    const int dec = isDown() ? 1 : 0;
    QPoint pg, pt;
    if (disposition_ == Disposition::GaucheDuTexte) {
        const int total = g.width() + esp + t.width();
        const int x0 = marge_ >= 0 ? marge_ : (width() - total) / 2;
        pg = QPoint(x0, (height() - g.height()) / 2);
        pt = QPoint(x0 + g.width() + esp, (height() - t.height()) / 2);
    } else {
        const int total = g.height() + esp + t.height();
        const int y0 = marge_ >= 0 ? marge_ : (height() - total) / 2;
        const bool dessus = disposition_ == Disposition::DessusDuTexte;
        pg = QPoint((width() - g.width()) / 2, dessus ? y0 : y0 + t.height() + esp);
        pt = QPoint((width() - t.width()) / 2, dessus ? y0 + g.height() + esp : y0);
    }
    if (!image.isNull()) {
        if (isEnabled())
            dessiner_image_nette(p, QRect(pg + QPoint(dec, dec), image.size()), image);
        else
            dessiner_image_nette(p, QRect(pg, image.size()), image.convertToFormat(QImage::Format_Grayscale8));
    }
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(QRect(pt + QPoint(dec, dec), t), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
