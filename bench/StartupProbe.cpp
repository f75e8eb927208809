// Preloaded into a program by bench_startup: when the program's first window has been shown
// and painted, prints how many shared libraries the process has loaded and ends the process
// at once, so that the process's whole life is its start-up.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

int loadedLibraryCount() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QByteArray path = line.mid(line.indexOf('/'));
        if (line.contains('/') && path.contains(".so"))
            libraries.insert(path);
    }
    return libraries.size() - 1; // not counting this probe
}

class FirstWindowShown : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            // The exposed window is painted before the next turn of the event loop.
            QTimer::singleShot(0, [] {
                std::printf("%d\n", loadedLibraryCount());
                std::fflush(stdout);
                ::_exit(0);
            });
        }
        return false;
    }
};

void watchForTheFirstWindow() {
    QCoreApplication::instance()->installEventFilter(new FirstWindowShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstWindow)
