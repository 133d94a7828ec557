#pragma once
#include <QColor>

#include "common/controlesouris.h"
#include "common/couleur.h"

// A shape control: rectangle, square, circle or ellipse, filled with its brush
// colour and outlined with its pen colour; it reports mouse presses.
class Forme : public ControleSouris {
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor)
public:
    enum class Type { Rectangle, Carre, Cercle, Ellipse };

    explicit Forme(QWidget *parent = nullptr, Type type = Type::Rectangle);

    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor &c);
    QColor penColor() const { return pen_; }
    void setPenColor(const QColor &c);
    Type type() const { return type_; }
    void setType(Type t);
    bool penVisible() const { return avec_plume_; }
    void setPenVisible(bool v);

    // The fill as a colour value.
    Couleur couleur() const { return depuis_qcolor(brush_); }
    void set_couleur(Couleur c) { setBrushColor(vers_qcolor(c)); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Type type_;
    QColor brush_{Qt::white};
    QColor pen_{Qt::black};
    bool avec_plume_ = true;
};
