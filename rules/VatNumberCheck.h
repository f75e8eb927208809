#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The check digit of the Italian VAT number (partita IVA) and the VAT office that issued it.
// By position, counted from 1: 1-7 the holder's serial number, 8-10 the office code, 11 the
// check digit.

constexpr int VatNumberLength = 11;

enum class VatVerdict {
    WrongLength, // not exactly 11 characters
    Valid,       // 11 digits with the right check digit
    Wrong,       // a wrong check digit, or a character other than a digit
};

struct VatNumberResult {
    VatVerdict verdict;
    QString officeCode; // characters 8-10 of a valid number
    QString officeName; // empty when the office code is not a known office
};

// Not empty and made only of the digits 0-9.
bool isDigitsOnly(const QString& text);

// The check digit that follows ten digits; none for anything but ten digits 0-9.
std::optional<int> vatCheckDigit(QStringView firstTen);

// The name of the office with that three-character code (exact match); empty when none has it.
QString vatOfficeName(QStringView officeCode);

// The number is taken as it stands, without trimming.
VatNumberResult vatNumberVerdict(const QString& number);
