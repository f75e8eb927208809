#pragma once

#include <QString>

// The statistics screen's help window: its title, and its text made of paragraphs separated by
// an empty line.
inline QString statisticsHelpTitle() {
    return QStringLiteral("Applicazione Statistiche Incassi");
}
QString statisticsHelpText();
