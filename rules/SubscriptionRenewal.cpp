#include "rules/SubscriptionRenewal.h"

#include "rules/TextRules.h"
#include "storage/RecordFile.h"
#include "storage/RecordLayouts.h"
#include "storage/StorageError.h"
#include "storage/TextField.h"

namespace {

QByteArray storedRecord(RawRecordFile& file, qint64 position) {
    file.seek(position - 1);
    return file.readBytes();
}

// Only the expiry date's field is rewritten, so the bytes another program may keep after the
// other texts stay untouched.
void renewOne(const QString& path, qint64 position, const QString& expiry) {
    RawRecordFile file(MemberRecord::Size);
    file.openOrCreate(path);
    QByteArray record = storedRecord(file, position);
    file.close();
    writeTextField(record.data() + MemberFields::DataSca.offset, MemberFields::DataSca.capacity,
                   expiry);
    RawRecordFile::store(path, record, position);
}

} // namespace

RenewalOutcome renewSubscriptions(const QString& path, const QList<qint64>& positions,
                                  const QDate& expiry) {
    RenewalOutcome outcome;
    const QString expiryText = dateText(expiry);
    for (const qint64 position : positions) {
        try {
            renewOne(path, position, expiryText);
        } catch (const StorageError&) {
            outcome.failed = true;
            return outcome;
        }
        ++outcome.renewed;
    }
    return outcome;
}

QList<MemberRecord> membersAt(const QString& path, const QList<qint64>& positions) {
    RawRecordFile file(MemberRecord::Size);
    file.openOrCreate(path);
    QList<MemberRecord> members;
    for (const qint64 position : positions)
        members.append(MemberRecord::fromBytes(storedRecord(file, position)));
    return members;
}
