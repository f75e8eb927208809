#include "rules/ReceiptLists.h"

#include "rules/FindInList.h"
#include "rules/IncomeStatistics.h"
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

constexpr FieldSpec Descrizione(int row) { // 0-based
    return fieldAt(receiptCapacities, 12 + 2 * row);
}
static_assert(Descrizione(0).offset == 1242 && Descrizione(1).offset == 1311);

constexpr std::array<FieldSpec, searchedFieldCount> searchedFields = {
    ReceiptFields::NumRic,
    ReceiptFields::Data,
    ReceiptFields::CliRigo(0),
    ReceiptFields::CliRigo(1),
    ReceiptFields::CliRigo(2),
    ReceiptFields::CliRigo(3),
    Descrizione(0),
    Descrizione(1),
    Descrizione(2),
    Descrizione(3),
};

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// A field's stored bytes as a reader takes them: as many as its length byte says (at most its
// capacity), without the characters with codes 0 to 32 at both ends. Windows-1252 gives each
// byte one character and keeps 0 to 32 as they are, so this is the trimmed text, still encoded.
std::string_view storedText(QByteArrayView record, FieldSpec field) {
    const int length =
        std::min(int(static_cast<unsigned char>(record[field.offset])), field.capacity);
    std::string_view text(record.data() + field.offset + 1, std::size_t(length));
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

bool containsFolded(std::string_view field, const QByteArray& key) {
    std::array<char, 256> folded; // a length byte counts to 255 at most
    for (std::size_t i = 0; i < field.size(); ++i)
        folded[i] = lowerAscii(field[i]);
    return std::string_view(folded.data(), field.size())
               .find(std::string_view(key.constData(), std::size_t(key.size()))) !=
           std::string_view::npos;
}

// A receipt line, built in Windows-1252 straight from the record's bytes and decoded once:
// each character is one byte, so padding and cutting the bytes pads and cuts the text.
class EncodedLine {
public:
    void append(std::string_view bytes) {
        std::copy(bytes.begin(), bytes.end(), bytes_.begin() + length_);
        length_ += bytes.size();
    }
    void appendPadded(std::string_view text, std::size_t width) {
        text = text.substr(0, width);
        append(text);
        std::fill_n(bytes_.begin() + length_, width - text.size(), ' ');
        length_ += width - text.size();
    }
    qsizetype length() const { return qsizetype(length_); }
    QString text() const { return fromWindows1252(QByteArrayView(bytes_.data(), length())); }

private:
    std::array<char, 256> bytes_; // 159 at most: the columns, the labels and a total of 15
    std::size_t length_ = 0;
};

struct DecodedLine {
    QString text;
    qsizetype dateAt;
    qsizetype totalAt;
};

DecodedLine decodedLine(QByteArrayView record, PayerLabel label) {
    using namespace std::string_view_literals;
    EncodedLine line;
    line.append("Ric. n. "sv);
    line.appendPadded(storedText(record, ReceiptFields::NumRic), 14);
    line.append("  Data: "sv);
    const qsizetype dateAt = line.length();
    line.appendPadded(storedText(record, ReceiptFields::Data), 10);
    line.append(label == PayerLabel::Cliente ? "  Cliente: "sv : "  Pagatore: "sv);
    line.appendPadded(storedText(record, ReceiptFields::CliRigo(0)), 30);
    line.append("  Servizio: "sv);
    line.appendPadded(storedText(record, Descrizione(0)), 38);
    line.append("  Totale: \x80 "sv); // the euro sign
    const qsizetype totalAt = line.length();
    line.append(storedText(record, ReceiptFields::Totale));
    return {line.text(), dateAt, totalAt};
}

// Read from the line itself: its date column is the whole date, since a date holds at most 10
// characters, and the total ends it.
bool validDateAndTotal(const DecodedLine& line) {
    const QStringView text(line.text);
    return calendarDate(text.sliced(line.dateAt, 10)) && totalValue(text.sliced(line.totalAt));
}

ReceiptListScan scanReceipts(const QString& path, PayerLabel label,
                             const std::function<bool(QByteArrayView)>& listed,
                             const ScanProgress& progress) {
    ReceiptListScan scan;
    const qint64 records = QFileInfo(path).size() / ReceiptRecord::Size;
    try {
        scanRecords(path, ReceiptRecord::Size, [&](QByteArrayView record, qint64 position) {
            if (listed(record)) {
                DecodedLine line = decodedLine(record, label);
                if (validDateAndTotal(line))
                    scan.entries.push_back({std::move(line.text), position});
                else
                    ++scan.skippedRecords;
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
    // Left by a write that never ended: not a receipt, but the user should know.
    if (!scan.cancelled && QFileInfo(path).size() % ReceiptRecord::Size != 0)
        ++scan.skippedRecords;
    return scan;
}

} // namespace

FieldSpec searchedField(int criterion) {
    return searchedFields[std::size_t(criterion)];
}

bool criterionFilled(const QString& typed) {
    return !trimBlanks(typed).isEmpty();
}

bool criterionFound(const QString& typed, const QString& field) {
    return findKey(field).contains(findKey(typed));
}

ReceiptMatcher::ReceiptMatcher(const ReceiptCriteria& criteria) {
    for (int i = 0; i < searchedFieldCount; ++i) {
        const QString& typed = criteria[std::size_t(i)];
        if (!criterionFilled(typed))
            continue;
        const QString key = findKey(typed);
        const QByteArray bytes = toWindows1252(key);
        // A character the file cannot hold is in no field: it must not be found through the
        // plain letter that stands in for it when writing.
        keys_.push_back({searchedField(i), bytes, fromWindows1252(bytes) == key});
    }
}

bool ReceiptMatcher::matches(QByteArrayView record) const {
    for (const Key& key : keys_) {
        if (!key.findable || !containsFolded(storedText(record, key.field), key.bytes))
            return false;
    }
    return true;
}

bool isUnsettledFlag(const QString& flag) {
    return trimBlanks(flag) == QStringLiteral("Sì");
}

bool isUnsettled(QByteArrayView record) {
    return storedText(record, ReceiptFields::DaSaldare) == std::string_view("S\xEC", 2);
}

QString receiptLineOf(QByteArrayView record, PayerLabel label) {
    return decodedLine(record, label).text;
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
