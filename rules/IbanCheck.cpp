#include "rules/IbanCheck.h"

#include "rules/TextRules.h"
#include "storage/TextCodec.h"

#include <algorithm>

namespace {

// The letters A-Z replaced by their values 10 to 35; other characters stay as they are.
QString lettersAsNumbers(const QString& text) {
    QString digits;
    digits.reserve(2 * text.size());
    for (QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            digits += QString::number(c.unicode() - u'A' + 10);
        else
            digits += c;
    }
    return digits;
}

// Reduced piece by piece, so that no number read exceeds nine digits: the remainder so far
// is joined with as many of the next digits as fill nine places.
int remainderOf97(const QString& digits) {
    constexpr int places = 9;
    QString carried;
    for (qsizetype next = 0; next < digits.size();) {
        const qsizetype take = places - carried.size();
        const QString joined = carried + digits.mid(next, take);
        next += take;
        carried = QString::number(joined.toLongLong() % 97);
    }
    return carried.toInt();
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

int ibanRemainder(const QString& iban) {
    QString text = upperTrimmed(iban);
    // Only a label written before the code: the letters "IBAN" may well stand inside the
    // account number of a real IBAN, and removing them there would reject it.
    if (text.startsWith(QStringLiteral("IBAN")))
        text.remove(0, 4);
    const QString rearranged = text.mid(4) + text.left(4);
    const QString digits = lettersAsNumbers(rearranged);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return 0;
    return remainderOf97(digits);
}

IbanVerdict ibanVerdict(const QString& iban) {
    QString text = trimBlanks(iban);
    if (text.size() != IbanLength)
        return IbanVerdict::WrongLength;
    text.remove(u' ');
    return ibanRemainder(text) == 1 ? IbanVerdict::Valid : IbanVerdict::Wrong;
}
