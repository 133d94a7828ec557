#include "common/erreures.h"

#include <cerrno>
#include <cstdio>

namespace {

Rapporteur &rapporteur()
{
    static Rapporteur r;
    return r;
}

} // namespace

ErreurES::ErreurES(int code, QString texte)
    : std::runtime_error(texte.toStdString()), code_(code), texte_(avec_point(texte))
{
}

ErreurES ErreurES::code(int c) { return ErreurES(c, texte_code_es(c)); }

ErreurES ErreurES::ouverture(const QString &chemin)
{
    return ErreurES(0, QStringLiteral("Ne peut ouvrir le fichier %1").arg(chemin));
}

ErreurES ErreurES::creation(const QString &chemin)
{
    return ErreurES(0, QStringLiteral("Ne peut créer le fichier %1").arg(chemin));
}

ErreurES ErreurES::bitmap() { return ErreurES(0, QStringLiteral("Image bitmap incorrecte")); }

ErreurES ErreurES::depuis_errno(int err, bool changement_rep)
{
    return code(code_depuis_errno(err, changement_rep));
}

QString texte_code_es(int code)
{
    switch (code) {
    case 2: return QStringLiteral("Fichier introuvable");
    case 3: return QStringLiteral("Nom de fichier incorrect");
    case 4: return QStringLiteral("Trop de fichiers ouverts");
    case 5: return QStringLiteral("Accès au fichier refusé");
    case 100: return QStringLiteral("Lecture au delà de la fin de fichier");
    case 101: return QStringLiteral("Disque plein");
    case 106: return QStringLiteral("Saisie numérique incorrecte");
    // A system error outside the table shows its own errno.
    default: return QStringLiteral("Erreur E/S %1").arg(code >= DECALAGE_ERRNO ? code - DECALAGE_ERRNO : code);
    }
}

QString avec_point(const QString &texte)
{
    if (!texte.isEmpty() && texte.back().unicode() > u'.') return texte + QLatin1Char('.');
    return texte;
}

int code_depuis_errno(int err, bool changement_rep)
{
    switch (err) {
    case ENOENT: return changement_rep ? 3 : 2;
    case ENOTDIR:
    case ENAMETOOLONG: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS: return 5;
    case ENOSPC: return 101;
    // Any other system error becomes 1000 + its errno: the program's own
    // codes are all below 1000, so EIO (errno 5) is never taken for code 5,
    // "Accès au fichier refusé"; it is shown as "Erreur E/S 5".
    default: return DECALAGE_ERRNO + err;
    }
}

void installer_rapporteur(Rapporteur r) { rapporteur() = std::move(r); }

void signaler(const ErreurES &e) { signaler_texte(e.texte()); }

void signaler_texte(const QString &texte)
{
    const QString t = avec_point(texte);
    if (rapporteur())
        rapporteur()(t);
    else
        std::fprintf(stderr, "Kalmeno: %s\n", t.toLocal8Bit().constData());
}
