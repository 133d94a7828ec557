// A watchdog in every test program: a modal window left open longer than a
// bound (20 s; KALMENO_DELAI_MODAL in seconds to change it) is a test that
// would wait for ever. Every modal window is then closed, the running test
// function fails with the window's name, and the suite goes on. Later modal
// windows of the same test function are closed at once.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QtTest>

namespace {

class GardeModale : public QObject {
public:
    explicit GardeModale(QObject *parent) : QObject(parent)
    {
        const int s = qEnvironmentVariableIntValue("KALMENO_DELAI_MODAL");
        delai_ms = (s > 0 ? s : 20) * 1000;
        minuterie.setInterval(250);
        connect(&minuterie, &QTimer::timeout, this, &GardeModale::verifier);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Hide) {
            ouvertes.removeIf([o](const Ouverte &v) { return v.fenetre == o; });
        } else if (e->type() == QEvent::Show && o->isWidgetType() && o->property("modal").toBool()
                   && !ouvertes.contains(o)) {
            if (test_en_faute == test_courant()) {
                QTimer::singleShot(0, o, [o] { fermer(o); });
            } else {
                ouvertes.append({o, QDeadlineTimer(delai_ms)});
                if (!minuterie.isActive()) minuterie.start();
            }
        }
        return false;
    }

private:
    struct Ouverte {
        QPointer<QObject> fenetre;
        QDeadlineTimer echeance;
        bool operator==(const QObject *o) const { return fenetre == o; }
    };

    static QString test_courant()
    {
        return QLatin1String(QTest::currentTestFunction()) + QLatin1Char('(')
             + QLatin1String(QTest::currentDataTag()) + QLatin1Char(')');
    }

    // As the window's Cancel button would: reject() ends a dialog's exec().
    static void fermer(QObject *w)
    {
        if (!QMetaObject::invokeMethod(w, "reject")) QMetaObject::invokeMethod(w, "close");
        if (w->property("visible").toBool()) QMetaObject::invokeMethod(w, "hide");
    }

    static QString nom(const QObject *w)
    {
        return QStringLiteral("« %1 » (%2 %3)")
            .arg(w->property("windowTitle").toString(), QLatin1String(w->metaObject()->className()), w->objectName());
    }

    void verifier()
    {
        ouvertes.removeIf([](const Ouverte &o) { return !o.fenetre || !o.fenetre->property("visible").toBool(); });
        if (ouvertes.isEmpty()) {
            minuterie.stop();
            return;
        }
        if (!ouvertes.constFirst().echeance.hasExpired()) return;
        const QString message = QStringLiteral("fenêtre modale %1 restée ouverte plus de %2 s sans réponse : fermée")
                                    .arg(nom(ouvertes.constFirst().fenetre), QString::number(delai_ms / 1000));
        test_en_faute = test_courant();
        // The last opened first: each exec() returns to the window below it.
        const QList<Ouverte> a_fermer = ouvertes;
        ouvertes.clear();
        for (auto i = a_fermer.crbegin(); i != a_fermer.crend(); ++i)
            if (i->fenetre) fermer(i->fenetre);
        QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
    }

    int delai_ms;
    QTimer minuterie;
    QList<Ouverte> ouvertes;
    QString test_en_faute;
};

void installer_garde()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new GardeModale(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installer_garde)
