#include "rules/ListScan.h"

#include "storage/RecordScan.h"
#include "storage/StorageError.h"

#include <QFileInfo>

namespace {
// Often enough for a smooth bar and for a cancel to answer at once, also on a slow shared folder.
constexpr qint64 recordsBetweenReports = 1000;
} // namespace

void scanList(ListScan& scan, const QString& path, int recordSize, const ScanProgress& progress,
              const std::function<void(QByteArrayView record, qint64 position)>& visit) {
    const qint64 recordsInFile = QFileInfo(path).size() / recordSize;
    scan.entries.reserve(recordsInFile);
    try {
        scanRecords(path, recordSize, [&](QByteArrayView record, qint64 position) {
            visit(record, position);
            if (progress && position % recordsBetweenReports == 0 &&
                !progress(position, recordsInFile)) {
                scan.cancelled = true;
                return false;
            }
            return true;
        });
    } catch (const StorageError&) {
        scan.failed = true;
    }
}
