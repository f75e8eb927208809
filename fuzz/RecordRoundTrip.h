#pragma once

#include "storage/StorageError.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// Any bytes decode without reading out of bounds; a decoded record encodes to Size bytes
// and decodes to itself; any Unicode text encodes to a record that reads back stably.
template <class Record>
void checkRecordRoundTrip(const uint8_t* data, size_t size,
                          void (*setText)(Record& record, const QString& text)) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.size() != Record::Size) {
        try {
            Record::fromBytes(input);
            std::abort();
        } catch (const StorageError& error) {
            if (error.kind() != StorageError::Kind::BadData)
                std::abort();
        }
    }

    const Record record = Record::fromBytes(input.leftJustified(Record::Size, '\0', true));
    const QByteArray written = record.toBytes();
    if (written.size() != Record::Size || Record::fromBytes(written) != record ||
        Record::fromBytes(written).toBytes() != written)
        std::abort();

    QString text(input.size() / 2, Qt::Uninitialized); // the bytes as UTF-16, lone surrogates too
    std::memcpy(text.data(), input.constData(), size_t(text.size()) * 2);
    Record fromText = record;
    setText(fromText, text);
    const Record readBack = Record::fromBytes(fromText.toBytes());
    if (Record::fromBytes(readBack.toBytes()) != readBack)
        std::abort();
}
