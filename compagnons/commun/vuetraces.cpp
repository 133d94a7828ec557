#include "compagnons/commun/vuetraces.h"
#include "compagnons/commun/texte.h"

#include "common/accessibilite.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MARGE_GAUCHE = 78;
constexpr int MARGE_DROITE = 14;
constexpr int MARGE_HAUT = 24;
constexpr int MARGE_BAS = 34;
constexpr int ECART_BANDES = 10;

const QColor COULEURS_VOIES[] = {QColor(0, 70, 200), QColor(200, 0, 0), QColor(0, 140, 0),
                                 QColor(150, 0, 150), QColor(200, 110, 0), QColor(0, 140, 150)};
const QColor COULEUR_C1(0, 130, 0);
const QColor COULEUR_C2(200, 0, 160);

// A graduation step of 1, 2 or 5 times a power of ten giving at most `n` steps.
double pas_graduation(double etendue, int n)
{
    if (!(etendue > 0.0) || n < 1) return 1.0;
    const double brut = etendue / n;
    const double p = std::pow(10.0, std::floor(std::log10(brut)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * p >= brut) return m * p;
    return 10.0 * p;
}

int decimales_pour(double pas) { return pas >= 1.0 ? 0 : std::min(4, int(std::ceil(-std::log10(pas) - 1e-9))); }

} // namespace

VueTraces::VueTraces(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(320, 200);
    setMouseTracking(false);
    setCursor(Qt::SizeHorCursor);
    setFocusPolicy(Qt::StrongFocus); // the cursors by keyboard too
    setAccessibleName(QStringLiteral("Tracés enregistrés"));
    setAccessibleDescription(description_clavier());
    donner_role(this, QAccessible::Chart);
}

void VueTraces::setEnregistrement(const Enregistrement &e)
{
    enr_ = e;
    essai_ = std::clamp(essai_, 0, std::max(0, int(enr_.essais.size()) - 1));
    toutVoir();
    const double d = enr_.fin_ms() - enr_.debut_ms;
    c1_ = cale(enr_.debut_ms + 0.1 * d);
    c2_ = cale(enr_.debut_ms + 0.3 * d);
    update();
    Q_EMIT curseursDeplaces();
}

void VueTraces::setEssaiCourant(int essai)
{
    if (enr_.essais.empty()) return;
    essai_ = std::clamp(essai, 0, int(enr_.essais.size()) - 1);
    toutVoir();
    c1_ = cale(c1_);
    c2_ = cale(c2_);
    update();
    Q_EMIT curseursDeplaces();
}

void VueTraces::setSuperposition(bool oui)
{
    superposition_ = oui;
    toutVoir();
}

QString VueTraces::serie(const QString &nom_essai)
{
    qsizetype n = 0;
    while (n < nom_essai.size() && !nom_essai[n].isDigit()) ++n;
    return nom_essai.left(n).trimmed();
}

void VueTraces::setMessageVide(const QString &texte)
{
    vide_ = texte;
    update();
}

double VueTraces::cale(double t) const
{
    if (enr_.nb_echantillons(essai_) == 0) return t;
    return enr_.temps(enr_.indice(essai_, t));
}

void VueTraces::setCurseur(int n, double t)
{
    (n == 0 ? c1_ : c2_) = cale(t);
    setAccessibleDescription(description_clavier()); // however it moved: mouse, keys, another trial
    update();
    Q_EMIT curseursDeplaces();
}

void VueTraces::setFenetre(double debut, double fin)
{
    const double min_largeur = 10.0 * enr_.periode_ms;
    if (fin - debut < min_largeur) {
        const double m = 0.5 * (debut + fin);
        debut = m - 0.5 * min_largeur;
        fin = m + 0.5 * min_largeur;
    }
    t0_ = std::max(debut, enr_.debut_ms);
    t1_ = std::min(fin, std::max(enr_.fin_ms(), enr_.debut_ms + min_largeur));
    if (t1_ <= t0_) t1_ = t0_ + min_largeur;
    update();
}

void VueTraces::toutVoir()
{
    // The whole trial shown, or the longest one when all are superposed.
    const int n = superposition_ ? enr_.nb_echantillons_max() : enr_.nb_echantillons(essai_);
    t0_ = enr_.debut_ms;
    t1_ = std::max(enr_.temps(std::max(0, n - 1)), enr_.debut_ms + 10.0 * enr_.periode_ms);
    update();
}

QRect VueTraces::zone() const
{
    return QRect(MARGE_GAUCHE, MARGE_HAUT, std::max(10, width() - MARGE_GAUCHE - MARGE_DROITE),
                 std::max(10, height() - MARGE_HAUT - MARGE_BAS));
}

QRect VueTraces::bande(int voie) const
{
    const QRect z = zone();
    const int n = std::max<int>(1, enr_.voies.size());
    const int h = (z.height() - (n - 1) * ECART_BANDES) / n;
    return QRect(z.left(), z.top() + voie * (h + ECART_BANDES), z.width(), std::max(4, h));
}

