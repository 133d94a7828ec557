#pragma once
#include <QImage>

class QPainter;

#include "common/canevas.h"
#include "common/controlesouris.h"

// An image control: holds a picture painted 1:1 from its top-left corner, or
// stretched to the control, or centred; drawings go through its canvas.
class ImageWidget : public ControleSouris {
    Q_OBJECT
    Q_PROPERTY(QImage picture READ picture WRITE setPicture)
public:
    explicit ImageWidget(QWidget *parent = nullptr);

    QImage picture() const { return image_; }
    void setPicture(const QImage &image);
    QImage &image() { return image_; }
    // A canvas over the picture; call update() once the drawing is done.
    Canevas canevas() { return Canevas(image_); }

    bool stretch() const { return etire_; }
    void setStretch(bool e);
    bool center() const { return centre_; }
    void setCenter(bool c);
    // The control takes the size of each new picture.
    bool autoSize() const { return auto_; }
    void setAutoSize(bool a);

    // A fixed bitmap (not one of our drawings) may be smoothed when the screen's
    // scale is not a whole number; our drawings never are.
    bool lisse() const { return lisse_; }
    void setLisse(bool l);

    // Loads a .bmp file in place of the picture; throws ErreurES
    // ("Ne peut ouvrir le fichier %s", "Image bitmap incorrecte").
    void charger_bmp(const QString &chemin);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage image_;
    bool etire_ = false;
    bool centre_ = false;
    bool auto_ = false;
    bool lisse_ = false;
};

// Paints `image` into `cible` (in the painter's logical pixels) so that it stays
// sharp at any device pixel ratio: at 1 pixel for pixel; at a whole ratio each
// pixel becomes a square block of pixels (no smoothing, no grey); at other
// ratios each pixel becomes a block of one size or the next, with no colour
// that the picture does not hold, unless `lisse` lets a fixed bitmap be smoothed.
void dessiner_image_nette(QPainter &p, const QRect &cible, const QImage &image, bool lisse = false);
