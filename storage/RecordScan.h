#pragma once

#include "storage/RecordLayouts.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

// Reads a file of records from the first to the last in large blocks and hands each whole
// record's bytes with its 1-based position to visit, which returns false to stop. A missing
// file is created empty; failures raise StorageError. Scans decode only the fields they need.
using RecordVisitor = std::function<bool(QByteArrayView record, qint64 position)>;
void scanRecords(const QString& path, int recordSize, const RecordVisitor& visit);

// One text field of a record's bytes, decoded from Windows-1252 and trimmed.
QString fieldText(QByteArrayView record, FieldSpec field);
