#pragma once

#include <QString>

// The main menu's help window: its title, and its text made of paragraphs separated by an
// empty line.
inline QString generalHelpTitle() {
    return QStringLiteral("Uno sguardo a Velarno.");
}
QString generalHelpText();
