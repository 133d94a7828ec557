#pragma once
#include <QImage>
#include <QString>

class QAction;
class QWidget;

// What a page may ask of the main window: the notebook, the menu items whose
// check marks it reads or sets, the start directory and the shared blank plot.
// Pages never reach into each other; they go through this.
class HotePage {
public:
    virtual ~HotePage() = default;
    virtual int page_courante() const = 0;
    virtual void montrer_page(int index) = 0;
    virtual QAction *element_menu(const char *nom) const = 0;
    virtual QString rep_depart() const = 0;
    virtual QImage image_blanche() const = 0;
    virtual QWidget *fenetre() = 0;
};
