#include "rules/TaxCodeCheck.h"

#include "rules/TextRules.h"
#include "rules/VatNumberCheck.h"

#include <array>

namespace {

// The published values of the characters in the odd positions (1, 3, ..., 15).
constexpr std::array<int, 10> oddDigitValue{1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
constexpr std::array<int, 26> oddLetterValue{
    1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18, // A to M
    20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23, // N to Z
};

// The value of a character in capitals at a 1-based position; none outside "0"-"Z". The seven
// signs between "9" and "A" (":" to "@") are in the published tables with the value 0.
std::optional<int> characterValue(QChar c, int position) {
    const bool odd = position % 2 == 1;
    if (c >= u'0' && c <= u'9') {
        const int digit = c.unicode() - u'0';
        return odd ? oddDigitValue[digit] : digit;
    }
    if (c >= u'A' && c <= u'Z') {
        const int letter = c.unicode() - u'A';
        return odd ? oddLetterValue[letter] : letter;
    }
    if (c > u'9' && c < u'A')
        return 0;
    return std::nullopt;
}

} // namespace

std::optional<QChar> taxCodeCheckCharacter(QStringView first15) {
    int sum = 0;
    for (int i = 0; i < first15.size(); ++i) {
        const std::optional<int> value = characterValue(first15[i], i + 1);
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return QChar(u'A' + sum % 26);
}

TaxCodeVerdict taxCodeVerdict(const QString& code) {
    const QString capitals = upperTrimmed(code);
    if (capitals.size() != TaxCodeLength)
        return TaxCodeVerdict::WrongLength;
    const std::optional<QChar> expected =
        taxCodeCheckCharacter(QStringView(capitals).first(TaxCodeLength - 1));
    return expected && capitals.back() == *expected ? TaxCodeVerdict::Valid : TaxCodeVerdict::Wrong;
}

TaxCodeWindow windowForTaxCode(const QString& trimmedCode) {
    return isDigitsOnly(trimmedCode) ? TaxCodeWindow::VatNumber : TaxCodeWindow::TaxCode;
}
