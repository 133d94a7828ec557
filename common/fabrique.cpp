#include "common/fabrique.h"
#include "common/cadre.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

Cadre *creer_cadre(QWidget *parent, const char *nom, const QString &titre, QRect place)
{
    auto *c = new Cadre(titre, parent);
    c->setObjectName(QLatin1String(nom));
    c->setGeometry(place);
    return c;
}

QTimer *creer_minuterie(QObject *parent, const char *nom, int intervalle_ms, bool actif)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QLatin1String(nom));
    t->setInterval(intervalle_ms);
    if (actif) t->start();
    return t;
}

QLabel *creer_etiquette(QWidget *parent, const char *nom, const QString &texte, QPoint place)
{
    auto *l = new QLabel(texte, parent);
    l->setObjectName(QLatin1String(nom));
    l->move(place);
    l->adjustSize();
    return l;
}

QPlainTextEdit *creer_memo(QWidget *parent, const char *nom, const QStringList &lignes, QRect place)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(nom));
    m->setGeometry(place);
    m->setReadOnly(true);
    m->setPlainText(lignes.join(QLatin1Char('\n')));
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return m;
}
