#include "common/journaldessin.h"
#include "common/canevas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QHash>
#include <QMutex>
#include <QPainter>

#include <atomic>
#include <cmath>
#include <deque>
#include <list>
#include <vector>

NoeudDessin::~NoeudDessin()
{
    // Frees the steps before this one in a loop: a long journal would
    // otherwise be freed by a recursion as deep as it is long.
    std::shared_ptr<const NoeudDessin> n = std::move(avant);
    while (n && n.use_count() == 1) {
        std::shared_ptr<const NoeudDessin> precedent = std::move(const_cast<NoeudDessin &>(*n).avant);
        n = std::move(precedent);
    }
}

namespace journal_dessin {

namespace {

// −1 until known: then whether a screen shows pictures at a fractional scale.
std::atomic<int> actif_{-1};

bool echelle_fractionnaire()
{
    for (const QScreen *s : QGuiApplication::screens()) {
        const qreal r = s->devicePixelRatio();
        if (!qFuzzyCompare(r, qreal(qRound(r)))) return true;
    }
    return false;
}

// A journal longer than this is dropped: replaying it would cost more than the
// sharper picture is worth (the picture then shows with repeated pixels).
constexpr int LONGUEUR_MAX = 20000;
// Journals kept for pictures that may still be shown, bounded in number and
// in steps (a step takes a few hundred bytes; steps shared by copies of a
// picture count once per copy). The one used least recently goes first, so
// that a background drawn once and copied at every tick (the ions' box) stays
// while the copies come and go.
constexpr int NOMBRE_MAX = 1024;
constexpr qint64 PAS_MAX = 200000;

struct Registre {
    QMutex verrou;
    std::list<std::pair<qint64, JournalDessin>> ordre; // the most recently used first
    QHash<qint64, std::list<std::pair<qint64, JournalDessin>>::iterator> places;
    qint64 pas = 0;
};

Registre &registre()
{
    static Registre r;
    return r;
}

// Picture coordinates to device coordinates, with the screen's rounding.
struct Echelle {
    qreal r, dx, dy;
    int ox, oy;
    Echelle(qreal e, QPointF d) : r(e), dx(d.x()), dy(d.y()), ox(qRound(d.x())), oy(qRound(d.y())) {}
    int X(qreal x) const { return qRound(dx + x * r) - ox; }
    int Y(qreal y) const { return qRound(dy + y * r) - oy; }
    // The device pixels covered by picture pixels x1 .. x2 − 1, y1 .. y2 − 1.
    QRect bloc(int x1, int y1, int x2, int y2) const { return QRect(QPoint(X(x1), Y(y1)), QPoint(X(x2) - 1, Y(y2) - 1)); }
    // A pen of w picture pixels, in device pixels.
    int epaisseur(int w) const { return std::max(1, qRound(std::max(w, 1) * r)); }
};

void remplir(QImage &R, const QRect &b, Couleur c)
{
    const QRect r = b.intersected(R.rect());
    const uint32_t p = vers_pixel(c);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto *ligne = reinterpret_cast<uint32_t *>(R.scanLine(y));
        std::fill(ligne + r.left(), ligne + r.right() + 1, p);
    }
}

// A picture enlarged so that each of its pixels fills exactly its device block.
QImage blocs(const QImage &im, const Echelle &e, const QSize &taille)
{
    QImage source = im.convertToFormat(QImage::Format_RGB32);
    QImage R(taille, QImage::Format_RGB32);
    R.fill(Qt::white);
    std::vector<int> sx(std::size_t(std::max(taille.width(), 0)), -1);
    for (int x = 0; x < source.width(); ++x)
        for (int X = std::max(e.X(x), 0); X < std::min(e.X(x + 1), taille.width()); ++X) sx[std::size_t(X)] = x;
    for (int y = 0; y < source.height(); ++y) {
        const auto *s = reinterpret_cast<const uint32_t *>(source.constScanLine(y));
        for (int Y = std::max(e.Y(y), 0); Y < std::min(e.Y(y + 1), taille.height()); ++Y) {
            auto *d = reinterpret_cast<uint32_t *>(R.scanLine(Y));
            for (int X = 0; X < taille.width(); ++X)
                if (sx[std::size_t(X)] >= 0) d[X] = s[sx[std::size_t(X)]];
        }
    }
    return R;
}

// A line of the canvas at device resolution: Bresenham between the scaled
// ends, leaving out the last point, with a nib as wide as the scaled pen.
void ligne(QImage &R, const Echelle &e, const TraitDessin &t)
{
    const int n = e.epaisseur(t.largeur);
    const int o = -qRound((std::max(t.largeur, 1) / 2) * e.r);
    const bool rond = t.largeur > 2;
    const uint32_t p = vers_pixel(t.plume);
    const bool pointille = t.style == int(Canevas::StylePlume::Pointille);
    const qreal periode = 6 * e.r, allume = 3 * e.r;
    qreal phase = t.phase * e.r; // where the dotted pattern stood at the start
    auto point = [&](int x, int y) {
        if (pointille) {
            const bool on = std::fmod(phase, periode) < allume;
            phase += 1;
            if (!on) return;
        }
        for (int dy = 0; dy < n; ++dy)
            for (int dx = 0; dx < n; ++dx) {
                if (rond) {
                    // The canvas's round nib, measured in picture pixels.
                    const qreal cx = (dx + o) / e.r, cy = (dy + o) / e.r;
                    if (4 * (cx * cx + cy * cy) > qreal(t.largeur) * t.largeur) continue;
                }
                const int X = x + o + dx, Y = y + o + dy;
                if (X >= 0 && Y >= 0 && X < R.width() && Y < R.height())
                    reinterpret_cast<uint32_t *>(R.scanLine(Y))[X] = p;
            }
    };
    parcourir_segment(QPoint(e.X(t.x1), e.Y(t.y1)), QPoint(e.X(t.x2), e.Y(t.y2)), point);
}

void rectangle(QImage &R, const Echelle &e, const TraitDessin &t)
{
    const QRect b = e.bloc(t.x1, t.y1, t.x2, t.y2);
    if (!t.vide) remplir(R, b, t.pinceau);
    if (t.style == int(Canevas::StylePlume::Aucun)) return;
    const int n = std::min({e.epaisseur(1), b.width(), b.height()});
    remplir(R, QRect(b.left(), b.top(), b.width(), n), t.plume);
    remplir(R, QRect(b.left(), b.bottom() - n + 1, b.width(), n), t.plume);
    remplir(R, QRect(b.left(), b.top(), n, b.height()), t.plume);
    remplir(R, QRect(b.right() - n + 1, b.top(), n, b.height()), t.plume);
}

void ellipse(QImage &R, const Echelle &e, const TraitDessin &t)
{
    const QRect b = e.bloc(t.x1, t.y1, t.x2, t.y2);
    if (b.width() <= 0 || b.height() <= 0) return;
    QPainter p(&R);
    p.setRenderHint(QPainter::Antialiasing, false);
    const bool contour = t.style != int(Canevas::StylePlume::Aucun);
    const int n = e.epaisseur(1);
    QPen plume(vers_qcolor(contour ? t.plume : t.pinceau));
    plume.setWidth(n);
    if (contour && t.style == int(Canevas::StylePlume::Pointille)) plume.setStyle(Qt::DotLine);
    if (!contour && t.vide) plume.setStyle(Qt::NoPen);
    p.setPen(plume);
    if (t.vide)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(vers_qcolor(t.pinceau));
    if (n == 1)
        p.drawEllipse(QRect(b.left(), b.top(), b.width() - 1, b.height() - 1));
    else
        p.drawEllipse(QRectF(b).adjusted(n / 2.0, n / 2.0, -n / 2.0, -n / 2.0));
}

void texte(QImage &R, const Echelle &e, const TraitDessin &t)
{
    // The box the text took at 100 % (x2, y2: its size), its background scaled.
    if (!t.vide) remplir(R, e.bloc(t.x1, t.y1, t.x1 + t.x2, t.y1 + t.y2), t.pinceau);
    QFont f = t.police;
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, qRound(f.pixelSize() * e.r)));
    else
        f.setPointSizeF(f.pointSizeF() * e.r);
    QPainter p(&R);
    // Unsmoothed as at 100 %: the picture keeps only its own colours.
    p.setRenderHint(QPainter::TextAntialiasing, false);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(vers_qcolor(t.couleur_police));
    p.drawText(e.X(t.x1), e.Y(t.y1) + QFontMetrics(f).ascent(), t.texte);
}

