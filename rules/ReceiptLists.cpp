#include "rules/ReceiptLists.h"

#include "rules/IncomeStatistics.h"
#include "rules/RecordBytes.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordScan.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"

#include <QFileInfo>
#include <algorithm>
#include <string_view>

namespace {

// Often enough for a cancel to answer at once, also on a slow shared folder.
constexpr qint64 recordsBetweenReports = 1000;

constexpr std::array<FieldSpec, searchedFieldCount> searchedFields = {
    ReceiptFields::NumRic,         ReceiptFields::Data,           ReceiptFields::CliRigo(0),
    ReceiptFields::CliRigo(1),     ReceiptFields::CliRigo(2),     ReceiptFields::CliRigo(3),
    ReceiptFields::Descrizione(0), ReceiptFields::Descrizione(1), ReceiptFields::Descrizione(2),
    ReceiptFields::Descrizione(3),
};

// A date that is a date and a total that is a number, or the record is skipped.
bool validDateAndTotal(QByteArrayView record) {
    const QByteArrayView total = storedBytes(record, ReceiptFields::Totale);
    return storedDateNumber(storedBytes(record, ReceiptFields::Data)) != 0 &&
           (storedCents(total) != notCents || totalValue(total));
}

ReceiptListScan scanReceipts(const QString& path, PayerLabel label,
                             const std::function<bool(QByteArrayView)>& listed,
                             const ScanProgress& progress) {
    ReceiptListScan scan;
    const qint64 records = QFileInfo(path).size() / ReceiptRecord::Size;
    scan.entries.reserve(records);
    try {
        scanRecords(path, ReceiptRecord::Size, [&](QByteArrayView record, qint64 position) {
            if (listed(record)) {
                if (validDateAndTotal(record)) {
                    writeReceiptLine(scan.entries, record, label);
                    scan.entries.endLine(position);
                } else {
                    ++scan.skippedRecords;
                }
            }
            if (progress && position % recordsBetweenReports == 0 && !progress(position, records)) {
                scan.cancelled = true;
                return false;
            }
            return true;
        });
    } catch (const StorageError&) {
        scan.failed = true;
        return scan;
    }
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
    constexpr std::string_view number = "Ric. n. "sv;
    constexpr std::string_view date = "  Data: "sv;
    constexpr std::string_view client = "  Cliente: "sv;
    constexpr std::string_view payer = "  Pagatore: "sv;
    constexpr std::string_view item = "  Servizio: "sv;
    constexpr std::string_view total = "  Totale: \x80 "sv; // the euro sign
    constexpr qsizetype columns =
        qsizetype(number.size() + date.size() + payer.size() + item.size() + total.size()) + 14 +
        10 + 30 + 38;
    const QByteArrayView totalBytes = trimmedField(record, ReceiptFields::Totale);
    ListLines::Writer line(lines, columns + totalBytes.size());
    line.write(number);
    line.writePadded(trimmedField(record, ReceiptFields::NumRic), 14);
    line.write(date);
    line.writePadded(trimmedField(record, ReceiptFields::Data), 10);
    line.write(label == PayerLabel::Cliente ? client : payer);
    line.writePadded(trimmedField(record, ReceiptFields::CliRigo(0)), 30);
    line.write(item);
    line.writePadded(trimmedField(record, ReceiptFields::Descrizione(0)), 38);
    line.write(total);
    line.write(totalBytes);
}

QString receiptLineOf(QByteArrayView record, PayerLabel label) {
    ListLines line;
    writeReceiptLine(line, record, label);
    line.endLine(0);
    return line.text(0);
}

ReceiptListScan searchReceipts(const QString& path, const ReceiptCriteria& criteria,
                               const ScanProgress& progress) {
    const ReceiptMatcher matcher(criteria);
    return scanReceipts(
        path, PayerLabel::Pagatore,
        [&matcher](QByteArrayView record) { return matcher.matches(record); }, progress);
}

ReceiptListScan unsettledReceipts(const QString& path, const ScanProgress& progress) {
    return scanReceipts(path, PayerLabel::Cliente, isUnsettled, progress);
}
