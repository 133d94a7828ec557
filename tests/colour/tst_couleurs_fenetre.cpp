// The colour settings as the main window reads them at start-up and writes
// them from "Options" > "Mise en couleur".
#include "app/pagechamps.h"
#include "app/tform1.h"
#include "colour/pagecontrastes.h"
#include "colour/tmise_couleur.h"
#include "common/cadre.h"
#include "common/erreures.h"
#include "common/plateforme.h"
#include "nerve/pagenerf.h"
#include "fenetresmodales.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A working directory of its own for each test.
struct Dossier {
    QTemporaryDir dir;
    QString ancien = QDir::currentPath();
    Dossier() { QDir::setCurrent(dir.path()); }
    ~Dossier() { QDir::setCurrent(ancien); }
    void ecrire(const QByteArray &octets) const
    {
        QFile f(dir.filePath("couleurs.kmo"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire() const
    {
        QFile f(dir.filePath("couleurs.kmo"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// The window without its start-up sequence, which the tests run by parts.
struct Fenetre {
    TForm1 f;
    Fenetre() { f.Timer_debut->stop(); }
    // The colours of the frames in file order, GroupBox11 last. The pages not
    // built yet are built here, taking the colours read before.
    QList<Couleur> cadres()
    {
        f.page_champs();
        f.page_fechner();
        f.page_nerf();
        f.page_activite();
        f.page_nernst();
        QList<Couleur> c;
        for (const char *nom : {"GroupBox1", "GroupBox2", "GroupBox6", "GroupBox4", "GroupBox3", "GroupBox7",
                                "GroupBox8", "GroupBox10", "GroupBox11"})
            c << f.Notebook1->findChild<Cadre *>(QLatin1String(nom))->couleur();
        return c;
    }
    // "Mise en couleur" on a page; `regler` runs while the dialog is open.
    void mettre_en_couleur(int page, const std::function<void(Tmise_couleur *)> &regler)
    {
        f.Notebook1->setCurrentIndex(page);
        FenetresModales modales({[this, regler](QWidget *m) {
            QVERIFY(m == f.mise_couleur());
            regler(f.mise_couleur());
        }});
        f.Miseencouleur1Click();
    }
};

constexpr Couleur F = COULEUR_FACE;

QByteArray lignes(const QList<Couleur> &v)
{
    QByteArray b;
    for (Couleur c : v) b += QByteArray::number(c) + "\r\n";
    return b;
}

} // namespace

class TstCouleursFenetre : public QObject {
    Q_OBJECT
    QStringList rapports;

private Q_SLOTS:
    void init()
    {
        rapports.clear();
        installer_rapporteur([this](const QString &t) { rapports << t; });
        definir_dossier_csb(QDir::tempPath() + "/kalmeno-essai-couleurs-csb");
    }
    void cleanup()
    {
        installer_rapporteur(nullptr);
        definir_dossier_csb("");
    }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QList<Couleur>>("cadres");
        QTest::addColumn<QStringList>("signale");
        using L = QList<Couleur>;
        QTest::newRow("no file: the face colour everywhere") << QByteArray() << L{F, F, F, F, F, F, F, F, F}
                                                            << QStringList();
        QTest::newRow("eight lines, line 6 on both frames of page 3")
            << lignes({1, 2, 3, 4, 5, 6, 7, 8}) << L{1, 2, 3, 4, 5, 6, 7, 8, 6} << QStringList();
        QTest::newRow("five lines: lines 6 to 8 black") << lignes({1, 2, 3, 4, 5}) << L{1, 2, 3, 4, 5, 0, 0, 0, 0}
                                                         << QStringList();
        QTest::newRow("face colour written back restores it") << lignes({F, F, F, F, F, F, F, F})
                                                              << L{F, F, F, F, F, F, F, F, F} << QStringList();
        QTest::newRow("a bad line is reported, the lines before it kept")
            << QByteArray("255\r\n65280\r\nbleu\r\n4\r\n") << L{255, 65280, F, F, F, F, F, F, F}
            << QStringList{"Saisie numérique incorrecte."};
    }
    void lecture()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QList<Couleur>, cadres);
        QFETCH(QStringList, signale);
        Dossier d;
        if (!fichier.isNull()) d.ecrire(fichier);
        Fenetre w;
        w.f.Timer_debutTimer();
        QCOMPARE(w.cadres(), cadres);
        QCOMPARE(rapports.filter("Saisie"), signale);
        // The rest of the start-up ran: the page is in its one-colour layout.
        QCOMPARE(w.f.Notebook1->currentIndex(), 0);
    }

    void couleur_au_dela_de_24_bits()
    {
        // Kept verbatim, painted with its low 24 bits.
        Dossier d;
        d.ecrire(lignes({0x7F0000FF, F, F, F, F, F, F, F}));
        Fenetre w;
        w.f.lec_couleurs();
        Cadre *c = w.f.page_contrastes->GroupBox1;
        QCOMPARE(c->couleur(), 0x7F0000FF);
        QCOMPARE(c->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    void ok_sur_la_page_3()
    {
        Dossier d;
        {
            Fenetre w;
            w.mettre_en_couleur(3, [](Tmise_couleur *m) {
                m->scroll_rouge->setValue(54);
                m->Scroll_vert->setValue(154);
                m->Scroll_bleu->setValue(204);
                m->OKBtn->click();
            });
            // (201, 101, 51): the two frames of page 3 take it, nothing else does.
            const Couleur c = couleur_rgb(201, 101, 51);
            QCOMPARE(w.cadres(), (QList<Couleur>{F, F, F, F, F, c, F, F, c}));
            QCOMPARE(d.lire(), lignes({F, F, F, F, F, c, F, F}));
        }
        // The next start reads both frames of page 3 from line 6.
        Fenetre w;
        w.f.lec_couleurs();
        QCOMPARE(w.f.page_nerf()->GroupBox11->couleur(), couleur_rgb(201, 101, 51));
        QCOMPARE(w.f.page_nerf()->GroupBox7->couleur(), couleur_rgb(201, 101, 51));
    }

    void premiere_fois_sur_le_gris()
    {
        // On a face-coloured page the dialog opens at (15, 1, 1): OK keeps it.
        Dossier d;
        Fenetre w;
        QList<int> barres;
        w.mettre_en_couleur(0, [&](Tmise_couleur *m) {
            barres = {m->scroll_rouge->value(), m->Scroll_vert->value(), m->Scroll_bleu->value()};
            m->OKBtn->click();
        });
        QCOMPARE(barres, (QList<int>{240, 254, 254}));
        const Couleur c = couleur_rgb(15, 1, 1);
        QCOMPARE(w.cadres(), (QList<Couleur>{c, c, c, F, F, F, F, F, F}));
        QCOMPARE(d.lire(), lignes({c, c, c, F, F, F, F, F}));
    }

    void annuler()
    {
        // Cancel after moving the bars: frames and file as they were.
        Dossier d;
        d.ecrire(lignes({1, 2, 3, 4, 5, 6, 7, 8}));
        Fenetre w;
        w.f.lec_couleurs();
        w.mettre_en_couleur(5, [](Tmise_couleur *m) {
            m->Scroll_vert->setValue(3);
            m->CancelBtn->click();
        });
        QCOMPARE(w.cadres(), (QList<Couleur>{1, 2, 3, 4, 5, 6, 7, 8, 6}));
        QCOMPARE(d.lire(), lignes({1, 2, 3, 4, 5, 6, 7, 8}));
    }

    void fichier_impossible_a_creer()
    {
        // A folder in the way: the frames are coloured, nothing saved, no message.
        Dossier d;
        QVERIFY(QDir(d.dir.path()).mkdir("couleurs.kmo"));
        Fenetre w;
        w.mettre_en_couleur(1, [](Tmise_couleur *m) {
            m->scroll_rouge->setValue(0);
            m->OKBtn->click();
        });
        QCOMPARE(w.f.page_champs()->GroupBox4->couleur(), couleur_rgb(255, 1, 1));
        QVERIFY(rapports.isEmpty());
    }
};

QTEST_MAIN(TstCouleursFenetre)
#include "tst_couleurs_fenetre.moc"
