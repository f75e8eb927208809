#include "storage/ReceiptRecord.h"

#include "storage/RecordLayouts.h"
#include "storage/TextField.h"

namespace {

static_assert(recordSizeOf(receiptCapacities) == ReceiptRecord::Size);
static_assert(receiptFieldCount ==
              2 + 2 * ReceiptRecord::HeaderLines + 2 * ReceiptRecord::ItemRows + 2);

template <class Record> auto receiptLayout(Record& r) {
    std::array<FieldText<Record>*, receiptFieldCount> texts{};
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
