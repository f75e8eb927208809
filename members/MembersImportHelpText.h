#pragma once

#include <QString>

// The help window of the members import: its title, and its text made of paragraphs separated by
// an empty line.
inline QString membersImportHelpTitle() {
    return QStringLiteral("Importazione soci da file CSV.");
}
QString membersImportHelpText();
