#pragma once

#include <QString>

// The guide's chapter on the keys: its title, and its text made of paragraphs separated by an
// empty line.
inline QString keyboardHelpTitle() {
    return QStringLiteral("Uso della tastiera");
}
QString keyboardHelpText();