void remplissage(QImage &R, const Echelle &e, const TraitDessin &t)
{
    // A seed in the middle of the pixel's block, or anywhere in it off the border.
    const uint32_t limite = vers_pixel(t.plume) & 0xFFFFFF;
    const QRect b = e.bloc(t.x1, t.y1, t.x1 + 1, t.y1 + 1).intersected(R.rect());
    QPoint graine((b.left() + b.right()) / 2, (b.top() + b.bottom()) / 2);
    auto libre = [&](QPoint q) {
        return R.rect().contains(q) && (reinterpret_cast<const uint32_t *>(R.constScanLine(q.y()))[q.x()] & 0xFFFFFF) != limite;
    };
    if (!libre(graine) || !b.contains(graine)) {
        graine = QPoint(-1, -1);
        for (int y = b.top(); y <= b.bottom() && graine.x() < 0; ++y)
            for (int x = b.left(); x <= b.right(); ++x)
                if (libre({x, y})) {
                    graine = {x, y};
                    break;
                }
        if (graine.x() < 0) return;
    }
    Canevas c(R);
    c.couleur_pinceau = t.pinceau;
    c.FloodFill(graine.x(), graine.y(), t.plume);
}

// A motif stamped many times (the particles, the plot's dots) is drawn once
// per scale and place between device pixels.
QImage motif_rendu(const JournalDessin &m, qreal r, QPointF fraction)
{
    struct Rendu {
        JournalDessin motif;
        qreal r;
        QPointF fraction;
        QImage image;
    };
    static QMutex verrou;
    static std::deque<Rendu> memoire;
    QMutexLocker v(&verrou);
    for (const Rendu &d : memoire)
        if (d.motif == m && d.r == r && d.fraction == fraction) return d.image;
    v.unlock();
    QImage image = rendre(m, r, fraction);
    v.relock();
    memoire.push_back({m, r, fraction, image});
    if (memoire.size() > 32) memoire.pop_front();
    return image;
}