int VueTraces::x_de(double t) const
{
    const QRect z = zone();
    return z.left() + int(std::lround((t - t0_) / (t1_ - t0_) * (z.width() - 1)));
}

double VueTraces::t_de(int x) const
{
    const QRect z = zone();
    return t0_ + double(x - z.left()) / std::max(1, z.width() - 1) * (t1_ - t0_);
}

void VueTraces::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRect z = zone();
    QFont police = font();
    police.setPixelSize(12);
    p.setFont(police);

    if (enr_.essais.empty() || enr_.voies.isEmpty()) {
        p.setPen(Qt::darkGray);
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, vide_);
        return;
    }

    const double pas_t = pas_graduation(t1_ - t0_, std::max(2, z.width() / 70));
    const int dec_t = decimales_pour(pas_t);
    for (int v = 0; v < enr_.voies.size(); ++v) {
        const QRect b = bande(v);
        p.fillRect(b, Qt::white);
        const auto [lo, hi] = enr_.etendue(v);
        auto y_de = [&](double val) { return b.bottom() - (val - lo) / (hi - lo) * (b.height() - 1); };

        // The grid: time lines, then amplitude lines with their values.
        p.setPen(QColor(225, 225, 225));
        for (double t = std::ceil(t0_ / pas_t) * pas_t; t <= t1_ + 1e-9; t += pas_t) p.drawLine(x_de(t), b.top(), x_de(t), b.bottom());
        const double pas_y = pas_graduation(hi - lo, std::max(1, b.height() / 28));
        const int dec_y = decimales_pour(pas_y);
        for (double y = std::ceil(lo / pas_y) * pas_y; y <= hi + 1e-9; y += pas_y) {
            const int py = int(std::lround(y_de(y)));
            p.setPen(std::abs(y) < pas_y * 1e-6 ? QColor(170, 170, 170) : QColor(225, 225, 225));
            p.drawLine(b.left(), py, b.right(), py);
            p.setPen(Qt::black);
            p.drawText(QRect(0, py - 8, MARGE_GAUCHE - 6, 16), Qt::AlignRight | Qt::AlignVCenter, en_francais(y, dec_y));
        }
        p.setPen(Qt::black);
        p.drawRect(b.adjusted(0, 0, -1, -1));

        // The traces, clipped to the band.
        p.save();
        p.setClipRect(b);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QColor couleur = COULEURS_VOIES[v % std::size(COULEURS_VOIES)];
        auto tracer = [&](int e, const QPen &plume) {
            const std::vector<double> &vals = enr_.essais[e].valeurs[v];
            if (vals.empty()) return;
            const int i0 = std::max(0, int(std::floor((t0_ - enr_.debut_ms) / enr_.periode_ms)) - 1);
            const int i1 = std::min(int(vals.size()) - 1, int(std::ceil((t1_ - enr_.debut_ms) / enr_.periode_ms)) + 1);
            if (i0 > i1) return;
            QPainterPath chemin;
            const double echelle_x = (z.width() - 1) / (t1_ - t0_);
            for (int i = i0; i <= i1; ++i) {
                const QPointF pt(z.left() + (enr_.temps(i) - t0_) * echelle_x, y_de(vals[i]));
                if (i == i0) chemin.moveTo(pt);
                else chemin.lineTo(pt);
            }
            p.setPen(plume);
            p.drawPath(chemin);
        };
        if (superposition_) {
            QColor pale = couleur;
            pale.setAlpha(90);
            const QString la_serie = serie(enr_.essais[essai_].nom);
            for (int e = 0; e < int(enr_.essais.size()); ++e)
                if (e != essai_ && serie(enr_.essais[e].nom) == la_serie) tracer(e, QPen(pale, 1.0));
        }
        tracer(essai_, QPen(couleur, 1.4));
        p.restore();

        // The channel's name, and what the cursors read on it.
        const QString titre = enr_.voies[v].nom + QStringLiteral(" (") + enr_.voies[v].unite + QLatin1Char(')');
        const double v1 = enr_.valeur(essai_, v, c1_), v2 = enr_.valeur(essai_, v, c2_);
        const QString mesure = QStringLiteral("C1 : %1   C2 : %2   Δ = %3 %4")
                                   .arg(en_francais(v1, 3), en_francais(v2, 3), en_francais(v2 - v1, 3), enr_.voies[v].unite);
        QFont gras = police;
        gras.setBold(true);
        p.setFont(gras);
        const QRect rt(b.left() + 6, b.top() + 3, p.fontMetrics().horizontalAdvance(titre) + 8, 17);
        p.fillRect(rt, QColor(255, 255, 255, 220));
        p.setPen(couleur.darker(120));
        p.drawText(rt, Qt::AlignCenter, titre);
        p.setFont(police);
        const QRect rm(b.right() - p.fontMetrics().horizontalAdvance(mesure) - 14, b.top() + 3,
                       p.fontMetrics().horizontalAdvance(mesure) + 8, 17);
        p.fillRect(rm, QColor(255, 255, 235, 230));
        p.setPen(Qt::black);
        p.drawText(rm, Qt::AlignCenter, mesure);
    }

    // Time axis.
    p.setPen(Qt::black);
    for (double t = std::ceil(t0_ / pas_t) * pas_t; t <= t1_ + 1e-9; t += pas_t) {
        const int x = x_de(t);
        p.drawLine(x, z.bottom() + 1, x, z.bottom() + 5);
        p.drawText(QRect(x - 40, z.bottom() + 6, 80, 14), Qt::AlignHCenter | Qt::AlignTop, en_francais(t, dec_t));
    }
    p.drawText(QRect(z.right() - 200, z.bottom() + 18, 200, 15), Qt::AlignRight, QStringLiteral("temps (ms)"));

    // The two cursors and the time readout.
    auto dessiner_curseur = [&](double t, const QColor &c, Qt::PenStyle style, const QString &nom) {
        if (t < t0_ || t > t1_) return;
        const int x = x_de(t);
        p.setPen(QPen(c, 1.5, style));
        p.drawLine(x, z.top() - 4, x, z.bottom());
        p.setPen(c);
        p.drawText(QRect(x - 15, 2, 30, 14), Qt::AlignCenter, nom);
        // The cursor the keys move, framed while the view has the focus.
        if (hasFocus() && (nom == QLatin1String("C2")) == (saisi_ == 1)) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(QRect(x - 15, 1, 30, 15));
        }
    };
    dessiner_curseur(c1_, COULEUR_C1, Qt::SolidLine, QStringLiteral("C1"));
    dessiner_curseur(c2_, COULEUR_C2, Qt::DashLine, QStringLiteral("C2"));
    const int dec = std::clamp(decimales_pour(enr_.periode_ms), 1, 3);
    const QString lecture = QStringLiteral("C1 : %1 ms    C2 : %2 ms    Δt = %3 ms")
                                .arg(en_francais(c1_, dec), en_francais(c2_, dec), en_francais(c2_ - c1_, dec));
    QFont gras = police;
    gras.setBold(true);
    p.setFont(gras);
    p.setPen(Qt::black);
    p.drawText(QRect(4, z.bottom() + 18, z.width(), 15), Qt::AlignLeft, lecture);
}

