#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Amounts are texts with a comma before the decimals and no thousands separator. Between the
// steps of a rule they are doubles; rounding and sums are done in extended precision.

// Blanks, an optional sign, digits with an optional comma and more digits (either run may be
// empty, but something must follow the sign), an optional exponent, blanks. The nearest
// double, or nothing when the text is not a number.
std::optional<double> readNumber(const QString& text);

// The shortest text of the value with at most 15 significant digits: comma before the
// decimals, no trailing zeros, no comma for a whole number (7, 12,5, 0).
QString writeNumber(double value);

// Whole part of x * 10^decimals + 0.5, divided by 10^decimals, in extended precision: halves
// of non-negative numbers go up, but a typed 2,675 (just below the half as a double) gives
// 2,67. decimals is 0 to 4.
double roundTo(double x, int decimals);

// The sum of the values in order, in extended precision.
double extendedSum(const QList<double>& values);

// A receipt amount when its box is left: empty for blanks, "0,00" for a text that is not a
// number, else the number rounded to two decimals with exactly two decimals (7 -> 7,00).
QString normalizedAmount(const QString& typed);

// The total of a receipt's amounts: empty amounts count 0, the sum in extended precision is
// written with 15 significant digits, read back and rounded to two decimals ("0,00" with no
// amount). "0,00" too when an amount is not a number.
QString receiptTotal(const QStringList& amounts);

// A price or a membership fee when its box is left: "0,00" for an empty text or one that is
// not a number, else the number rounded to four decimals, padded to at least two (5 -> 5,00,
// 1,23456 -> 1,2346, 0,999 stays).
QString normalizedPrice(const QString& typed);

// Whether a receipt of this total calls for a revenue stamp: above 77,47 € (amounts exempt by
// law aside, which only the user knows). False for a total that is not a number.
bool needsRevenueStamp(const QString& total);
