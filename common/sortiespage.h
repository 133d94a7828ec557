#pragma once
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

#include "common/classeur.h"

class QAction;
class QFileDialog;
class QMenu;
class QWidget;

// The commands that take what a window shows out of the program: copy its
// picture, save it as PNG (optionally twice as large, pixels kept sharp),
// print it or export it as PDF on an A4 landscape sheet under a heading, and
// export its numbers as a spreadsheet file. Shared by the main window (one
// page at a time) and the companion programs (their whole view).
//
// The pupils' names printed in the heading are asked the first time a sheet
// is made, can be changed at any time ("Noms des élèves…"), are kept for the
// session in memory only, and go to the companion programs it starts.
class SortiesPage : public QObject {
    Q_OBJECT
public:
    // What is being taken out, asked for at each command.
    struct Source {
        QWidget *vue;              // what is pictured, as it shows now
        QString titre;             // heading of the sheet
        QString nom_fichier;       // suggested file name, without extension
        // The tables of numbers; an empty function when there is nothing to export.
        std::function<Classeur()> donnees;
    };
    enum class Libelles { Page, Fenetre };

    // `fenetre` owns the dialogs; `source` describes what shows now.
    SortiesPage(QWidget *fenetre, std::function<Source()> source, Libelles libelles = Libelles::Page);

    // Adds the items to `menu` before `avant` (at the end when null), between
    // separators; "Exporter les données…" only `avec_donnees`. The items are
    // brought up to date each time the menu opens.
    void ajouter_au_menu(QMenu *menu, QAction *avant, bool avec_donnees);
    // Enables the data item when the source has data.
    void mettre_a_jour();

    // The commands. Each one that writes a file returns true once written; a
    // file that cannot be created is reported ("Ne peut créer le fichier …").
    void copier_image();
    bool enregistrer_image();
    bool imprimer();
    bool exporter_pdf();
    bool exporter_donnees();

    // The names of the pupils for this session; `demander_eleves` asks for them
    // once (always when `encore`), false when the pupil cancelled.
    QString eleves() const { return eleves_; }
    void fixer_eleves(const QString &noms);
    bool demander_eleves(bool encore = false);
    // The picture at the screen's size, and at the scale a sheet prints it.
    static QImage image_ecran(QWidget *vue);
    static QImage image_feuille(QWidget *vue);

    QAction *Copierimage = nullptr;
    QAction *Enregistrerimage = nullptr;
    QAction *Imprimer = nullptr;
    QAction *ExporterPdf = nullptr;
    QAction *Exporterdonnees = nullptr;
    QAction *Nomseleves = nullptr;

private:
    QFileDialog *dialogue(const char *nom);
    // The path chosen in dialog `nom`, completed with the first of `extensions`
    // (or the filter's) unless it ends with one of them.
    QString choisir(const char *nom, const QString &nom_fichier, const QStringList &extensions);
    bool ecrire(const QString &chemin, const QByteArray &octets);

    QWidget *fenetre_;
    std::function<Source()> source_;
    QString eleves_;
    bool eleves_connus_ = false;
};
