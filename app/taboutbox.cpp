#include "app/taboutbox.h"
#include "assets/icone.h"
#include "common/cadre.h"
#include "common/couleur.h"
#include "common/fabrique.h"
#include "common/imagewidget.h"
#include "common/polices.h"
#include "common/ecran.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(317, 165);

    Cadre *panneau = creer_cadre(this, "Panel1", QString(), {6, 9, 304, 119});
    panneau->setPanneau(true);

    auto *icone = new ImageWidget(panneau);
    icone->setObjectName(QStringLiteral("ProgramIcon"));
    icone->setGeometry(18, 18, 31, 31);
    icone->setStretch(true);
    QImage fond(32, 32, QImage::Format_RGB32);
    fond.fill(palette().color(QPalette::Button));
    {
        QPainter p(&fond);
        p.drawImage(0, 0, image_icone(32));
    }
    icone->setPicture(fond);

    const QColor sarcelle = vers_qcolor(SARCELLE);
    const struct {
        const char *nom;
        QString texte;
        QPoint place;
    } lignes[] = {
        {"ProductName", QStringLiteral("Kalmeno"), {87, 16}},
        {"Version", QStringLiteral("Version:1.0"), {88, 38}},
        {"Copyright", QStringLiteral("Auteur : l'équipe Kalmeno"), {88, 61}},
        {"Comments", QStringLiteral("Contact : voir le guide du professeur"), {87, 84}},
    };
    for (const auto &l : lignes) {
        QLabel *e = creer_etiquette(panneau, l.nom, l.texte, l.place);
        e->setFont(police(QStringLiteral("Arial"), pixels_de_points(9), true));
        QPalette p = e->palette();
        p.setColor(QPalette::WindowText, sarcelle);
        e->setPalette(p);
        e->adjustSize();
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(112, 132, 77, 27);
    QFont f = OKButton->font();
    f.setBold(true);
    OKButton->setFont(f);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        move(place_dans(s->availableGeometry(), frameGeometry().size(),
                        {r.x() + (r.width() - frameGeometry().width()) / 2, r.y() + (r.height() - frameGeometry().height()) / 2}));
    }
    OKButton->setFocus();
}
