#pragma once

#include "rules/ListLines.h"

#include <QString>
#include <utility>
#include <vector>

// The check of a year's receipt numbers: the numbers missing between the lowest and the highest
// number used, the numbers used more than once, and the receipts concerned.
struct NumberingCheck {
    // Each gap as its first and last missing number, lowest first.
    std::vector<std::pair<qint64, qint64>> missing;
    // Each number used more than once, lowest first, with how many receipts use it.
    std::vector<std::pair<qint64, int>> repeated;
    int receipts = 0;
    int notNumbers = 0; // receipts whose number is not a whole number
    // The receipts on both sides of a gap, those sharing a number and those whose number is not
    // a whole number, ordered by number, in the receipt list's lines.
    ListLines concerned;
    bool failed = false; // the file could not be read
};

// A missing file is a year without receipts: it is not created.
NumberingCheck checkReceiptNumbers(const QString& path);

// "Numeri mancanti: 12, 15. Numeri usati più volte: 40 (2)"; a long run of missing numbers
// is shortened.
QString numberingSummary(const NumberingCheck& check);
