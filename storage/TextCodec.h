#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The archives and settings files hold Windows-1252 text.

// Characters outside Windows-1252 become the nearest plain letter (ő -> o), else '?'.
// Accents typed as separate combining marks (o + U+0300, as in macOS file names and pasted
// text) are first composed with their letters (ò).
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(QByteArrayView bytes);

// The text as the files keep it: what reading it back after toWindows1252 gives, one character
// for each stored byte, so that fixed columns measured in it stay in place in the file.
QString asStoredText(const QString& text);

// The text with its combining accents composed (Unicode NFC); the text itself when it has none.
QString composeAccents(const QString& text);

// Removes the characters with codes 0 to 32 at both ends (and nothing else).
QString trimBlanks(const QString& text);
