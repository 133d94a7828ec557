#pragma once
#include <cstdint>
#include <string_view>
#include <QString>

// Reading a whole number from text, as the program has always read them:
// leading blanks, then an optional sign and decimal digits, or "$" and hex digits.
// The value must fit a signed 32-bit integer ("$" values of eight hex digits
// with the top bit set read as negative, in two's complement). When the text stops right after the
// digits the reading succeeds; otherwise `valeur` holds the digits read so far,
// without the sign, and `ok` is false (an empty text gives 0 and fails).
struct LectureEntier {
    int32_t valeur = 0;
    bool ok = false;
};

LectureEntier lire_entier(std::string_view texte);
LectureEntier lire_entier(const QString &texte);

// Reading a real the way the program's files write them: leading blanks, sign,
// digits, optional "." and digits, optional exponent. Always "." whatever the locale.
// On a malformed text `valeur` holds the value of the longest valid prefix (0 if none).
struct LectureReel {
    double valeur = 0.0;
    bool ok = false;
};

LectureReel lire_reel(std::string_view texte);
