#include "common/groupeoptions.h"

GroupeOptions::GroupeOptions(const QStringList &elements, int colonnes, QWidget *parent)
    : QGroupBox(parent), colonnes_(std::max(1, colonnes))
{
    for (const QString &e : elements) {
        auto *b = new QRadioButton(e, this);
        boutons_.append(b);
        connect(b, &QRadioButton::clicked, this, [this] { Q_EMIT clicked(); });
    }
    disposer();
}

int GroupeOptions::itemIndex() const
{
    for (int i = 0; i < boutons_.size(); ++i)
        if (boutons_[i]->isChecked()) return i;
    return -1;
}

void GroupeOptions::setItemIndex(int i)
{
    if (i >= 0 && i < boutons_.size()) boutons_[i]->setChecked(true);
}

void GroupeOptions::resizeEvent(QResizeEvent *e)
{
    QGroupBox::resizeEvent(e);
    disposer();
}

void GroupeOptions::disposer()
{
    if (boutons_.isEmpty()) return;
    const int lignes = (boutons_.size() + colonnes_ - 1) / colonnes_;
    const int haut = title().isEmpty() ? 2 : fontMetrics().height();
    const int w = std::max(1, (width() - 8) / colonnes_);
    const int h = std::max(1, (height() - haut - 2) / lignes);
    for (int i = 0; i < boutons_.size(); ++i)
        boutons_[i]->setGeometry(4 + (i / lignes) * w, haut + (i % lignes) * h, w, h);
}
