#pragma once
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The display size of the whole program, as a percentage of the design's
// pixels. The toolkit scales windows, fonts, dialogs and every control by it
// (QT_SCALE_FACTOR, set before the application object exists), so positions
// and proportions stay those of the design; the companion programs started
// from Kalmeno inherit it. A change takes effect at the next start.
namespace Zoom {

inline constexpr std::array<int, 4> TAILLES = {100, 125, 150, 200};
// The main window's outer size at 100 %.
inline constexpr QSize FENETRE{799, 599};

bool taille_valide(int pourcentage);

// Reads "--zoom N" (or "--zoom=N") among the arguments (the program's name
// first) and removes it. Gives the size asked for, nothing when absent; an
// unknown size or a missing value sets `erreur` to a French message.
std::optional<int> extraire_option(QStringList &arguments, QString &erreur);

// The size remembered for this user (100 when none or unreadable), and its
// change. Kept with QSettings in the user's configuration folder.
int taille_memorisee();
void memoriser(int pourcentage);

// The largest size whose main window fits an available screen area
// measured at 100 %; 100 when none does.
int taille_ajustee(QSize disponible);

// The scale the toolkit is given for a size, over the one the user's own
// environment asked for ("" when none): "1.5" for 150 over nothing.
QByteArray facteur_echelle(int pourcentage, const QByteArray &origine);

// Before the application object: takes "--zoom N" out of argc/argv, else
// the remembered size, and sets the toolkit's scale. On a bad option writes
// the French message on the error output and gives false (the program ends).
bool preparer(int &argc, char **argv);
// The size this run was started with, and the scale the user's environment
// had before it (given back to a restarted program).
int taille_en_cours();
QByteArray echelle_origine();

} // namespace Zoom
