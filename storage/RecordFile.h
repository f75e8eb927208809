#pragma once

#include "storage/NativeFile.h"
#include "storage/OverwriteIntent.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// A file of fixed-size records without header, addressed by 0-based indices
// (the screens speak of 1-based positions: position = index + 1).
// Every writer takes an exclusive lock, writes the whole record and flushes it to disk,
// so two copies of the program sharing a folder never write the same position.
// An overwrite is all or nothing even if the program dies or the power fails half-way:
// see OverwriteIntent.
class RawRecordFile {
public:
    explicit RawRecordFile(int recordSize);
    ~RawRecordFile();
    RawRecordFile(const RawRecordFile&) = delete;
    RawRecordFile& operator=(const RawRecordFile&) = delete;

    // Opens for reading and writing; a missing file is created empty, an existing file
    // that cannot be opened for writing is reported (StorageError::CannotOpen), never replaced.
    // An overwrite left half-done by a copy of the program that died is completed first
    // (under the write lock, so StorageError::LockTimeout is possible then). Where this copy
    // cannot complete it (a folder or file it may not write), the file is opened for reading
    // only: reads show the record as the completed overwrite will leave it, writes raise
    // StorageError::ReadOnly, and StorageNotice::ArchiveReadOnly is raised.
    void openOrCreate(const QString& path);
    void close();

    qint64 count() const; // whole records only; an incomplete trailing record is ignored
    void seek(qint64 index);
    qint64 position() const;
    bool atEnd() const;

    QByteArray readBytes(); // the record at position(), then advances
    // Up to maxRecords whole records from index on, into room for that many; the number read
    // (0 at the end).
    qint64 readRecords(qint64 index, qint64 maxRecords, char* into);
    // Overwrites the record at position(), then advances. Only a record this handle has seen
    // (opening, count(), atEnd(), reads and appends look at the file's size) can be
    // overwritten, else StorageError::ReadWrite: at the end another copy may have appended
    // meanwhile. New records go through appendBytes only. After a StorageError from either
    // the records are as they were, unless undoing failed too; an overwrite is then completed
    // at the next opening.
    void writeBytes(const QByteArray& record);
    qint64 appendBytes(const QByteArray& record); // returns the new record's 1-based position
    // Whole records one after the other, appended all or none: when a write fails half-way the
    // file is put back as it was before the error is raised. The first new record's 1-based
    // position.
    qint64 appendAllBytes(const QByteArray& records);

    // An editor's save: the record written over its 1-based position, or appended when the
    // position is 0. mayStore, when given, runs first with the file open and its write lock
    // held; false stops the save with nothing written, so what it checked cannot change
    // before the write. The stored position, or nothing when stopped; StorageError on failure.
    using StoreCheck = std::function<bool(RawRecordFile& file)>;
    static std::optional<qint64> store(const QString& path, const QByteArray& record,
                                       qint64 position, const StoreCheck& mayStore = {});

    int recordSize() const { return recordSize_; }

private:
    void fillReadBuffer(qint64 index);
    bool bufferHolds(qint64 index) const;
    void checkSize(const QByteArray& record) const;
    void writeInPlace(qint64 index, const QByteArray& record);
    void putBackEnd(qint64 start, const QByteArray& tail);
    void undoOverwrite(qint64 index, const QByteArray& old);
    QByteArray recordAt(qint64 index) const;
    void completePendingOverwrite();
    std::optional<OverwriteIntent> readIntent() const;
    void openForReadingOnly(const QString& path);
    void refuseIfReadOnly() const;
    void showPendingOverwrite(qint64 firstIndex, char* records, qint64 count) const;

    int recordSize_;
    NativeFile file_;
    QString intentPath_;
    bool readOnly_ = false;
    std::optional<OverwriteIntent> pendingOverwrite_; // kept for reading in a read-only copy
    mutable qint64 seenCount_ = 0; // records seen to exist; records are never removed
    qint64 position_ = 0;
    QByteArray readBuffer_; // whole records read ahead, starting at bufferStart_
    qint64 bufferStart_ = 0;
};

// Typed view: Record provides Size, toBytes() and fromBytes().
template <class Record> class RecordFile {
public:
    RecordFile() : file_(Record::Size) {}

    void openOrCreate(const QString& path) { file_.openOrCreate(path); }
    void close() { file_.close(); }
    qint64 count() const { return file_.count(); }
    void seek(qint64 index) { file_.seek(index); }
    qint64 position() const { return file_.position(); }
    bool atEnd() const { return file_.atEnd(); }
    Record read() { return Record::fromBytes(file_.readBytes()); }
    void write(const Record& record) { file_.writeBytes(record.toBytes()); }
    qint64 append(const Record& record) { return file_.appendBytes(record.toBytes()); }
    template <class Records> qint64 appendAll(const Records& records) {
        QByteArray bytes;
        for (const Record& record : records)
            bytes += record.toBytes();
        return file_.appendAllBytes(bytes);
    }

private:
    RawRecordFile file_;
};
