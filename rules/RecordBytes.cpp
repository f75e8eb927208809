#include "rules/RecordBytes.h"

#include "rules/FindInList.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <string_view>

namespace {
char foldedByte(char byte) {
    return (byte >= 'A' && byte <= 'Z') ? char(byte - 'A' + 'a') : byte;
}

bool containsFolded(QByteArrayView text, const QByteArray& foldedKey) {
    std::array<char, 256> folded; // a length byte counts to 255 at most
    std::transform(text.begin(), text.end(), folded.begin(), foldedByte);
    return std::string_view(folded.data(), std::size_t(text.size()))
               .find(std::string_view(foldedKey.constData(), std::size_t(foldedKey.size()))) !=
           std::string_view::npos;
}
} // namespace

const std::array<char16_t, 256>& windows1252Characters() {
    static const std::array<char16_t, 256> characters = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        const QString text = fromWindows1252(bytes);
        Q_ASSERT(text.size() == 256);
        std::array<char16_t, 256> table{};
        for (int i = 0; i < 256; ++i)
            table[std::size_t(i)] = text[i].unicode();
        return table;
    }();
    return characters;
}

bool criterionFilled(const QString& typed) {
    return !trimBlanks(typed).isEmpty();
}

bool criterionFound(const QString& typed, const QString& field) {
    return findKey(field).contains(findKey(typed));
}

void FieldCriteria::add(FieldSpec field, const QString& typed) {
    if (!criterionFilled(typed))
        return;
    const QByteArray bytes = toWindows1252(typed);
    // A character that Windows-1252 lacks is in no stored field: it must not be found through
    // the plain letter that stands in for it when writing.
    const bool storable = fromWindows1252(bytes) == composeAccents(typed);
    QByteArray folded = bytes;
    std::transform(folded.begin(), folded.end(), folded.begin(), foldedByte);
    criteria_.push_back({field, folded, storable});
}

bool FieldCriteria::matches(QByteArrayView record) const {
    return std::all_of(criteria_.begin(), criteria_.end(), [&](const Criterion& criterion) {
        const QByteArrayView stored = storedBytes(record, criterion.field);
        return criterion.storable &&
               containsFolded(fieldText_ == FieldText::Trimmed ? trimmedBytes(stored) : stored,
                              criterion.foldedBytes);
    });
}
