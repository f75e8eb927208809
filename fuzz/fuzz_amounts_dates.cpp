#include "rules/Amounts.h"
#include "rules/TextRules.h"
#include "storage/TextCodec.h"

#include <QDate>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// Any text, as typed in an amount, price or date box: reading never fails, a number read is
// written as a number that reads back, a normalised amount or price is itself a number, and a
// date read is written as the text of the same date.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fromWindows1252(QByteArrayView(data, qsizetype(size)));

    const std::optional<double> number = readNumber(text);
    if (number && std::isfinite(*number) && !readNumber(writeNumber(*number)))
        std::abort();

    const QString amount = normalizedAmount(text);
    if (amount.isEmpty() != trimBlanks(text).isEmpty() ||
        (!amount.isEmpty() && !readNumber(amount)))
        std::abort();
    if (!readNumber(normalizedPrice(text)))
        std::abort();
    if (!readNumber(receiptTotal(text.split(u'\n'))))
        std::abort();

    const QDate date = dateFromText(text);
    if (date.isValid() && dateFromText(dateText(date)) != date)
        std::abort();
    return 0;
}
