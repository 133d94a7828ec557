#include "common/imagewidget.h"
#include "common/bmp.h"
#include "common/journaldessin.h"
#include "common/accessibilite.h"

#include <QPainter>

#include <vector>

ImageWidget::ImageWidget(QWidget *parent) : ControleSouris(parent) { installer_roles(); }

void ImageWidget::setPicture(const QImage &image)
{
    // A picture this control alone held can never show again: its journal goes.
    if (image_.isDetached() && image_.cacheKey() != image.cacheKey()) journal_dessin::oublier(image_);
    image_ = image.convertToFormat(QImage::Format_RGB32);
    if (auto_) resize(image_.size());
    update();
}

void ImageWidget::setStretch(bool e)
{
    etire_ = e;
    update();
}

void ImageWidget::setCenter(bool c)
{
    centre_ = c;
    update();
}

void ImageWidget::setAutoSize(bool a)
{
    auto_ = a;
    if (auto_ && !image_.isNull()) resize(image_.size());
}

void ImageWidget::setLisse(bool l)
{
    lisse_ = l;
    update();
}

void ImageWidget::charger_bmp(const QString &chemin) { setPicture(lire_bmp(chemin)); }

void ImageWidget::paintEvent(QPaintEvent *)
{
    if (image_.isNull()) return;
    QPainter p(this);
    if (etire_)
        dessiner_image_nette(p, rect(), image_, lisse_);
    else if (centre_)
        dessiner_image_nette(p, QRect(QPoint((width() - image_.width()) / 2, (height() - image_.height()) / 2), image_.size()),
                             image_, lisse_);
    else
        dessiner_image_nette(p, QRect(QPoint(0, 0), image_.size()), image_, lisse_);
}

namespace {

// The picture as the control shows it at 100 %: stretched without smoothing
// when the target is not its size.
QImage a_cent_pour_cent(const QSize &taille, const QImage &image)
{
    if (taille == image.size()) return image;
    QImage r(taille, QImage::Format_RGB32);
    QPainter q(&r);
    q.drawImage(r.rect(), image);
    return r;
}

// Our drawings redrawn at the screen's scale, kept for the next paints: a page
// repaints the same few pictures many times between two changes.
QImage redessinee(const JournalDessin &j, const QImage &image, qreal r, QPointF origine, bool lisse)
{
    struct Rendu {
        qint64 cle;
        qreal r;
        QPointF origine;
        bool lisse;
        QImage image;
    };
    static std::vector<Rendu> memoire;
    for (const Rendu &m : memoire)
        if (m.cle == image.cacheKey() && m.r == r && m.origine == origine && m.lisse == lisse) return m.image;
    QImage rendu = journal_dessin::rendre(j, r, origine, lisse);
    if (memoire.size() >= 16) memoire.erase(memoire.begin());
    memoire.push_back({image.cacheKey(), r, origine, lisse, rendu});
    return rendu;
}

} // namespace

void dessiner_image_nette(QPainter &p, const QRect &cible, const QImage &image, bool lisse)
{
    // The scale from our pixels to the device's: the screen's ratio, or that of
    // the picture a page is rendered into.
    const QTransform d = p.deviceTransform();
    const qreal r = d.m11();
    if (r == 1.0 || d.type() > QTransform::TxScale || !qFuzzyCompare(d.m11(), d.m22())) {
        p.drawImage(cible, image);
        return;
    }
    const bool entier = qFuzzyCompare(r, qreal(qRound(r)));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Our drawings keep a journal where the screen shows them at 125 or 150 %:
    // they are then drawn again at any other scale too (a sheet for print).
    const JournalDessin j = cible.size() == image.size() ? journal_dessin::trouver(image) : JournalDessin{};
    if (entier && !j) {
        // The picture as at 100 %, then each of its pixels repeated: the
        // toolkit's unsmoothed scaling by a whole ratio does exactly that.
        p.drawImage(cible.topLeft(), a_cent_pour_cent(cible.size(), image));
        return;
    }
    // At 1.25 or 1.5 the target's edges fall between device pixels: draw the
    // picture ourselves on the device pixels it covers and put it there with
    // one unit for one device pixel. Our drawings are drawn again at that
    // scale from the canvas's journal (text and lines at the screen's
    // resolution); a picture without one by pixel repetition of its 100 % view;
    // a fixed bitmap smoothed from its own pixels.
    const QPointF a = d.map(QPointF(cible.topLeft()));
    const QPointF b = d.map(QPointF(cible.topLeft() + QPoint(cible.width(), cible.height())));
    const QRect cible_ecran(QPoint(qRound(a.x()), qRound(a.y())), QPoint(qRound(b.x()) - 1, qRound(b.y()) - 1));
    if (cible_ecran.isEmpty()) return;
    QImage grande;
    if (j) grande = redessinee(j, image, r, a, lisse);
    if (grande.size() != cible_ecran.size())
        grande = lisse ? image.scaled(cible_ecran.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       : a_cent_pour_cent(cible.size(), image)
                             .scaled(cible_ecran.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    p.save();
    p.setWorldTransform(d.inverted() * p.worldTransform());
    p.drawImage(cible_ecran.topLeft(), grande);
    p.restore();
}
