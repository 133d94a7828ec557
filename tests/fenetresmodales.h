#pragma once
// Answers the modal windows a test's action opens, as a pupil would.
#include <QApplication>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs `etapes` in turn, each on the next modal window that comes up
// (a file dialog, then its question, ...), while the caller's action runs.
inline void sur_fenetres_modales(QList<std::function<void(QWidget *)>> etapes)
{
    auto *minuterie = new QTimer;
    auto vue = std::make_shared<QWidget *>(nullptr);
    QObject::connect(minuterie, &QTimer::timeout, minuterie, [minuterie, etapes, vue]() mutable {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || m == *vue || etapes.isEmpty()) return;
        *vue = m;
        const auto etape = etapes.takeFirst();
        if (etapes.isEmpty()) minuterie->deleteLater();
        etape(m);
    });
    minuterie->start(20);
}
