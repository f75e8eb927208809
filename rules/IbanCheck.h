#pragma once

#include <QString>

// The check digits of a bank account number in IBAN form (ISO 13616, ISO 7064 MOD 97-10), for
// the 27 characters of an Italian IBAN.

constexpr int IbanLength = 27;

enum class IbanVerdict {
    WrongLength, // not 27 characters once trimmed (blanks inside count)
    Valid,       // remainder 1
    Wrong,
};

// Trimmed, measured, then checked without its blanks.
IbanVerdict ibanVerdict(const QString& iban);

// The MOD 97 remainder of an IBAN of any length: trimmed, a-z as A-Z, a leading "IBAN" label is
// dropped, the country code and check digits go to the end and each letter becomes its
// two-digit value (A = 10, ..., Z = 35). 0 when anything but letters A-Z and digits 0-9
// remains, or nothing at all.
int ibanRemainder(const QString& iban);
