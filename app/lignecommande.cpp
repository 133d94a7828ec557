#include "app/lignecommande.h"
#include "app/tform1.h"
#include "common/erreures.h"
#include "common/classeur.h"
#include "common/feuille.h"
#include "common/fichierssysteme.h"
#include "common/fichiertexte.h"
#include "common/plateforme.h"
#include "fechner/classefechner.h"
#include "fechner/csvfechner.h"
#include "fechner/fichierfechner.h"
#include "fechner/grillefechner.h"
#include "membrane/csvnernst.h"
#include "membrane/fichiernst.h"
#include "membrane/programme.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// The toolkit's options that take a value; it reads them itself.
const char *const options_qt_valeur[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                         "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-style",
                                         "-stylesheet", "-display", "-geometry", "-title", "-name", "-session"};
const char *const options_qt_seules[] = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};

OptionsLigne erreur(const QString &message)
{
    OptionsLigne o;
    o.mode = OptionsLigne::Mode::Erreur;
    o.message = message;
    return o;
}

void ecrire_erreur(const QString &message)
{
    const QByteArray t = (QStringLiteral("kalmeno : ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(t.constData(), 1, std::size_t(t.size()), stderr);
}

// Writes a file given on the command line (whole or not at all): 0, or 2
// with the reason on standard error.
int ecrire_sortie(const QString &chemin, const QByteArray &octets)
{
    try {
        if (!octets.isEmpty() && ecrire_fichier(chemin, octets)) return 0;
        ecrire_erreur(ErreurES::creation(chemin).texte());
    } catch (const ErreurES &e) {
        ecrire_erreur(e.texte());
    }
    return 2;
}

} // namespace

QString texte_aide()
{
    return QStringLiteral(
        "Utilisation : kalmeno [OPTION]\n"
        "Sans option, Kalmeno ouvre sa fenêtre.\n"
        "\n"
        "Options :\n"
        "  --csv FICHIER.fch|FICHIER.nst  écrit sur la sortie standard les données du\n"
        "                                 fichier pour un tableur (champs séparés par « ; »,\n"
        "                                 virgule décimale, UTF-8), comme « Fichier >\n"
        "                                 Exporter les données… »\n"
        "  --xlsx FICHIER.fch|FICHIER.nst CLASSEUR.xlsx\n"
        "                                 écrit les mêmes données dans un classeur\n"
        "                                 Excel/LibreOffice (une feuille par tableau)\n"
        "  --capture N IMAGE.png          démarre comme d'habitude dans son dossier,\n"
        "                                 montre la page N (0 à 5), enregistre l'image\n"
        "                                 de la page (.png, .jpg ou .bmp) et quitte\n"
        "  --analyse-fechner A.fch [B.fch …]\n"
        "                                 écrit, pour les essais de tous les fichiers\n"
        "                                 réunis, une ligne par masse portée\n"
        "                                 (masse;essais;seuil;rapport) puis k\n"
        "  --zoom N                       taille de l'affichage pour cette fois :\n"
        "                                 100, 125, 150 ou 200 (%)\n"
        "  -h, --help                     affiche cette aide\n"
        "\n"
        "Pages : 0 Contrastes successifs, 1 Champs récepteurs, 2 Loi de Fechner,\n"
        "3 Période réfractaire, 4 Activité volont./réflexe, 5 Loi de Nernst.\n"
        "Un fichier vide, tronqué ou d'un autre type est refusé, avec sa raison.\n"
        "En cas d'option ou de fichier incorrect, le code de sortie est 2.\n");
}

OptionsLigne lire_options(const QStringList &arguments)
{
    OptionsLigne o;
    auto mode = [&o](OptionsLigne::Mode m) {
        if (o.mode != OptionsLigne::Mode::Fenetre && o.mode != m) return false;
        o.mode = m;
        return true;
    };
    const QString voir_aide = QStringLiteral(" Essayez « kalmeno --help ».");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const qsizetype reste = arguments.size() - 1 - i;
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            if (!mode(OptionsLigne::Mode::Aide)) return erreur(QStringLiteral("une seule option à la fois.") + voir_aide);
        } else if (a == QLatin1String("--csv")) {
            if (reste < 1) return erreur(QStringLiteral("l'option --csv attend un fichier .fch ou .nst.") + voir_aide);
            if (!mode(OptionsLigne::Mode::Csv)) return erreur(QStringLiteral("une seule option à la fois.") + voir_aide);
            o.fichier = arguments[++i];
        } else if (a == QLatin1String("--xlsx")) {
            if (reste < 2)
                return erreur(QStringLiteral("l'option --xlsx attend un fichier .fch ou .nst et un classeur .xlsx.") +
                              voir_aide);
            if (!mode(OptionsLigne::Mode::Xlsx)) return erreur(QStringLiteral("une seule option à la fois.") + voir_aide);
            o.fichier = arguments[++i];
            o.sortie = avec_extension(arguments[++i], {QStringLiteral("xlsx")}, QStringLiteral("xlsx"));
        } else if (a == QLatin1String("--capture")) {
            if (reste < 2)
                return erreur(QStringLiteral("l'option --capture attend un numéro de page (0 à 5) et une image .png.") +
                              voir_aide);
            if (!mode(OptionsLigne::Mode::Capture)) return erreur(QStringLiteral("une seule option à la fois.") + voir_aide);
            bool ok = false;
            o.page = arguments[++i].toInt(&ok);
            if (!ok || o.page < 0 || o.page > 5)
                return erreur(QStringLiteral("numéro de page incorrect « %1 » : de 0 à 5.").arg(arguments[i]) + voir_aide);
            o.fichier = arguments[++i];
            // The picture's format comes from its name: none given is PNG.
            if (QFileInfo(o.fichier).suffix().isEmpty()) o.fichier += QStringLiteral(".png");
            if (format_image(o.fichier).isEmpty())
                return erreur(QStringLiteral("format d'image inconnu « %1 » : le nom doit finir par .png, .jpg, "
                                             ".jpeg ou .bmp.")
                                  .arg(o.fichier) +
                              voir_aide);
        } else if (std::any_of(std::begin(options_qt_valeur), std::end(options_qt_valeur),
                               [&a](const char *q) { return a == QLatin1String(q); })) {
            ++i; // the toolkit's option and its value
        } else if (std::any_of(std::begin(options_qt_seules), std::end(options_qt_seules),
                               [&a](const char *q) { return a == QLatin1String(q); })) {
        } else if (a.startsWith(QLatin1Char('-'))) {
            return erreur(QStringLiteral("option inconnue « %1 ».").arg(a) + voir_aide);
        } else {
            return erreur(QStringLiteral("argument inattendu « %1 ».").arg(a) + voir_aide);
        }
    }
    return o;
}

