#include "common/lanceurs.h"
#include "common/erreures.h"
#include "common/fichierssysteme.h"
#include "common/fichiertexte.h"
#include "common/plateforme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

#include <cerrno>

const char *const ENREG_REFRACTAIRE = "/cassybio/electro/&refr~A.exw";
const char *const ENREG_RECRUTEMENT = "/cassybio/electro/&recr~A.exw";
const char *const ENREG_REFLEXE = "/cassybio/electro/&revol~A.exw";
const char *const PIF_LOCAL = "./cassybio/cassybio.pif";

namespace {

// A batch file is a few lines long; a template beyond this is a wrong file.
constexpr qsizetype TAILLE_MAX_MODELE = 1024 * 1024;

// The two launcher files are rewritten at every start and removed at the end:
// each is written under a name of this process beside its target, then
// renamed over it, as a save is, but without waiting for the disk, which
// would cost milliseconds at every start (tens on a school hard disk). The
// written file is removed if it never takes the target's place.
struct Remplacant {
    // Opens the file beside; throws ErreurES with the folder's own reason.
    explicit Remplacant(const QString &cible)
        : cible(cible), f(cible + QLatin1Char('.') + QString::number(QCoreApplication::applicationPid()))
    {
        // A link in the target's place is removed first: it is replaced, never followed.
        if (type_chemin(cible, false) == TypeChemin::Lien) supprimer_fichier(cible);
        // The toolkit refuses a folder without setting errno: without this, the
        // report would show whatever error came before.
        if (type_chemin(cible) == TypeChemin::Dossier) throw ErreurES::depuis_errno(EISDIR);
        // One left by an earlier process of the same number, never followed.
        if (type_chemin(f.fileName(), false) != TypeChemin::Absent) supprimer_fichier(f.fileName());
        errno = 0;
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // Told from the folder itself: not every system leaves the reason in errno.
            const QFileInfo dossier(QFileInfo(cible).path());
            const int err = !dossier.exists() ? ENOENT : !dossier.isDir() ? ENOTDIR : errno ? errno : EACCES;
            throw ErreurES::depuis_errno(err);
        }
    }
    ~Remplacant()
    {
        if (place) return;
        f.close();
        supprimer_fichier(f.fileName());
    }
    void ecrire(const char *octets, qint64 n)
    {
        errno = 0;
        if (f.write(octets, n) != n) throw ErreurES::depuis_errno(errno ? errno : EIO);
    }
    // Closes the file (a system may not rename an open one) and puts it in place.
    void placer()
    {
        errno = 0;
        if (!f.flush()) throw ErreurES::depuis_errno(errno ? errno : EIO);
        f.close();
        errno = 0;
        if (!remplacer_fichier(f.fileName(), cible)) throw ErreurES::depuis_errno(errno ? errno : EIO);
        place = true;
    }

    const QString cible;
    QFile f;
    bool place = false;
};

} // namespace

QString pif_csb() { return joindre(dossier_csb(), QStringLiteral("cassybio.pif")); }

QList<qsizetype> copier(const QString &source, const QString &destination)
{
    QList<qsizetype> blocs;
    if (!est_fichier_ordinaire(source)) return blocs;
    QFile src(source);
    if (!src.open(QIODevice::ReadOnly)) return blocs;

    Remplacant dst(destination);
    QByteArray tampon(10100, '\0');
    for (;;) {
        errno = 0;
        const qint64 n = src.read(tampon.data(), 10000);
        if (n < 0) throw ErreurES::code(100);
        blocs << n;
        dst.ecrire(tampon.constData(), n);
        if (n < 10000) break;
    }
    dst.placer();
    // The launcher copy must stay executable, like its source.
    QFile::setPermissions(destination, src.permissions());
    return blocs;
}

bool adap_cassybio(const QString &rep_depart, QStringList &lignes, QString &chemin_cassybio)
{
    const QString modele = chemin_insensible(joindre(joindre(rep_depart, QStringLiteral("cassybio")), QStringLiteral("cassybio.sav")));
    if (!QFileInfo::exists(modele)) return false;
    // Every line of the template goes to the batch file, so it is read whole;
    // a template beyond any batch file's size, or with a line longer than the
    // bound, is a wrong file and is refused before anything is written.
    LecteurLignes lecteur(QByteArray{});
    if (!lecteur.ouvrir(modele)) throw ErreurES::ouverture(modele);
    QStringList lues;
    qsizetype taille = 0;
    try {
        while (!lecteur.fin()) {
            const QByteArray l = lecteur.ligne();
            taille += l.size() + 2;
            if (taille > TAILLE_MAX_MODELE) throw ErreurES::ouverture(modele);
            lues << depuis_cp1252(l);
        }
    } catch (const LigneTropLongue &) {
        throw ErreurES::ouverture(modele);
    }
    lignes = lues;

    const QString bat = joindre(dossier_csb(), QStringLiteral("cassybio.bat"));
    for (int k = 1; k <= 4; ++k) {
        if (k >= lignes.size() || !lignes[k].contains(QLatin1String("SET CHEM_CAS"))) continue;
        chemin_cassybio = joindre(rep_depart, QStringLiteral("CASSYBIO")) + QDir::separator();
        lignes[k] = QStringLiteral("SET CHEM_CAS=") + chemin_cassybio;
        preparer_dossier_csb();
        QList<QByteArray> sortie;
        for (const QString &l : lignes) sortie << vers_cp1252(l);
        try {
            Remplacant f(bat);
            const QByteArray octets = joindre_lignes(sortie);
            f.ecrire(octets.constData(), octets.size());
            f.placer();
        } catch (const ErreurES &) {
            throw ErreurES::creation(bat);
        }
        copier(chemin_insensible(chemin_cassybio + QStringLiteral("cassybio.ppp")), pif_csb());
    }
    return true;
}

void voir_enregistrement(const QString &fichier_requis, const QString &enregistrement)
{
    if (!QFileInfo::exists(fichier_requis)) return;
    const QString d = rep_courant();
    changer_rep(dossier_csb());
    lancer_detache({pif_csb(), {QDir::toNativeSeparators(d + enregistrement)}, dossier_csb()});
    changer_rep(d);
}

void lancer_compagnon(const QString &dossier, const QString &programme)
{
    if (!QFileInfo::exists(QStringLiteral("./") + dossier + QLatin1Char('/') + programme)) return;
    const QString d = rep_courant();
    changer_rep(dossier);
    lancer_detache({programme, {}, rep_courant()});
    changer_rep(d);
}

void nettoyer_csb()
{
    if (!QFileInfo::exists(pif_csb())) return;
    // Only the two files written at start-up: what a pupil saved there stays,
    // and so does the folder then.
    for (const char *nom : {"cassybio.bat", "cassybio.pif"}) {
        const QString chemin = joindre(dossier_csb(), QLatin1String(nom));
        if (type_chemin(chemin, false) == TypeChemin::Ordinaire) supprimer_fichier(chemin);
    }
    supprimer_dossier_vide(dossier_csb());
}
