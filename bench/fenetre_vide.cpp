// The reference of the whole-process measures: an empty Qt 6 main window.
// Prints the wall clock when it is first shown and its peak memory then.
#include "bench/mesure_processus.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

class FenetreVide : public QMainWindow {
public:
    long long montree_ns = 0;

protected:
    void showEvent(QShowEvent *e) override
    {
        QMainWindow::showEvent(e);
        if (montree_ns == 0) montree_ns = mesure::horloge_ns();
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FenetreVide w;
    w.resize(799, 599);
    w.show();
    // Once the loop has run: the figures, then the end.
    QTimer::singleShot(0, [&] {
        mesure::imprimer(w.montree_ns);
        app.quit();
    });
    return app.exec();
}
