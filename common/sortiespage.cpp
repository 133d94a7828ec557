#include "common/sortiespage.h"
#include "common/dialoguefichiers.h"
#include "common/erreures.h"
#include "common/feuille.h"
#include "common/fichiertexte.h"
#include "common/imagerapport.h"
#include "common/impression.h"
#include "common/plateforme.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// How the pupils' names reach the companion programs started from here.
const char *const VARIABLE_ELEVES = "KALMENO_ELEVES";

} // namespace

SortiesPage::SortiesPage(QWidget *fenetre, std::function<Source()> source, Libelles libelles)
    : QObject(fenetre), fenetre_(fenetre), source_(std::move(source))
{
    const bool page = libelles == Libelles::Page;
    auto action = [this](const char *nom, const QString &libelle, auto commande) {
        auto *a = new QAction(libelle, fenetre_);
        a->setObjectName(QLatin1String(nom));
        connect(a, &QAction::triggered, this, [this, commande] { (this->*commande)(); });
        return a;
    };
    Copierimage = action("Copierimage1",
                         page ? QStringLiteral("Copier l'image de la page") : QStringLiteral("Copier l'image"),
                         &SortiesPage::copier_image);
    Enregistrerimage = action("Enregistrerimage1",
                              page ? QStringLiteral("Enregistrer l'image de la page…")
                                   : QStringLiteral("Enregistrer l'image…"),
                              &SortiesPage::enregistrer_image);
    Imprimer = action("Imprimer1", page ? QStringLiteral("Imprimer la page…") : QStringLiteral("Imprimer…"),
                      &SortiesPage::imprimer);
    Imprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ExporterPdf = action("ExporterPdf1",
                         page ? QStringLiteral("Exporter la page en PDF…") : QStringLiteral("Exporter en PDF…"),
                         &SortiesPage::exporter_pdf);
    Exporterdonnees = action("Exporterdonnees1", QStringLiteral("Exporter les données…"),
                             &SortiesPage::exporter_donnees);
    Nomseleves = new QAction(QStringLiteral("Noms des élèves…"), fenetre_);
    Nomseleves->setObjectName(QStringLiteral("Nomseleves1"));
    connect(Nomseleves, &QAction::triggered, this, [this] { demander_eleves(true); });
    // Names given by the program that started this one.
    if (qEnvironmentVariableIsSet(VARIABLE_ELEVES)) fixer_eleves(qEnvironmentVariable(VARIABLE_ELEVES));
}

void SortiesPage::ajouter_au_menu(QMenu *menu, QAction *avant, bool avec_donnees)
{
    menu->insertSeparator(avant);
    menu->insertActions(avant, {Copierimage, Enregistrerimage, Imprimer, ExporterPdf});
    if (avec_donnees) menu->insertAction(avant, Exporterdonnees);
    menu->insertAction(avant, Nomseleves);
    if (avant) menu->insertSeparator(avant);
    // The data item follows what the window shows when the menu opens.
    connect(menu, &QMenu::aboutToShow, this, &SortiesPage::mettre_a_jour);
}

void SortiesPage::mettre_a_jour() { Exporterdonnees->setEnabled(bool(source_().donnees)); }

QImage SortiesPage::image_ecran(QWidget *vue) { return image_rapport(vue, vue->devicePixelRatioF()); }

QImage SortiesPage::image_feuille(QWidget *vue) { return image_rapport(vue, echelle_impression(vue->width())); }

void SortiesPage::copier_image() { QApplication::clipboard()->setImage(image_ecran(source_().vue)); }

QFileDialog *SortiesPage::dialogue(const char *nom)
{
    // Made on first use, French and the same on every desktop; they ask
    // before replacing a file.
    if (auto *d = fenetre_->findChild<QFileDialog *>(QLatin1String(nom), Qt::FindDirectChildrenOnly)) return d;
    const struct {
        const char *nom;
        const char *titre;
        const char *extension;
        QStringList filtres;
    } table[] = {
        {"SaveDialogImage", "Enregistrer l'image", "png",
         {QStringLiteral("Image PNG (*.png)"), QStringLiteral("Image PNG en double taille, pour l'impression (*.png)")}},
        {"SaveDialogPdf", "Exporter en PDF", "pdf", {QStringLiteral("Document PDF (*.pdf)")}},
        {"SaveDialogDonnees", "Exporter les données", "csv",
         {QStringLiteral("Données pour tableur, séparateur point-virgule (*.csv)"),
          QStringLiteral("Classeur Excel/LibreOffice (*.xlsx)")}},
    };
    for (const auto &t : table) {
        if (qstrcmp(t.nom, nom) != 0) continue;
        auto *d = new QFileDialog(fenetre_, QString::fromUtf8(t.titre));
        d->setObjectName(QLatin1String(t.nom));
        d->setOption(QFileDialog::DontUseNativeDialog, true);
        d->setAcceptMode(QFileDialog::AcceptSave);
        d->setFileMode(QFileDialog::AnyFile);
        d->setDefaultSuffix(QLatin1String(t.extension));
        d->setNameFilters(t.filtres);
        // A name typed without extension takes the chosen kind's.
        connect(d, &QFileDialog::filterSelected, d, [d](const QString &filtre) {
            const qsizetype point = filtre.lastIndexOf(QLatin1String("*."));
            if (point >= 0) d->setDefaultSuffix(filtre.mid(point + 2).chopped(1));
        });
        return d;
    }
    return nullptr;
}

