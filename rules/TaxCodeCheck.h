#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

// The check character of the Italian personal tax code (codice fiscale).

constexpr int TaxCodeLength = 16;

enum class TaxCodeVerdict {
    WrongLength, // not exactly 16 characters
    Valid,       // the 16th character is the check character of the first 15
    Wrong,       // another 16th character, or a character outside "0"-"Z" among the first 15
};

// The check character of the first 15 characters of a code in capitals; none when one of them
// lies outside "0"-"Z" (a blank, a hyphen, an accented letter), since the published values
// cover only that range.
std::optional<QChar> taxCodeCheckCharacter(QStringView first15);

// Trimmed, with the letters a-z as A-Z; nothing but the check character is verified (not where
// letters and digits stand, nor the date or the place of birth).
TaxCodeVerdict taxCodeVerdict(const QString& code);

// The window the member editor opens for its tax code: a code made only of the digits 0-9 is
// the VAT number of an association or a firm.
enum class TaxCodeWindow { TaxCode, VatNumber };
TaxCodeWindow windowForTaxCode(const QString& trimmedCode);
