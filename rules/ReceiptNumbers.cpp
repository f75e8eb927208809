#include "rules/ReceiptNumbers.h"

#include "rules/ReceiptSettings.h"
#include "storage/RecordFile.h"
#include "storage/RecordLayouts.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <QRegularExpression>
#include <QtNumeric>
#include <algorithm>

namespace {

std::optional<qint64> wholeNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const QString trimmed = trimBlanks(text);
    if (!digits.match(trimmed).hasMatch())
        return std::nullopt;
    bool fits = false;
    const qint64 value = trimmed.toLongLong(&fits);
    return fits ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

bool sameReceiptNumber(const QString& a, const QString& b) {
    const auto numberA = wholeNumber(a);
    const auto numberB = wholeNumber(b);
    if (numberA && numberB)
        return *numberA == *numberB;
    return trimBlanks(a) == trimBlanks(b);
}

std::optional<QString> firstFreeReceiptNumber(const QStringList& usedNumbers,
                                              const std::optional<QString>& proposed) {
    qint64 lowest = proposed ? wholeNumber(*proposed).value_or(0) : 0;
    for (const QString& used : usedNumbers) {
        const auto value = wholeNumber(used);
        qint64 next = 0;
        if (value && qAddOverflow(*value, qint64(1), &next))
            return std::nullopt;
        if (value)
            lowest = std::max(lowest, next);
    }
    return QString::number(lowest);
}

std::optional<UsedReceiptNumber> receiptNumberInUse(RawRecordFile& file, const QString& number,
                                                    qint64 ownPosition, const QString& startText) {
    QStringList stored;
    bool usedElsewhere = false;
    bool keptOwnNumber = false;
    file.seek(0);
    while (!file.atEnd()) {
        const QString storedNumber = fieldText(file.readBytes(), ReceiptFields::NumRic);
        const bool same = sameReceiptNumber(storedNumber, number);
        if (file.position() == ownPosition)
            keptOwnNumber = same;
        else
            usedElsewhere = usedElsewhere || same;
        stored.append(storedNumber);
    }
    if (!usedElsewhere || keptOwnNumber)
        return std::nullopt;
    return UsedReceiptNumber{
        firstFreeReceiptNumber(stored, proposedReceiptNumber(startText, file.count()))};
}
