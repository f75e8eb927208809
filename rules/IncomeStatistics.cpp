#include "rules/IncomeStatistics.h"

#include "rules/Amounts.h"
#include "rules/RecordBytes.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <algorithm>

MonthlyIncome::MonthlyIncome(const QString& year) : year_(trimBlanks(year).toInt()) {}

void MonthlyIncome::addReceipt(QStringView date, QStringView total) {
    const std::optional<CalendarDate> issued = calendarDate(date);
    if (!issued) {
        ++skipped_;
        return;
    }
    if (issued->year != year_)
        return;
    const std::optional<double> value = totalValue(total);
    if (value)
        sums_[issued->month - 1].add(*value);
    else
        ++skipped_;
}

void MonthlyIncome::addRecord(QByteArrayView record) {
    const int day = storedDateNumber(storedBytes(record, ReceiptFields::Data));
    if (day == 0) {
        ++skipped_;
        return;
    }
    if (day / 10000 != year_)
        return;
    if (!sums_[day / 100 % 100 - 1].addStored(storedBytes(record, ReceiptFields::Totale)))
        ++skipped_;
}

double MonthlyIncome::sum(int month) const {
    return sums_[month - 1].value();
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
