#include "rules/DatesAndTotals.h"

#include "rules/Amounts.h"
#include "storage/TextCodec.h"

#include <array>
#include <cmath>

namespace {

// The readers below take both the program's texts and the bytes stored in a record.
char16_t code(QChar c) {
    return c.unicode();
}
char16_t code(char c) {
    return char16_t(static_cast<unsigned char>(c));
}

// The count digits from a place added to value, or false when one of them is not a digit.
template <class Text> bool addDigits(Text text, qsizetype from, qsizetype count, qint64& value) {
    for (qsizetype i = from; i < from + count; ++i) {
        const unsigned digit = unsigned(code(text[i])) - u'0';
        if (digit > 9)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

// As the calendar has it: no year 0, and 29 February only in leap years.
bool isCalendarDay(CalendarDate date) {
    constexpr std::array<int, 12> monthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year == 0 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    const bool leapYear = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
    const int days = monthDays[std::size_t(date.month - 1)] + (date.month == 2 && leapYear ? 1 : 0);
    return date.day <= days;
}

// The date number of a date "dd/mm/yyyy" that exists in the calendar, else 0.
template <class Text> int exactDateNumber(Text text) {
    text = trimmedBlanks(text);
    if (text.size() != 10 || code(text[2]) != u'/' || code(text[5]) != u'/')
        return 0;
    qint64 day = 0;
    qint64 month = 0;
    qint64 year = 0;
    if (!addDigits(text, 0, 2, day) || !addDigits(text, 3, 2, month) ||
        !addDigits(text, 6, 4, year))
        return 0;
    const CalendarDate date{int(day), int(month), int(year)};
    return isCalendarDay(date) ? dateNumber(date) : 0;
}

std::optional<CalendarDate> dateOfNumber(int number) {
    if (number == 0)
        return std::nullopt;
    return CalendarDate{number % 100, number / 100 % 100, number / 10000};
}

// The editor's form of an amount, digits, a comma and two decimals, as a whole number of
// cents, else notCents.
template <class Text> qint64 plainCents(Text text) {
    text = trimmedBlanks(text);
    constexpr qsizetype maxDigits = 15;
    const qsizetype comma = text.size() - 3;
    if (comma < 1 || comma > maxDigits - 2 || code(text[comma]) != u',')
        return notCents;
    qint64 cents = 0;
    if (!addDigits(text, 0, comma, cents) || !addDigits(text, comma + 1, 2, cents))
        return notCents;
    return cents;
}

// Whole numbers of cents up to this are exact in a double.
constexpr qint64 exactCents = Q_INT64_C(1) << 53;

} // namespace

std::optional<CalendarDate> calendarDate(QStringView text) {
    return dateOfNumber(exactDateNumber(text));
}

std::optional<CalendarDate> calendarDate(QByteArrayView stored) {
    return dateOfNumber(exactDateNumber(stored));
}

int dateNumber(CalendarDate date) {
    return (date.year * 100 + date.month) * 100 + date.day;
}

int storedDateNumber(QByteArrayView stored) {
    return exactDateNumber(stored);
}

// Cents up to 15 digits are exact in a double and the division is correctly rounded, so the
// value is the nearest double to the text, as the number reader gives it.
std::optional<double> totalValue(QStringView text) {
    if (const qint64 cents = plainCents(text); cents != notCents)
        return double(cents) / 100.0;
    return readNumber(text.toString());
}

std::optional<double> totalValue(QByteArrayView stored) {
    if (const qint64 cents = plainCents(stored); cents != notCents)
        return double(cents) / 100.0;
    return readNumber(fromWindows1252(trimmedBlanks(stored)));
}

qint64 storedCents(QByteArrayView stored) {
    return plainCents(stored);
}

void IncomeTotal::add(double total) {
    const double cents = std::nearbyint(total * 100.0);
    const bool inCents = std::fabs(cents) < double(exactCents) && cents / 100.0 == total;
    if (inCents)
        addCents(qint64(cents));
    else
        others_ = others_ + ExtendedReal::fromDouble(total);
}

void IncomeTotal::addCents(qint64 cents) {
    if (std::llabs(cents_ + cents) >= exactCents) {
        others_ = others_ + ExtendedReal::fromDouble(double(cents_) / 100.0);
        cents_ = 0;
    }
    cents_ += cents;
}

bool IncomeTotal::addStored(QByteArrayView stored) {
    if (const qint64 cents = storedCents(stored); cents != notCents) {
        addCents(cents);
        return true;
    }
    const std::optional<double> value = totalValue(stored);
    if (value)
        add(*value);
    return value.has_value();
}

double IncomeTotal::value() const {
    const ExtendedReal sum = ExtendedReal::fromDouble(double(cents_) / 100.0) + others_;
    return *readNumber(writeNumber(sum.toDouble()));
}
