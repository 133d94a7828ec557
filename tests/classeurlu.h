#pragma once
// Reads back an .xlsx workbook as a spreadsheet would, from the zip archive's
// directory and the sheets' XML, and holds it against the tables it was
// written from.
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

#include "common/classeur.h"

struct CelluleLue {
    bool nombre = false;
    QString texte; // a text cell's text, or a number as written in the XML
    int style = 0;
};

struct FeuilleLue {
    QString nom;
    QMap<int, QMap<int, CelluleLue>> cellules; // row, column (from 0)
};

struct ClasseurLu {
    QList<FeuilleLue> feuilles;
    QList<int> decimales_style; // by style index: the decimals its number format shows (-1: general)
    QList<bool> gras_style;     // by style index
};

// One member of a zip archive, found through its central directory; empty
// when it is missing or the archive is not one.
inline QByteArray partie_xlsx(const QString &chemin, const QString &partie)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray z = f.readAll();
    auto u16 = [&](qsizetype i) { return i + 2 <= z.size() ? qFromLittleEndian<quint16>(z.constData() + i) : 0u; };
    auto u32 = [&](qsizetype i) { return i + 4 <= z.size() ? qFromLittleEndian<quint32>(z.constData() + i) : 0u; };
    const qsizetype fin = z.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (fin < 0) return {};
    qsizetype e = u32(fin + 16);
    for (int n = u16(fin + 10); n > 0 && u32(e) == 0x02014b50; --n) {
        const quint32 methode = u16(e + 10), taille = u32(e + 20), brute = u32(e + 24);
        const quint32 lnom = u16(e + 28), lextra = u16(e + 30), lcomm = u16(e + 32), local = u32(e + 42);
        if (z.mid(e + 46, lnom) == partie.toUtf8()) {
            const QByteArray donnees = z.mid(local + 30 + u16(local + 26) + u16(local + 28), taille);
            if (methode == 0) return donnees;
            QByteArray sortie(qsizetype(brute), Qt::Uninitialized);
            z_stream flux{};
            inflateInit2(&flux, -MAX_WBITS); // raw deflate, as zip stores it
            flux.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(donnees.constData()));
            flux.avail_in = uInt(donnees.size());
            flux.next_out = reinterpret_cast<Bytef *>(sortie.data());
            flux.avail_out = uInt(sortie.size());
            const int r = inflate(&flux, Z_FINISH);
            inflateEnd(&flux);
            return r == Z_STREAM_END ? sortie : QByteArray();
        }
        e += 46 + lnom + lextra + lcomm;
    }
    return {};
}

// "C12" → row 11, column 2.
inline QPair<int, int> reference_cellule(const QString &r)
{
    int col = 0, i = 0;
    while (i < r.size() && r[i].isLetter()) col = col * 26 + (r[i++].toLatin1() - 'A' + 1);
    return {r.mid(i).toInt() - 1, col - 1};
}

