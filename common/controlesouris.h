#pragma once
#include <QWidget>

// A control that reports the mouse: presses, moves and releases with the
// position relative to the control, which keeps the mouse while a button is held.
class ControleSouris : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)
public:
    explicit ControleSouris(QWidget *parent = nullptr) : QWidget(parent) {}

    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

Q_SIGNALS:
    void mouseDown(Qt::MouseButton bouton, QPoint position);
    void mouseMove(Qt::MouseButtons boutons, QPoint position);
    void mouseUp(Qt::MouseButton bouton, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    int tag_ = 0;
};
