#pragma once

#include "rules/ListLines.h"
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

// A criterion takes part in a search when it is not empty once trimmed.
bool criterionFilled(const QString& typed);
// The criterion, as typed and with only A-Z taken equal to a-z, occurs in the field's text.
bool criterionFound(const QString& typed, const QString& field);

// The search criteria, ready to be tested on record bytes without decoding them.
class ReceiptMatcher {
public:
    explicit ReceiptMatcher(const ReceiptCriteria& criteria);

    int filledCriteria() const { return int(keys_.size()); }
    // Every filled criterion is found in its own field; with none filled, every record matches.
    bool matches(QByteArrayView record) const;

private:
    struct Key {
        FieldSpec field;
        QByteArray bytes; // the criterion in Windows-1252, A-Z made a-z
        bool findable;    // false when Windows-1252 cannot hold the criterion
    };
    std::vector<Key> keys_;
};

// The unsettled flag "Sì", trimmed; "No" and any other value are settled.
bool isUnsettledFlag(const QString& flag);
bool isUnsettled(QByteArrayView record);

// A record's line in the receipt lists.
QString receiptLineOf(QByteArrayView record, PayerLabel label);

// Told now and then how many records of how many a scan has read; returns false to stop it.
using ScanProgress = std::function<bool(qint64 recordsRead, qint64 records)>;

// The lines of a scan, in file order, each with its record's position. A record that would be
// listed but holds a date that is not a date or a total that is not a number is left out and
// counted as skipped, and so is an incomplete record at the end of the file. A failure to
// open or read the file stops the scan and keeps the lines read before it.
struct ReceiptListScan {
    std::vector<ListEntry> entries;
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
