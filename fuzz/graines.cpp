// Writes the seed corpora of the fuzz targets with the program's own writers:
// one folder per target under the folder given.
#include "assets/ions.h"
#include "colour/fichiercouleurs.h"
#include "common/fichiertexte.h"
#include "common/nombres.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "membrane/fichiernst.h"
#include "membrane/programme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

bool ecrire(const QDir &racine, const char *cible, const QString &nom, const QByteArray &octets)
{
    if (!racine.mkpath(QLatin1String(cible))) return false;
    QFile f(racine.filePath(QLatin1String(cible) + QLatin1Char('/') + nom));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

// A class's grid: headings, masses on odd rows, outcomes on even rows.
GrilleFechner grille_remplie(bool erreurs)
{
    GrilleFechner g;
    g.ecrire_entetes();
    for (int r = 1; r < GrilleFechner::LIGNES - 1; r += 2)
        for (int c = 1; c <= 10; ++c) {
            g.ecrire(c, r, QString::number(5 * r + 10 * c));
            g.ecrire(c, r + 1, (r + c) % 3 ? QStringLiteral("O") : QStringLiteral("N"));
        }
    if (erreurs) {
        g.ecrire(1, 1, QStringLiteral("12a?"));
        g.ecrire(2, 2, QStringLiteral("x?"));
        g.ecrire(3, 3, QStringLiteral("-40"));
        g.ecrire(4, 3, QStringLiteral("99999999999"));
        g.ecrire(5, 4, QStringLiteral("é"));
    }
    return g;
}

// A programme of n steps that ramps the conductances as an action potential does.
Programme programme(int n)
{
    Programme p;
    p.nb_etapes = n;
    for (int i = 1; i <= n; ++i) {
        p.etape(i) = Programme::borne({(7 * i) % 101, (13 * i) % 101, 150, 6, 8 + i, 144});
        p.em_etape(i) = -85.37 + 160.0 * std::sin(i / 9.0);
    }
    return p;
}

QByteArray bmp(const QImage &image, QImage::Format format)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.convertToFormat(format).save(&tampon, "BMP");
    return octets;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir racine(QString::fromLocal8Bit(argv[1]));
    bool ok = racine.mkpath(QStringLiteral("."));

    GrilleFechner vide;
    GrilleFechner entetes;
    entetes.ecrire_entetes();
    ok = ok && ecrire(racine, "fch", "entetes.fch", octets_fch(entetes));
    ok = ok && ecrire(racine, "fch", "classe.fch", octets_fch(grille_remplie(false)));
    ok = ok && ecrire(racine, "fch", "erreurs.fch", octets_fch(grille_remplie(true)));
    ok = ok && ecrire(racine, "fch", "vide.fch", octets_fch(vide));

    for (int n : {0, 1, 2, 40, 83}) {
        const QString nom = QStringLiteral("etapes%1.nst").arg(n);
        ok = ok && ecrire(racine, "nst", nom, ecrire_nst(programme(n)));
        ok = ok && ecrire(racine, "ess0", nom, ecrire_nst(programme(n)));
    }

    const FichierCouleurs::Valeurs defaut{-2147483633, -2147483633, -2147483633, -2147483633,
                                          -2147483633, -2147483633, -2147483633, -2147483633};
    const FichierCouleurs::Valeurs couleurs{255, 65280, 16711680, 0, 16777215, 8421504, -2147483633, 12632256};
    ok = ok && ecrire(racine, "couleurs", "defaut.kmo", FichierCouleurs::texte(defaut));
    ok = ok && ecrire(racine, "couleurs", "couleurs.kmo", FichierCouleurs::texte(couleurs));

    const QList<QByteArray> modele = {"@echo off", "SET CHEM_CAS=C:\\CASSYBIO\\", "SET CHEM_PIF=C:\\CSB\\",
                                      "SET CHEM_CAS", "cd %CHEM_CAS%", "cassybio.exe %1"};
    ok = ok && ecrire(racine, "cassybio", "cassybio.sav", joindre_lignes(modele));
    ok = ok && ecrire(racine, "cassybio", "sans_chem.sav", joindre_lignes({"@echo off", "cassybio.exe %1"}));

    const struct {
        const char *nom;
        std::function<QImage()> dessin;
    } images[] = {
        {"an", image_anion}, {"k", image_ion_k}, {"na", image_ion_na},
        {"fl_i_e", image_fleche_i_e}, {"fl_e_i", image_fleche_e_i},
    };
    for (const auto &i : images) {
        ok = ok && ecrire(racine, "bmp", QLatin1String(i.nom) + QStringLiteral(".bmp"), bmp(i.dessin(), QImage::Format_RGB888));
        ok = ok && ecrire(racine, "bmp", QLatin1String(i.nom) + QStringLiteral("_8.bmp"), bmp(i.dessin(), QImage::Format_Indexed8));
    }

    const char *entiers[] = {"0", "150", "-2147483648", "2147483647", "  +42", "$7FFFFFFF", "$FFFFFFFF", "12a", ""};
    for (int i = 0; i < int(std::size(entiers)); ++i)
        ok = ok && ecrire(racine, "entier", QStringLiteral("e%1").arg(i), entiers[i]);
    const double reels[] = {0.0, -85.37, 76.66, 1.0e-300, 123456789.125};
    for (int i = 0; i < int(std::size(reels)); ++i)
        ok = ok && ecrire(racine, "reel", QStringLiteral("r%1").arg(i), format_reel_fichier(reels[i]).toLatin1());

    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
