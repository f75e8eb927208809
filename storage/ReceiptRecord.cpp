#include "storage/ReceiptRecord.h"

#include "storage/TextField.h"

namespace {

constexpr int fieldCount = 2 + 2 * ReceiptRecord::HeaderLines + 2 * ReceiptRecord::ItemRows + 2;

// Field capacities of a yearly receipt file in record order, offset 0 to 2227: the item rows
// alternate description and amount.
constexpr std::array<int, fieldCount> receiptCapacities = [] {
    std::array<int, fieldCount> capacities{};
    int i = 0;
    capacities[i++] = 20; // NumRic
    capacities[i++] = 10; // Data
    for (int line = 0; line < 2 * ReceiptRecord::HeaderLines; ++line)
        capacities[i++] = 120; // LavRigo01..05, then CliRigo01..05
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        capacities[i++] = 55; // Descrizione
        capacities[i++] = 12; // Importo
    }
    capacities[i++] = 15; // Totale
    capacities[i++] = 2;  // DaSaldare
    return capacities;
}();
static_assert(recordSizeOf(receiptCapacities) == ReceiptRecord::Size);

template <class Record> auto receiptLayout(Record& r) {
    std::array<FieldText<Record>*, fieldCount> texts{};
    int i = 0;
    texts[i++] = &r.NumRic;
    texts[i++] = &r.Data;
    for (auto& line : r.LavRigo)
        texts[i++] = &line;
    for (auto& line : r.CliRigo)
        texts[i++] = &line;
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        texts[i++] = &r.Descrizione[row];
        texts[i++] = &r.Importo[row];
    }
    texts[i++] = &r.Totale;
    texts[i++] = &r.DaSaldare;
    return fieldTable(receiptCapacities, texts);
}

} // namespace

QByteArray ReceiptRecord::toBytes() const {
    const QByteArray bytes = encodeTextFields(receiptLayout(*this));
    checkRecordSize(bytes, Size, "ReceiptRecord");
    return bytes;
}

ReceiptRecord ReceiptRecord::fromBytes(QByteArrayView bytes) {
    ReceiptRecord record;
    decodeTextFields(bytes, receiptLayout(record), "ReceiptRecord");
    return record;
}

bool ReceiptRecord::operator==(const ReceiptRecord& other) const {
    return sameTexts(receiptLayout(*this), receiptLayout(other));
}
