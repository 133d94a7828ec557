#pragma once
// Answers the modal windows a test's action opens, as a pupil would.
//
//     FenetresModales modales({etape_dialogue, etape_question});
//     action->trigger();
//
// The helper belongs to the test's scope: it answers only while it lives, and
// only the most recent one answers. Each modal window shown gets the next
// step, run from that window's own event loop once it is active; a window
// that stays open after a window above it closed comes up again. A step
// whose check fails has its window closed (and every later one), so the
// action returns and the test reports the failure; a window no step expects
// is closed and fails the test; a step left unused fails the test.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <source_location>

class FenetresModales : public QObject {
public:
    using Etape = std::function<void(QWidget *)>;

    // One step per window, in the order the windows come up.
    explicit FenetresModales(QList<Etape> etapes, std::source_location ou = std::source_location::current())
        : etapes(std::move(etapes)), ou(ou)
    {
        pile().append(this);
        qApp->installEventFilter(this);
    }

    // One answer for every modal window, as many as come up, again while a
    // window stays open (a monkey that answers whatever it meets).
    static constexpr struct Chacune {} chacune{};
    FenetresModales(Chacune, Etape reponse, std::source_location ou = std::source_location::current())
        : FenetresModales(QList<Etape>{}, ou)
    {
        toujours = std::move(reponse);
        // Each answer runs from its own zero-delay call, not from the tick, so
        // a window it opens in turn is answered by a later tick.
        auto *t = new QTimer(this);
        connect(t, &QTimer::timeout, this, [this] {
            if (prevue || pile().constLast() != this || !QApplication::activeModalWidget()) return;
            prevue = true;
            QTimer::singleShot(0, this, [this] {
                prevue = false;
                if (QWidget *m = QApplication::activeModalWidget()) repondre(m);
            });
        });
        t->start(0);
    }

    ~FenetresModales() override
    {
        pile().removeOne(this);
        if (!echec && !etapes.isEmpty())
            echouer(QStringLiteral("%1 fenêtre(s) modale(s) attendue(s) ne s'est (se sont) pas ouverte(s)")
                        .arg(etapes.size()));
    }

    // Closes a window the way its Cancel button would, so its exec() returns.
    static void fermer(QWidget *w)
    {
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
        if (w->isVisible()) w->hide();
    }

    static QString nom(const QWidget *w)
    {
        return QStringLiteral("« %1 » (%2 %3)")
            .arg(w->windowTitle(), QLatin1String(w->metaObject()->className()), w->objectName());
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (toujours || !o->isWidgetType() || pile().constLast() != this) return false;
        auto *w = static_cast<QWidget *>(o);
        if (!w->isWindow() || !w->isModal()) return false;
        if (e->type() == QEvent::Show) {
            ++montrees;
            QTimer::singleShot(0, this, [this, w = QPointer<QWidget>(w)] {
                if (w && w->isVisible() && pile().constLast() == this) repondre(w);
            });
        } else if (e->type() == QEvent::Hide) {
            // The window below, answered before and still open (a save
            // dialog after "No" to its question), comes up again.
            QTimer::singleShot(0, this, [this, avant = montrees] {
                QWidget *dessous = QApplication::activeModalWidget();
                if (dessous && dessous->isVisible() && repondues.contains(dessous) && montrees == avant
                    && pile().constLast() == this)
                    repondre(dessous, false);
            });
        }
        return false;
    }

private:
    void repondre(QWidget *w, bool attendre_clavier = true)
    {
        if (echec) {
            fermer(w);
            return;
        }
        if (!toujours && etapes.isEmpty()) {
            echouer(QStringLiteral("fenêtre modale inattendue ") + nom(w));
            echec = true;
            fermer(w);
            return;
        }
        // The pupil answers a new window once it has the keyboard.
        const QPointer<QWidget> fenetre = w;
        if (attendre_clavier && !toujours)
            (void)QTest::qWaitFor([&] { return !fenetre || QApplication::activeWindow() == fenetre; }, 2000);
        if (!fenetre) return;
        repondues << fenetre;
        const bool deja = QTest::currentTestFailed();
        const Etape etape = toujours ? toujours : etapes.takeFirst();
        etape(w);
        if (!deja && QTest::currentTestFailed()) {
            echec = true;
            if (fenetre && fenetre->isVisible()) fermer(fenetre);
        }
    }

    void echouer(const QString &message) const
    {
        QTest::qFail(message.toUtf8().constData(), ou.file_name(), int(ou.line()));
    }

    static QList<FenetresModales *> &pile()
    {
        static QList<FenetresModales *> p;
        return p;
    }

    QList<Etape> etapes;
    QList<QPointer<QWidget>> repondues;
    Etape toujours;
    std::source_location ou;
    int montrees = 0;
    bool echec = false;
    bool prevue = false;
};
