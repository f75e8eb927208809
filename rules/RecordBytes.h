#pragma once

#include "storage/RecordLayouts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

// Fields read straight from a record's bytes, for the scans that look at one or two fields of
// each of a hundred thousand records. Windows-1252 gives every character one byte and keeps the
// codes 0 to 32 as they are, so trimming and cutting bytes trims and cuts the text.

// A field's characters as stored: as many as its length byte says, at most its capacity.
// Inline, as these are called for every field of a hundred thousand list lines.
inline QByteArrayView storedBytes(QByteArrayView record, FieldSpec field) {
    const int length =
        std::min(int(static_cast<unsigned char>(record[field.offset])), field.capacity);
    return record.sliced(field.offset + 1, length);
}
// Without the characters with codes 0 to 32 at both ends.
inline QByteArrayView trimmedBytes(QByteArrayView bytes) {
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.chop(1);
    return bytes;
}
inline QByteArrayView trimmedField(QByteArrayView record, FieldSpec field) {
    return trimmedBytes(storedBytes(record, field));
}

// The character of each Windows-1252 byte.
const std::array<char16_t, 256>& windows1252Characters();

// A short field, trimmed and decoded into a buffer of its own, so that testing a date or a
// total of every record allocates nothing.
template <int Capacity> class ShortField {
public:
    ShortField(QByteArrayView record, FieldSpec field) {
        Q_ASSERT(field.capacity <= Capacity);
        const QByteArrayView bytes = trimmedField(record, field);
        const std::array<char16_t, 256>& characters = windows1252Characters();
        for (qsizetype i = 0; i < bytes.size(); ++i)
            characters_[std::size_t(i)] = characters[static_cast<unsigned char>(bytes[i])];
        size_ = bytes.size();
    }
    QStringView text() const { return QStringView(characters_.data(), size_); }

private:
    std::array<char16_t, Capacity> characters_;
    qsizetype size_ = 0;
};

// A search criterion takes part when it is not empty once trimmed.
bool criterionFilled(const QString& typed);
// The criterion, as typed and with only A-Z taken equal to a-z, occurs in the field's text.
bool criterionFound(const QString& typed, const QString& field);

// The filled criteria of a search, each on its own field, compared with the stored bytes of
// each record without decoding them.
class FieldCriteria {
public:
    // Whether a criterion is looked for in the field as stored or in the field trimmed.
    enum class FieldText { AsStored, Trimmed };
    explicit FieldCriteria(FieldText fieldText) : fieldText_(fieldText) {}

    // A criterion that is not filled is left out.
    void add(FieldSpec field, const QString& typed);
    int filledCriteria() const { return int(criteria_.size()); }
    // Every filled criterion is found in its own field; true when none is filled.
    bool matches(QByteArrayView record) const;

private:
    struct Criterion {
        FieldSpec field;
        QByteArray foldedBytes; // Windows-1252, A-Z made a-z
        bool storable;          // false when no field can hold its characters
    };
    FieldText fieldText_;
    std::vector<Criterion> criteria_;
};

// Told now and then how many records of how many a scan has read; false stops the scan.
using ScanProgress = std::function<bool(qint64 recordsRead, qint64 recordsInFile)>;
