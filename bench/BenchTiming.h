#pragma once

#include <QList>
#include <QString>
#include <functional>

// How the benchmarks time a scan beside a plain read of the same file.

// The file read in blocks of 1 MiB, one byte of every cache line looked at, so that nothing
// is optimised away.
quint64 plainRead(const QString& path);

qint64 timed(const std::function<void()>& work); // nanoseconds

double medianMilliseconds(QList<qint64> nanoseconds);
