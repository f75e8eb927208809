#include "rules/IncomeStatistics.h"

#include "rules/Amounts.h"
#include "rules/RecordBytes.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <array>

namespace {

// The readers below take both the program's texts and the bytes stored in a record: the dates
// and amounts that the editor writes are plain ASCII, the same in Windows-1252.
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

// As the calendar has it: no year 0, and 29 February only in leap years. Plain arithmetic, as
// every record of a scan is checked.
bool isCalendarDay(CalendarDate date) {
    constexpr std::array<int, 12> monthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year == 0 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    const bool leapYear = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
    const int days = monthDays[std::size_t(date.month - 1)] + (date.month == 2 && leapYear ? 1 : 0);
    return date.day <= days;
}

// The date number of a date "dd/mm/yyyy" that exists in the calendar, else 0. A plain number,
// not an optional date, as every record of a scan is checked.
template <class Text> int exactDateNumber(Text text) {
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
// cents, else notCents; read without the number reader's regular expression, which would cost
// more than reading the record.
template <class Text> qint64 plainCents(Text text) {
    constexpr qsizetype maxDigits = 15;
    const qsizetype comma = text.size() - 3;
    if (comma < 1 || comma > maxDigits - 2 || code(text[comma]) != u',')
        return notCents;
    qint64 cents = 0;
    if (!addDigits(text, 0, comma, cents) || !addDigits(text, comma + 1, 2, cents))
        return notCents;
    return cents;
}

// Without the characters with codes 0 to 32 at both ends.
QStringView withoutBlanks(QStringView text) {
    while (!text.isEmpty() && text.front().unicode() <= 32)
        text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    return text;
}

// The stored characters of a text field as they stand, without decoding them into a text: its
// length byte, then that many bytes. Empty for a length beyond the field, which only the
// decoding reader handles.
QByteArrayView bytesWithinField(QByteArrayView record, FieldSpec field) {
    const int length = static_cast<unsigned char>(record[field.offset]);
    if (length > field.capacity)
        return {};
    return record.sliced(field.offset + 1, length);
}

// Whole numbers of cents up to this are exact in a double.
constexpr qint64 exactCents = Q_INT64_C(1) << 53;

} // namespace

MonthlyIncome::MonthlyIncome(const QString& year) : year_(trimBlanks(year).toInt()) {}

void MonthlyIncome::addReceipt(QStringView date, QStringView total) {
    const std::optional<CalendarDate> issued = calendarDate(date);
    if (!issued) {
        ++skipped_;
        return;
    }
    if (issued->year != year_)
        return;
    if (const qint64 cents = plainCents(withoutBlanks(total)); cents != notCents) {
        addCents(issued->month, cents);
        return;
    }
    const std::optional<double> value = readNumber(total.toString());
    if (!value) {
        ++skipped_;
        return;
    }
    MonthSum& sum = sums_[issued->month - 1];
    sum.others = sum.others + ExtendedReal::fromDouble(*value);
}

// The editor's own forms are read straight from the bytes; any other content is decoded and
// read as addReceipt reads texts, with the same result.
void MonthlyIncome::addRecord(QByteArrayView record) {
    const std::optional<CalendarDate> issued =
        dateOfNumber(exactDateNumber(bytesWithinField(record, ReceiptFields::Data)));
    if (issued && issued->year != year_)
        return;
    const qint64 cents = plainCents(bytesWithinField(record, ReceiptFields::Totale));
    if (issued && cents != notCents) {
        addCents(issued->month, cents);
        return;
    }
    addReceipt(fieldText(record, ReceiptFields::Data), fieldText(record, ReceiptFields::Totale));
}

void MonthlyIncome::addCents(int month, qint64 cents) {
    MonthSum& sum = sums_[month - 1];
    if (sum.cents > exactCents - cents)
        sum.flushCents();
    sum.cents += cents;
}

void MonthlyIncome::MonthSum::flushCents() {
    others = others + ExtendedReal::fromDouble(double(cents) / 100.0);
    cents = 0;
}

ExtendedReal MonthlyIncome::MonthSum::total() const {
    return ExtendedReal::fromDouble(double(cents) / 100.0) + others;
}

double MonthlyIncome::sum(int month) const {
    return *readNumber(writeNumber(sums_[month - 1].total().toDouble()));
}

double MonthlyIncome::roundedSum(int month) const {
    return roundedToEuro(sum(month));
}

double roundedToEuro(double sum) {
    return roundTo(sum, 0);
}

MonthlyIncome monthlyIncomeOfFile(const QString& path, const QString& year) {
    MonthlyIncome income(year);
    scanRecords(path, ReceiptRecord::Size, [&income](QByteArrayView record, qint64) {
        income.addRecord(record);
        return true;
    });
    return income;
}

// Cents up to 15 digits are exact in a double and the division is correctly rounded, so the
// value is the nearest double to the text, as the number reader gives it.
std::optional<double> totalValue(QStringView text) {
    if (const qint64 cents = plainCents(withoutBlanks(text)); cents != notCents)
        return double(cents) / 100.0;
    return readNumber(text.toString());
}

std::optional<double> totalValue(QByteArrayView stored) {
    const QByteArrayView total = trimmedBytes(stored);
    if (const qint64 cents = plainCents(total); cents != notCents)
        return double(cents) / 100.0;
    return totalValue(QStringView(fromWindows1252(total)));
}

qint64 storedCents(QByteArrayView stored) {
    return plainCents(trimmedBytes(stored));
}

std::optional<CalendarDate> calendarDate(QStringView text) {
    return dateOfNumber(exactDateNumber(withoutBlanks(text)));
}

std::optional<CalendarDate> calendarDate(QByteArrayView stored) {
    return dateOfNumber(exactDateNumber(trimmedBytes(stored)));
}

int dateNumber(CalendarDate date) {
    return (date.year * 100 + date.month) * 100 + date.day;
}

int storedDateNumber(QByteArrayView stored) {
    return exactDateNumber(trimmedBytes(stored));
}

std::optional<int> copiesToPrint(const QString& typed) {
    const bool allDigits =
        std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (trimBlanks(typed).isEmpty() || !allDigits)
        return 1;
    bool fits = false;
    const int copies = typed.toInt(&fits);
    if (!fits)
        return std::nullopt;
    return copies;
}
