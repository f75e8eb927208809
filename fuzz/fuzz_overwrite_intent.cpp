#include "storage/OverwriteIntent.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {
// Small records, so the fuzzer reaches whole intents quickly.
constexpr int recordSize = 16;
} // namespace

// Any bytes decode to an intent or to nothing; a decoded intent holds one whole record and
// encodes back to the bytes it came from.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(data, qsizetype(size));
    const auto intent = OverwriteIntent::fromBytes(input, recordSize);
    if (!intent)
        return 0;
    if (intent->index < 0 || intent->record.size() != recordSize)
        std::abort();
    const QByteArray encoded = intent->toBytes();
    if (encoded.size() != OverwriteIntent::sizeFor(recordSize) ||
        input.first(encoded.size()) != QByteArrayView(encoded))
        std::abort();
    return 0;
}