inline ClasseurLu lire_xlsx(const QString &chemin)
{
    ClasseurLu c;
    QStringList partagees;
    QXmlStreamReader s(partie_xlsx(chemin, QStringLiteral("xl/sharedStrings.xml")));
    while (!s.atEnd())
        if (s.readNext() == QXmlStreamReader::StartElement && s.name() == QLatin1String("t")) partagees << s.readElementText();

    QMap<int, int> formats; // numFmtId → decimals
    QXmlStreamReader st(partie_xlsx(chemin, QStringLiteral("xl/styles.xml")));
    bool dans_xfs = false;
    QList<bool> polices_grasses;
    bool dans_polices = false;
    while (!st.atEnd()) {
        st.readNext();
        if (st.isStartElement() && st.name() == QLatin1String("numFmt")) {
            const QString code = st.attributes().value("formatCode").toString();
            const qsizetype point = code.indexOf(QLatin1Char('.'));
            formats[st.attributes().value("numFmtId").toInt()] = point < 0 ? 0 : int(code.size() - point - 1);
        } else if (st.isStartElement() && st.name() == QLatin1String("fonts")) {
            dans_polices = true;
        } else if (st.isEndElement() && st.name() == QLatin1String("fonts")) {
            dans_polices = false;
        } else if (dans_polices && st.isStartElement() && st.name() == QLatin1String("font")) {
            polices_grasses << false;
        } else if (dans_polices && st.isStartElement() && st.name() == QLatin1String("b")) {
            polices_grasses.last() = true;
        } else if (st.isStartElement() && st.name() == QLatin1String("cellXfs")) {
            dans_xfs = true;
        } else if (st.isEndElement() && st.name() == QLatin1String("cellXfs")) {
            dans_xfs = false;
        } else if (dans_xfs && st.isStartElement() && st.name() == QLatin1String("xf")) {
            const int id = st.attributes().value("numFmtId").toInt();
            c.decimales_style << (id == 1 ? 0 : id == 2 ? 2 : formats.value(id, -1)); // built-in "0" and "0.00"
            c.gras_style << polices_grasses.value(st.attributes().value("fontId").toInt());
        }
    }

    QXmlStreamReader w(partie_xlsx(chemin, QStringLiteral("xl/workbook.xml")));
    while (!w.atEnd())
        if (w.readNext() == QXmlStreamReader::StartElement && w.name() == QLatin1String("sheet"))
            c.feuilles.append({w.attributes().value("name").toString(), {}});
    for (qsizetype i = 0; i < c.feuilles.size(); ++i) {
        QXmlStreamReader x(partie_xlsx(chemin, QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1)));
        QPair<int, int> ou;
        CelluleLue cellule;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("c")) {
                ou = reference_cellule(x.attributes().value("r").toString());
                cellule = {x.attributes().value("t") != QLatin1String("s"), {}, x.attributes().value("s").toInt()};
            } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
                const QString v = x.readElementText();
                cellule.texte = cellule.nombre ? v : partagees.value(v.toInt());
                c.feuilles[i].cellules[ou.first][ou.second] = cellule;
            }
        }
    }
    return c;
}

// The workbook holds each table's fields: texts as texts (headers in bold),
// numbers as numbers of the same value shown with the same decimals.
inline void verifier_classeur(const QString &chemin, const Classeur &attendu)
{
    const ClasseurLu lu = lire_xlsx(chemin);
    QCOMPARE(lu.feuilles.size(), attendu.size());
    for (qsizetype f = 0; f < attendu.size(); ++f) {
        const Tableau &t = attendu[f];
        const FeuilleLue &l = lu.feuilles[f];
        QCOMPARE(l.nom, t.nom);
        for (qsizetype r = 0; r < t.lignes.size(); ++r)
            for (qsizetype c = 0; c < t.lignes[r].size(); ++c) {
                const QString &champ = t.lignes[r][c];
                const QString ou = QStringLiteral("%1!%2,%3 « %4 »").arg(t.nom).arg(r).arg(c).arg(champ);
                if (champ.isEmpty()) {
                    QVERIFY2(!l.cellules.value(int(r)).contains(int(c)), qPrintable(ou));
                    continue;
                }
                const CelluleLue cl = l.cellules.value(int(r)).value(int(c));
                const auto n = r < t.lignes_entete ? std::nullopt : classeur::nombre_du_champ(champ);
                QVERIFY2(cl.nombre == bool(n), qPrintable(ou));
                QCOMPARE(lu.gras_style.value(cl.style), r < t.lignes_entete);
                if (n) {
                    QVERIFY2(qFuzzyCompare(1.0 + cl.texte.toDouble(), 1.0 + n->valeur), qPrintable(ou + " " + cl.texte));
                    QCOMPARE(lu.decimales_style.value(cl.style), n->decimales);
                } else {
                    QCOMPARE(cl.texte, champ);
                }
            }
    }
}
