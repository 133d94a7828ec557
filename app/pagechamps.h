#pragma once
#include <QWidget>

class BoutonImage;
class Cadre;
class HotePage;
class ImageWidget;
class QPlainTextEdit;

// Page 1, "Champs récepteurs": the lateral-inhibition picture, its question,
// and the start of the companion program terplux.
class PageChamps : public QWidget {
    Q_OBJECT
public:
    PageChamps(HotePage *hote, QWidget *parent = nullptr);

    void BitBtn20Click(); // starts terplux

    Cadre *GroupBox4;
    ImageWidget *Image4;
    QPlainTextEdit *Memo3;
    BoutonImage *BitBtn20;

private:
    HotePage *hote_;
};
