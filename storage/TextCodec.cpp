#include "storage/TextCodec.h"

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80-0x9F; the five bytes Windows leaves undefined map to the control
// characters of the same code, so every byte survives a round trip.
constexpr std::array<char16_t, 32> highControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char substitute = '?';

bool isLatin1Identity(char16_t code) {
    return code < 0x80 || (code >= 0xA0 && code <= 0xFF);
}

} // namespace

int windows1252Byte(char16_t code) {
    if (isLatin1Identity(code))
        return code;
    for (int i = 0; i < int(highControlRange.size()); ++i) {
        if (highControlRange[i] == code)
            return 0x80 + i;
    }
    return -1;
}

namespace {

// The base letter of an accented character (ő -> o), when Windows-1252 has it.
char nearestPlainByte(QChar ch) {
    const QString decomposed = QString(ch).normalized(QString::NormalizationForm_D);
    const int base = windows1252Byte(decomposed.at(0).unicode());
    return base < 0 ? substitute : char(base);
}

} // namespace

QString composeAccents(const QString& text) {
    // Nothing below U+0300 combines, so most texts need no work.
    const bool mayCombine =
        std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() >= 0x300; });
    return mayCombine ? text.normalized(QString::NormalizationForm_C) : text;
}

QByteArray toWindows1252(const QString& text) {
    const QString composed = composeAccents(text);
    QByteArray bytes;
    bytes.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar ch = composed.at(i);
        const int byte = windows1252Byte(ch.unicode());
        if (byte >= 0) {
            bytes.append(char(byte));
        } else if (ch.isMark()) {
            // An accent left over has no composed letter: the letter before it is the
            // nearest plain one.
        } else if (ch.isHighSurrogate()) {
            // One character outside the basic plane, one substitute.
            if (i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate())
                ++i;
            bytes.append(substitute);
        } else if (ch.isSurrogate()) {
            bytes.append(substitute);
        } else {
            bytes.append(nearestPlainByte(ch));
        }
    }
    return bytes;
}

const std::array<char16_t, 256>& windows1252Characters() {
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            table[byte] =
                (byte >= 0x80 && byte <= 0x9F) ? highControlRange[byte - 0x80] : char16_t(byte);
        return table;
    }();
    return characters;
}

QString fromWindows1252(QByteArrayView bytes) {
    const std::array<char16_t, 256>& characters = windows1252Characters();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(characters[static_cast<unsigned char>(bytes[i])]);
    return text;
}

bool fitsWindows1252(const QString& text) {
    return fromWindows1252(toWindows1252(text)) == composeAccents(text);
}

QString asStoredText(const QString& text) {
    return fromWindows1252(toWindows1252(text));
}

QString trimBlanks(const QString& text) {
    const QStringView trimmed = trimmedBlanks(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString foldedAsciiLetters(const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
        c = QChar(foldedAsciiLetter(c.unicode()));
    return folded;
}
