#include "fechner/grillefechner.h"
#include "common/entier.h"

namespace {

constexpr const char *libelles_masse[25] = {
    "0g",   "20g",  "40g",  "60g",   "80g",   "100g",  "150g",  "200g",  "250g",
    "300g", "350g", "400g", "500g",  "600g",  "800g",  "900g",  "1000g", "1200g",
    "1400g", "1500g", "1600g", "1700g", "1800g", "1900g", "2000g",
};

bool dans_grille(int colonne, int ligne)
{
    return colonne >= 0 && colonne < GrilleFechner::COLONNES && ligne >= 0 && ligne < GrilleFechner::LIGNES;
}

// Only the letters a to z change case: accented letters are left as typed.
QString majuscules_ascii(const QString &t)
{
    QString u = t;
    for (QChar &c : u)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    return u;
}

} // namespace

const QString &GrilleFechner::cellule(int colonne, int ligne) const
{
    static const QString vide;
    return dans_grille(colonne, ligne) ? cellules_[ligne][colonne] : vide;
}

void GrilleFechner::ecrire(int colonne, int ligne, const QString &texte)
{
    if (dans_grille(colonne, ligne)) cellules_[ligne][colonne] = texte;
}

void GrilleFechner::effacer()
{
    for (auto &ligne : cellules_)
        for (QString &c : ligne) c.clear();
}

QString GrilleFechner::libelle_masse(int rang)
{
    return rang >= 0 && rang < 25 ? QLatin1String(libelles_masse[rang]) : QString();
}

void GrilleFechner::ecrire_entetes()
{
    for (int ligne = 1; ligne < LIGNES; ++ligne)
        cellules_[ligne][0] = est_ligne_issue(ligne) ? QStringLiteral("--o/n--") : libelle_masse((ligne - 1) / 2);
    for (int colonne = 1; colonne <= 10; ++colonne) cellules_[0][colonne] = QStringLiteral("ess%1").arg(colonne);
    ligne_courante_ = 1;
    colonne_courante_ = 1;
}

GrilleFechner::Reponse GrilleFechner::reponse(const QString &cellule)
{
    const QString r = cellule.trimmed();
    if (r.compare(QLatin1String("O"), Qt::CaseInsensitive) == 0) return Reponse::Sentie;
    if (r.compare(QLatin1String("N"), Qt::CaseInsensitive) == 0) return Reponse::NonSentie;
    return Reponse::Aucune;
}

QString GrilleFechner::verifier(const QString &t, bool ligne_issue)
{
    const QString u = majuscules_ascii(t);
    if (ligne_issue) {
        if (u == QLatin1String("O") || u == QLatin1String("N") || u.isEmpty()) return u;
        // An outcome already marked stays upper-cased.
        return u.contains(QLatin1Char('?')) ? u : t + QLatin1Char('?');
    }
    if (u.isEmpty() || lire_entier(u).ok) return u;
    // A mass keeps the pupil's own letter case.
    return t.contains(QLatin1Char('?')) ? t : t + QLatin1Char('?');
}

GrilleFechner::Menu GrilleFechner::selectionner(int colonne, int ligne)
{
    ecrire(colonne_courante_, ligne_courante_,
           verifier(cellule(colonne_courante_, ligne_courante_), est_ligne_issue(ligne_courante_)));
    colonne_courante_ = colonne;
    ligne_courante_ = ligne;
    return est_ligne_issue(ligne) ? Menu::Issue : Menu::Masse;
}
