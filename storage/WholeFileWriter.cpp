#include "storage/WholeFileWriter.h"

#include "storage/FileFaults.h"
#include "storage/StorageError.h"

#include <QFile>
#include <algorithm>

namespace {
qint64 byteLimitForTests = -1;

// The reason a failure injected by a test gives, as the failing system call would; empty when
// none is injected.
QString injectedFailure(FileFaults::Operation operation) {
    const int error = FileFaults::injectedError(operation);
    return error == 0 ? QString() : qt_error_string(error);
}
} // namespace

WholeFileWriter::WholeFileWriter(const QString& path) : file_(path) {
    if (const QString injected = injectedFailure(FileFaults::Operation::Open); !injected.isEmpty())
        fail(injected);
    // Unbuffered: a buffer flushed only at commit() could fail there unnoticed and rename a
    // short file over the old one.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file_.errorString());
}

void WholeFileWriter::write(QByteArrayView bytes) {
    const qint64 room = byteLimitForTests < 0
                            ? bytes.size()
                            : std::clamp<qint64>(byteLimitForTests - written_, 0, bytes.size());
    if (room > 0) {
        if (const QString injected = injectedFailure(FileFaults::Operation::Write);
            !injected.isEmpty())
            fail(injected);
        if (file_.write(bytes.data(), room) != room)
            fail(file_.errorString());
    }
    written_ += room;
    if (room < bytes.size())
        fail(QStringLiteral("No space left on device"));
}

// commit() flushes the new file to disk and renames it over the old one.
void WholeFileWriter::commit() {
    for (const auto step : {FileFaults::Operation::Flush, FileFaults::Operation::Rename}) {
        if (const QString injected = injectedFailure(step); !injected.isEmpty())
            fail(injected);
    }
    if (!file_.commit())
        fail(file_.errorString());
}

void WholeFileWriter::setByteLimitForTests(qint64 bytes) {
    byteLimitForTests = bytes;
}

void WholeFileWriter::fail(const QString& reason) const {
    throw StorageError(StorageError::Kind::WriteFailed,
                       file_.fileName() + QStringLiteral(": ") + reason);
}

void replaceWholeFile(const QString& path, QByteArrayView bytes) {
    WholeFileWriter file(path);
    file.write(bytes);
    file.commit();
}

std::optional<QByteArray> readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