void VueTraces::mousePressEvent(QMouseEvent *ev)
{
    if (enr_.essais.empty()) return;
    const int x = int(ev->position().x());
    if (ev->button() == Qt::RightButton) saisi_ = 1;
    else if (ev->button() == Qt::LeftButton) saisi_ = std::abs(x - x_de(c1_)) <= std::abs(x - x_de(c2_)) ? 0 : 1;
    else return;
    setCurseur(saisi_, t_de(x));
}

void VueTraces::mouseMoveEvent(QMouseEvent *ev)
{
    if (saisi_ < 0 || !(ev->buttons() & (Qt::LeftButton | Qt::RightButton))) return;
    const QRect z = zone();
    setCurseur(saisi_, t_de(std::clamp(int(ev->position().x()), z.left(), z.right())));
}

void VueTraces::mouseDoubleClickEvent(QMouseEvent *) { toutVoir(); }

void VueTraces::keyPressEvent(QKeyEvent *ev)
{
    const int k = ev->key();
    if (enr_.essais.empty()) {
        QWidget::keyPressEvent(ev);
        return;
    }
    if (k == Qt::Key_1 || k == Qt::Key_2 || k == Qt::Key_Space) {
        saisi_ = k == Qt::Key_1 ? 0 : k == Qt::Key_2 ? 1 : (saisi_ == 1 ? 0 : 1); // C1 unless C2 was chosen
        setAccessibleDescription(description_clavier());
        update();
    } else if (k == Qt::Key_Left || k == Qt::Key_Right) {
        if (saisi_ < 0) saisi_ = 0;
        const double pas = (ev->modifiers() & Qt::ShiftModifier ? 10 : 1) * enr_.periode_ms * (k == Qt::Key_Left ? -1 : 1);
        // Within the window shown, as the mouse.
        setCurseur(saisi_, std::clamp(curseur(saisi_) + pas, t0_, t1_));
    } else if (k == Qt::Key_Home) {
        toutVoir();
    } else {
        QWidget::keyPressEvent(ev);
    }
}

QString VueTraces::description_clavier() const
{
    return QStringLiteral("Curseur %1 choisi. C1 : %2 ms, C2 : %3 ms. Flèches gauche et droite : déplacer le curseur "
                          "choisi (avec Maj, de dix points) ; 1, 2 ou Espace : choisir C1 ou C2 ; Origine : tout voir.")
        .arg(saisi_ == 1 ? 2 : 1)
        .arg(en_francais(c1_, 2), en_francais(c2_, 2));
}


void VueTraces::wheelEvent(QWheelEvent *ev)
{
    if (enr_.essais.empty()) return;
    const double t = t_de(int(ev->position().x()));
    const double facteur = ev->angleDelta().y() > 0 ? 0.8 : 1.25;
    setFenetre(t - (t - t0_) * facteur, t + (t1_ - t) * facteur);
    ev->accept();
}
