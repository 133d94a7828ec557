#pragma once
#include <QList>

class QAction;

// Access letters for a menu bar's items and their menus (Alt+F, then a
// letter): in each menu, an item gets the first letter of one of its words not
// yet taken there, else its first free letter. Items that have one keep it.
void lettres_d_acces(const QList<QAction *> &actions);
