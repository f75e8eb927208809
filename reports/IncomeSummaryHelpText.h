#pragma once

#include <QString>

// The income summary's help window: its title, and its text made of paragraphs separated by an
// empty line.
inline QString incomeSummaryHelpTitle() {
    return QStringLiteral("Applicazione Riepilogo Incassi.");
}
QString incomeSummaryHelpText();
