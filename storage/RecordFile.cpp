#include "storage/RecordFile.h"

#include "storage/OverwriteIntent.h"
#include "storage/StorageError.h"
#include "storage/StorageNotices.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 readBlockBytes = 256 * 1024;

// Holds the write lock for one write, or for a check and the write after it; released also
// when the write throws. Inside a hold, a nested one leaves the lock to the outer.
class WriteLock {
public:
    explicit WriteLock(NativeFile& file) : file_(file), outer_(!file.isLocked()) {
        if (outer_)
            file_.lockForWriting();
    }
    ~WriteLock() {
        if (outer_)
            file_.unlock();
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    NativeFile& file_;
    bool outer_;
};

[[noreturn]] void failReadWrite(const QString& reason) {
    throw StorageError(StorageError::Kind::ReadWrite, reason);
}

} // namespace

RawRecordFile::RawRecordFile(int recordSize) : recordSize_(recordSize) {}

RawRecordFile::~RawRecordFile() = default;

void RawRecordFile::openOrCreate(const QString& path) {
    readBuffer_.clear();
    position_ = 0;
    readOnly_ = false;
    pendingOverwrite_.reset();
    intentPath_ = OverwriteIntent::pathFor(path);
    try {
        file_.openOrCreate(path);
        if (QFile::exists(intentPath_)) {
            WriteLock lock(file_);
            completePendingOverwrite();
        }
    } catch (const StorageError& error) {
        if (error.kind() == StorageError::Kind::LockTimeout || !QFile::exists(intentPath_))
            throw;
        openForReadingOnly(path);
    }
    count();
}

// Reading the archive as it is could show a record torn half-way; the intent is the whole
// record the interrupted overwrite was writing, so reads show that, as a copy that can write
// will leave the file.
void RawRecordFile::openForReadingOnly(const QString& path) {
    file_.openForReading(path);
    readOnly_ = true;
    const auto intent = readIntent();
    if (intent && intent->index < count())
        pendingOverwrite_ = intent;
    raiseStorageNotice(StorageNotice::ArchiveReadOnly);
}

void RawRecordFile::refuseIfReadOnly() const {
    if (readOnly_)
        throw StorageError(StorageError::Kind::ReadOnly,
                           intentPath_ + QStringLiteral(": an interrupted overwrite is pending"));
}

void RawRecordFile::showPendingOverwrite(qint64 firstIndex, char* records, qint64 count) const {
    if (pendingOverwrite_ && pendingOverwrite_->index >= firstIndex &&
        pendingOverwrite_->index < firstIndex + count)
        std::memcpy(records + (pendingOverwrite_->index - firstIndex) * recordSize_,
                    pendingOverwrite_->record.constData(), std::size_t(recordSize_));
}

std::optional<qint64> RawRecordFile::store(const QString& path, const QByteArray& record,
                                           qint64 position, const StoreCheck& mayStore) {
    RawRecordFile file(int(record.size()));
    file.openOrCreate(path);
    file.refuseIfReadOnly();
    WriteLock lock(file.file_);
    if (mayStore && !mayStore(file))
        return std::nullopt;
    if (position == 0)
        return file.appendBytes(record);
    file.seek(position - 1);
    file.writeBytes(record);
    return position;
}

void RawRecordFile::close() {
    readBuffer_.clear();
    file_.close();
}

qint64 RawRecordFile::count() const {
    seenCount_ = file_.size() / recordSize_;
    return seenCount_;
}

void RawRecordFile::seek(qint64 index) {
    position_ = index;
}

qint64 RawRecordFile::position() const {
    return position_;
}

bool RawRecordFile::atEnd() const {
    // A record already read ahead exists: records are never removed, so no size query.
    return !bufferHolds(position_) && position_ >= count();
}

QByteArray RawRecordFile::readBytes() {
    if (position_ < 0)
        failReadWrite(QStringLiteral("no record at index %1").arg(position_));
    if (!bufferHolds(position_))
        fillReadBuffer(position_);
    if (!bufferHolds(position_))
        failReadWrite(QStringLiteral("no record at index %1").arg(position_));
    const qint64 offset = (position_ - bufferStart_) * recordSize_;
    ++position_;
    return readBuffer_.mid(offset, recordSize_);
}

void RawRecordFile::writeBytes(const QByteArray& record) {
    checkSize(record);
    refuseIfReadOnly();
    readBuffer_.clear();
    const qint64 seen = seenCount_;
    WriteLock lock(file_);
    // A copy that died half-way left its intent; ours would replace it.
    completePendingOverwrite();
    if (position_ < 0 || position_ >= std::min(seen, count()))
        failReadWrite(QStringLiteral("no record to overwrite at index %1").arg(position_));
    const QByteArray old = recordAt(position_);
    NativeFile::writeDurably(intentPath_, OverwriteIntent{position_, record}.toBytes());
    try {
        writeInPlace(position_, record);
    } catch (const StorageError&) {
        undoOverwrite(position_, old);
        throw;
    }
    // The record is on disk: an intent that cannot be removed only repeats it at the next
    // opening, so the save stands.
    try {
        NativeFile::removeDurably(intentPath_);
    } catch (const StorageError&) {
    }
    ++position_;
}

