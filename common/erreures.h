#pragma once
#include <functional>
#include <stdexcept>
#include <QString>

// An input/output failure inside a handler. File routines throw it after a
// successful open; the handler's boundary catches it and shows the report.
class ErreurES : public std::runtime_error {
public:
    ErreurES(int code, QString texte);

    static ErreurES code(int code);               // "Fichier introuvable", "Erreur E/S %d", ...
    static ErreurES ouverture(const QString &chemin); // "Ne peut ouvrir le fichier %s"
    static ErreurES creation(const QString &chemin);  // "Ne peut créer le fichier %s"
    static ErreurES bitmap();                      // "Image bitmap incorrecte"
    // From an errno value; `changement_rep` when the failure is a change of directory.
    static ErreurES depuis_errno(int err, bool changement_rep = false);

    int code_es() const { return code_; }
    // The text as the report shows it, with its final "." where the rule wants one.
    QString texte() const { return texte_; }

private:
    int code_;
    QString texte_;
};

// The text of a standard error code.
QString texte_code_es(int code);
// Appends "." when the last character's code is above that of ".".
QString avec_point(const QString &texte);
// errno to the program's error codes; an errno outside the table becomes
// DECALAGE_ERRNO + errno, shown with the errno itself ("Erreur E/S 5" for EIO).
constexpr int DECALAGE_ERRNO = 1000;
int code_depuis_errno(int err, bool changement_rep = false);

// Shows the report: one message box with the application's title. Tests and
// model code replace it with a recorder; the window installs the message box.
using Rapporteur = std::function<void(const QString &texte)>;
void installer_rapporteur(Rapporteur r);
void signaler(const ErreurES &e);
void signaler_texte(const QString &texte);
