#include "RecordRoundTrip.h"

#include "storage/ReceiptRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkRecordRoundTrip<ReceiptRecord>(
        data, size, [](ReceiptRecord& receipt, const QString& text) { receipt.CliRigo[0] = text; });
    return 0;
}
