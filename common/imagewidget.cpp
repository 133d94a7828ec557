#include "common/imagewidget.h"
#include "common/bmp.h"

#include <QPainter>

ImageWidget::ImageWidget(QWidget *parent) : ControleSouris(parent) {}

void ImageWidget::setPicture(const QImage &image)
{
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

void ImageWidget::charger_bmp(const QString &chemin) { setPicture(lire_bmp(chemin)); }

void ImageWidget::paintEvent(QPaintEvent *)
{
    if (image_.isNull()) return;
    QPainter p(this);
    if (etire_)
        p.drawImage(rect(), image_);
    else if (centre_)
        p.drawImage((width() - image_.width()) / 2, (height() - image_.height()) / 2, image_);
    else
        p.drawImage(0, 0, image_);
}

