#pragma once

#include <QString>

// The help window of the receipts export: its title, and its text made of paragraphs separated
// by an empty line.
inline QString receiptsExportHelpTitle() {
    return QStringLiteral("Esportazione archivio ricevute in Microsoft Excel.");
}
QString receiptsExportHelpText();
