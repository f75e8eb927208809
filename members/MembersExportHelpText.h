#pragma once

#include <QString>

// The help window of the members export: its title, and its text made of paragraphs separated by
// an empty line.
inline QString membersExportHelpTitle() {
    return QStringLiteral("Esportazione archivio soci in Microsoft Excel.");
}
QString membersExportHelpText();
