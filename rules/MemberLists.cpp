#include "rules/MemberLists.h"

#include "rules/IncomeStatistics.h"
#include "rules/ReceiptLists.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Progress is told every so many records: often enough for a smooth bar, rarely enough to
// cost nothing.
constexpr qint64 progressStep = 4096;

char foldedByte(char byte) {
    return (byte >= 'A' && byte <= 'Z') ? char(byte - 'A' + 'a') : byte;
}

// The stored characters of a text field as they stand, untrimmed. A length beyond the field
// reads as the whole field, as the record reader does.
QByteArrayView storedBytes(QByteArrayView record, FieldSpec field) {
    const int length =
        std::min(int(static_cast<unsigned char>(record[field.offset])), field.capacity);
    return record.sliced(field.offset + 1, length);
}

// Without the bytes 0 to 32 at both ends: every other byte stands for a character above 32,
// so this is the trimming of the decoded text.
QByteArrayView trimmedBytes(QByteArrayView bytes) {
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.chop(1);
    return bytes;
}

// Writes the columns of a member line from stored bytes into a text of the right size.
class MemberLineWriter {
public:
    // Everything but the notes: four padded columns and four labels.
    static constexpr qsizetype fixedWidth = 30 + 7 + 16 + 8 + 10 + 7 + 15 + 7;

    explicit MemberLineWriter(QChar* out) : out_(out) {}

    void padded(QByteArrayView bytes, qsizetype width) {
        const QByteArrayView trimmed = trimmedBytes(bytes);
        const QByteArrayView shown = trimmed.first(std::min(width, trimmed.size()));
        text(shown);
        std::fill(out_, out_ + (width - shown.size()), QLatin1Char(' '));
        out_ += width - shown.size();
    }
    // Windows-1252 is Latin-1 but for the bytes 0x80 to 0x9F.
    void text(QByteArrayView bytes) {
        static const QString highBytes = highByteCharacters();
        for (char byte : bytes) {
            const auto code = static_cast<unsigned char>(byte);
            *out_++ =
                (code >= 0x80 && code <= 0x9F) ? highBytes[code - 0x80] : QChar(char16_t(code));
        }
    }
    template <std::size_t N> void literal(const char16_t (&label)[N]) {
        for (std::size_t i = 0; i + 1 < N; ++i)
            *out_++ = QChar(label[i]);
    }

private:
    static QString highByteCharacters() {
        QByteArray bytes(0x20, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(0x80 + i);
        return fromWindows1252(bytes);
    }

    QChar* out_;
};

// Windows-1252 gives every character one byte, so a run of characters is a run of bytes.
bool containsFolded(QByteArrayView text, const QByteArray& foldedPattern) {
    const qsizetype last = text.size() - foldedPattern.size();
    for (qsizetype start = 0; start <= last; ++start) {
        qsizetype i = 0;
        while (i < foldedPattern.size() && foldedByte(text[start + i]) == foldedPattern[i])
            ++i;
        if (i == foldedPattern.size())
            return true;
    }
    return false;
}

QByteArray foldedBytes(const QByteArray& bytes) {
    QByteArray folded = bytes;
    std::transform(folded.begin(), folded.end(), folded.begin(), foldedByte);
    return folded;
}

// A short field of dates or numbers held in place as text, without allocating: the digits,
// blanks and separators those fields are made of are ASCII; any other byte stands for a
// character that is none of them.
template <int Capacity> class ShortField {
public:
    ShortField(QByteArrayView record, FieldSpec field) {
        Q_ASSERT(field.capacity == Capacity);
        const QByteArrayView bytes = storedBytes(record, field);
        size_ = bytes.size();
        for (qsizetype i = 0; i < size_; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            chars_[i] = byte < 0x80 ? char16_t(byte) : char16_t(0xFFFD);
        }
    }
    QStringView view() const { return QStringView(chars_, size_); }

private:
    char16_t chars_[Capacity];
    qsizetype size_;
};

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

// Visits every record with its position, tells the progress and notes a cancel. Room for a line
// of every record is made at once: untouched room costs nothing, moving many lines would.
template <class Visit>
void scanMembers(const QString& path, const ScanProgress& progress, MemberListResult& result,
                 Visit&& visit) {
    const qint64 recordsInFile = QFileInfo(path).size() / MemberRecord::Size;
    result.entries.reserve(std::size_t(recordsInFile));
    scanRecords(path, MemberRecord::Size, [&](QByteArrayView record, qint64 position) {
        visit(record, position);
        if (progress && position % progressStep == 0 && !progress(position, recordsInFile)) {
            result.cancelled = true;
            return false;
        }
        return true;
    });
}

// Left by a write that never ended: not a member, but the user should know.
int incompleteRecords(const QString& path) {
    return QFileInfo(path).size() % MemberRecord::Size != 0 ? 1 : 0;
}

} // namespace

