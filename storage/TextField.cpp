#include "storage/TextField.h"

#include "storage/StorageError.h"
#include "storage/TextCodec.h"

#include <cstring>

void writeTextField(char* field, int capacity, const QString& text) {
    // One byte per character, so cutting the bytes to the capacity cuts the characters;
    // twice the capacity in UTF-16 units is enough even if every character is a pair, once
    // the accents are composed with their letters.
    const QByteArray bytes = toWindows1252(composeAccents(trimBlanks(text)).left(2 * capacity));
    const int length = int(std::min<qsizetype>(bytes.size(), capacity));
    field[0] = char(length);
    std::memcpy(field + 1, bytes.constData(), length);
    std::memset(field + 1 + length, 0, capacity - length);
}

QString readTextField(const char* field, int capacity) {
    const int length = std::min(int(static_cast<unsigned char>(field[0])), capacity);
    return trimBlanks(fromWindows1252(QByteArrayView(field + 1, length)));
}

void checkRecordSize(QByteArrayView bytes, int recordSize, const char* recordName) {
    if (bytes.size() != recordSize) {
        throw StorageError(StorageError::Kind::BadData,
                           QStringLiteral("%1 of %2 bytes instead of %3")
                               .arg(QLatin1String(recordName))
                               .arg(bytes.size())
                               .arg(recordSize));
    }
}
