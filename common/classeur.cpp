#include "common/classeur.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <map>

namespace classeur {

QList<csv::Ligne> lignes_csv(const Classeur &c)
{
    QList<csv::Ligne> lignes;
    for (qsizetype i = 0; i < c.size(); ++i) {
        if (i > 0) {
            lignes.append(csv::Ligne{});
            if (c[i].nom_dans_csv) lignes.append({c[i].nom});
        }
        lignes += c[i].lignes;
    }
    return lignes;
}

QByteArray octets_csv(const Classeur &c) { return csv::octets(lignes_csv(c)); }

std::optional<Nombre> nombre_du_champ(const QString &champ)
{
    static const QRegularExpression forme(QStringLiteral("^-?[0-9]{1,15}(,[0-9]{1,15})?$"));
    if (!forme.match(champ).hasMatch()) return std::nullopt;
    const qsizetype virgule = champ.indexOf(QLatin1Char(','));
    QString point = champ;
    point.replace(QLatin1Char(','), QLatin1Char('.'));
    return Nombre{point.toDouble(), virgule < 0 ? 0 : int(champ.size() - virgule - 1)};
}

namespace {

// One sheet: the cells, then the columns' widths from their texts.
void ecrire_feuille(lxw_workbook *wb, lxw_worksheet *ws, const Tableau &t, lxw_format *gras,
                    std::map<int, lxw_format *> &formats)
{
    std::vector<qsizetype> largeurs;
    for (qsizetype r = 0; r < t.lignes.size(); ++r) {
        const bool entete = r < t.lignes_entete;
        const csv::Ligne &ligne = t.lignes[r];
        for (qsizetype c = 0; c < ligne.size(); ++c) {
            const QString &champ = ligne[c];
            if (champ.isEmpty()) continue;
            if (largeurs.size() <= std::size_t(c)) largeurs.resize(std::size_t(c) + 1, 0);
            largeurs[std::size_t(c)] = std::max(largeurs[std::size_t(c)], champ.size());
            const auto n = entete ? std::nullopt : nombre_du_champ(champ);
            if (n) {
                lxw_format *&f = formats[n->decimales];
                if (!f) {
                    f = workbook_add_format(wb);
                    const QByteArray motif = n->decimales == 0 ? QByteArray("0")
                                                               : "0." + QByteArray(n->decimales, '0');
                    format_set_num_format(f, motif.constData());
                }
                worksheet_write_number(ws, lxw_row_t(r), lxw_col_t(c), n->valeur, f);
            } else {
                worksheet_write_string(ws, lxw_row_t(r), lxw_col_t(c), champ.toUtf8().constData(),
                                       entete ? gras : nullptr);
            }
        }
    }
    for (std::size_t c = 0; c < largeurs.size(); ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), double(std::clamp<qsizetype>(largeurs[c] + 2, 8, 60)),
                             nullptr);
}

} // namespace

QByteArray octets_xlsx(const Classeur &c)
{
    // The library writes a file: one of ours, read back and removed.
    QTemporaryDir dossier;
    if (!dossier.isValid()) return {};
    const QByteArray chemin = QFile::encodeName(dossier.filePath(QStringLiteral("classeur.xlsx")));
    lxw_workbook_options options{};
    const QByteArray tmp = QFile::encodeName(dossier.path());
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *wb = workbook_new_opt(chemin.constData(), &options);
    if (!wb) return {};
    lxw_format *gras = workbook_add_format(wb);
    format_set_bold(gras);
    std::map<int, lxw_format *> formats;
    for (const Tableau &t : c) {
        lxw_worksheet *ws = workbook_add_worksheet(wb, t.nom.toUtf8().constData());
        if (!ws) {
            workbook_close(wb);
            return {};
        }
        ecrire_feuille(wb, ws, t, gras, formats);
    }
    if (workbook_close(wb) != LXW_NO_ERROR) return {};
    QFile f(QFile::decodeName(chemin));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace classeur
