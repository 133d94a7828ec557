#include "fechner/grillechaines.h"
#include "fechner/deleguecellule.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace {

// The headings are not even enabled: every way the view has of making a cell
// current (keys, mouse, its search by typed text) passes over them.
constexpr Qt::ItemFlags drapeaux_entete = Qt::NoItemFlags;
constexpr Qt::ItemFlags drapeaux_cellule = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;

void regler_entete(QHeaderView *h)
{
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setSectionsClickable(false);
    h->setHighlightSections(false);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setTextElideMode(Qt::ElideNone);
    h->setMinimumSectionSize(1);
}

} // namespace

GrilleChaines::GrilleChaines(int colonnes, int lignes, QWidget *parent) : QTableWidget(lignes, colonnes, parent)
{
    regler_entete(horizontalHeader());
    regler_entete(verticalHeader());
    setItemDelegate(new DelegueCellule(this));
    // No edit on a click in the current cell: its delayed start would swallow
    // the keys typed meanwhile; typing or a double click opens the editor.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    for (int r = 0; r < lignes; ++r)
        for (int c = 0; c < colonnes; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(r == 0 || c == 0 ? drapeaux_entete : drapeaux_cellule);
            setItem(r, c, item);
        }
    for (int c = 0; c < colonnes; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < lignes; ++r) setVerticalHeaderItem(r, new QTableWidgetItem);
    // The first row and column are shown by the headers, which do not scroll.
    setRowHidden(0, true);
    setColumnHidden(0, true);

    // The corner shows the text of cell (0, 0).
    coin_ = findChild<QAbstractButton *>();
    if (coin_) coin_->installEventFilter(this);

    connect(this, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *item) { recopier_entete(item->column(), item->row()); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &courante, const QModelIndex &) {
                if (!placement_ && courante.isValid()) Q_EMIT selectionCellule(courante.column(), courante.row());
            });
}

void GrilleChaines::dimensionner(int largeur_colonne, int hauteur_ligne)
{
    horizontalHeader()->setDefaultSectionSize(largeur_colonne);
    verticalHeader()->setDefaultSectionSize(hauteur_ligne);
    horizontalHeader()->setFixedHeight(hauteur_ligne);
    verticalHeader()->setFixedWidth(largeur_colonne);
}

QString GrilleChaines::texte(int colonne, int ligne) const
{
    const QTableWidgetItem *i = item(ligne, colonne);
    return i ? i->text() : QString();
}

void GrilleChaines::ecrire_texte(int colonne, int ligne, const QString &t)
{
    if (QTableWidgetItem *i = item(ligne, colonne); i && i->text() != t) i->setText(t);
}

void GrilleChaines::recopier_entete(int colonne, int ligne)
{
    if (ligne == 0 && colonne == 0 && coin_) coin_->update();
    if (ligne == 0) horizontalHeaderItem(colonne)->setText(texte(colonne, 0));
    if (colonne == 0) verticalHeaderItem(ligne)->setText(texte(0, ligne));
}

void GrilleChaines::placer_courante(int colonne, int ligne)
{
    placement_ = true;
    setCurrentCell(ligne, colonne);
    placement_ = false;
}

bool GrilleChaines::viewportEvent(QEvent *e)
{
    // The right button only opens the context menu: it never moves the current cell.
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(e)->button() == Qt::RightButton) return true;
        break;
    default:
        break;
    }
    return QTableWidget::viewportEvent(e);
}

void GrilleChaines::mousePressEvent(QMouseEvent *e)
{
    appui_ = e->button() == Qt::LeftButton ? QPersistentModelIndex(indexAt(e->position().toPoint()))
                                           : QPersistentModelIndex();
    QTableWidget::mousePressEvent(e);
}

void GrilleChaines::mouseReleaseEvent(QMouseEvent *e)
{
    // The view reports no click when the press opened the new cell's editor;
    // the pupil clicked all the same.
    const QModelIndex relache = indexAt(e->position().toPoint());
    const bool clic = e->button() == Qt::LeftButton && relache.isValid() && relache == appui_;
    appui_ = QPersistentModelIndex();
    QTableWidget::mouseReleaseEvent(e);
    if (clic) Q_EMIT clicCellule();
}

void GrilleChaines::keyPressEvent(QKeyEvent *e)
{
    const int touche = e->key();
    // Tab goes from cell to cell; Ctrl+Tab leaves the grid for the next control.
    if ((e->modifiers() & Qt::ControlModifier) && (touche == Qt::Key_Tab || touche == Qt::Key_Backtab)) {
        QWidget::focusNextPrevChild(touche == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier));
        return;
    }
    QTableWidget::keyPressEvent(e);
    Q_EMIT toucheTraitee(touche);
}

bool GrilleChaines::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == coin_ && evenement->type() == QEvent::Paint) {
        QPainter p(coin_);
        QStyleOptionHeader opt;
        opt.initFrom(coin_);
        opt.rect = coin_->rect();
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.text = texte(0, 0);
        opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        style()->drawControl(QStyle::CE_Header, &opt, &p, coin_);
        return true;
    }
    return QTableWidget::eventFilter(objet, evenement);
}
