#include "membrane/fichiernst.h"
#include "common/entier.h"
#include "common/fichiertexte.h"
#include "common/nombres.h"
#include "membrane/programme.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

std::string_view vue(const QByteArray &b) { return {b.constData(), std::size_t(b.size())}; }

int32_t entier(LecteurLignes &l) { return lire_entier(vue(l.ligne())).valeur; }

} // namespace

QByteArray ecrire_nst(const Programme &p)
{
    const int n = std::clamp(p.nb_etapes, 0, Programme::TAILLE);
    QList<QByteArray> lignes;
    lignes.reserve(1 + 7 * n);
    lignes << QByteArray::number(n);
    for (int i = 1; i <= n; ++i) {
        const EtapeProg &e = p.etape(i);
        for (int32_t v : {e.gk, e.gna, e.ki, e.ke, e.nai, e.nae}) lignes << QByteArray::number(v);
    }
    for (int i = 1; i <= n; ++i) lignes << format_reel_fichier(p.em_etape(i)).toLatin1();
    return joindre_lignes(lignes);
}

bool lire_nst(LecteurLignes &l, Programme &p)
{
    // Read into a copy: a damaged file (a line longer than the bound) stops
    // the load as a first line that is not a number does, with nothing changed.
    Programme lu = p;
    try {
        const LectureEntier compte = lire_entier(vue(l.ligne()));
        if (!compte.ok) return false;

        const int n = std::clamp<int32_t>(compte.valeur, 0, Programme::TAILLE);
        // Steps announced beyond the table: their lines are passed over (up to
        // the end of the file), so the Em section is read where it stands.
        const int64_t en_trop = std::max<int64_t>(int64_t(compte.valeur) - n, 0);
        lu.nb_etapes = n;
        for (int i = 1; i <= n; ++i) {
            EtapeProg e;
            for (int32_t EtapeProg::*champ :
                 {&EtapeProg::gk, &EtapeProg::gna, &EtapeProg::ki, &EtapeProg::ke, &EtapeProg::nai, &EtapeProg::nae})
                e.*champ = entier(l);
            lu.etape(i) = Programme::borne(e);
        }
        for (int64_t k = 0; k < 6 * en_trop && !l.fin(); ++k) l.ligne();
        for (int i = 1; i <= n; ++i) {
            const double em = lire_reel(vue(l.ligne())).valeur;
            lu.em_etape(i) = std::isfinite(em) ? em : 0.0;
        }
    } catch (const LigneTropLongue &) {
        return false;
    }
    p = lu;
    return true;
}

bool lire_nst(const QByteArray &octets, Programme &p)
{
    LecteurLignes l(octets);
    return lire_nst(l, p);
}

QString raison_refus_nst(const QByteArray &octets)
{
    if (octets.isEmpty()) return QStringLiteral("fichier vide");
    if (!texte_seul(octets)) return QStringLiteral("fichier endommagé");
    LecteurLignes l(octets);
    try {
        const LectureEntier compte = lire_entier(vue(l.ligne()));
        if (!compte.ok || compte.valeur < 0 || compte.valeur > Programme::TAILLE)
            return QStringLiteral("ce n'est pas un programme de Nernst");
        const int attendues = 1 + 7 * compte.valeur;
        for (int ligne = 2; ligne <= attendues; ++ligne) {
            if (l.fin()) return QStringLiteral("fichier incomplet (%1 lignes sur %2)").arg(ligne - 1).arg(attendues);
            const QByteArray t = l.ligne();
            const bool ok = ligne <= 1 + 6 * compte.valeur ? lire_entier(vue(t)).ok : lire_reel(vue(t)).ok;
            if (!ok) return QStringLiteral("fichier endommagé (ligne %1 : « %2 »)").arg(ligne).arg(QString::fromLatin1(t.left(40)));
        }
    } catch (const LigneTropLongue &) {
        return QStringLiteral("ligne trop longue : ce n'est pas un programme de Nernst");
    }
    return {};
}
