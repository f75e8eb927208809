#pragma once

#include <QString>

// The member editor's help window: its title, and its text made of paragraphs separated by an
// empty line.
inline QString membersHelpTitle() {
    return QStringLiteral("Applicazione Archivio Soci.");
}
QString membersHelpText();
