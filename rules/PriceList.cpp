#include "rules/PriceList.h"

#include "storage/TextCodec.h"

#include <algorithm>

namespace {

// A line break or other control character inside a column would split the line in the file.
QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 32)
            c = u' ';
    }
    return line;
}

// Measured in the stored characters: a combining accent merges with its letter and a character
// the code page lacks becomes one "?", so the columns hold in the file as they do here.
QString column(const QString& text, int width) {
    return asStoredText(oneLine(trimBlanks(text))).leftJustified(width, u' ', true);
}

} // namespace

QString priceListLine(const QString& description, const QString& price) {
    using namespace PriceListColumns;
    return column(description, descriptionWidth) + QStringLiteral("  € ") +
           column(price, priceWidth);
}

QString priceLineDescription(const QString& line) {
    return trimBlanks(line.left(PriceListColumns::descriptionWidth));
}

QString priceLinePrice(const QString& line) {
    return trimBlanks(line.mid(PriceListColumns::priceStart, PriceListColumns::priceWidth));
}

QString shownPriceLine(const QString& line) {
    if (line.size() <= shownLineLength)
        return line;
    return line.left(shownLineLength) + u'…';
}

QString fittedPriceLine(const QString& line, int columns) {
    const QString price = priceLinePrice(line);
    QString description = priceLineDescription(line);
    if (price.isEmpty())
        return description;
    const QString priceColumn = QStringLiteral(" € ") + price;
    const int room = std::max(0, columns - int(priceColumn.size()));
    if (description.size() > room)
        description = description.left(std::max(0, room - 1)) + u'…';
    return description.leftJustified(room, u' ') + priceColumn;
}

std::optional<int> firstFreeRow(const QStringList& descriptions, const QStringList& amounts) {
    const qsizetype rows = std::max(descriptions.size(), amounts.size());
    for (qsizetype row = 0; row < rows; ++row) {
        if (trimBlanks(descriptions.value(row)).isEmpty() &&
            trimBlanks(amounts.value(row)).isEmpty())
            return int(row);
    }
    return std::nullopt;
}
