#pragma once
class QWidget;

// Shows every I/O error report as a message box with a stop icon, an OK
// button and the application's title "Kalmeno".
void installer_rapport_boite(QWidget *parent);
