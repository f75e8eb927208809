#pragma once

#include "rules/ExtendedReal.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// A year's income month by month, from the date and the total of each receipt of its file.
class MonthlyIncome {
public:
    static constexpr int Months = 12;

    // year: the four digits of the year charted.
    explicit MonthlyIncome(const QString& year);

    // A receipt dated in another year is not counted. One whose date is not a date
    // "dd/mm/yyyy" or whose total is not a number is skipped, and counted as skipped.
    void addReceipt(QStringView date, QStringView total);
    // The same for the bytes of a ReceiptRecord, of which only the date and total are read.
    void addRecord(QByteArrayView record);

    // The sum of a month (1 to 12) as its text shows it (15 significant digits). Totals in the
    // editor's form add up exactly, in cents, so that many amounts never move a sum of X,50
    // below the half; any other form of a number adds up in extended precision.
    double sum(int month) const;
    // The sum of a month rounded half up to whole euros.
    double roundedSum(int month) const;
    int skippedRecords() const { return skipped_; }

private:
    struct MonthSum {
        qint64 cents = 0;
        ExtendedReal others;

        void flushCents();
        ExtendedReal total() const;
    };
    void addCents(int month, qint64 cents);

    int year_;
    std::array<MonthSum, Months> sums_{};
    int skipped_ = 0;
};

// Half up to whole euros: 30,50 gives 31, 30,49 gives 30.
double roundedToEuro(double sum);

// The monthly income of a yearly receipt file, reading only the date and the total of each
// record. A missing file is created empty; an incomplete record at the end, left by a write that
// never ended, is no receipt and is not counted.
// Failures to open or read raise StorageError.
MonthlyIncome monthlyIncomeOfFile(const QString& path, const QString& year);

// A receipt's total as the number reader reads it (decimal comma), without its regular
// expression for the editor's own form (digits, a comma, two decimals).
std::optional<double> totalValue(QStringView text);
// The same for the stored Windows-1252 bytes of a total field; the editor's form is read in
// place, without decoding.
std::optional<double> totalValue(QByteArrayView stored);
// The cents of a stored total in the editor's form, or notCents for any other content, which
// totalValue reads: a plain number, as a scan reads the total of every record.
constexpr qint64 notCents = -1;
qint64 storedCents(QByteArrayView stored);

// The day, month and year of a date "dd/mm/yyyy" that exists in the calendar.
struct CalendarDate {
    int day;
    int month;
    int year;
};
std::optional<CalendarDate> calendarDate(QStringView text);
// The same for the stored Windows-1252 bytes of a date field, read in place: the digits and
// slashes of a date are the same bytes.
std::optional<CalendarDate> calendarDate(QByteArrayView stored);
// A date as one number in the order of dates: year, month and day (20240315 for 15/03/2024).
int dateNumber(CalendarDate date);
// The same for a stored date field, or 0 when its bytes hold no date: a scan compares it at
// once.
int storedDateNumber(QByteArrayView stored);

// The number of copies typed in the input box: 1 for a text that is empty after trimming or
// holds anything but the digits 0-9 (blanks included); nothing when the number does not fit
// a 32-bit whole number.
std::optional<int> copiesToPrint(const QString& typed);
