#pragma once
// The few file-system calls the toolkit does not offer (a read that cannot
// hang on a FIFO, telling a link from its target, a folder for this user
// alone), with one body per operating system. Paths are the toolkit's.

#include <QString>
#include <QtGlobal>

enum class TypeChemin { Absent, Ordinaire, Dossier, Lien, Autre };

// What a path names; a link is reported as such only when `suivre` is false.
TypeChemin type_chemin(const QString &chemin, bool suivre = true);

// A regular file opened for reading (never a FIFO, a device or a folder, and
// never inherited by a child process); -1 otherwise.
int ouvrir_lecture_ordinaire(const QString &chemin);
// One read into `tampon`, retried when interrupted; throws ErreurES on failure.
qsizetype lire_descripteur(int fd, char *tampon, qsizetype taille);
// Size of an open file, -1 if unknown.
qint64 taille_descripteur(int fd);
void fermer_descripteur(int fd);

// Deletes a file or a link (never what it points at); false on failure.
bool supprimer_fichier(const QString &chemin);
// Renames `source` over `cible`, replacing it in one step (a link in its
// place is replaced, never followed); false on failure, errno set.
bool remplacer_fichier(const QString &source, const QString &cible);
// Removes a folder if it is empty; false otherwise.
bool supprimer_dossier_vide(const QString &chemin);
// Makes a folder for this user alone (its parents as needed); false when it
// could not be made (it may exist already).
bool creer_dossier_prive(const QString &chemin);
// Makes `chemin` the working directory; 0, or the system's error number.
int changer_repertoire_systeme(const QString &chemin);
// Standard output takes bytes as they are (no "\n" turned into "\r\n").
void sortie_standard_binaire();