QString SortiesPage::choisir(const char *nom, const QString &nom_fichier, const QStringList &extensions)
{
    QFileDialog *d = dialogue(nom);
    d->selectNameFilter(d->nameFilters().constFirst());
    d->setDefaultSuffix(extensions.constFirst());
    const QStringList choisis = executer_dialogue_fichiers(d, nom_fichier + QLatin1Char('.') + d->defaultSuffix());
    if (choisis.isEmpty()) return {};
    // A name whose extension asks for no format this item writes gets the
    // kind's own; the dialog asked about the name as typed, so a file under
    // the name completed is replaced only if the pupil says so.
    const QString chemin = avec_extension(choisis.constFirst(), extensions, d->defaultSuffix());
    if (chemin != choisis.constFirst() && QFileInfo::exists(chemin)
        && QMessageBox::question(fenetre_, d->windowTitle(),
                                 QStringLiteral("%1 existe déjà.\nVoulez-vous le remplacer ?").arg(QFileInfo(chemin).fileName()))
               != QMessageBox::Yes)
        return {};
    return chemin;
}

bool SortiesPage::ecrire(const QString &chemin, const QByteArray &octets)
{
    try {
        if (ecrire_fichier(chemin, octets)) return true;
        signaler(ErreurES::creation(chemin));
    } catch (const ErreurES &e) {
        signaler(e);
    }
    return false;
}

bool SortiesPage::enregistrer_image()
{
    const Source s = source_();
    const QString chemin = choisir("SaveDialogImage", s.nom_fichier, EXTENSIONS_IMAGE);
    if (chemin.isEmpty()) return false;
    QFileDialog *d = dialogue("SaveDialogImage");
    const int facteur = d->selectedNameFilter() == d->nameFilters().constLast() ? 2 : 1;
    return ecrire(chemin, octets_image(agrandie(image_ecran(s.vue), facteur), format_image(chemin)));
}

void SortiesPage::fixer_eleves(const QString &noms)
{
    eleves_ = noms.simplified();
    eleves_connus_ = true;
    definir_environnement_enfants(QLatin1String(VARIABLE_ELEVES), eleves_);
}

bool SortiesPage::demander_eleves(bool encore)
{
    if (eleves_connus_ && !encore) return true;
    QInputDialog d(fenetre_);
    d.setObjectName(QStringLiteral("DialogueEleves"));
    d.setWindowTitle(QStringLiteral("Élève(s)"));
    d.setLabelText(QStringLiteral("Nom du ou des élèves, imprimé en tête de la feuille :"));
    d.setTextValue(eleves_);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Annuler"));
    if (d.exec() != QDialog::Accepted) return false;
    fixer_eleves(d.textValue());
    return true;
}

bool SortiesPage::imprimer()
{
    const Source s = source_();
    if (!demander_eleves()) return false;
    return dialogue_impression(fenetre_, s.titre, [&](QPagedPaintDevice &imprimante) {
        imprimer_feuille(imprimante, image_feuille(s.vue), {s.titre, QDate::currentDate(), eleves_});
    });
}

bool SortiesPage::exporter_pdf()
{
    const Source s = source_();
    if (!demander_eleves()) return false;
    const QString chemin = choisir("SaveDialogPdf", s.nom_fichier, {QStringLiteral("pdf")});
    if (chemin.isEmpty()) return false;
    return ecrire(chemin, octets_pdf(image_feuille(s.vue), {s.titre, QDate::currentDate(), eleves_}));
}

bool SortiesPage::exporter_donnees()
{
    const Source s = source_();
    if (!s.donnees) return false;
    const QString chemin = choisir("SaveDialogDonnees", s.nom_fichier, {QStringLiteral("csv"), QStringLiteral("xlsx")});
    if (chemin.isEmpty()) return false;
    if (QFileInfo(chemin).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0)
        return ecrire(chemin, classeur::octets_csv(s.donnees()));
    const QByteArray xlsx = classeur::octets_xlsx(s.donnees());
    if (xlsx.isEmpty()) {
        signaler(ErreurES::creation(chemin));
        return false;
    }
    return ecrire(chemin, xlsx);
}
