#include "colour/tform_coul.h"
#include "common/cadre.h"
#include "common/ecran.h"
#include "common/fabrique.h"
#include "common/forme.h"
#include "common/polices.h"

#include <QPushButton>

namespace {

constexpr int GAUCHES[NB_COLONNES] = {8, 28, 48, 69, 89, 108, 128, 148, 167, 187};
constexpr int HAUT_CARRE_HAUT = 17;
constexpr int HAUT_CARRE_BAS = 36;
constexpr int COTE = 16;

} // namespace

TForm_coul::TForm_coul(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form_coul"));
    setWindowTitle(QStringLiteral("Choix couleur"));
    setFixedSize(210, 61);

    GroupBox6 = creer_cadre(this, "GroupBox6", QStringLiteral("Choisissez la couleur"), {0, 0, 209, 58});
    GroupBox6->set_couleur(BLANC);
    GroupBox6->setFont(police(QStringLiteral("Tahoma"), pixels_de_points(8)));

    for (int i = 0; i < NB_COLONNES; ++i) {
        const ColonneChoix &c = colonnes_choix()[i];
        auto carre = [&](const char *nom, int haut) {
            auto *f = new Forme(GroupBox6, Forme::Type::Rectangle);
            f->setObjectName(QLatin1String(nom));
            f->setGeometry(GAUCHES[i], haut, COTE, COTE);
            connect(f, &Forme::mouseDown, this, [this, i](Qt::MouseButton, QPoint) { ShapeMouseDown(i + 1); });
            f->setActivable(true); // the arrows go from square to square, Enter chooses
            return f;
        };
        hauts_[i] = carre(c.nom_haut, HAUT_CARRE_HAUT);
        bas_[i] = carre(c.nom_bas, HAUT_CARRE_BAS);
        // The lower squares of columns 6 to 8 get their colour at creation.
        if (i < 5 || i > 7) bas_[i]->set_couleur(c.bas);
    }

    BitBtn1 = new QPushButton(QStringLiteral("x"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(194, -1, 15, 15);
    BitBtn1->setFont(police(QStringLiteral("MS Sans Serif"), pixels_de_points(8)));
    BitBtn1->setAutoDefault(false);
    BitBtn1->setAccessibleName(QStringLiteral("Fermer"));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm_coul::BitBtn1Click);

    FormCreate();
    // Tab in reading order: the upper row, the lower row, then "x"; the
    // keyboard starts on the first colour and Escape closes as "x" does.
    QWidget *avant = hauts_[0];
    for (int i = 1; i < 2 * NB_COLONNES; ++i) {
        QWidget *w = i < NB_COLONNES ? hauts_[i] : bas_[i - NB_COLONNES];
        setTabOrder(avant, w);
        avant = w;
    }
    setTabOrder(avant, BitBtn1);
}

void TForm_coul::FormCreate()
{
    for (int i = 0; i < NB_COLONNES; ++i) {
        hauts_[i]->set_couleur(colonnes_choix()[i].haut);
        if (i >= 5 && i <= 7) bas_[i]->set_couleur(colonnes_choix()[i].bas);
        // Both squares of a column give its pale colour; the lower one shows another.
        const QString choisie = nom_couleur(colonnes_choix()[i].haut);
        hauts_[i]->setAccessibleName(QStringLiteral("Couleur %1").arg(choisie));
        bas_[i]->setAccessibleName(QStringLiteral("Carré %1 du bas : couleur %2").arg(nom_couleur(bas_[i]->couleur()), choisie));
        for (Forme *f : {hauts_[i], bas_[i]})
            f->setAccessibleDescription(QStringLiteral("Entrée : choisir cette couleur ; flèches : autre couleur."));
    }
}

void TForm_coul::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    garder_dans_ecran(this); // beside the square, but never off the screen
    hauts_[0]->setFocus(); // the keyboard starts on the first colour each time
}

void TForm_coul::ShapeMouseDown(int colonne)
{
    couleur_choisie = carre_haut(colonne)->couleur();
    accept();
}

void TForm_coul::BitBtn1Click() { reject(); }

Forme *TForm_coul::carre_haut(int colonne) const { return hauts_.at(colonne - 1); }
Forme *TForm_coul::carre_bas(int colonne) const { return bas_.at(colonne - 1); }

std::array<Couleur, NB_COLONNES> TForm_coul::couleurs_hautes() const
{
    std::array<Couleur, NB_COLONNES> c{};
    for (int i = 0; i < NB_COLONNES; ++i) c[i] = hauts_[i]->couleur();
    return c;
}
