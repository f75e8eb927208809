#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>

// The archives and settings files hold Windows-1252 text.

// Characters outside Windows-1252 become the nearest plain letter (ő -> o), else '?'.
// Accents typed as separate combining marks (o + U+0300, as in macOS file names and pasted
// text) are first composed with their letters (ò).
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(QByteArrayView bytes);
// The Windows-1252 byte of a character, -1 when it has none.
int windows1252Byte(char16_t code);
// The character of each Windows-1252 byte.
const std::array<char16_t, 256>& windows1252Characters();
// Whether Windows-1252 holds every character of the text, its accents composed: a character it
// lacks is in no stored text, not even as the plain letter that stands in for it when writing.
bool fitsWindows1252(const QString& text);

// The text as the files keep it: what reading it back after toWindows1252 gives, one character
// for each stored byte, so that fixed columns measured in it stay in place in the file.
QString asStoredText(const QString& text);

// The text with its combining accents composed (Unicode NFC); the text itself when it has none.
QString composeAccents(const QString& text);

// Removes the characters with codes 0 to 32 at both ends (and nothing else); Windows-1252 keeps
// those codes as they are, so trimming stored bytes trims their text.
QString trimBlanks(const QString& text);
inline bool isBlankCode(QChar c) {
    return c.unicode() <= 32;
}
inline bool isBlankCode(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
// The same for a view of a text or of stored bytes.
template <class View> View trimmedBlanks(View text) {
    while (!text.isEmpty() && isBlankCode(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlankCode(text.back()))
        text.chop(1);
    return text;
}

// Only the letters A-Z made a-z, in a text, a character or a Windows-1252 byte.
template <class Code> Code foldedAsciiLetter(Code code) {
    return (code >= Code('A') && code <= Code('Z')) ? Code(code - 'A' + 'a') : code;
}
QString foldedAsciiLetters(const QString& text);
