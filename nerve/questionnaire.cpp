#include "nerve/questionnaire.h"
#include "common/entier.h"

namespace {

bool entre(int v, int bas, int haut) { return v >= bas && v <= haut; }

} // namespace

int Questionnaire::nombre(const QString &texte) { return lire_entier(texte).valeur; }

Questionnaire::Lampes Questionnaire::corriger(const Reponses &r)
{
    // The threshold is compared as text, character code by character code:
    // "0.2" and "0.20" both lie between "0.19" and "0.21".
    const bool seuil = QString::compare(r.Edit_seuil, QStringLiteral("0.19")) >= 0 &&
                       QString::compare(r.Edit_seuil, QStringLiteral("0.21")) <= 0;
    // The speed is accepted up to 50 m/s: moving a recording electrode on the
    // simulation measures 48 (6 pixels a sample, 7.5 pixels a centimetre).
    return {
        entre(r.pref_rel, 19, 21),          // 1.9 to 2.1 ms
        entre(r.pref_abs, 14, 16),          // 1.4 to 1.6 ms
        entre(nombre(r.fib_lpr), 461, 529), // Hz
        entre(nombre(r.fib_cpr), 621, 709), // Hz
        entre(nombre(r.vit_influx), 35, 50), // m/s
        r.combo_electrode == 1,             // the cathode
        seuil,
    };
}

QStringList Questionnaire::elements_periode()
{
    QStringList l;
    for (int k = 0; k <= 40; ++k)
        l << (k % 10 == 0 ? QString::number(k / 10) : QStringLiteral("%1.%2").arg(k / 10).arg(k % 10));
    return l;
}

QStringList Questionnaire::elements_electrode() { return {QStringLiteral("l'anode"), QStringLiteral("la cathode")}; }
