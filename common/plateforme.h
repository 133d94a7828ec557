#pragma once
#include <functional>
#include <QString>
#include <QStringList>

// The start directory as the program records it: the working directory with no
// trailing separator; at the root "/" it is "" (as "C:\" becomes "C:").
QString rep_depart_de(const QString &repertoire);
QString rep_courant();
// Changes the working directory; throws ErreurES on failure.
void changer_rep(const QString &chemin);

// `chemin` as it is when its extension is one of `connues` (in any case),
// else with "." + `defaut` added: "donnees.v2" → "donnees.v2.csv".
QString avec_extension(const QString &chemin, const QStringList &connues, const QString &defaut);

// `base` + separator + `nom`, as the program writes rep_depart + "\name".
QString joindre(const QString &base, const QString &nom);

// A path whose components that do not exist as written are looked up without
// regard to case ("cassybio" finds "CASSYBIO"). Unchanged when nothing matches.
QString chemin_insensible(const QString &chemin);

// The folder that stands for "c:\csb": that folder itself on Windows (the
// user's own when it cannot be made), elsewhere a folder private to the user.
// Tests point it elsewhere.
QString dossier_csb();
void definir_dossier_csb(const QString &chemin); // "" restores the default
// Makes that folder (a failure, it exists, is ignored); on Windows, when
// "c:\csb" cannot be made, the user's own folder stands for it from then on.
void preparer_dossier_csb();

// Before the application object: on Windows, text is rasterised by FreeType,
// as on Linux (the same pixels, and unsmoothed where the pages ask for it),
// unless the platform was chosen already. Nothing elsewhere.
void preparer_affichage();
// After it: on Windows, the companions' default font by name (the system's
// dialog font is an alias that FreeType does not resolve). Nothing elsewhere.
void preparer_police_systeme();

// A program started detached, never through a shell, never waited for.
struct Lancement {
    QString programme;
    QStringList arguments;
    QString repertoire;
};
using Lanceur = std::function<bool(const Lancement &)>;
bool lancer_detache(const Lancement &l);
// An environment variable given to every program started from now on (the
// pupils' names for the companion programs), this process's own unchanged.
void definir_environnement_enfants(const QString &variable, const QString &valeur);
void installer_lanceur(Lanceur l); // an empty function restores the real start
