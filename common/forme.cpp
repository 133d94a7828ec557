#include "common/forme.h"
#include "common/imagerapport.h"
#include "common/accessibilite.h"

#include <QKeyEvent>
#include <QPainter>

Forme::Forme(QWidget *parent, Type type) : ControleSouris(parent), type_(type) { installer_roles(); }

void Forme::setBrushColor(const QColor &c)
{
    if (brush_ == c) return;
    brush_ = c;
    update();
}

void Forme::setPenColor(const QColor &c)
{
    if (pen_ == c) return;
    pen_ = c;
    update();
}

void Forme::setType(Type t)
{
    type_ = t;
    update();
}

void Forme::setPenVisible(bool v)
{
    avec_plume_ = v;
    update();
}

void Forme::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    int w = width(), h = height(), x = 0, y = 0;
    if (type_ == Type::Carre || type_ == Type::Cercle) {
        const int c = std::min(w, h);
        x = (w - c) / 2;
        y = (h - c) / 2;
        w = h = c;
    }
    const QTransform d = p.deviceTransform();
    if (d.m11() != 1.0 && (type_ == Type::Rectangle || type_ == Type::Carre)) {
        // Scaled (a zoomed display): the outline as the one-pixel frame of the
        // box and the fill inside it, so that at 200 % each pixel is a 2 × 2
        // block and at 1.5 the edges stay sharp.
        p.fillRect(x, y, w, h, avec_plume_ ? pen_ : brush_);
        if (w > 2 && h > 2) p.fillRect(x + 1, y + 1, w - 2, h - 2, brush_);
        if (hasFocus()) dessiner_marque_focus(p, QRect(x + 1, y + 1, w - 2, h - 2), brush_);
        return;
    }
    // QPainter's 1-pixel outline covers one more pixel than the box, so draw one smaller.
    p.setPen(avec_plume_ ? QPen(pen_, 1) : QPen(brush_, 1));
    p.setBrush(brush_);
    if (type_ == Type::Rectangle || type_ == Type::Carre)
        p.drawRect(x, y, w - 1, h - 1);
    else
        p.drawEllipse(x, y, w - 1, h - 1);
    if (hasFocus()) dessiner_marque_focus(p, QRect(x + 1, y + 1, w - 2, h - 2), brush_);
}

void dessiner_marque_focus(QPainter &p, const QRect &r, const QColor &fond)
{
    if (r.width() < 1 || r.height() < 1 || dessin_pour_rapport()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(fond.lightness() < 128 ? Qt::white : Qt::black, 1, Qt::DotLine));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void Forme::setActivable(bool a)
{
    activable_ = a;
    setFocusPolicy(a ? Qt::TabFocus : Qt::NoFocus);
}

void Forme::focusInEvent(QFocusEvent *e)
{
    ControleSouris::focusInEvent(e);
    update();
}

void Forme::focusOutEvent(QFocusEvent *e)
{
    ControleSouris::focusOutEvent(e);
    update();
}

void Forme::keyPressEvent(QKeyEvent *e)
{
    if (!activable_) {
        ControleSouris::keyPressEvent(e);
        return;
    }
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        const QPoint centre = rect().center();
        Q_EMIT mouseDown(Qt::LeftButton, centre);
        Q_EMIT mouseUp(Qt::LeftButton, centre);
        return;
    }
    int dx = 0, dy = 0;
    if (k == Qt::Key_Left) dx = -1;
    else if (k == Qt::Key_Right) dx = 1;
    else if (k == Qt::Key_Up) dy = -1;
    else if (k == Qt::Key_Down) dy = 1;
    else {
        ControleSouris::keyPressEvent(e);
        return;
    }
    // The nearest square in that direction, on the same row or column.
    const QPoint ici = geometry().center();
    Forme *meilleure = nullptr;
    int distance = 0;
    for (QObject *o : parent()->children()) {
        auto *f = qobject_cast<Forme *>(o);
        if (!f || f == this || !f->activable_ || !f->isVisible()) continue;
        const QPoint d = f->geometry().center() - ici;
        const int avance = dx ? d.x() * dx : d.y() * dy;
        const int ecart = dx ? std::abs(d.y()) : std::abs(d.x());
        if (avance <= 0 || ecart > (dx ? height() : width()) / 2) continue;
        if (!meilleure || avance < distance) {
            meilleure = f;
            distance = avance;
        }
    }
    if (meilleure) meilleure->setFocus(Qt::TabFocusReason);
}


void annoncer_voyant(Forme *lampe, const QString &sujet, Resultat r)
{
    const QString etat = r == Resultat::Juste  ? QStringLiteral("juste")
                         : r == Resultat::Faux ? QStringLiteral("faux")
                                               : QStringLiteral("pas encore corrigé");
    donner_role(lampe, QAccessible::Graphic); // an image: screen readers know no lamp role
    lampe->setAccessibleName(QStringLiteral("Voyant %1 : %2").arg(sujet, etat));
    lampe->setAccessibleDescription(QStringLiteral("Vert si la réponse est juste, rouge si elle est fausse."));
}

void annoncer_correction(QWidget *cadre, QWidget *bouton, int justes, int total)
{
    const QString t = QStringLiteral("Correction : %1 réponse%2 juste%2 sur %3").arg(justes).arg(justes > 1 ? "s" : "").arg(total);
    for (QWidget *w : {cadre, bouton}) {
        // A second identical result is still announced: the text changes first.
        w->setAccessibleDescription(QString());
        w->setAccessibleDescription(t);
    }
}
