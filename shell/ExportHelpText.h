#pragma once

#include <QString>

// The text of an export's help window: its own first paragraph, then the two that every export
// shares.
QString spreadsheetExportHelpText(const QString& firstParagraph);
