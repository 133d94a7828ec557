#include "common/imagerapport.h"

#include <QAbstractItemView>
#include <QWidget>

namespace {

bool &en_rapport()
{
    static bool r = false;
    return r;
}

} // namespace

bool dessin_pour_rapport() { return en_rapport(); }

QImage image_rapport(QWidget *w, qreal echelle)
{
    QImage image((QSizeF(w->size()) * echelle).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    image.fill(w->palette().window().color());
    // Tables drawn with their selection in the colours of the other cells,
    // then given back their own palette.
    struct Vue {
        QAbstractItemView *vue;
        QPalette palette;
        bool propre;
    };
    QList<Vue> vues;
    for (QAbstractItemView *v : w->findChildren<QAbstractItemView *>()) {
        vues.append({v, v->palette(), v->testAttribute(Qt::WA_SetPalette)});
        QPalette p = v->palette();
        for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setBrush(g, QPalette::Highlight, p.brush(g, QPalette::Base));
            p.setBrush(g, QPalette::HighlightedText, p.brush(g, QPalette::Text));
        }
        v->setPalette(p);
    }
    en_rapport() = true;
    w->render(&image, {}, {}, QWidget::DrawWindowBackground | QWidget::DrawChildren);
    en_rapport() = false;
    for (const Vue &v : vues) v.vue->setPalette(v.propre ? v.palette : QPalette());
    image.setDevicePixelRatio(1.0);
    return image;
}
