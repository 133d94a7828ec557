#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>

// Text files as the program writes them on every platform: 8-bit lines,
// "\r\n" after every line including the last, no byte-order mark.

// The longest line a text file may hold: a grid cell takes up to 32767
// characters, so every line the program writes reads back. A longer line
// marks a file that is not of its kind (a wrong file chosen by mistake).
constexpr qsizetype LONGUEUR_MAX_LIGNE = 32768;

// Reads a whole file of at most `taille_max` bytes for a check that names
// what is wrong: the reason it cannot be had ("fichier introuvable ou
// illisible", `trop_grand` for a larger one, an I/O error's text), or "".
QString lire_fichier_verifie(const QString &chemin, qint64 taille_max, const QString &trop_grand, QByteArray &octets);

// Whether `octets` can be a text file: no NUL or other control byte but CR,
// LF, tab and the end-of-file mark 26.
bool texte_seul(const QByteArray &octets);

// Thrown by LecteurLignes on a line longer than LONGUEUR_MAX_LIGNE; each
// format turns it into its own rule for a damaged file.
struct LigneTropLongue : std::runtime_error {
    LigneTropLongue() : std::runtime_error("ligne trop longue") {}
};

// Reads lines from the bytes of a file, or straight from a file a block at a
// time, so that only the lines asked for are ever read. A line ends at CR LF,
// at a lone LF (files from Linux or macOS) or at a lone CR (old Mac files); a
// UTF-8 byte-order mark at the very start is skipped; byte 26 ends the file.
// Past the end every further line reads as empty.
class LecteurLignes {
public:
    explicit LecteurLignes(QByteArray octets);
    LecteurLignes(const LecteurLignes &) = delete;
    LecteurLignes &operator=(const LecteurLignes &) = delete;
    ~LecteurLignes();

    // Opens a regular file for reading; false when the path is not one or
    // cannot be opened. A failure while reading throws ErreurES.
    bool ouvrir(const QString &chemin);

    bool fin();
    // The next line; throws LigneTropLongue when it is longer than the bound.
    QByteArray ligne();

private:
    bool remplir();
    void debut();

    QByteArray tampon_;
    qsizetype pos_ = 0;
    int fd_ = -1;
    bool epuise_ = true;  // nothing more to read from the file
    bool debut_vu_ = false; // the byte-order mark has been looked for
};
// Lines joined with "\r\n" after each.
QByteArray joindre_lignes(const QList<QByteArray> &lignes);

// Windows-1252, by our own table: bytes 0x80–0x9F included; a character the
// table cannot hold is written "?".
QByteArray vers_cp1252(const QString &texte);
QString depuis_cp1252(const QByteArray &octets);

// Whole-file reads and atomic writes. `lire_fichier` returns false when the path
// is not a regular file or cannot be opened; a failure after the open throws
// ErreurES. It reads at most `limite` + 1 bytes, so a caller tells a file
// longer than its bound by the size without the whole file being read.
// `ecrire_fichier` replaces the file only once it is completely written; in a
// folder where no new file can be made, a file that may be written is
// overwritten in place. It returns false when the file cannot be created and
// throws ErreurES on a failure while writing.
constexpr qint64 LIMITE_LECTURE = 64 * 1024 * 1024;
bool lire_fichier(const QString &chemin, QByteArray &octets, qint64 limite = LIMITE_LECTURE);
bool ecrire_fichier(const QString &chemin, const QByteArray &octets);
bool est_fichier_ordinaire(const QString &chemin);
