#include "rules/ReceiptLists.h"

#include "rules/DatesAndTotals.h"
#include "storage/ReceiptRecord.h"
#include "storage/TextCodec.h"

#include <string_view>

namespace {

constexpr std::array<FieldSpec, searchedFieldCount> searchedFields = {
    ReceiptFields::NumRic,         ReceiptFields::Data,           ReceiptFields::CliRigo(0),
    ReceiptFields::CliRigo(1),     ReceiptFields::CliRigo(2),     ReceiptFields::CliRigo(3),
    ReceiptFields::Descrizione(0), ReceiptFields::Descrizione(1), ReceiptFields::Descrizione(2),
    ReceiptFields::Descrizione(3),
};

// A date that is a date and a total that is a number, or the record is skipped.
bool validDateAndTotal(QByteArrayView record) {
    return storedDateNumber(storedBytes(record, ReceiptFields::Data)) != 0 &&
           totalValue(storedBytes(record, ReceiptFields::Totale)).has_value();
}

ListScan scanReceipts(const QString& path, PayerLabel label,
                      const std::function<bool(QByteArrayView)>& listed,
                      const ScanProgress& progress) {
    ListScan scan;
    scanList(scan, path, ReceiptRecord::Size, progress,
             [&](QByteArrayView record, qint64 position) {
                 if (!listed(record))
                     return;
                 if (validDateAndTotal(record)) {
                     writeReceiptLine(scan.entries, record, label);
                     scan.entries.endLine(position);
                 } else {
                     ++scan.skippedRecords;
                 }
             });
    return scan;
}

} // namespace

FieldSpec searchedField(int criterion) {
    return searchedFields[std::size_t(criterion)];
}

ReceiptMatcher::ReceiptMatcher(const ReceiptCriteria& criteria)
    : FieldCriteria(FieldText::Trimmed) {
    for (int i = 0; i < searchedFieldCount; ++i)
        add(searchedField(i), criteria[std::size_t(i)]);
}

bool isUnsettledFlag(const QString& flag) {
    return trimBlanks(flag) == QStringLiteral("Sì");
}

bool isUnsettled(QByteArrayView record) {
    return trimmedField(record, ReceiptFields::DaSaldare) == QByteArrayView("S\xEC", 2);
}

void writeReceiptLine(ListLines& lines, QByteArrayView record, PayerLabel label) {
    using namespace std::string_view_literals;
    lines.write("Ric. n. "sv);
    lines.writePadded(trimmedField(record, ReceiptFields::NumRic), 14);
    lines.write("  Data: "sv);
    lines.writePadded(trimmedField(record, ReceiptFields::Data), 10);
    lines.write(label == PayerLabel::Cliente ? "  Cliente: "sv : "  Pagatore: "sv);
    lines.writePadded(trimmedField(record, ReceiptFields::CliRigo(0)), 30);
    lines.write("  Servizio: "sv);
    lines.writePadded(trimmedField(record, ReceiptFields::Descrizione(0)), 38);
    lines.write("  Totale: \x80 "sv); // the euro sign
    lines.write(trimmedField(record, ReceiptFields::Totale));
}

ListScan searchReceipts(const QString& path, const ReceiptCriteria& criteria,
                        const ScanProgress& progress) {
    const ReceiptMatcher matcher(criteria);
    return scanReceipts(
        path, PayerLabel::Pagatore,
        [&matcher](QByteArrayView record) { return matcher.matches(record); }, progress);
}

ListScan unsettledReceipts(const QString& path, const ScanProgress& progress) {
    return scanReceipts(path, PayerLabel::Cliente, isUnsettled, progress);
}
