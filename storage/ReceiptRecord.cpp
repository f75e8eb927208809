#include "storage/ReceiptRecord.h"

#include "storage/TextField.h"

namespace {

constexpr int fieldCount = 2 + 2 * ReceiptRecord::HeaderLines + 2 * ReceiptRecord::ItemRows + 2;

// Field order and capacities of a yearly receipt file, offset 0 to 2227: the item rows
// alternate description and amount.
template <class Record> auto receiptLayout(Record& r) {
    FieldTable<Record, fieldCount> layout{};
    int i = 0;
    layout[i++] = {&r.NumRic, 20};
    layout[i++] = {&r.Data, 10};
    for (auto& line : r.LavRigo)
        layout[i++] = {&line, 120};
    for (auto& line : r.CliRigo)
        layout[i++] = {&line, 120};
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        layout[i++] = {&r.Descrizione[row], 55};
        layout[i++] = {&r.Importo[row], 12};
    }
    layout[i++] = {&r.Totale, 15};
    layout[i++] = {&r.DaSaldare, 2};
    Q_ASSERT(i == fieldCount);
    return layout;
}

} // namespace

QByteArray ReceiptRecord::toBytes() const {
    const QByteArray bytes = encodeTextFields(receiptLayout(*this));
    Q_ASSERT(bytes.size() == Size);
    return bytes;
}

ReceiptRecord ReceiptRecord::fromBytes(QByteArrayView bytes) {
    checkRecordSize(bytes, Size, "ReceiptRecord");
    ReceiptRecord record;
    decodeTextFields(bytes, receiptLayout(record));
    return record;
}

bool ReceiptRecord::operator==(const ReceiptRecord& other) const {
    return sameTexts(receiptLayout(*this), receiptLayout(other));
}
