#pragma once

#include <QString>
#include <array>
#include <optional>

// The settings of the receipts application, kept in the program folder's Ricevute.ini: the
// numbering start value (section "Numerazione Ricevute", key "Inizio") and the association's
// five header lines (section "Dati Associazione", keys "Rigo 1" to "Rigo 5"). A missing file,
// section or key reads as empty; a write keeps every other line of the file.

// The stored start value, trimmed; empty when nothing is stored. Raises StorageError when the
// file exists but cannot be read.
QString numberingStartText();
// Stores the start value, trimmed. Raises StorageError on failure; the old file stays whole.
void storeNumberingStart(const QString& startText);

// The five stored lines, trimmed; a missing one is empty. Raises StorageError when the file
// exists but cannot be read.
std::array<QString, 5> associationLines();
// Stores the five lines, each trimmed. Raises StorageError on failure; the old file stays whole.
void storeAssociationLines(const std::array<QString, 5>& lines);

// What the start value box holds once it is left: "1" for an empty text or one that is not a
// number, else the number rounded to a whole one and written without leading zeros (007 -> 7).
QString settledNumberingStart(const QString& typed);

// The number proposed for a new receipt: the start value read as a whole number (empty counts
// as 1) plus the receipts already in the year's file, as decimal text. Nothing when the start
// value is not a whole number or the sum does not fit.
std::optional<QString> proposedReceiptNumber(const QString& startText, qint64 receiptsInYear);
