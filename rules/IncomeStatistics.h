#pragma once

#include "rules/DatesAndTotals.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtGlobal>
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

    // The sum of a month (1 to 12) as its text shows it, added up as an IncomeTotal.
    double sum(int month) const;
    // The sum of a month rounded half up to whole euros.
    double roundedSum(int month) const;
    int skippedRecords() const { return skipped_; }

private:
    int year_;
    std::array<IncomeTotal, Months> sums_{};
    int skipped_ = 0;
};

// Half up to whole euros: 30,50 gives 31, 30,49 gives 30.
double roundedToEuro(double sum);

// The monthly income of a yearly receipt file, reading only the date and the total of each
// record. A missing file is created empty; an incomplete record at the end, left by a write that
// never ended, is no receipt and is not counted.
// Failures to open or read raise StorageError.
MonthlyIncome monthlyIncomeOfFile(const QString& path, const QString& year);

// The number of copies typed in the input box: 1 for a text that is empty after trimming or
// holds anything but the digits 0-9 (blanks included); nothing when the number does not fit
// a 32-bit whole number.
std::optional<int> copiesToPrint(const QString& typed);