OptionsLigne lire_options(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return lire_options(arguments);
}

std::optional<Classeur> classeur_de_fichier(const QString &chemin, QString &message)
{
    const QString extension = QFileInfo(chemin).suffix().toLower();
    QString raison;
    if (extension == QLatin1String("fch")) {
        GrilleFechner grille;
        raison = lire_grille_verifiee(chemin, grille);
        if (raison.isEmpty()) return Classeur{{QStringLiteral("Essais"), lignes_csv_fechner(grille)}};
    } else if (extension == QLatin1String("nst")) {
        // A programme is a few kilobytes: 1 + 7 × 83 short lines.
        QByteArray octets;
        raison = lire_fichier_verifie(chemin, 1 << 20, QStringLiteral("ce n'est pas un programme de Nernst"), octets);
        if (raison.isEmpty()) raison = raison_refus_nst(octets);
        Programme programme;
        if (raison.isEmpty() && lire_nst(octets, programme)) return classeur_nernst(programme);
    } else {
        message = QStringLiteral("le fichier %1 n'est ni une grille de Fechner (.fch) ni un programme de Nernst (.nst).")
                      .arg(chemin);
        return std::nullopt;
    }
    message = QStringLiteral("le fichier %1 est refusé : %2.").arg(chemin, raison);
    return std::nullopt;
}

std::optional<int> sans_fenetre(const OptionsLigne &o)
{
    switch (o.mode) {
    case OptionsLigne::Mode::Aide: {
        const QByteArray t = texte_aide().toUtf8();
        std::fwrite(t.constData(), 1, std::size_t(t.size()), stdout);
        return 0;
    }
    case OptionsLigne::Mode::Erreur:
        ecrire_erreur(o.message);
        return 2;
    case OptionsLigne::Mode::Csv:
    case OptionsLigne::Mode::Xlsx: {
        QString message;
        const std::optional<Classeur> classeur = classeur_de_fichier(o.fichier, message);
        if (!classeur) {
            ecrire_erreur(message);
            return 2;
        }
        if (o.mode == OptionsLigne::Mode::Xlsx) return ecrire_sortie(o.sortie, classeur::octets_xlsx(*classeur));
        const QByteArray octets = classeur::octets_csv(*classeur);
        sortie_standard_binaire();
        std::fwrite(octets.constData(), 1, std::size_t(octets.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    default:
        return std::nullopt;
    }
}

int capturer(TForm1 &f, const OptionsLigne &o)
{
    // The window is built and "shown" as usual, but not on the screen: the
    // page is drawn exactly as a pupil would see it.
    f.setAttribute(Qt::WA_DontShowOnScreen);
    // Nobody is there to close a message box: a failure of the start-up
    // (a picture file missing) is written on standard error instead.
    installer_rapporteur([](const QString &texte) { ecrire_erreur(texte); });
    f.show();
    QElapsedTimer temps;
    temps.start();
    while (f.Timer_debut->isActive() && temps.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    f.montrer_page(o.page);
    f.Notebook1Click();
    QCoreApplication::processEvents();
    const int r = ecrire_sortie(o.fichier, octets_image(f.image_page(o.page), format_image(o.fichier)));
    // The window closes as a pupil's does: the launcher files go with it.
    f.close();
    return r;
}
