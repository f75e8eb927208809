#include "bench/BenchTiming.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>

namespace {
constexpr qint64 blockBytes = 1024 * 1024;
}

quint64 plainRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    // One buffer for every read, already in memory: the cost of a first touch of fresh pages
    // would otherwise come and go with the state of the heap.
    static QByteArray block(blockBytes, '\0');
    quint64 touched = 0;
    qint64 read = 0;
    while ((read = file.read(block.data(), blockBytes)) > 0) {
        for (qint64 i = 0; i < read; i += 64)
            touched += static_cast<unsigned char>(block[i]);
    }
    return touched;
}

qint64 timed(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

double medianMilliseconds(QList<qint64> nanoseconds) {
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return double(nanoseconds[nanoseconds.size() / 2]) / 1e6;
}
