#include "storage/RecordScan.h"

#include "storage/RecordFile.h"
#include "storage/TextField.h"

#include <algorithm>
#include <vector>

namespace {
// Small enough to stay in the processor's cache between reading and scanning.
constexpr qint64 blockBytes = 256 * 1024;
} // namespace

void scanRecords(const QString& path, int recordSize, const RecordVisitor& visit) {
    RawRecordFile file(recordSize);
    file.openOrCreate(path);
    const qint64 recordsPerBlock = std::max<qint64>(1, blockBytes / recordSize);
    std::vector<char> buffer(std::size_t(recordsPerBlock * recordSize));
    char* const block = buffer.data();
    qint64 index = 0;
    while (const qint64 records = file.readRecords(index, recordsPerBlock, block)) {
        for (qint64 i = 0; i < records; ++i) {
            const QByteArrayView record(block + i * recordSize, recordSize);
            if (!visit(record, index + i + 1))
                return;
        }
        index += records;
    }
}

QString fieldText(QByteArrayView record, FieldSpec field) {
    return readTextField(record.data() + field.offset, field.capacity);
}
