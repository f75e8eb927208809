#pragma once

#include "rules/ListScan.h"
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

// What the payer column of a receipt line is called.
enum class PayerLabel { Cliente, Pagatore };

// Writes a record's line in the receipt lists (the caller ends it).
void writeReceiptLine(ListLines& lines, QByteArrayView record, PayerLabel label);

// In both lists, a record that would be listed but holds a date that is not a date or a total
// that is not a number is left out and counted as skipped.
// The receipts matching the criteria, with the payer label "Pagatore".
ListScan searchReceipts(const QString& path, const ReceiptCriteria& criteria,
                        const ScanProgress& progress = {});
// The unsettled receipts, with the payer label "Cliente".
ListScan unsettledReceipts(const QString& path, const ScanProgress& progress = {});