void incrustation(QImage &R, const Echelle &e, const TraitDessin &t)
{
    // The motif drawn at the same scale, with the same rounding as where it lands.
    const qreal gx = e.dx + t.x1 * e.r, gy = e.dy + t.y1 * e.r;
    const QPointF fraction(gx - std::floor(gx), gy - std::floor(gy));
    const QImage m = t.motif ? motif_rendu(t.motif, e.r, fraction) : rendre(image(t.image), e.r, fraction);
    const uint32_t cle = vers_pixel(t.pinceau) & 0xFFFFFF;
    const int X0 = e.X(t.x1), Y0 = e.Y(t.y1);
    for (int y = 0; y < m.height(); ++y) {
        const int Y = Y0 + y;
        if (Y < 0 || Y >= R.height()) continue;
        const auto *s = reinterpret_cast<const uint32_t *>(m.constScanLine(y));
        auto *d = reinterpret_cast<uint32_t *>(R.scanLine(Y));
        for (int x = 0; x < m.width(); ++x) {
            const int X = X0 + x;
            if (X >= 0 && X < R.width() && (s[x] & 0xFFFFFF) != cle) d[X] = s[x];
        }
    }
}

} // namespace

bool actif()
{
    const int a = actif_.load();
    if (a >= 0) return a;
    // Known once the application has its screens; until then nothing is kept.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) return false;
    const bool f = echelle_fractionnaire();
    actif_.store(f);
    return f;
}

void activer(bool a) { actif_.store(a ? 1 : 0); }

JournalDessin uni(const QSize &taille, Couleur c)
{
    auto n = std::make_shared<NoeudDessin>();
    n->trait.genre = TraitDessin::Genre::Uni;
    n->trait.pinceau = c;
    n->taille = taille;
    return n;
}

JournalDessin image(const QImage &im)
{
    auto n = std::make_shared<NoeudDessin>();
    n->trait.genre = TraitDessin::Genre::Image;
    n->trait.image = im;
    n->taille = im.size();
    return n;
}

namespace {

// A fill that repeats one among the last few fills (same seed, same border,
// only fills of other colours than the border in between) covers exactly the
// same area, since no border pixel changed: the earlier one can go. Recolouring
// a region again and again (the colour mixing's sliders) keeps the journal short.
JournalDessin sans_remplissage_repete(const JournalDessin &j, const TraitDessin &t)
{
    using G = TraitDessin::Genre;
    if (t.genre != G::Remplissage || t.pinceau == t.plume) return j;
    std::vector<const NoeudDessin *> apres;
    const NoeudDessin *n = j.get();
    for (int k = 0; n && k < 16; ++k, n = n->avant.get()) {
        const TraitDessin &u = n->trait;
        if (u.genre != G::Remplissage || u.plume != t.plume || u.pinceau == u.plume) return j;
        if (u.x1 == t.x1 && u.y1 == t.y1 && n->avant) {
            JournalDessin r = n->avant;
            for (auto it = apres.rbegin(); it != apres.rend(); ++it) {
                auto m = std::make_shared<NoeudDessin>(**it);
                m->avant = r;
                m->longueur = r->longueur + 1;
                r = m;
            }
            return r;
        }
        apres.push_back(n);
    }
    return j;
}

} // namespace

