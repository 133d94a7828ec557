#pragma once
#include <QImage>
#include <QPushButton>

#include <functional>

// A button with a picture (glyph): the picture at the left of the caption or
// above it, with the margin and spacing of the original layout.
class BoutonImage : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QImage glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int tag READ tag WRITE setTag)
public:
    enum class Disposition { GaucheDuTexte, DessusDuTexte, DessousDuTexte };

    explicit BoutonImage(const QString &texte = QString(), QWidget *parent = nullptr);

    QImage glyph() const;
    void setGlyph(const QImage &g);
    // A picture drawn only when first needed (painted or asked for), for the
    // large pictures of pages that may never be shown.
    void setGlyph(std::function<QImage()> dessin);
    void setDisposition(Disposition d, int marge = -1, int espacement = 4);
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    mutable QImage glyph_;
    mutable std::function<QImage()> dessin_;
    Disposition disposition_ = Disposition::GaucheDuTexte;
    int marge_ = -1;
    int espacement_ = 4;
    int tag_ = 0;
};
