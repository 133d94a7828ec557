#pragma once
// A stand-in for the main window in page tests: a page index, the menu items
// a page asks for (made on demand, checkable), the start directory and the
// shared blank plot picture.
#include "common/canevas.h"
#include "common/hote.h"

#include <QAction>
#include <QDir>
#include <QMap>
#include <QWidget>

class HoteEssai : public HotePage {
public:
    int page = -1;
    QList<int> pages_montrees;
    QString depart = QDir::currentPath();
    QWidget racine;
    mutable QMap<QByteArray, QAction *> actions;

    int page_courante() const override { return page; }
    void montrer_page(int index) override
    {
        page = index;
        pages_montrees << index;
    }
    QAction *element_menu(const char *nom) const override
    {
        QAction *&a = actions[QByteArray(nom)];
        if (!a) {
            a = new QAction(QString::fromLatin1(nom), const_cast<QWidget *>(&racine));
            a->setObjectName(QString::fromLatin1(nom));
            a->setCheckable(true);
        }
        return a;
    }
    QString rep_depart() const override { return depart; }
    QImage image_blanche() const override { return image_unie(420, 220, BLANC); }
    QWidget *fenetre() override { return &racine; }
};
