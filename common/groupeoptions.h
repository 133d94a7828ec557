#pragma once
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>

// A radio group: a frame of radio buttons laid out in columns, with the index
// of the selected item (−1 when none).
class GroupeOptions : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
public:
    GroupeOptions(const QStringList &elements, int colonnes, QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int i); // does not emit clicked()
    QRadioButton *bouton(int i) const { return boutons_.value(i); }

Q_SIGNALS:
    // The pupil clicked an item (the index is already updated).
    void clicked();

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void disposer();
    QList<QRadioButton *> boutons_;
    int colonnes_;
};
