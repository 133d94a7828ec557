#include "common/classeur.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#if defined(KALMENO_XLSX_SONAME)
#include <QLibrary>
#endif

#include <algorithm>
#include <map>
#include <type_traits>

namespace classeur {

namespace {

// The workbook writer's functions. Where it is a shared library, it is loaded
// at the first workbook, not at every start: it pulls in a compression and a
// cryptography library that no page needs (1.7 MB of memory, and time).
struct Xlsx {
    decltype(&workbook_new_opt) nouveau;
    decltype(&workbook_add_format) format;
    decltype(&workbook_add_worksheet) feuille;
    decltype(&workbook_close) fermer;
    decltype(&format_set_bold) gras;
    decltype(&format_set_num_format) motif;
    decltype(&worksheet_write_number) nombre;
    decltype(&worksheet_write_string) texte;
    decltype(&worksheet_set_column) colonne;
};

// Null when the library cannot be loaded: no workbook is written then.
const Xlsx *xlsx()
{
#if defined(KALMENO_XLSX_SONAME)
    static const Xlsx *const charge = []() -> const Xlsx * {
        static QLibrary bibliotheque(QStringLiteral(KALMENO_XLSX_SONAME));
        if (!bibliotheque.load()) return nullptr;
        static Xlsx f;
        auto lier = [](auto &fonction, const char *nom) {
            fonction = reinterpret_cast<std::remove_reference_t<decltype(fonction)>>(bibliotheque.resolve(nom));
            return fonction != nullptr;
        };
        const bool tout = lier(f.nouveau, "workbook_new_opt") && lier(f.format, "workbook_add_format")
                          && lier(f.feuille, "workbook_add_worksheet") && lier(f.fermer, "workbook_close")
                          && lier(f.gras, "format_set_bold") && lier(f.motif, "format_set_num_format")
                          && lier(f.nombre, "worksheet_write_number") && lier(f.texte, "worksheet_write_string")
                          && lier(f.colonne, "worksheet_set_column");
        return tout ? &f : nullptr;
    }();
    return charge;
#else
    static const Xlsx f{&workbook_new_opt,      &workbook_add_format,    &workbook_add_worksheet,
                        &workbook_close,        &format_set_bold,        &format_set_num_format,
                        &worksheet_write_number, &worksheet_write_string, &worksheet_set_column};
    return &f;
#endif
}

} // namespace

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
void ecrire_feuille(const Xlsx &x, lxw_workbook *wb, lxw_worksheet *ws, const Tableau &t, lxw_format *gras,
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
                    f = x.format(wb);
                    const QByteArray motif = n->decimales == 0 ? QByteArray("0")
                                                               : "0." + QByteArray(n->decimales, '0');
                    x.motif(f, motif.constData());
                }
                x.nombre(ws, lxw_row_t(r), lxw_col_t(c), n->valeur, f);
            } else {
                x.texte(ws, lxw_row_t(r), lxw_col_t(c), champ.toUtf8().constData(), entete ? gras : nullptr);
            }
        }
    }
    for (std::size_t c = 0; c < largeurs.size(); ++c)
        x.colonne(ws, lxw_col_t(c), lxw_col_t(c), double(std::clamp<qsizetype>(largeurs[c] + 2, 8, 60)), nullptr);
}

} // namespace

QByteArray octets_xlsx(const Classeur &c)
{
    const Xlsx *x = xlsx();
    if (!x) return {};
    // The library writes a file: one of ours, read back and removed.
    QTemporaryDir dossier;
    if (!dossier.isValid()) return {};
    const QByteArray chemin = QFile::encodeName(dossier.filePath(QStringLiteral("classeur.xlsx")));
    lxw_workbook_options options{};
    const QByteArray tmp = QFile::encodeName(dossier.path());
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *wb = x->nouveau(chemin.constData(), &options);
    if (!wb) return {};
    lxw_format *gras = x->format(wb);
    x->gras(gras);
    std::map<int, lxw_format *> formats;
    for (const Tableau &t : c) {
        lxw_worksheet *ws = x->feuille(wb, t.nom.toUtf8().constData());
        if (!ws) {
            x->fermer(wb);
            return {};
        }
        ecrire_feuille(*x, wb, ws, t, gras, formats);
    }
    if (x->fermer(wb) != LXW_NO_ERROR) return {};
    QFile f(QFile::decodeName(chemin));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace classeur
