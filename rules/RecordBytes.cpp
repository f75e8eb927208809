#include "rules/RecordBytes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
bool containsFolded(QByteArrayView text, const QByteArray& foldedKey) {
    std::array<char, 256> folded; // a length byte counts to 255 at most
    std::transform(text.begin(), text.end(), folded.begin(), foldedAsciiLetter<char>);
    return std::string_view(folded.data(), std::size_t(text.size()))
               .find(std::string_view(foldedKey.constData(), std::size_t(foldedKey.size()))) !=
           std::string_view::npos;
}
} // namespace

bool criterionFilled(const QString& typed) {
    return !trimBlanks(typed).isEmpty();
}

bool criterionFound(const QString& typed, const QString& field) {
    return foldedAsciiLetters(field).contains(foldedAsciiLetters(typed));
}

void FieldCriteria::add(FieldSpec field, const QString& typed) {
    if (!criterionFilled(typed))
        return;
    QByteArray folded = toWindows1252(typed);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldedAsciiLetter<char>);
    criteria_.push_back({field, folded, fitsWindows1252(typed)});
}

bool FieldCriteria::matches(QByteArrayView record) const {
    return std::all_of(criteria_.begin(), criteria_.end(), [&](const Criterion& criterion) {
        const QByteArrayView stored = storedBytes(record, criterion.field);
        return criterion.storable &&
               containsFolded(fieldText_ == FieldText::Trimmed ? trimmedBlanks(stored) : stored,
                              criterion.foldedBytes);
    });
}
