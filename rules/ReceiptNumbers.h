#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class RawRecordFile;

// Receipt numbers are free text; whole numbers are compared by value, so "012" and "12" are
// one number.
bool sameReceiptNumber(const QString& a, const QString& b);

// The first whole number free for a receipt: above every whole number already used, and not
// below the number New proposes (which follows the numbering start value). Nothing when no
// whole number is left above the used ones.
std::optional<QString> firstFreeReceiptNumber(const QStringList& usedNumbers,
                                              const std::optional<QString>& proposed);

// A number already used by another receipt of the year's file.
struct UsedReceiptNumber {
    std::optional<QString> firstFree;
};

// Called with the year file open and its write lock held, so that no other copy of the program
// can store the same number between this check and the write. The receipt at ownPosition
// (1-based; 0 for a receipt not stored yet) does not count, and a stored receipt saved again
// with its stored number is no clash: that number was accepted when it was first saved.
// startText is the numbering start value.
std::optional<UsedReceiptNumber> receiptNumberInUse(RawRecordFile& file, const QString& number,
                                                    qint64 ownPosition, const QString& startText);
