#include "rules/IncomeSummary.h"

#include "rules/Amounts.h"
#include "rules/FindInList.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A dialog that shows after half a second has something to show by then even on a slow disk.
constexpr qint64 recordsBetweenReports = 1000;

// The receipt search's criterion on the first payer line.
constexpr int payerLineCriterion = 2;

// Whole numbers of cents up to this are exact in a double.
constexpr qint64 exactCents = Q_INT64_C(1) << 53;

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

// Dates compared as dates: year, then month, then day.
int dayNumber(CalendarDate date) {
    return (date.year * 100 + date.month) * 100 + date.day;
}

// Each byte of Windows-1252 is one character; the codec says which.
const std::array<char16_t, 256>& windows1252Characters() {
    static const std::array<char16_t, 256> characters = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        const QString text = fromWindows1252(bytes);
        Q_ASSERT(text.size() == 256);
        std::array<char16_t, 256> table{};
        for (int i = 0; i < 256; ++i)
            table[std::size_t(i)] = text[i].unicode();
        return table;
    }();
    return characters;
}

// A field's stored bytes as a reader takes them: as many as its length byte says (at most its
// capacity), without the characters with codes 0 to 32 at both ends, which Windows-1252 keeps
// as they are.
QByteArrayView trimmedBytes(QByteArrayView record, FieldSpec field) {
    const int length =
        std::min(int(static_cast<unsigned char>(record[field.offset])), field.capacity);
    QByteArrayView bytes = record.sliced(field.offset + 1, length);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.chop(1);
    return bytes;
}

// A short field decoded into a buffer on the stack, so that testing a date or a total of every
// record allocates nothing.
template <int Capacity> class ShortField {
public:
    ShortField(QByteArrayView record, FieldSpec field) {
        Q_ASSERT(field.capacity <= Capacity);
        const QByteArrayView bytes = trimmedBytes(record, field);
        const std::array<char16_t, 256>& characters = windows1252Characters();
        for (qsizetype i = 0; i < bytes.size(); ++i)
            characters_[std::size_t(i)] = characters[static_cast<unsigned char>(bytes[i])];
        size_ = bytes.size();
    }
    QStringView text() const { return QStringView(characters_.data(), size_); }

private:
    std::array<char16_t, Capacity> characters_;
    qsizetype size_ = 0;
};

// The receipt line written straight from the record bytes into one text: a summary of a
// whole year makes a hundred thousand of them.
class LineWriter {
public:
    explicit LineWriter(QChar* out) : out_(out), characters_(windows1252Characters()) {}

    void label(QStringView text) {
        std::copy(text.begin(), text.end(), out_);
        out_ += text.size();
    }
    void column(QByteArrayView bytes, int width) {
        const qsizetype shown = std::min<qsizetype>(bytes.size(), width);
        decode(bytes.first(shown));
        std::fill(out_, out_ + (width - shown), QLatin1Char(' '));
        out_ += width - shown;
    }
    void decode(QByteArrayView bytes) {
        for (char byte : bytes)
            *out_++ = QChar(characters_[static_cast<unsigned char>(byte)]);
    }

private:
    QChar* out_;
    const std::array<char16_t, 256>& characters_;
};

constexpr FieldSpec Descrizione01 = fieldAt(receiptCapacities, 12);
static_assert(Descrizione01.offset == 1242);

// The same text as receiptLine() with the payer label "Pagatore".
QString summaryLine(QByteArrayView record) {
    static constexpr QStringView number = u"Ric. n. ";
    static constexpr QStringView date = u"  Data: ";
    static constexpr QStringView payer = u"  Pagatore: ";
    static constexpr QStringView item = u"  Servizio: ";
    static constexpr QStringView total = u"  Totale: € ";
    const QByteArrayView totalBytes = trimmedBytes(record, ReceiptFields::Totale);
    const qsizetype length = number.size() + 14 + date.size() + 10 + payer.size() + 30 +
                             item.size() + 38 + total.size() + totalBytes.size();
    QString line(length, Qt::Uninitialized);
    LineWriter writer(line.data());
    writer.label(number);
    writer.column(trimmedBytes(record, ReceiptFields::NumRic), 14);
    writer.label(date);
    writer.column(trimmedBytes(record, ReceiptFields::Data), 10);
    writer.label(payer);
    writer.column(trimmedBytes(record, ReceiptFields::CliRigo(0)), 30);
    writer.label(item);
    writer.column(trimmedBytes(record, Descrizione01), 38);
    writer.label(total);
    writer.decode(totalBytes);
    return line;
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
    const QString key = findKey(trimBlanks(text));
    for (int i = 0; i < monthNames().size(); ++i) {
        if (findKey(monthNames()[i]) == key)
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
    return trimBlanks(day) + QLatin1Char('/') +
           QStringLiteral("%1").arg(*number, 2, 10, QLatin1Char('0')) + QLatin1Char('/') +
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
    if (dayNumber(*start) > dayNumber(*end))
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

void IncomeTotal::add(double total) {
    const double cents = std::nearbyint(total * 100.0);
    const bool inCents = std::fabs(cents) < double(exactCents) && cents / 100.0 == total;
    if (!inCents) {
        others_ = others_ + ExtendedReal::fromDouble(total);
        return;
    }
    if (std::llabs(cents_ + qint64(cents)) >= exactCents) {
        others_ = others_ + ExtendedReal::fromDouble(double(cents_) / 100.0);
        cents_ = 0;
    }
    cents_ += qint64(cents);
}

double IncomeTotal::value() const {
    const ExtendedReal sum = ExtendedReal::fromDouble(double(cents_) / 100.0) + others_;
    return *readNumber(writeNumber(sum.toDouble()));
}

IncomeSummary incomeSummaryOfFile(const QString& path, const QString& payerFilter,
                                  CalendarDate start, CalendarDate end,
                                  const ScanProgress& progress) {
    ReceiptCriteria criteria;
    criteria[payerLineCriterion] = payerFilter;
    const ReceiptMatcher payer(criteria);
    const int first = dayNumber(start);
    const int last = dayNumber(end);
    const qint64 records = QFileInfo(path).size() / ReceiptRecord::Size;

    IncomeSummary summary;
    IncomeTotal total;
    summary.entries.reserve(std::size_t(records));
    scanRecords(path, ReceiptRecord::Size, [&](QByteArrayView record, qint64 position) {
        if (payer.matches(record)) {
            const std::optional<CalendarDate> issued =
                calendarDate(ShortField<10>(record, ReceiptFields::Data).text());
            const int day = issued ? dayNumber(*issued) : 0;
            if (!issued) {
                ++summary.skippedRecords;
            } else if (day >= first && day <= last) {
                if (const std::optional<double> value =
                        totalValue(ShortField<15>(record, ReceiptFields::Totale).text())) {
                    summary.entries.push_back({summaryLine(record), position});
                    total.add(*value);
                } else {
                    ++summary.skippedRecords;
                }
            }
        }
        if (progress && position % recordsBetweenReports == 0 && !progress(position, records)) {
            summary.cancelled = true;
            return false;
        }
        return true;
    });
    // Left by a write that never ended: not a receipt, but the user should know.
    if (!summary.cancelled && QFileInfo(path).size() % ReceiptRecord::Size != 0)
        ++summary.skippedRecords;
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
