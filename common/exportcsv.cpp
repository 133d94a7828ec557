#include "common/exportcsv.h"

namespace csv {

QString nombre(double valeur, int decimales)
{
    // Fixed point without the locale, then the comma: the same whatever
    // LC_NUMERIC says. A negative zero is written as 0.
    QString t = QString::number(valeur, 'f', decimales);
    if (t.startsWith(QLatin1Char('-')) && t.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        t.remove(0, 1);
    return t.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString nombre(long long valeur) { return QString::number(valeur); }

QString champ(const QString &texte)
{
    static const QString speciaux = QStringLiteral(";\"\r\n");
    bool guillemets = false;
    for (QChar c : texte)
        if (speciaux.contains(c)) guillemets = true;
    if (!guillemets) return texte;
    QString t = texte;
    t.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QByteArray octets(const QList<Ligne> &lignes)
{
    QByteArray sortie("\xEF\xBB\xBF");
    for (const Ligne &ligne : lignes) {
        QStringList champs;
        champs.reserve(ligne.size());
        for (const QString &c : ligne) champs.append(champ(c));
        sortie += champs.join(QLatin1Char(';')).toUtf8();
        sortie += "\r\n";
    }
    return sortie;
}

} // namespace csv
