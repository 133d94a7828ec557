// The helper that answers modal windows and the watchdog, seen from outside:
// this program runs itself on scenarios that must fail, and reads what the
// test log says about each one.
#include "fenetresmodales.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Run in a child process: several of these must fail.
class Scenarios : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void etape_en_echec()
    {
        QDialog d;
        FenetresModales modales({[](QWidget *) { QVERIFY2(false, "vérification ratée"); }});
        d.exec();
        QVERIFY(!d.isVisible());
    }
    void etape_inutilisee()
    {
        QDialog d;
        const FenetresModales::Etape fermer = [](QWidget *m) { static_cast<QDialog *>(m)->reject(); };
        FenetresModales modales({fermer, fermer});
        d.exec();
    }
    void suivante()
    {
        // Its own window, not answered by the steps left from before.
        QDialog d;
        FenetresModales modales({[](QWidget *m) { static_cast<QDialog *>(m)->accept(); }});
        QCOMPARE(d.exec(), int(QDialog::Accepted));
    }
    void fenetre_inattendue()
    {
        FenetresModales modales({});
        QMessageBox b(QMessageBox::Question, QStringLiteral("Question"), QStringLiteral("Oui ?"),
                      QMessageBox::Yes | QMessageBox::No);
        b.exec();
    }
    void sans_reponse()
    {
        QDialog d;
        d.setWindowTitle(QStringLiteral("Personne ne répond"));
        d.exec();
        QMessageBox b; // later windows of the same test are closed at once
        b.exec();
    }
    void fenetre_qui_revient()
    {
        // A dialog asks a question, is answered "No" and stays open: it comes
        // up again for the next step.
        QDialog d;
        int reponse = -1;
        FenetresModales modales({
            [&](QWidget *) {
                QTimer::singleShot(0, &d, [&] {
                    reponse = QMessageBox::question(&d, QStringLiteral("Remplacer ?"), QStringLiteral("Remplacer ?"));
                });
            },
            [](QWidget *m) { qobject_cast<QMessageBox *>(m)->button(QMessageBox::No)->click(); },
            [](QWidget *m) { static_cast<QDialog *>(m)->accept(); },
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(reponse, int(QMessageBox::No));
    }
};

class TstFenetresModales : public QObject {
    Q_OBJECT
    QString journal;

private Q_SLOTS:
    void initTestCase()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KALMENO_SCENARIOS"), QStringLiteral("1"));
        env.insert(QStringLiteral("KALMENO_DELAI_MODAL"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        // The log in a file: a console may not take every character.
        QTemporaryDir d;
        const QString fichier = d.filePath(QStringLiteral("journal.txt"));
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-o"), fichier + QStringLiteral(",txt")});
        QVERIFY(p.waitForFinished(60000));
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        journal = QString::fromUtf8(f.readAll());
        QVERIFY2(journal.contains(QStringLiteral("Totals: 4 passed, 4 failed")), qPrintable(journal));
    }

    void scenario_data()
    {
        QTest::addColumn<QString>("resultat");
        QTest::newRow("a failed check closes its window")
            << "FAIL!  : Scenarios::etape_en_echec() 'false' returned FALSE. (vérification ratée)";
        QTest::newRow("a step left unused")
            << "FAIL!  : Scenarios::etape_inutilisee() 1 fenêtre(s) modale(s) attendue(s) ne s'est (se sont) pas ouverte(s)";
        QTest::newRow("the next test answers its own window") << "PASS   : Scenarios::suivante()";
        QTest::newRow("a window no step expects")
            << "FAIL!  : Scenarios::fenetre_inattendue() fenêtre modale inattendue « Question » (QMessageBox )";
        QTest::newRow("a window nobody answers")
            << "FAIL!  : Scenarios::sans_reponse() fenêtre modale « Personne ne répond » (QDialog ) restée ouverte "
               "plus de 1 s sans réponse : fermée";
        QTest::newRow("a window that comes up again") << "PASS   : Scenarios::fenetre_qui_revient()";
    }
    void scenario()
    {
        QFETCH(QString, resultat);
        QVERIFY2(journal.contains(resultat), qPrintable(journal));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KALMENO_SCENARIOS")) {
        Scenarios s;
        return QTest::qExec(&s, argc, argv);
    }
    TstFenetresModales t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_fenetresmodales.moc"
