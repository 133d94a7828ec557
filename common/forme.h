#pragma once
#include <QColor>

#include "common/controlesouris.h"
#include "common/couleur.h"

class QPainter;

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

    // A square the keyboard can choose: reached with Tab, Enter or Space press
    // it as a click does, the arrows go to the nearest such square in that
    // direction among its siblings.
    bool activable() const { return activable_; }
    void setActivable(bool a);

    // The fill as a colour value.
    Couleur couleur() const { return depuis_qcolor(brush_); }
    void set_couleur(Couleur c) { setBrushColor(vers_qcolor(c)); }

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    Type type_;
    QColor brush_{Qt::white};
    QColor pen_{Qt::black};
    bool avec_plume_ = true;
    bool activable_ = false;
};

// A correction lamp says its result to screen readers:
// "Voyant vitesse : juste", "… : faux", "… : pas encore corrigé".
enum class Resultat { PasCorrige, Juste, Faux };
void annoncer_voyant(Forme *lampe, const QString &sujet, Resultat r);
// After a correction: the count of right answers told to a screen reader, in
// the description of the lamps' frame and of the button pressed (read as it
// changes), "Correction : 5 réponses justes sur 7".
void annoncer_correction(QWidget *cadre, QWidget *bouton, int justes, int total);

// The focus mark of a small control: a dotted line just inside its edge, black
// or white, whichever stands out on its fill.
void dessiner_marque_focus(QPainter &p, const QRect &r, const QColor &fond);
