#include "storage/RecordScan.h"

#include "storage/RecordFile.h"
#include "storage/TextField.h"

#include <algorithm>

namespace {
constexpr qint64 blockBytes = 1024 * 1024;
}

void scanRecords(const QString& path, int recordSize, const RecordVisitor& visit) {
    RawRecordFile file(recordSize);
    file.openOrCreate(path);
    const qint64 recordsPerBlock = std::max<qint64>(1, blockBytes / recordSize);
    QByteArray block;
    qint64 index = 0;
    while (const qint64 records = file.readRecords(index, recordsPerBlock, block)) {
        for (qint64 i = 0; i < records; ++i) {
            const QByteArrayView record(block.constData() + i * recordSize, recordSize);
            if (!visit(record, index + i + 1))
                return;
        }
        index += records;
    }
}

QString fieldText(QByteArrayView record, FieldSpec field) {
    return readTextField(record.data() + field.offset, field.capacity);
}