// The same line as memberLine() of the decoded fields, written in one go: a list of many
// thousand members opens as fast as the archive is read.
QString memberLineOf(QByteArrayView record) {
    const QByteArrayView notes = trimmedBytes(storedBytes(record, MemberFields::Note));
    QString line(MemberLineWriter::fixedWidth + notes.size(), Qt::Uninitialized);
    MemberLineWriter out(line.data());
    out.padded(storedBytes(record, MemberFields::Dipendente), 30);
    out.literal(u"  C.F. ");
    out.padded(storedBytes(record, MemberFields::CodFisc), 16);
    out.literal(u"  Scad. ");
    out.padded(storedBytes(record, MemberFields::DataSca), 10);
    out.literal(u"  Tel. ");
    out.padded(storedBytes(record, MemberFields::Recapito), 15);
    out.literal(u" Note: ");
    out.text(notes);
    return line;
}

MemberSearch::MemberSearch(const std::vector<MemberCriterion>& criteria) {
    for (const MemberCriterion& criterion : criteria) {
        if (!criterionFilled(criterion.typed))
            continue;
        const QByteArray bytes = toWindows1252(criterion.typed);
        // A character that Windows-1252 lacks is in no stored field.
        const bool storable = fromWindows1252(bytes) == composeAccents(criterion.typed);
        patterns_.push_back({criterion.field, foldedBytes(bytes), storable});
    }
}

bool MemberSearch::matches(QByteArrayView record) const {
    return std::all_of(patterns_.begin(), patterns_.end(), [record](const Pattern& pattern) {
        return pattern.storable &&
               containsFolded(storedBytes(record, pattern.field), pattern.foldedBytes);
    });
}

MemberListResult searchMembers(const QString& path, const MemberSearch& search,
                               const ScanProgress& progress) {
    MemberListResult result;
    scanMembers(path, progress, result, [&](QByteArrayView record, qint64 position) {
        if (search.matches(record))
            result.entries.push_back({memberLineOf(record), position});
    });
    result.skippedRecords = incompleteRecords(path);
    return result;
}

std::optional<bool> isInExpiryList(ExpiryList list, QStringView expiry, QStringView notice,
                                   const QDate& today) {
    const std::optional<CalendarDate> expires = calendarDate(expiry);
    if (!expires)
        return std::nullopt;
    const qint64 expiryDay = dayNumber(*expires);
    if (list == ExpiryList::Expired)
        return expiryDay < today.toJulianDay();
    const std::optional<int> noticeDays = wholeNumber(notice);
    if (!noticeDays)
        return std::nullopt;
    return expiryDay - *noticeDays <= today.toJulianDay();
}

MemberListResult expiryListOfFile(const QString& path, ExpiryList list, const QDate& today,
                                  const ScanProgress& progress) {
    MemberListResult result;
    scanMembers(path, progress, result, [&](QByteArrayView record, qint64 position) {
        const ShortField<MemberFields::DataSca.capacity> expiry(record, MemberFields::DataSca);
        const ShortField<MemberFields::Preavviso.capacity> notice(record, MemberFields::Preavviso);
        const std::optional<bool> listed =
            isInExpiryList(list, expiry.view(), notice.view(), today);
        if (!listed)
            ++result.skippedRecords;
        else if (*listed)
            result.entries.push_back({memberLineOf(record), position});
    });
    result.skippedRecords += incompleteRecords(path);
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
