#include "app/pagechamps.h"
#include "common/cadre.h"
#include "common/fabrique.h"
#include "common/polices.h"

#include <QPlainTextEdit>

PageChamps::PageChamps(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox4 = creer_cadre(this, "GroupBox4", QStringLiteral("Champs récepteurs, inhibition latérale"),
                            {133, 127, 259, 196});
    GroupBox4->setFont(police(QStringLiteral("Tahoma"), 11));
    QPlainTextEdit *memo = creer_memo(GroupBox4, "Memo3",
                                      {QStringLiteral("Que se passe t-il à"), QStringLiteral("l'intersection des lignes?")},
                                      {55, 139, 145, 41});
    memo->setFont(police(QStringLiteral("Tahoma"), 12));
}
