#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files as the program writes them on every platform: 8-bit lines,
// "\r\n" after every line including the last, no byte-order mark.

// Reads lines from the bytes of a file: a CR ends a line and an LF right after
// it is skipped; a lone LF stays part of the text; byte 26 ends the file.
// Past the end every further line reads as empty.
class LecteurLignes {
public:
    explicit LecteurLignes(QByteArray octets);
    bool fin() const { return pos_ >= taille_; }
    QByteArray ligne();

private:
    QByteArray octets_;
    qsizetype pos_ = 0;
    qsizetype taille_ = 0;
};

// Lines joined with "\r\n" after each.
QByteArray joindre_lignes(const QList<QByteArray> &lignes);

// Windows-1252, by our own table: bytes 0x80–0x9F included; a character the
// table cannot hold is written "?".
QByteArray vers_cp1252(const QString &texte);
QString depuis_cp1252(const QByteArray &octets);

// Whole-file reads and atomic writes. `lire_fichier` returns false when the path
// is not a regular file or cannot be opened; a failure after the open throws
// ErreurES. `ecrire_fichier` replaces the file only once it is completely
// written; it returns false when the file cannot be created and throws
// ErreurES on a failure while writing.
bool lire_fichier(const QString &chemin, QByteArray &octets);
bool ecrire_fichier(const QString &chemin, const QByteArray &octets);
bool est_fichier_ordinaire(const QString &chemin);
