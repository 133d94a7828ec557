#pragma once
#include <QString>

// Where the file dialogs of Kalmeno and its companions open: in the folder
// used last, remembered for the user across runs and shared by all of them;
// the first time (or when that folder is gone or, for a save, cannot be
// written), in the start folder, unless it is one of Kalmeno's private
// folders (its per-user start folder, the acquisition folder) or cannot be
// written: then in the user's documents folder, made if missing.
namespace dossiers_dialogues {

enum class Usage { Ouvrir, Enregistrer };

// The folder a dialog opens in, `depart` being the program's start folder.
QString initial(const QString &depart, Usage usage);
// Remembers the folder of a file the pupil chose (never a private folder).
void retenir(const QString &fichier);
// Inside the acquisition folder or the launcher's per-user start folder.
bool prive(const QString &dossier);
// A folder that exists and takes new files.
bool inscriptible(const QString &dossier);
// The user's documents folder, made if missing.
QString documents();

} // namespace dossiers_dialogues
