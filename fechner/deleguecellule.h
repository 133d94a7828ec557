#pragma once
#include <QStyledItemDelegate>

class QAbstractItemView;

// The in-place editor of a string grid: a plain line edit the size of the
// cell whose text becomes the cell's text at every keystroke, so that a save,
// a menu command or a redraw always sees what the pupil has typed. Left and
// right arrows move the caret inside the text and move to the next cell
// once the caret is at the edge (or the whole text is selected).
class DelegueCellule : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DelegueCellule(QAbstractItemView *vue);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editeur, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    QAbstractItemView *vue_;
};