// The user is told that the save failed, so the old record goes back. Where even that fails
// the intent stays, and the next opening completes the overwrite: never a torn record.
void RawRecordFile::undoOverwrite(qint64 index, const QByteArray& old) {
    try {
        writeInPlace(index, old);
        NativeFile::removeDurably(intentPath_);
    } catch (const StorageError&) {
    }
}

QByteArray RawRecordFile::recordAt(qint64 index) const {
    QByteArray stored(recordSize_, Qt::Uninitialized);
    if (file_.readAt(index * recordSize_, stored.data(), recordSize_) != recordSize_)
        failReadWrite(QStringLiteral("no record at index %1").arg(index));
    return stored;
}

qint64 RawRecordFile::appendBytes(const QByteArray& record) {
    checkSize(record);
    return appendAllBytes(record);
}

qint64 RawRecordFile::appendAllBytes(const QByteArray& records) {
    if (records.size() % recordSize_ != 0)
        checkSize(records);
    refuseIfReadOnly();
    readBuffer_.clear();
    WriteLock lock(file_);
    // Counted under the lock, so two copies of the program never take the same index;
    // an incomplete trailing record was never counted and is written over.
    const qint64 index = count();
    const qint64 start = index * recordSize_;
    QByteArray tail(file_.size() - start, Qt::Uninitialized);
    tail.truncate(file_.readAt(start, tail.data(), tail.size()));
    try {
        file_.writeAt(start, records.constData(), records.size());
        file_.flushToDisk();
    } catch (const StorageError&) {
        // Records the user is told were not saved must not be counted by the next opening.
        putBackEnd(start, tail);
        throw;
    }
    position_ = index + records.size() / recordSize_;
    seenCount_ = position_;
    return index + 1;
}

// After a failed append: the file cut back to where the append began, with the incomplete
// record that was there put back. Best effort: the append's own error is what the user hears.
void RawRecordFile::putBackEnd(qint64 start, const QByteArray& tail) {
    if (!file_.truncateTo(start) || tail.isEmpty())
        return;
    try {
        file_.writeAt(start, tail.constData(), tail.size());
        file_.flushToDisk();
    } catch (const StorageError&) {
    }
}

void RawRecordFile::writeInPlace(qint64 index, const QByteArray& record) {
    file_.writeAt(index * recordSize_, record.constData(), recordSize_);
    file_.flushToDisk();
}

// Under the lock, checked again there: the writer may have finished meanwhile. An intent
// that is not whole was torn while being written, before the in-place write began, so the
// old record stands.
void RawRecordFile::completePendingOverwrite() {
    if (!QFile::exists(intentPath_))
        return;
    const auto intent = readIntent();
    if (intent && intent->index < count())
        writeInPlace(intent->index, intent->record);
    NativeFile::removeDurably(intentPath_);
}

// Nothing for a missing intent, and for one torn while being written.
std::optional<OverwriteIntent> RawRecordFile::readIntent() const {
    QFile intentFile(intentPath_);
    if (!intentFile.open(QIODevice::ReadOnly)) {
        if (!intentFile.exists())
            return std::nullopt;
        failReadWrite(intentPath_ + QStringLiteral(": ") + intentFile.errorString());
    }
    const QByteArray bytes = intentFile.read(OverwriteIntent::sizeFor(recordSize_));
    if (intentFile.error() != QFileDevice::NoError)
        failReadWrite(intentPath_ + QStringLiteral(": ") + intentFile.errorString());
    return OverwriteIntent::fromBytes(bytes, recordSize_);
}

qint64 RawRecordFile::readRecords(qint64 index, qint64 maxRecords, char* into) {
    const qint64 got = file_.readAt(index * recordSize_, into, maxRecords * recordSize_);
    const qint64 records = got / recordSize_;
    showPendingOverwrite(index, into, records);
    seenCount_ = std::max(seenCount_, index + records);
    return records;
}

void RawRecordFile::fillReadBuffer(qint64 index) {
    const qint64 recordsPerBlock = std::max<qint64>(1, readBlockBytes / recordSize_);
    QByteArray block(recordsPerBlock * recordSize_, Qt::Uninitialized);
    const qint64 got = file_.readAt(index * recordSize_, block.data(), block.size());
    block.truncate(got - got % recordSize_);
    showPendingOverwrite(index, block.data(), block.size() / recordSize_);
    readBuffer_ = std::move(block);
    bufferStart_ = index;
    seenCount_ = std::max(seenCount_, index + readBuffer_.size() / recordSize_);
}

bool RawRecordFile::bufferHolds(qint64 index) const {
    return index >= bufferStart_ && index < bufferStart_ + readBuffer_.size() / recordSize_;
}

void RawRecordFile::checkSize(const QByteArray& record) const {
    if (record.size() != recordSize_) {
        throw StorageError(
            StorageError::Kind::BadData,
            QStringLiteral("record of %1 bytes instead of %2").arg(record.size()).arg(recordSize_));
    }
}