JournalDessin ajouter(const JournalDessin &jd, TraitDessin t)
{
    if (!jd || jd->longueur >= LONGUEUR_MAX) return {};
    const JournalDessin j = sans_remplissage_repete(jd, t);
    auto n = std::make_shared<NoeudDessin>();
    n->trait = std::move(t);
    n->avant = j;
    n->taille = j->taille;
    n->longueur = j->longueur + 1;
    return n;
}

JournalDessin trouver(const QImage &im)
{
    if (!actif() || im.isNull()) return {};
    Registre &r = registre();
    QMutexLocker verrou(&r.verrou);
    const auto p = r.places.constFind(im.cacheKey());
    if (p == r.places.constEnd()) return {};
    r.ordre.splice(r.ordre.begin(), r.ordre, *p);
    const JournalDessin &j = (*p)->second;
    return j->taille == im.size() ? j : JournalDessin{};
}

void publier(const QImage &im, const JournalDessin &j)
{
    if (!actif() || !j || im.isNull()) return;
    Registre &r = registre();
    QMutexLocker verrou(&r.verrou);
    const qint64 cle = im.cacheKey();
    if (const auto p = r.places.constFind(cle); p != r.places.constEnd()) {
        r.pas += j->longueur - (*p)->second->longueur;
        (*p)->second = j;
        r.ordre.splice(r.ordre.begin(), r.ordre, *p);
    } else {
        r.ordre.emplace_front(cle, j);
        r.places.insert(cle, r.ordre.begin());
        r.pas += j->longueur;
    }
    while (r.ordre.size() > 1 && (r.ordre.size() > std::size_t(NOMBRE_MAX) || r.pas > PAS_MAX)) {
        r.pas -= r.ordre.back().second->longueur;
        r.places.remove(r.ordre.back().first);
        r.ordre.pop_back();
    }
}

void oublier(const QImage &im)
{
    if (!actif() || im.isNull()) return;
    Registre &r = registre();
    QMutexLocker verrou(&r.verrou);
    const auto p = r.places.constFind(im.cacheKey());
    if (p == r.places.constEnd()) return;
    r.pas -= (*p)->second->longueur;
    r.ordre.erase(*p);
    r.places.erase(p);
}

int nombre_gardes()
{
    Registre &r = registre();
    QMutexLocker verrou(&r.verrou);
    return int(r.ordre.size());
}

QImage rendre(const JournalDessin &j, qreal echelle, QPointF decalage, bool lisse)
{
    if (!j) return {};
    const Echelle e(echelle, decalage);
    const QSize taille(e.X(j->taille.width()), e.Y(j->taille.height()));
    if (taille.isEmpty()) return {};
    std::vector<const NoeudDessin *> pas;
    for (const NoeudDessin *n = j.get(); n; n = n->avant.get()) pas.push_back(n);
    QImage R(taille, QImage::Format_RGB32);
    for (auto it = pas.rbegin(); it != pas.rend(); ++it) {
        const TraitDessin &t = (*it)->trait;
        switch (t.genre) {
        case TraitDessin::Genre::Uni: R.fill(vers_pixel(t.pinceau)); break;
        case TraitDessin::Genre::Image:
            R = lisse ? t.image.convertToFormat(QImage::Format_RGB32)
                            .scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      : blocs(t.image, e, taille);
            break;
        case TraitDessin::Genre::Ligne: ligne(R, e, t); break;
        case TraitDessin::Genre::Rectangle: rectangle(R, e, t); break;
        case TraitDessin::Genre::Pave: remplir(R, e.bloc(t.x1, t.y1, t.x2, t.y2), t.pinceau); break;
        case TraitDessin::Genre::Ellipse: ellipse(R, e, t); break;
        case TraitDessin::Genre::Texte: texte(R, e, t); break;
        case TraitDessin::Genre::Pixel: remplir(R, e.bloc(t.x1, t.y1, t.x1 + 1, t.y1 + 1), t.pinceau); break;
        case TraitDessin::Genre::Remplissage: remplissage(R, e, t); break;
        case TraitDessin::Genre::Incrustation: incrustation(R, e, t); break;
        }
    }
    return R;
}

} // namespace journal_dessin
