#include "rules/MemberLists.h"

#include "rules/DatesAndTotals.h"
#include "storage/TextCodec.h"

#include <string_view>

namespace {

// Digits with an optional sign, blanks and control characters around them allowed.
std::optional<int> wholeNumber(QByteArrayView text) {
    text = trimmedBlanks(text);
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = (negative || text.startsWith('+')) ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

qint64 dayNumber(const CalendarDate& date) {
    return QDate(date.year, date.month, date.day).toJulianDay();
}

std::optional<bool> inExpiryList(ExpiryList list, const std::optional<CalendarDate>& expires,
                                 QByteArrayView notice, qint64 today) {
    if (!expires)
        return std::nullopt;
    const qint64 expiryDay = dayNumber(*expires);
    if (list == ExpiryList::Expired)
        return expiryDay < today;
    const std::optional<int> noticeDays = wholeNumber(notice);
    if (!noticeDays)
        return std::nullopt;
    return expiryDay - *noticeDays <= today;
}

} // namespace

// Written straight from the record's bytes into the list: a list of many thousand members opens
// about as fast as the archive is read.
void writeMemberLine(ListLines& lines, QByteArrayView record) {
    using namespace std::string_view_literals;
    lines.writePadded(trimmedField(record, MemberFields::Dipendente), memberLineNameWidth);
    lines.write("  C.F. "sv);
    lines.writePadded(trimmedField(record, MemberFields::CodFisc), 16);
    lines.write("  Scad. "sv);
    lines.writePadded(trimmedField(record, MemberFields::DataSca), 10);
    lines.write("  Tel. "sv);
    lines.writePadded(trimmedField(record, MemberFields::Recapito), 15);
    lines.write(" Note: "sv);
    lines.write(trimmedField(record, MemberFields::Note));
}

MemberSearch::MemberSearch(const std::vector<MemberCriterion>& criteria)
    : FieldCriteria(FieldText::AsStored) {
    for (const MemberCriterion& criterion : criteria)
        add(criterion.field, criterion.typed);
}

ListScan searchMembers(const QString& path, const MemberSearch& search,
                       const ScanProgress& progress) {
    ListScan scan;
    scanList(scan, path, MemberRecord::Size, progress, [&](QByteArrayView record, qint64 position) {
        if (search.matches(record)) {
            writeMemberLine(scan.entries, record);
            scan.entries.endLine(position);
        }
    });
    return scan;
}

std::optional<bool> isInExpiryList(ExpiryList list, QStringView expiry, QStringView notice,
                                   const QDate& today) {
    return inExpiryList(list, calendarDate(expiry),
                        QByteArrayView(toWindows1252(notice.toString())), today.toJulianDay());
}

ListScan expiryListOfFile(const QString& path, ExpiryList list, const QDate& today,
                          const ScanProgress& progress) {
    ListScan scan;
    const qint64 todayNumber = today.toJulianDay();
    scanList(scan, path, MemberRecord::Size, progress, [&](QByteArrayView record, qint64 position) {
        const std::optional<bool> listed =
            inExpiryList(list, calendarDate(storedBytes(record, MemberFields::DataSca)),
                         storedBytes(record, MemberFields::Preavviso), todayNumber);
        if (!listed) {
            ++scan.skippedRecords;
        } else if (*listed) {
            writeMemberLine(scan.entries, record);
            scan.entries.endLine(position);
        }
    });
    return scan;
}

ExpiryCounts countExpiries(const QString& path, const QDate& today) {
    ExpiryCounts counts;
    ListScan scan;
    const qint64 todayNumber = today.toJulianDay();
    scanList(scan, path, MemberRecord::Size, {}, [&](QByteArrayView record, qint64) {
        const std::optional<CalendarDate> expires =
            calendarDate(storedBytes(record, MemberFields::DataSca));
        const QByteArrayView notice = storedBytes(record, MemberFields::Preavviso);
        const std::optional<bool> expired =
            inExpiryList(ExpiryList::Expired, expires, notice, todayNumber);
        const std::optional<bool> needsAttention =
            inExpiryList(ExpiryList::ExpiringOrExpired, expires, notice, todayNumber);
        if (expired && *expired)
            ++counts.expired;
        else if (needsAttention && *needsAttention)
            ++counts.expiring;
    });
    return counts;
}

QString expiryCountsText(const ExpiryCounts& counts) {
    QStringList parts;
    if (counts.expiring > 0)
        parts.append(counts.expiring == 1
                         ? QStringLiteral("1 abbonamento in scadenza")
                         : QStringLiteral("%1 abbonamenti in scadenza").arg(counts.expiring));
    if (counts.expired > 0) {
        // Alone, the expired half names what it counts.
        const bool alone = parts.isEmpty();
        if (counts.expired == 1)
            parts.append(alone ? QStringLiteral("1 abbonamento scaduto")
                               : QStringLiteral("1 scaduto"));
        else
            parts.append(
                (alone ? QStringLiteral("%1 abbonamenti scaduti") : QStringLiteral("%1 scaduti"))
                    .arg(counts.expired));
    }
    return parts.join(QStringLiteral(", "));
}

std::array<QString, ReceiptRecord::HeaderLines> payerLinesOf(const MemberRecord& member) {
    const QChar blank = QLatin1Char(' ');
    return {trimBlanks(member.Dipendente), trimBlanks(member.Indirizzo),
            trimBlanks(member.Cap) + blank + trimBlanks(member.Citta) + blank +
                trimBlanks(member.Prov),
            QStringLiteral("Tel. ") + trimBlanks(member.Recapito),
            QStringLiteral("Codice fiscale: ") + trimBlanks(member.CodFisc)};
}

QString memberNameOfLine(const QString& line) {
    return trimBlanks(line.left(memberLineNameWidth));
}
