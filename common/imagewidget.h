#pragma once
#include <QImage>
#include <QWidget>

#include "common/canevas.h"

// An image control: holds a picture painted 1:1 from its top-left corner, or
// stretched to the control, or centred; drawings go through its canvas.
class ImageWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage picture READ picture WRITE setPicture)
    Q_PROPERTY(int tag READ tag WRITE setTag)
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
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

    // Loads a .bmp file in place of the picture; throws ErreurES
    // ("Ne peut ouvrir le fichier %s", "Image bitmap incorrecte").
    void charger_bmp(const QString &chemin);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton bouton, QPoint position);
    void mouseMove(Qt::MouseButtons boutons, QPoint position);
    void mouseUp(Qt::MouseButton bouton, QPoint position);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QImage image_;
    bool etire_ = false;
    bool centre_ = false;
    bool auto_ = false;
    int tag_ = 0;
};
