#include "app/zoom.h"

#include <QSettings>

#include <algorithm>
#include <cstdio>

namespace {

int en_cours = 100;
QByteArray origine;
bool origine_lue = false;

const char *const VARIABLE = "QT_SCALE_FACTOR";
// Where the program keeps the scale the user's environment had before ours,
// so that a program started again from this one starts from the same base.
const char *const VARIABLE_ORIGINE = "KALMENO_ECHELLE_ORIGINE";

QSettings reglages()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kalmeno"),
                     QStringLiteral("Kalmeno"));
}

std::optional<int> lire_taille(const QString &texte)
{
    bool ok = false;
    QString t = texte.trimmed();
    if (t.endsWith(QLatin1Char('%'))) t.chop(1);
    const int n = t.toInt(&ok);
    if (!ok || !Zoom::taille_valide(n)) return std::nullopt;
    return n;
}

} // namespace

namespace Zoom {

bool taille_valide(int pourcentage)
{
    return std::find(TAILLES.begin(), TAILLES.end(), pourcentage) != TAILLES.end();
}

std::optional<int> extraire_option(QStringList &arguments, QString &erreur)
{
    erreur.clear();
    std::optional<int> taille;
    for (int i = 1; i < arguments.size();) {
        const QString a = arguments[i];
        QString valeur;
        int pris = 0;
        if (a == QLatin1String("--zoom")) {
            if (i + 1 >= arguments.size()) {
                erreur = QStringLiteral("L'option --zoom attend une taille : 100, 125, 150 ou 200.");
                arguments.removeAt(i);
                return std::nullopt;
            }
            valeur = arguments[i + 1];
            pris = 2;
        } else if (a.startsWith(QLatin1String("--zoom="))) {
            valeur = a.mid(7);
            pris = 1;
        } else {
            ++i;
            continue;
        }
        for (int k = 0; k < pris; ++k) arguments.removeAt(i);
        taille = lire_taille(valeur);
        if (!taille) {
            erreur = QStringLiteral("Taille d'affichage inconnue : « %1 ». Tailles possibles : 100, 125, 150 ou 200.")
                         .arg(valeur);
            return std::nullopt;
        }
    }
    return taille;
}

int taille_memorisee()
{
    const auto t = lire_taille(reglages().value(QStringLiteral("affichage/taille")).toString());
    return t.value_or(100);
}

void memoriser(int pourcentage)
{
    QSettings s = reglages();
    s.setValue(QStringLiteral("affichage/taille"), pourcentage);
    s.sync();
}

int taille_ajustee(QSize disponible)
{
    int meilleure = 100;
    for (int t : TAILLES)
        if (FENETRE.width() * t <= disponible.width() * 100 && FENETRE.height() * t <= disponible.height() * 100)
            meilleure = t;
    return meilleure;
}

QByteArray facteur_echelle(int pourcentage, const QByteArray &base)
{
    bool ok = false;
    double b = base.toDouble(&ok);
    if (!ok || b <= 0) b = 1.0;
    return QByteArray::number(b * pourcentage / 100.0, 'g', 6);
}

bool preparer(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QString erreur;
    const std::optional<int> demandee = extraire_option(arguments, erreur);
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "kalmeno : %s\n", erreur.toLocal8Bit().constData());
        return false;
    }
    // Take the option out of argv so that the other options' readers never see it.
    int j = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--zoom") {
            ++i;
            continue;
        }
        if (a.startsWith("--zoom=")) continue;
        argv[j++] = argv[i];
    }
    argc = j;
    argv[argc] = nullptr;

    en_cours = demandee.value_or(taille_memorisee());
    // A program started again by Kalmeno gets the user's first scale back.
    origine = qEnvironmentVariableIsSet(VARIABLE_ORIGINE) ? qgetenv(VARIABLE_ORIGINE) : qgetenv(VARIABLE);
    origine_lue = true;
    qputenv(VARIABLE_ORIGINE, origine);
    if (en_cours == 100 && origine.isEmpty())
        qunsetenv(VARIABLE);
    else
        qputenv(VARIABLE, facteur_echelle(en_cours, origine));
    return true;
}

int taille_en_cours() { return en_cours; }

QByteArray echelle_origine() { return origine_lue ? origine : qgetenv(VARIABLE); }

} // namespace Zoom
