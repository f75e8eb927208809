#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A price-list line holds one item in three fixed columns: the description in characters
// 1-50, the literal "  € " in 51-54 and the unit price in 55-66, each column filled with
// blanks on the right and cut to its width.
namespace PriceListColumns {
constexpr int descriptionWidth = 50;
constexpr int priceStart = 54; // 0-based: the price begins at character 55
constexpr int priceWidth = 12;
} // namespace PriceListColumns

// The line of an item; description and price are trimmed first.
QString priceListLine(const QString& description, const QString& price);

// The parts of a line: the description is characters 1-50, the price characters 55-66, both
// trimmed; a line shorter than 55 characters has an empty price.
QString priceLineDescription(const QString& line);
QString priceLinePrice(const QString& line);

// The line as the price list window shows it: whole, unless it is far longer than any item
// (a file grown by another program), then its first shownLineLength characters and "…", since
// laying out megabytes of one line would freeze the window. The list keeps the whole line.
constexpr int shownLineLength = 1000;
QString shownPriceLine(const QString& line);

// The line as a box of the given number of columns shows it: the description, cut with "…"
// when it leaves no room, and the price at the right edge as "€ 15,00".
QString fittedPriceLine(const QString& line, int columns);

// The 0-based row of a receipt that may take a price-list item: the first whose description
// and amount are both empty after trimming. Nothing when every row holds something.
std::optional<int> firstFreeRow(const QStringList& descriptions, const QStringList& amounts);
