#include "compagnons/commun/formatexw.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace {

constexpr qint64 TAILLE_FICHIER_MAX = 400LL * 1024 * 1024;

// A text that fits one field: tabs and line ends become blanks.
QByteArray champ(const QString &texte)
{
    QString t = texte;
    for (QChar &c : t)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = QLatin1Char(' ');
    return t.toUtf8();
}

// The shortest text that reads back as the same double.
QByteArray nombre(double v) { return QByteArray::number(v, 'g', QLocale::FloatingPointShortest); }

bool lire_nombre(const QByteArray &texte, double &v)
{
    bool ok = false;
    v = texte.trimmed().toDouble(&ok);
    return ok && std::isfinite(v);
}

} // namespace

QByteArray FormatExw::ecrire(const Enregistrement &e)
{
    QByteArray s;
    auto ligne = [&s](const QByteArray &l) { s += l + "\r\n"; };
    ligne("EXW\t1");
    ligne("titre\t" + champ(e.titre));
    for (const QString &n : e.notes) ligne("note\t" + champ(n));
    ligne("periode_ms\t" + nombre(e.periode_ms));
    ligne("debut_ms\t" + nombre(e.debut_ms));
    for (const Enregistrement::Voie &v : e.voies) {
        QByteArray l = "voie\t" + champ(v.nom) + '\t' + champ(v.unite);
        if (v.echelle_fixee) l += '\t' + nombre(v.min) + '\t' + nombre(v.max);
        ligne(l);
    }
    for (const Enregistrement::Essai &essai : e.essais) {
        ligne("essai\t" + champ(essai.nom));
        const int n = essai.valeurs.empty() ? 0 : int(essai.valeurs.front().size());
        for (int i = 0; i < n; ++i) {
            QByteArray l;
            for (std::size_t k = 0; k < essai.valeurs.size(); ++k) {
                if (k) l += '\t';
                l += nombre(i < int(essai.valeurs[k].size()) ? essai.valeurs[k][i] : 0.0);
            }
            ligne(l);
        }
    }
    return s;
}

FormatExw::Lecture FormatExw::lire(const QByteArray &octets)
{
    Lecture r;
    Enregistrement &e = r.enregistrement;
    auto echec = [&r](int numero, const QString &texte) {
        r.ok = false;
        r.erreur = QStringLiteral("Ligne %1 : %2").arg(numero).arg(texte);
        r.enregistrement = Enregistrement();
        return r;
    };

    QList<QByteArray> lignes = octets.split('\n');
    if (!lignes.isEmpty() && lignes.front().startsWith("\xEF\xBB\xBF")) lignes.front().remove(0, 3);
    bool periode_lue = false;
    qint64 nb_valeurs = 0;
    int numero = 0;
    for (QByteArray l : lignes) {
        ++numero;
        if (l.endsWith('\r')) l.chop(1);
        if (numero == 1) {
            const QList<QByteArray> f = l.trimmed().split('\t');
            if (f.size() != 2 || f[0] != "EXW") return echec(1, QStringLiteral("ce n'est pas un enregistrement EXW"));
            if (f[1].trimmed() != "1") return echec(1, QStringLiteral("version %1 inconnue").arg(QString::fromUtf8(f[1])));
            continue;
        }
        if (l.trimmed().isEmpty() || l.startsWith('#')) continue;
        const qsizetype tab = l.indexOf('\t');
        const QByteArray cle = tab < 0 ? l.trimmed() : l.left(tab);
        const QByteArray reste = tab < 0 ? QByteArray() : l.mid(tab + 1);

        if (cle == "essai") {
            if (e.voies.isEmpty()) return echec(numero, QStringLiteral("essai sans aucune voie déclarée"));
            if (!periode_lue) return echec(numero, QStringLiteral("période d'échantillonnage absente"));
            if (!e.essais.empty() && e.nb_echantillons(int(e.essais.size()) - 1) == 0)
                return echec(numero, QStringLiteral("l'essai précédent n'a aucune mesure"));
            e.ajouter_essai(QString::fromUtf8(reste));
            continue;
        }
        if (!e.essais.empty()) {
            // A line of values, one per channel.
            const QList<QByteArray> f = l.split('\t');
            if (f.size() != e.voies.size())
                return echec(numero, QStringLiteral("%1 valeurs au lieu de %2").arg(f.size()).arg(e.voies.size()));
            nb_valeurs += f.size();
            if (nb_valeurs > VALEURS_MAX) return echec(numero, QStringLiteral("enregistrement trop long"));
            Enregistrement::Essai &essai = e.essais.back();
            for (int k = 0; k < f.size(); ++k) {
                double v = 0.0;
                if (!lire_nombre(f[k], v))
                    return echec(numero, QStringLiteral("nombre incorrect « %1 »").arg(QString::fromUtf8(f[k].left(40))));
                essai.valeurs[k].push_back(v);
            }
            continue;
        }
        if (cle == "titre") {
            e.titre = QString::fromUtf8(reste);
        } else if (cle == "note") {
            e.notes << QString::fromUtf8(reste);
        } else if (cle == "periode_ms" || cle == "debut_ms") {
            double v = 0.0;
            if (!lire_nombre(reste, v))
                return echec(numero, QStringLiteral("nombre incorrect « %1 »").arg(QString::fromUtf8(reste.left(40))));
            if (cle == "periode_ms") {
                if (!(v > 0.0)) return echec(numero, QStringLiteral("la période d'échantillonnage doit être positive"));
                e.periode_ms = v;
                periode_lue = true;
            } else {
                e.debut_ms = v;
            }
        } else if (cle == "voie") {
            const QList<QByteArray> f = reste.split('\t');
            if (f.size() != 2 && f.size() != 4)
                return echec(numero, QStringLiteral("une voie s'écrit : nom, unité, et éventuellement minimum et maximum"));
            if (e.voies.size() >= VOIES_MAX) return echec(numero, QStringLiteral("plus de %1 voies").arg(VOIES_MAX));
            Enregistrement::Voie v;
            v.nom = QString::fromUtf8(f[0]);
            v.unite = QString::fromUtf8(f[1]);
            if (f.size() == 4) {
                if (!lire_nombre(f[2], v.min) || !lire_nombre(f[3], v.max) || !(v.max > v.min))
                    return echec(numero, QStringLiteral("échelle de la voie incorrecte"));
                v.echelle_fixee = true;
            }
            e.voies << v;
        }
        // Other header keys are left for later versions and skipped.
    }
    if (e.essais.empty()) return echec(numero, QStringLiteral("aucun essai"));
    if (e.nb_echantillons(int(e.essais.size()) - 1) == 0) return echec(numero, QStringLiteral("le dernier essai n'a aucune mesure"));
    r.ok = true;
    return r;
}

FormatExw::Lecture FormatExw::lire_fichier(const QString &chemin)
{
    Lecture r;
    const QFileInfo info(chemin);
    QFile f(chemin);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        r.erreur = QStringLiteral("Ne peut ouvrir le fichier %1.").arg(chemin);
        return r;
    }
    if (f.size() > TAILLE_FICHIER_MAX) {
        r.erreur = QStringLiteral("Le fichier %1 est trop gros pour un enregistrement.").arg(chemin);
        return r;
    }
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.erreur = QStringLiteral("Lecture impossible du fichier %1.").arg(chemin);
        return r;
    }
    return lire(octets);
}
