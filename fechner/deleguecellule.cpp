#include "fechner/deleguecellule.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool tout_selectionne(const QLineEdit *e) { return e->hasSelectedText() && e->selectedText() == e->text(); }

// The arrow leaves the text: the caret is already at that edge, or the whole
// text is selected as it is when the cell has just been entered.
bool fleche_vers_cellule(const QLineEdit *e, int touche)
{
    if (tout_selectionne(e)) return true;
    if (e->hasSelectedText()) return false;
    return touche == Qt::Key_Left ? e->cursorPosition() == 0 : e->cursorPosition() == e->text().size();
}

} // namespace

DelegueCellule::DelegueCellule(QAbstractItemView *vue) : QStyledItemDelegate(vue), vue_(vue) {}

QWidget *DelegueCellule::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    auto *e = new QLineEdit(parent);
    // Named by the cell's row and column headings, as the pupil sees them.
    e->setAccessibleName(QStringLiteral("Case %1, %2")
                             .arg(index.sibling(index.row(), 0).data().toString(), index.sibling(0, index.column()).data().toString()));
    e->setFrame(false);
    e->setFont(option.font);
    // The grid's own context menu is offered over the editor too.
    e->setContextMenuPolicy(Qt::NoContextMenu);
    connect(e, &QLineEdit::textEdited, this, [this, e] { Q_EMIT const_cast<DelegueCellule *>(this)->commitData(e); });
    return e;
}

void DelegueCellule::setEditorData(QWidget *editeur, const QModelIndex &index) const
{
    auto *e = qobject_cast<QLineEdit *>(editeur);
    const QString texte = index.data(Qt::EditRole).toString();
    // The text just committed from this editor comes back here: leave the caret alone.
    if (e && e->text() != texte) e->setText(texte);
}

bool DelegueCellule::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::KeyPress) {
        auto *touche = static_cast<QKeyEvent *>(evenement);
        auto *e = qobject_cast<QLineEdit *>(objet);
        const int k = touche->key();
        if (e && (k == Qt::Key_Left || k == Qt::Key_Right) && touche->modifiers() == Qt::NoModifier &&
            fleche_vers_cellule(e, k)) {
            QCoreApplication::sendEvent(vue_, touche);
            return true;
        }
        // Tab leaves the cell the way the grid's own Tab does, so the grid
        // hears the key whether or not an editor was open.
        if (e && (k == Qt::Key_Tab || k == Qt::Key_Backtab)) {
            QCoreApplication::sendEvent(vue_, touche);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(objet, evenement);
}
