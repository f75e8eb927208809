#pragma once

#include "rules/DatesAndTotals.h"
#include "rules/ListScan.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The income summary: the receipts of a yearly file issued in a period of days, optionally of
// one payer, with the sum of their totals.

// ---- The period and the payer, as the income menu takes them.

// The entries of the month lists, "Gennaio" to "Dicembre".
const QStringList& monthNames();
// 1 to 12 for a month name in any letter case (only A-Z folded), blanks around it ignored.
std::optional<int> monthNumber(const QString& text);
// A day box may hold only "01" to "31", blanks around it ignored.
bool isDayChoice(const QString& text);

// The day, the month name and the year of a date group, composed as "dd/mm/yyyy"; empty when
// the month is not a month name.
QString composedDate(const QString& day, const QString& month, const QString& year);

struct PeriodRequest {
    QString year; // as typed
    QString startDay, startMonth, startYear;
    QString endDay, endMonth, endYear;
};

enum class PeriodField { None, Year, StartDay, StartMonth, EndDay, EndMonth };

// The outcome of the checks: the dates composed on the way and, at the first check that
// failed, its message and the box that takes the focus.
struct PeriodCheck {
    QString startDate;
    QString endDate;
    QString message;      // empty when every check passed
    bool warning = false; // a warning box, else a plain one
    PeriodField focus = PeriodField::None;

    bool passed() const { return message.isEmpty(); }
};
PeriodCheck checkPeriod(const PeriodRequest& request);

// ---- The summary.

struct IncomeSummary : ListScan {
    double total = 0; // of every listed receipt, as IncomeTotal::value
};

// The receipts whose first payer line contains the payer filter (as typed, only A-Z taken
// equal to a-z; a blank filter takes every payer) and whose date lies from start to end, both
// included. A receipt that passes the payer test but holds a date that is not a date or a total
// that is not a number is left out and counted as skipped; the total is the sum of the listed
// receipts only.
IncomeSummary incomeSummaryOfFile(const QString& path, const QString& payerFilter,
                                  CalendarDate start, CalendarDate end,
                                  const ScanProgress& progress = {});

// What the summary shows of the payer filter: the filter trimmed, "- - -" when it is blank.
QString payerShown(const QString& payerFilter);
// "Dal   start   al   end".
QString periodShown(const QString& startDate, const QString& endDate);
// The total rounded half up to four decimals, with at least two ("0,00" for nothing).
QString totalShown(double total);

// The printed summary: its title, and the lines after the list.
QString summaryPrintedTitle(const QString& payerShown);
QStringList summaryClosingLines(const QString& periodShown, const QString& totalShown);
