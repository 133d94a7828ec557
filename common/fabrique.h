#pragma once
#include <QRect>
#include <QString>

class Cadre;
class QLabel;
class QObject;
class QPlainTextEdit;
class QTimer;
class QWidget;

// Small makers for controls of the absolute layout: each gets its name and its place.
Cadre *creer_cadre(QWidget *parent, const char *nom, const QString &titre, QRect place);
QTimer *creer_minuterie(QObject *parent, const char *nom, int intervalle_ms, bool actif = false);
QLabel *creer_etiquette(QWidget *parent, const char *nom, const QString &texte, QPoint place);
// A read-only multi-line text holding the given lines.
QPlainTextEdit *creer_memo(QWidget *parent, const char *nom, const QStringList &lignes, QRect place);
