#include "rules/IncomeSummary.h"

#include "rules/Amounts.h"
#include "rules/ReceiptLists.h"
#include "rules/TextRules.h"
#include "storage/ReceiptRecord.h"
#include "storage/TextCodec.h"

namespace {

// The receipt search's criterion on the first payer line.
constexpr int payerLineCriterion = 2;

const QString dateMissing = QStringLiteral("Per poter visualizzare il riepilogo è necessario "
                                           "indicare una data valida.");

PeriodCheck failed(PeriodCheck check, const QString& message, bool warning, PeriodField focus) {
    check.message = message;
    check.warning = warning;
    check.focus = focus;
    return check;
}

QString emptyChoiceMessage(const char* what, const char* end) {
    return QStringLiteral("Attenzione: indicare il %1 di %2 intervallo selezionandolo "
                          "dall'elenco a cascata.")
        .arg(QLatin1String(what), QLatin1String(end));
}

QString missingDateMessage(const QString& date, const char* end) {
    return QStringLiteral("Attenzione: la data ") + date +
           QStringLiteral(" di %1 intervallo non esiste.").arg(QLatin1String(end)) +
           QStringLiteral("\n\r\n\r") + dateMissing;
}

} // namespace

const QStringList& monthNames() {
    static const QStringList names = {
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    return names;
}

std::optional<int> monthNumber(const QString& text) {
    const QString key = foldedAsciiLetters(trimBlanks(text));
    for (int i = 0; i < monthNames().size(); ++i) {
        if (foldedAsciiLetters(monthNames()[i]) == key)
            return i + 1;
    }
    return std::nullopt;
}

bool isDayChoice(const QString& text) {
    const QString day = trimBlanks(text);
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (day.size() != 2 || !isDigit(day[0]) || !isDigit(day[1]))
        return false;
    const int value = (day[0].unicode() - u'0') * 10 + (day[1].unicode() - u'0');
    return value >= 1 && value <= 31;
}

QString composedDate(const QString& day, const QString& month, const QString& year) {
    const std::optional<int> number = monthNumber(month);
    if (!number)
        return QString();
    return trimBlanks(day) + QLatin1Char('/') + twoDigits(*number) + QLatin1Char('/') +
           trimBlanks(year);
}

PeriodCheck checkPeriod(const PeriodRequest& request) {
    PeriodCheck check;
    if (request.year.size() != 4)
        return failed(
            check, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."),
            true, PeriodField::Year);
    if (trimBlanks(request.startDay).isEmpty())
        return failed(check, emptyChoiceMessage("giorno", "inizio"), true, PeriodField::StartDay);
    if (trimBlanks(request.startMonth).isEmpty())
        return failed(check, emptyChoiceMessage("mese", "inizio"), true, PeriodField::StartMonth);
    if (trimBlanks(request.endDay).isEmpty())
        return failed(check, emptyChoiceMessage("giorno", "fine"), true, PeriodField::EndDay);
    if (trimBlanks(request.endMonth).isEmpty())
        return failed(check, emptyChoiceMessage("mese", "fine"), true, PeriodField::EndMonth);

    check.startDate = composedDate(request.startDay, request.startMonth, request.startYear);
    const std::optional<CalendarDate> start = calendarDate(check.startDate);
    if (!start)
        return failed(check, missingDateMessage(check.startDate, "inizio"), false,
                      PeriodField::StartDay);
    check.endDate = composedDate(request.endDay, request.endMonth, request.endYear);
    const std::optional<CalendarDate> end = calendarDate(check.endDate);
    if (!end)
        return failed(check, missingDateMessage(check.endDate, "fine"), false, PeriodField::EndDay);
    if (dateNumber(*start) > dateNumber(*end))
        return failed(check,
                      QStringLiteral("Attenzione: la data di fine intervallo (") + check.endDate +
                          QStringLiteral(") non può essere anteriore a quella di inizio "
                                         "intervallo (") +
                          check.startDate +
                          QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo è "
                                         "necessario indicare un intervallo di tempo valido."),
                      false, PeriodField::None);
    return check;
}

IncomeSummary incomeSummaryOfFile(const QString& path, const QString& payerFilter,
                                  CalendarDate start, CalendarDate end,
                                  const ScanProgress& progress) {
    ReceiptCriteria criteria;
    criteria[payerLineCriterion] = payerFilter;
    const ReceiptMatcher payer(criteria);
    const int first = dateNumber(start);
    const int last = dateNumber(end);

    IncomeSummary summary;
    IncomeTotal total;
    scanList(summary, path, ReceiptRecord::Size, progress,
             [&](QByteArrayView record, qint64 position) {
                 if (!payer.matches(record))
                     return;
                 const int day = storedDateNumber(storedBytes(record, ReceiptFields::Data));
                 if (day == 0) {
                     ++summary.skippedRecords;
                 } else if (day >= first && day <= last) {
                     if (total.addStored(storedBytes(record, ReceiptFields::Totale))) {
                         writeReceiptLine(summary.entries, record, PayerLabel::Pagatore);
                         summary.entries.endLine(position);
                     } else {
                         ++summary.skippedRecords;
                     }
                 }
             });
    summary.total = total.value();
    return summary;
}

QString payerShown(const QString& payerFilter) {
    const QString payer = trimBlanks(payerFilter);
    return payer.isEmpty() ? QStringLiteral("- - -") : payer;
}

QString periodShown(const QString& startDate, const QString& endDate) {
    return QStringLiteral("Dal   ") + startDate + QStringLiteral("   al   ") + endDate;
}

// A price is normalised by the same rule: four decimals at most, two at least.
QString totalShown(double total) {
    return normalizedPrice(writeNumber(total));
}

QString summaryPrintedTitle(const QString& payerShown) {
    return QStringLiteral("Riepilogo incassi - Socio / Cliente: ") + trimBlanks(payerShown);
}

QStringList summaryClosingLines(const QString& periodShown, const QString& totalShown) {
    return {QStringLiteral("- - - - - - - - - - - - - - - -"),
            QStringLiteral("INTERVALLO SELEZIONATO:    ") + trimBlanks(periodShown),
            QStringLiteral("TOTALE IMPORTI INCASSATI:  € ") + trimBlanks(totalShown)};
}
