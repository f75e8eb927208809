#pragma once

#include <QString>

// The help window of the receipts menu and of the receipt editor: its title, and its text made
// of paragraphs separated by an empty line.
inline QString receiptsHelpTitle() {
    return QStringLiteral("Applicazione Emissione Ricevute.");
}
QString receiptsHelpText();
