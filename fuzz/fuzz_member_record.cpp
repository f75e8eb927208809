#include "RecordRoundTrip.h"

#include "storage/MemberRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkRecordRoundTrip<MemberRecord>(
        data, size, [](MemberRecord& member, const QString& text) { member.Note = text; });
    return 0;
}
