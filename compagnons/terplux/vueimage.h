#pragma once
#include <QImage>
#include <QWidget>

// A picture shown 1:1 under a caption, with the row of the profile drawn
// across it; a click or a drag chooses that row, and so do Up and Down once
// focused (Shift: ten rows).
class VueImage : public QWidget {
    Q_OBJECT
public:
    explicit VueImage(const QString &legende, QWidget *parent = nullptr);
    void setImage(const QImage &im);
    void setLigne(int y);
    int ligne() const { return ligne_; }
    const QImage &image() const { return image_; }
    QSize sizeHint() const override;
    static constexpr int HAUT_IMAGE = 22; // room for the caption

Q_SIGNALS:
    void ligneChoisie(int y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *ev) override;
    void mouseMoveEvent(QMouseEvent *ev) override;
    void keyPressEvent(QKeyEvent *ev) override;

private:
    void choisir(int y_widget);
    QString legende_;
    QImage image_;
    int ligne_ = 0;
};
