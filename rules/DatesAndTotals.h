#pragma once

#include "rules/ExtendedReal.h"

#include <QByteArrayView>
#include <QStringView>
#include <optional>

// Dates "dd/mm/yyyy" and receipt totals, read from the program's texts and in place from the
// stored Windows-1252 bytes of a record's fields: the digits, commas and slashes the editor
// writes are the same bytes.

// The day, month and year of a date "dd/mm/yyyy" that exists in the calendar.
struct CalendarDate {
    int day;
    int month;
    int year;
};
// Blanks around the date are ignored.
std::optional<CalendarDate> calendarDate(QStringView text);
std::optional<CalendarDate> calendarDate(QByteArrayView stored);
// A date as one number in the order of dates: year, month and day (20240315 for 15/03/2024).
int dateNumber(CalendarDate date);
// The same for a stored date field, or 0 when its bytes hold no date: a scan compares it at
// once.
int storedDateNumber(QByteArrayView stored);

// A receipt's total as the number reader reads it (decimal comma), the editor's own form
// (digits, a comma, two decimals) read without the number reader's regular expression.
std::optional<double> totalValue(QStringView text);
std::optional<double> totalValue(QByteArrayView stored);
// The cents of a stored total in the editor's form, or notCents for any other content, which
// totalValue reads.
constexpr qint64 notCents = -1;
qint64 storedCents(QByteArrayView stored);

// A sum of receipt totals: amounts that are whole cents add up exactly in cents, so that many
// amounts never move a sum of X,50 below the half; any other number in extended precision.
class IncomeTotal {
public:
    void add(double total);
    void addCents(qint64 cents);
    // Adds a stored total; false, adding nothing, when it is not a number.
    bool addStored(QByteArrayView stored);
    // The sum as its text shows it (15 significant digits).
    double value() const;

private:
    qint64 cents_ = 0;
    ExtendedReal others_;
};
