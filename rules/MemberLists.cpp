#include "rules/MemberLists.h"

#include "rules/IncomeStatistics.h"
#include "rules/RecordBytes.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <QFileInfo>
#include <algorithm>
#include <string_view>

namespace {

// Progress is told every so many records: often enough for a smooth bar, rarely enough to
// cost nothing.
constexpr qint64 progressStep = 4096;

// A member's line written straight from the record's bytes into the list's block: a list of
// many thousand members opens about as fast as the archive is read.
void writeMemberLine(ListLines& lines, QByteArrayView record) {
    using namespace std::string_view_literals;
    constexpr std::string_view taxCode = "  C.F. "sv;
    constexpr std::string_view expiry = "  Scad. "sv;
    constexpr std::string_view telephone = "  Tel. "sv;
    constexpr std::string_view notes = " Note: "sv;
    constexpr qsizetype columns =
        qsizetype(taxCode.size() + expiry.size() + telephone.size() + notes.size()) + 30 + 16 + 10 +
        15;
    const QByteArrayView notesBytes = trimmedField(record, MemberFields::Note);
    ListLines::Writer line(lines, columns + notesBytes.size());
    line.writePadded(trimmedField(record, MemberFields::Dipendente), 30);
    line.write(taxCode);
    line.writePadded(trimmedField(record, MemberFields::CodFisc), 16);
    line.write(expiry);
    line.writePadded(trimmedField(record, MemberFields::DataSca), 10);
    line.write(telephone);
    line.writePadded(trimmedField(record, MemberFields::Recapito), 15);
    line.write(notes);
    line.write(notesBytes);
}

void listLine(ListLines& lines, QByteArrayView record, qint64 position) {
    writeMemberLine(lines, record);
    lines.endLine(position);
}

// Digits with an optional sign, blanks and control characters around them allowed.
std::optional<int> wholeNumber(QStringView text) {
    while (!text.isEmpty() && text.front().unicode() <= 32)
        text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    const bool negative = text.startsWith(u'-');
    const QStringView digits = (negative || text.startsWith(u'+')) ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

qint64 dayNumber(const CalendarDate& date) {
    return QDate(date.year, date.month, date.day).toJulianDay();
}

std::optional<bool> inExpiryList(ExpiryList list, const std::optional<CalendarDate>& expires,
                                 QStringView notice, qint64 today) {
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

// Visits every record with its position, tells the progress and notes a cancel.
template <class Visit>
void scanMembers(const QString& path, const ScanProgress& progress, MemberListResult& result,
                 Visit&& visit) {
    const qint64 recordsInFile = QFileInfo(path).size() / MemberRecord::Size;
    result.entries.reserve(recordsInFile);
    scanRecords(path, MemberRecord::Size, [&](QByteArrayView record, qint64 position) {
        visit(record, position);
        if (progress && position % progressStep == 0 && !progress(position, recordsInFile)) {
            result.cancelled = true;
            return false;
        }
        return true;
    });
}

} // namespace

QString memberLineOf(QByteArrayView record) {
    ListLines line;
    writeMemberLine(line, record);
    line.endLine(0);
    return line.text(0);
}

MemberSearch::MemberSearch(const std::vector<MemberCriterion>& criteria)
    : FieldCriteria(FieldText::AsStored) {
    for (const MemberCriterion& criterion : criteria)
        add(criterion.field, criterion.typed);
}

MemberListResult searchMembers(const QString& path, const MemberSearch& search,
                               const ScanProgress& progress) {
    MemberListResult result;
    scanMembers(path, progress, result, [&](QByteArrayView record, qint64 position) {
        if (search.matches(record))
            listLine(result.entries, record, position);
    });
    return result;
}

std::optional<bool> isInExpiryList(ExpiryList list, QStringView expiry, QStringView notice,
                                   const QDate& today) {
    return inExpiryList(list, calendarDate(expiry), notice, today.toJulianDay());
}

MemberListResult expiryListOfFile(const QString& path, ExpiryList list, const QDate& today,
                                  const ScanProgress& progress) {
    MemberListResult result;
    const qint64 todayNumber = today.toJulianDay();
    scanMembers(path, progress, result, [&](QByteArrayView record, qint64 position) {
        const ShortField<MemberFields::Preavviso.capacity> notice(record, MemberFields::Preavviso);
        const std::optional<bool> listed =
            inExpiryList(list, calendarDate(storedBytes(record, MemberFields::DataSca)),
                         notice.text(), todayNumber);
        if (!listed)
            ++result.skippedRecords;
        else if (*listed)
            listLine(result.entries, record, position);
    });
    return result;
}

std::array<QString, ReceiptRecord::HeaderLines> payerLinesOf(const MemberRecord& member) {
    const QChar blank = QLatin1Char(' ');
    return {trimBlanks(member.Dipendente), trimBlanks(member.Indirizzo),
            trimBlanks(member.Cap) + blank + trimBlanks(member.Citta) + blank +
                trimBlanks(member.Prov),
            QStringLiteral("Tel. ") + trimBlanks(member.Recapito),
            QStringLiteral("Codice fiscale: ") + trimBlanks(member.CodFisc)};
}
