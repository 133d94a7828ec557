// The reference of the whole-process measures: an empty Qt 6 main window.
// Prints the wall clock when it is first on the screen, that is when its first
// paint is done (its backing store then exists, as Kalmeno's does when its
// start-up sequence runs), and its peak memory then. With "--montre" it prints
// instead the moment of its show event, before anything is painted. With
// "--texte" the window shows one line of text: what the system's fonts cost
// any program that writes a word, before any page of ours.
#include "bench/mesure_processus.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstring>
#include <functional>

namespace {

class FenetreVide : public QMainWindow {
public:
    bool au_montrer = false;
    long long montree_ns = 0;
    std::function<void()> fini;

protected:
    void showEvent(QShowEvent *e) override
    {
        QMainWindow::showEvent(e);
        if (au_montrer && montree_ns == 0) terminer();
    }
    void paintEvent(QPaintEvent *e) override
    {
        QMainWindow::paintEvent(e);
        if (!au_montrer && montree_ns == 0) terminer();
    }

private:
    void terminer()
    {
        montree_ns = mesure::horloge_ns();
        // Once the loop has run again: the figures, then the end.
        QTimer::singleShot(0, [this] { fini(); });
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FenetreVide w;
    w.au_montrer = argc > 1 && std::strcmp(argv[1], "--montre") == 0;
    if (argc > 1 && std::strcmp(argv[1], "--texte") == 0) w.setCentralWidget(new QLabel(QStringLiteral("Expérience visuelle")));
    w.fini = [&] {
        mesure::imprimer(w.montree_ns);
        app.quit();
    };
    w.resize(799, 599);
    w.show();
    return app.exec();
}
