#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstddef>
#include <type_traits>

// A text field of capacity C: one length byte, then exactly C Windows-1252 bytes of which
// only the first "length" count. Records are sequences of such fields without padding.

template <class Text> struct TextFieldRef {
    Text* text;
    int capacity;
};

// The field table of a record type lists the fields of a record, const or not, in record
// order. It is built from the record type's capacities, whose sum is checked against the
// record size at compile time.
template <class Record>
using FieldText = std::conditional_t<std::is_const_v<Record>, const QString, QString>;
template <class Record, std::size_t N>
using FieldTable = std::array<TextFieldRef<FieldText<Record>>, N>;

template <std::size_t N> constexpr int recordSizeOf(const std::array<int, N>& capacities) {
    int size = 0;
    for (int capacity : capacities)
        size += 1 + capacity;
    return size;
}

template <class Text, std::size_t N>
std::array<TextFieldRef<Text>, N> fieldTable(const std::array<int, N>& capacities,
                                             const std::array<Text*, N>& texts) {
    std::array<TextFieldRef<Text>, N> table{};
    for (std::size_t i = 0; i < N; ++i)
        table[i] = {texts[i], capacities[i]};
    return table;
}

// Trims, converts and cuts the text to the capacity; the unused bytes become zero.
// "field" points at the C + 1 bytes of the field.
void writeTextField(char* field, int capacity, const QString& text);
// A length byte above the capacity is read as the capacity.
QString readTextField(const char* field, int capacity);

// Checks the record size, raising StorageError::BadData on a mismatch.
void checkRecordSize(QByteArrayView bytes, int recordSize, const char* recordName);

template <class Text, std::size_t N>
constexpr int recordSizeOf(const std::array<TextFieldRef<Text>, N>& layout) {
    int size = 0;
    for (const auto& field : layout)
        size += 1 + field.capacity;
    return size;
}

template <std::size_t N>
QByteArray encodeTextFields(const std::array<TextFieldRef<const QString>, N>& layout) {
    QByteArray bytes(recordSizeOf(layout), '\0');
    char* field = bytes.data();
    for (const auto& entry : layout) {
        writeTextField(field, entry.capacity, *entry.text);
        field += 1 + entry.capacity;
    }
    return bytes;
}

// Exactly the bytes of the fields, else StorageError::BadData.
template <std::size_t N>
void decodeTextFields(QByteArrayView bytes, const std::array<TextFieldRef<QString>, N>& layout,
                      const char* recordName) {
    checkRecordSize(bytes, recordSizeOf(layout), recordName);
    const char* field = bytes.data();
    for (const auto& entry : layout) {
        *entry.text = readTextField(field, entry.capacity);
        field += 1 + entry.capacity;
    }
}

template <std::size_t N>
bool sameTexts(const std::array<TextFieldRef<const QString>, N>& a,
               const std::array<TextFieldRef<const QString>, N>& b) {
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](const auto& x, const auto& y) { return *x.text == *y.text; });
}
