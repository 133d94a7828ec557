#pragma once
#include <array>

#include <QString>
#include <QStringList>

// The correction of the refractory-period questionnaire: seven answers, seven
// lamps. The expected answers and their tolerances are fixed here.
class Questionnaire {
public:
    // The answers as the page holds them: the selected item of each combo box
    // (−1 when none) and the text of each edit.
    struct Reponses {
        int pref_rel = -1;
        int pref_abs = -1;
        QString fib_lpr;
        QString fib_cpr;
        QString vit_influx;
        int combo_electrode = -1;
        QString Edit_seuil;
    };

    // The lamps in the order of the questions: refr_rel, refr_abs, freq_long,
    // freq_court, vit_inf, elec_stim, res_seuil; true is green.
    using Lampes = std::array<bool, 7>;
    static Lampes corriger(const Reponses &r);

    // "0", "0.1" ... "3.9", "4": the 41 items of the two period combo boxes.
    static QStringList elements_periode();
    // "l'anode", "la cathode".
    static QStringList elements_electrode();

    // A whole number read from an answer: the digits read before the first
    // character that is not part of the number (0 when there are none).
    static int nombre(const QString &texte);
};
