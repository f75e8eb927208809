#pragma once

#include "rules/ListLines.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

// The scan behind every summary list: each whole record of a file read in place, the lines of
// the listed ones written as it goes.

// Told now and then how many records of how many a scan has read; false stops the scan.
using ScanProgress = std::function<bool(qint64 recordsRead, qint64 recordsInFile)>;

// The lines of a scan, in file order, each with its record's position.
struct ListScan {
    ListLines entries;
    int skippedRecords = 0; // records that would be listed but hold data that is not valid
    bool cancelled = false; // the progress stopped the scan
    bool failed = false;    // the file could not be opened or read: the lines are not all there
};

// Hands every whole record of the file with its 1-based position to visit, which writes the lines
// into scan; an incomplete record at the end, left by a write that never ended, is no record. A
// missing file is created empty. A failure to open or read stops the scan and keeps the lines
// written before it.
void scanList(ListScan& scan, const QString& path, int recordSize, const ScanProgress& progress,
              const std::function<void(QByteArrayView record, qint64 position)>& visit);
