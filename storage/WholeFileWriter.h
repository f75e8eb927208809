#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>
#include <optional>

// A file replaced as a whole. The new content goes to a temporary file beside it without any
// buffer in between, so a write that fails (a full disk, a size limit) is seen at once, and it
// takes the old file's place only when every byte is in it. On any failure the old file stays
// whole and StorageError::WriteFailed names the file and the reason; leaving without commit()
// discards what was written.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const QString& path);
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    void write(QByteArrayView bytes);
    void commit();

    // Every file written from now on takes at most this many bytes, as on a disk that fills
    // up half-way; a negative number lifts the limit.
    static void setByteLimitForTests(qint64 bytes);

private:
    [[noreturn]] void fail(const QString& reason) const;

    QSaveFile file_;
    qint64 written_ = 0;
};

// The bytes become the whole content of the file, as WholeFileWriter does it.
void replaceWholeFile(const QString& path, QByteArrayView bytes);

// The whole content of a file read at once; nothing when it cannot be read.
std::optional<QByteArray> readFileBytes(const QString& path);
