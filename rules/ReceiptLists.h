#pragma once

#include "rules/ListLines.h"
#include "rules/RecordBytes.h"
#include "storage/RecordLayouts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <functional>
#include <vector>

// The receipt search and the list of unsettled receipts of a yearly receipt file.

// The fields the receipt search looks in, in the order of its criteria boxes: number, date,
// payer lines 1-4, descriptions 1-4.
inline constexpr int searchedFieldCount = 10;
using ReceiptCriteria = std::array<QString, searchedFieldCount>; // each as typed
FieldSpec searchedField(int criterion);

// The search criteria, each looked for in its field trimmed.
class ReceiptMatcher : public FieldCriteria {
public:
    explicit ReceiptMatcher(const ReceiptCriteria& criteria);
};

// The unsettled flag "Sì", trimmed; "No" and any other value are settled.
bool isUnsettledFlag(const QString& flag);
bool isUnsettled(QByteArrayView record);

// A record's line in the receipt lists, written into the list's block (the caller ends it)
// or as a text.
void writeReceiptLine(ListLines& lines, QByteArrayView record, PayerLabel label);
QString receiptLineOf(QByteArrayView record, PayerLabel label);

// The lines of a scan, in file order, each with its record's position. A record that would be
// listed but holds a date that is not a date or a total that is not a number is left out and
// counted as skipped; an incomplete record at the end of the file is no receipt at all. A failure
// to open or read the file stops the scan and keeps the lines read before it.
struct ReceiptListScan {
    ListLines entries;
    int skippedRecords = 0;
    bool failed = false;
    bool cancelled = false;
};

// The receipts matching the criteria, with the payer label "Pagatore". A missing file is
// created empty.
ReceiptListScan searchReceipts(const QString& path, const ReceiptCriteria& criteria,
                               const ScanProgress& progress = {});
// The unsettled receipts, with the payer label "Cliente". A missing file is created empty.
ReceiptListScan unsettledReceipts(const QString& path, const ScanProgress& progress = {});
