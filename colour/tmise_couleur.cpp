#include "colour/tmise_couleur.h"
#include "colour/reglescouleur.h"
#include "common/cadre.h"
#include "common/ecran.h"
#include "common/forme.h"
#include "common/polices.h"
#include "common/accessibilite.h"
#include "common/tabulation.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

Tmise_couleur::Tmise_couleur(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("mise_couleur"));
    setWindowTitle(QStringLiteral("Mise en couleur"));
    setFixedSize(388, 179);
    setFont(police(QStringLiteral("MS Sans Serif"), pixels_de_points(8), true));
    if (const QScreen *ecran = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());

    const struct {
        QPushButton **bouton;
        const char *nom;
        QString texte;
        int haut;
    } boutons[] = {
        {&OKBtn, "OKBtn", QStringLiteral("OK"), 8},
        {&CancelBtn, "CancelBtn", QStringLiteral("Annuler"), 40},
        {&HelpBtn, "HelpBtn", QStringLiteral("&Aide"), 72},
    };
    for (const auto &b : boutons) {
        auto *q = new QPushButton(b.texte, this);
        q->setObjectName(QLatin1String(b.nom));
        q->setGeometry(300, b.haut, 77, 27);
        q->setAutoDefault(false);
        *b.bouton = q;
    }
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *cadre = new Cadre(QString(), this);
    cadre->setGeometry(25, 10, 75, 140);
    cadre->setFont(police(QStringLiteral("Arial"), pixels_de_points(8)));
    const struct {
        QScrollBar **barre;
        const char *nom;
        void (Tmise_couleur::*gestionnaire)();
        int gauche_barre, gauche_legende;
        Couleur legende;
        QString lu;
    } barres[] = {
        {&scroll_rouge, "scroll_rouge", &Tmise_couleur::scroll_rougeChange, 7, 4, ROUGE, QStringLiteral("Rouge")},
        {&Scroll_vert, "Scroll_vert", &Tmise_couleur::Scroll_vertChange, 31, 27, LIME, QStringLiteral("Vert")},
        {&Scroll_bleu, "Scroll_bleu", &Tmise_couleur::Scroll_bleuChange, 55, 51, BLEU, QStringLiteral("Bleu")},
    };
    int n = 12;
    for (const auto &b : barres) {
        auto *s = new QScrollBar(Qt::Vertical, cadre);
        s->setObjectName(QLatin1String(b.nom));
        s->setGeometry(b.gauche_barre, 8, 9, 106);
        s->setRange(0, 254);
        s->setPageStep(10);
        s->setValue(254);
        connect(s, &QScrollBar::valueChanged, this, b.gestionnaire);
        nommer_barre(s, b.lu, 255.0, -1.0, 0); // the component it gives, 1 to 255
        *b.barre = s;
        auto *legende = new Forme(cadre, Forme::Type::Cercle);
        legende->setObjectName(QStringLiteral("Shape%1").arg(n++));
        legende->setGeometry(b.gauche_legende, 117, 16, 17);
        legende->set_couleur(b.legende);
    }

    Group_ess_coul = new Cadre(QString(), this);
    Group_ess_coul->setObjectName(QStringLiteral("Group_ess_coul"));
    Group_ess_coul->setGeometry(112, 5, 121, 145);
    ordonner_tabulation(this); // the three bars by Tab, then the buttons
}

void Tmise_couleur::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    garder_dans_ecran(this);
    OKBtn->setFocus(); // OK has the focus each time the dialog opens
}

void Tmise_couleur::mise_en_couleur()
{
    couleur_mise = couleur_mise_de_positions(scroll_rouge->value(), Scroll_vert->value(), Scroll_bleu->value());
    Group_ess_coul->set_couleur(couleur_mise);
}

void Tmise_couleur::scroll_rougeChange() { mise_en_couleur(); }
void Tmise_couleur::Scroll_vertChange() { mise_en_couleur(); }
void Tmise_couleur::Scroll_bleuChange() { mise_en_couleur(); }

void Tmise_couleur::partir_de(Couleur depart)
{
    couleur_mise = depart;
    Group_ess_coul->set_couleur(couleur_mise);
    // All three positions are known before the first bar moves.
    const std::array<int, 3> p = positions_de_couleur(couleur_mise);
    scroll_rouge->setValue(p[0]);
    Scroll_vert->setValue(p[1]);
    Scroll_bleu->setValue(p[2]);
}
