#pragma once

#include "storage/RecordLayouts.h"
#include "storage/TextCodec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <vector>

// Fields read in place from a record's bytes, for the scans that look at one or two fields of
// each of a hundred thousand records. Windows-1252 gives every character one byte, so cutting
// bytes cuts the text.

// A field's characters as stored: as many as its length byte says, at most its capacity.
// Inline, as these are called for every field of a hundred thousand list lines.
inline QByteArrayView storedBytes(QByteArrayView record, FieldSpec field) {
    const int length =
        std::min(int(static_cast<unsigned char>(record[field.offset])), field.capacity);
    return record.sliced(field.offset + 1, length);
}
inline QByteArrayView trimmedField(QByteArrayView record, FieldSpec field) {
    return trimmedBlanks(storedBytes(record, field));
}

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
