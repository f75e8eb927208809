#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// An overwrite of one record, written whole and flushed to a small file beside the archive
// before the record is written in place, and removed once the record is on disk.
// A copy of the program killed half-way, or a power loss, can leave a record that is new up
// to a disk page and old after it; whoever opens the archive next finds the intent and
// completes the overwrite, so every overwrite is all or nothing. The archive's own layout
// does not change.
struct OverwriteIntent {
    qint64 index = 0;
    QByteArray record;

    // Magic word, record size, index, record length, record, then a SHA-256 of all of it.
    QByteArray toBytes() const;
    // Empty unless the bytes begin with a whole, intact intent for records of recordSize
    // bytes (an intent torn while being written is no intent); bytes after it are ignored.
    static std::optional<OverwriteIntent> fromBytes(QByteArrayView bytes, int recordSize);

    static qsizetype sizeFor(int recordSize);
    static QString pathFor(const QString& archivePath); // the archive path + ".intent"
};
