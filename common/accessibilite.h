#pragma once
#include <QAccessible>
#include <QString>

class QScrollBar;
class QWidget;

// The program's own controls as a screen reader should present them: a
// picture is an image, a square the keyboard can choose a button, another
// square an image; `donner_role` says otherwise.
void installer_roles();
void donner_role(QWidget *w, QAccessible::Role role);

// A scroll bar as a screen reader should present it: named by what it sets,
// its value in the unit the page shows. The value read is
// origine + pas × position, written with `decimales` decimals, a decimal comma
// and the unit ("Intensité", 1.0, −0.01, 2, "V": position 50 reads "0,50 V").
// The accessible value interface gives that number (its range ordered low to
// high), and each change is announced with it.
void nommer_barre(QScrollBar *barre, const QString &nom, double origine, double pas, int decimales,
                  const QString &unite = QString());

// The value as read: "0,50 V", "8 mmol/L".
QString valeur_lue(const QScrollBar *barre);
