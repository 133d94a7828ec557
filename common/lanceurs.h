#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The bridge to the acquisition program and the start of the companion programs.
// The folder that stands for "c:\csb" is dossier_csb() (common/plateforme.h).

// Copies a file byte for byte in blocks of 10,000 bytes, replacing the target
// in one step once written (never writing through an existing link), without
// waiting for the disk: the copy is rewritten at every start. A source that cannot be opened
// changes nothing; a failure after that throws ErreurES with its own error (a
// folder in the target's place: EISDIR). Returns the sizes of
// the blocks read, the last one shorter than 10,000 (possibly empty).
QList<qsizetype> copier(const QString &source, const QString &destination);

// Prepares the launcher files from the template rep_depart/cassybio/cassybio.sav:
// every line among the second to the fifth that holds "SET CHEM_CAS" becomes
// "SET CHEM_CAS=" + rep_depart + "/CASSYBIO/", then the lines are saved as
// cassybio.bat in the private folder and CASSYBIO/cassybio.ppp is copied there
// as cassybio.pif. `lignes` receives the template's lines (adapted);
// `chemin_cassybio` the launcher's folder when a line was adapted.
// Returns false when there is no template. Throws ErreurES on a failure
// ("Ne peut ouvrir le fichier %s" for a template that cannot be read, of more
// than 1 MB or with a line longer than LONGUEUR_MAX_LIGNE). The template's
// lines may end in CR LF, lone LF or lone CR, and a leading UTF-8 mark is
// skipped; the batch file is written CR LF.
bool adap_cassybio(const QString &rep_depart, QStringList &lignes, QString &chemin_cassybio);

// Shows a recording in the acquisition program, if `fichier_requis` exists:
// starts dossier_csb()/cassybio.pif with the working directory followed by
// `enregistrement`, from the private folder, and comes back to the working
// directory. Throws ErreurES when a change of directory fails.
void voir_enregistrement(const QString &fichier_requis, const QString &enregistrement);

// The three recordings and the file each button needs.
QString pif_csb();                      // dossier_csb() + "/cassybio.pif"
extern const char *const ENREG_REFRACTAIRE; // "/cassybio/electro/&refr~A.exw"
extern const char *const ENREG_RECRUTEMENT; // "/cassybio/electro/&recr~A.exw"
extern const char *const ENREG_REFLEXE;     // "/cassybio/electro/&revol~A.exw"
extern const char *const PIF_LOCAL;         // "./cassybio/cassybio.pif"

// Starts a companion program `dossier`/`programme` found relative to the
// working directory, from its own folder; comes back to the working directory.
void lancer_compagnon(const QString &dossier, const QString &programme);

// Clean-up at close: when the launcher is there, deletes the two files the
// start-up wrote in the private folder (links are never followed), then the
// folder if nothing else is left in it.
void nettoyer_csb();
