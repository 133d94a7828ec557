#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include "common/classeur.h"

class TForm1;

// The program's command-line options, for teachers and scripts:
//   --csv FICHIER.fch|FICHIER.nst  the data file's spreadsheet lines on standard output;
//   --xlsx FICHIER OUT.xlsx        the same tables as a workbook;
//   --capture N IMAGE.png          the picture of page N after the start-up, then quit;
//   --analyse-fechner A.fch …      (read before these, see fechner/analysefechnercli.h);
//   -h, --help                     the options, in French.
// The toolkit's own options (-platform offscreen, -style …) are left to it.
struct OptionsLigne {
    enum class Mode { Fenetre, Aide, Csv, Xlsx, Capture, Erreur };
    Mode mode = Mode::Fenetre;
    QString fichier;  // --csv, --xlsx: the data file; --capture: the picture to write
    QString sortie;   // --xlsx: the workbook to write
    int page = 0;     // --capture
    QString message;  // Erreur: what is wrong, in French
};

// Reads the arguments (the program's name first, as main receives them).
OptionsLigne lire_options(const QStringList &arguments);
OptionsLigne lire_options(int argc, char **argv);
QString texte_aide();

// The tables of a .fch or .nst file, as "Exporter les données…" writes them
// on its page; nothing, with `erreur` set in French (the file and why), when
// the file is of neither kind, cannot be read, or is not whole: it is
// checked as the class analysis checks a group's file.
std::optional<Classeur> classeur_de_fichier(const QString &chemin, QString &erreur);

// What runs before any window: help, the data file, a wrong option. Returns the
// exit status (0, or 2 with a French message on standard error), or nothing
// when the program goes on to its window.
std::optional<int> sans_fenetre(const OptionsLigne &options);

// --capture: the window, not shown on the screen, runs its start-up sequence;
// then page N is shown as by a click on its tab and its picture written.
// The exit status: 0, or 2 when the picture cannot be written.
int capturer(TForm1 &fenetre, const OptionsLigne &options);
