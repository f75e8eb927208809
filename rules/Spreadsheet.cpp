#include "rules/Spreadsheet.h"

#include "storage/MemberRecord.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "storage/WholeFileWriter.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// The file goes out in blocks of about this size; progress is told after each one.
constexpr qsizetype blockBytes = 512 * 1024;
// Room for the longest form of a character: "&#1114111;".
constexpr qsizetype longestCharacterBytes = 10;

// The bytes of the file being made, written in place through a pointer: a large export is
// mostly copying, and this keeps it close to the speed of the disk.
class SheetBuffer {
public:
    SheetBuffer() : bytes_(2 * blockBytes, Qt::Uninitialized) {}

    // The write position, with room for at least "size" more bytes.
    char* room(qsizetype size) {
        if (used_ + size > bytes_.size())
            bytes_.resize(std::max(2 * bytes_.size(), used_ + size));
        return bytes_.data() + used_;
    }
    void advanceTo(const char* end) { used_ = end - bytes_.constData(); }
    void append(std::string_view piece) {
        char* out = room(qsizetype(piece.size()));
        advanceTo(std::copy(piece.begin(), piece.end(), out));
    }

    qsizetype size() const { return used_; }
    const char* data() const { return bytes_.constData(); }
    void clear() { used_ = 0; }

private:
    QByteArray bytes_;
    qsizetype used_ = 0;
};

// The ASCII characters that go into the file as themselves.
constexpr std::array<bool, 128> plainAscii = [] {
    std::array<bool, 128> plain{};
    for (int code = 32; code < 128; ++code)
        plain[code] = code != '&' && code != '<' && code != '>';
    return plain;
}();

char* put(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

char* putReference(char* out, char32_t code) {
    char digits[8];
    int count = 0;
    do {
        digits[count++] = char('0' + code % 10);
        code /= 10;
    } while (code > 0);
    out = put(out, "&#"sv);
    while (count > 0)
        *out++ = digits[--count];
    *out++ = ';';
    return out;
}

// One character, or a surrogate pair, from text[i]; i is left on the last unit read.
char32_t codeAt(QStringView text, qsizetype& i) {
    const QChar unit = text[i];
    if (!unit.isSurrogate())
        return unit.unicode();
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        ++i;
        return QChar::surrogateToUcs4(unit, text[i]);
    }
    return QChar::ReplacementCharacter; // half a pair is no character at all
}

// Everything but plain ASCII.
char* putSpecial(char* out, QStringView text, qsizetype& i) {
    const char16_t unit = text[i].unicode();
    switch (unit) {
    case u'&':
        return put(out, "&amp;"sv);
    case u'<':
        return put(out, "&lt;"sv);
    case u'>':
        return put(out, "&gt;"sv);
    default:
        break;
    }
    const int byte = unit >= 0x80 ? windows1252Byte(unit) : -1; // controls go as references
    if (byte < 0)
        return putReference(out, codeAt(text, i));
    *out++ = char(byte);
    return out;
}

void appendCellText(SheetBuffer& out, QStringView text, bool composed = false) {
    text = trimmedBlanks(text);
    char* const start = out.room(text.size() * longestCharacterBytes);
    char* p = start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 && plainAscii[unit]) {
            *p++ = char(unit);
        } else if (!composed && unit >= 0x300 && QChar::isMark(unit)) {
            // An accent typed as a separate mark: joined to its letter first, as in the archives.
            appendCellText(out, composeAccents(text.toString()), true);
            return;
        } else {
            p = putSpecial(p, text, i);
        }
    }
    out.advanceTo(p);
}

void appendHead(SheetBuffer& out, const SpreadsheetLayout& layout) {
    out.append("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
               "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
               "xmlns=\"http://www.w3.org/TR/REC-html40\">"
               "<head>"
               "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
               "<!--[if gte mso 9]><xml>"
               "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
               "<x:Name>"sv);
    appendCellText(out, layout.worksheetName);
    out.append("</x:Name>"
               "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
               "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
               "<x:ProtectContents>False</x:ProtectContents>"
               "<x:ProtectObjects>False</x:ProtectObjects>"
               "<x:ProtectScenarios>False</x:ProtectScenarios>"
               "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
               "</xml><![endif]--></head><body><table x:str>"sv);
    out.append("<tr>"sv);
    for (const SpreadsheetColumn& column : layout.columns) {
        out.append("<td style=\"text-align: left; font-weight: bold;\" width="sv);
        out.append(std::to_string(column.width));
        out.append(">"sv);
        appendCellText(out, column.header);
        out.append("</td>"sv);
    }
    out.append("</tr>"sv);
}

// Calc's own cell format attribute: Italian, format "@" (text). Other programs ignore it.
constexpr std::string_view plainCell = "<td style=\"text-align: left;\">"sv;
constexpr std::string_view textCell = "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">"sv;

bool startsLikeFormula(QStringView text) {
    text = trimmedBlanks(text);
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@';
}

void appendDataRow(SheetBuffer& out, const SpreadsheetLayout& layout, const SpreadsheetTable& rows,
                   qsizetype row) {
    out.append("<tr>"sv);
    for (int column = 0; column < rows.columnCount(); ++column) {
        const QString& text = rows.cell(row, column);
        const bool keepsText = layout.columns[column].keepsText || startsLikeFormula(text);
        out.append(keepsText ? textCell : plainCell);
        appendCellText(out, text);
        out.append("</td>"sv);
    }
    out.append("</tr>"sv);
}

template <class Record>
bool appendArchiveRows(const QString& path, SpreadsheetTable& rows,
                       QStringList (*cells)(const Record&)) {
    try {
        RecordFile<Record> archive;
        archive.openOrCreate(path);
        rows.reserveRows(rows.rowCount() + archive.count());
        while (!archive.atEnd())
            rows.appendRow(cells(archive.read()));
        archive.close();
        return true;
    } catch (const StorageError&) {
        return false;
    }
}

void writeBlock(WholeFileWriter& file, SheetBuffer& block) {
    file.write(QByteArrayView(block.data(), block.size()));
    block.clear();
}

} // namespace

SpreadsheetLayout membersSpreadsheet() {
    enum Kind { Free, Text };
    const auto column = [](const char16_t* header, int width, bool editable, Kind kind) {
        return SpreadsheetColumn{QString::fromUtf16(header), width, editable, kind == Text};
    };
    return {QStringLiteral("Soci.xls"),
            QStringLiteral("Riepilogo Soci"),
            {
                column(u"Cognome e nome", 250, false, Free),
                column(u"Tessera n.", 200, false, Text),
                column(u"Quota associativa", 200, true, Text),
                column(u"Luogo di nascita", 250, false, Free),
                column(u"Data di nascita", 200, true, Text),
                column(u"Codice fiscale", 200, true, Text),
                column(u"Partita IVA", 180, false, Text),
                column(u"Indirizzo di residenza", 250, false, Free),
                column(u"Città", 250, false, Free),
                column(u"Prov.", 150, false, Free),
                column(u"CAP", 150, true, Text),
                column(u"Qualifiche", 300, false, Free),
                column(u"Incarico ricoperto", 250, false, Free),
                column(u"IBAN", 250, true, Text),
                column(u"Note", 400, false, Free),
                column(u"Scadenza abbonamento", 200, true, Text),
                column(u"Recapito telefonico", 200, false, Text),
                column(u"E-mail", 250, true, Free),
            }};
}

QStringList memberCells(const MemberRecord& m) {
    return {m.Dipendente, m.Cittadinanza, m.Stipendio, m.Luogo,   m.DataNasc, m.CodFisc,
            m.PartitaIva, m.Indirizzo,    m.Citta,     m.Prov,    m.Cap,      m.Qualifiche,
            m.Familiari,  m.Iban,         m.Note,      m.DataSca, m.Recapito, m.Email};
}

SpreadsheetLayout receiptsSpreadsheet() {
    SpreadsheetLayout layout{QStringLiteral("Riepilogo_Ricevute.xls"),
                             QStringLiteral("Riepilogo Ricevute"),
                             {
                                 // header, width, editable, keeps text
                                 {QStringLiteral("Ricevuta n."), 200, false, true},
                                 {QStringLiteral("Data emissione"), 200, true, true},
                             }};
    for (int line = 1; line <= ReceiptRecord::HeaderLines; ++line)
        layout.columns.append({QStringLiteral("Dati cliente (rigo %1)").arg(line), 300,
                               line == ReceiptRecord::HeaderLines});
    for (int row = 1; row <= ReceiptRecord::ItemRows; ++row)
        layout.columns.append({QStringLiteral("Servizio fornito %1").arg(row), 300, row >= 5});
    layout.columns.append({QStringLiteral("Totale ricevuta"), 250, true, true});
    layout.columns.append({QStringLiteral("Da saldare"), 180, true});
    return layout;
}

QStringList receiptCells(const ReceiptRecord& receipt) {
    QStringList cells{receipt.NumRic, receipt.Data};
    for (const QString& line : receipt.CliRigo)
        cells.append(line);
    for (const QString& description : receipt.Descrizione)
        cells.append(description);
    cells.append(receipt.Totale);
    cells.append(receipt.DaSaldare);
    return cells;
}

void SpreadsheetTable::appendRow(const QStringList& cells) {
    for (int column = 0; column < columnCount_; ++column)
        cells_.push_back(column < cells.size() ? trimBlanks(cells[column]) : QString());
}

bool appendMemberRows(const QString& archivePath, SpreadsheetTable& rows) {
    return appendArchiveRows<MemberRecord>(archivePath, rows, memberCells);
}

bool appendReceiptRows(const QString& yearFilePath, SpreadsheetTable& rows) {
    return appendArchiveRows<ReceiptRecord>(yearFilePath, rows, receiptCells);
}

QByteArray spreadsheetCellBytes(QStringView text) {
    SheetBuffer bytes;
    appendCellText(bytes, text);
    return QByteArray(bytes.data(), bytes.size());
}

SpreadsheetOutcome writeSpreadsheet(const QString& path, const SpreadsheetLayout& layout,
                                    const SpreadsheetTable& rows,
                                    const SpreadsheetProgress& progress) {
    Q_ASSERT(rows.columnCount() == layout.columns.size());
    // Leaving without commit() discards what was written.
    WholeFileWriter file(path);
    SheetBuffer block;
    appendHead(block, layout);
    for (qsizetype row = 0; row < rows.rowCount(); ++row) {
        appendDataRow(block, layout, rows, row);
        if (block.size() >= blockBytes) {
            writeBlock(file, block);
            if (progress && !progress(row + 1))
                return SpreadsheetOutcome::Cancelled;
        }
    }
    block.append("</table></body></html>"sv);
    writeBlock(file, block);
    if (progress && !progress(rows.rowCount()))
        return SpreadsheetOutcome::Cancelled;
    file.commit();
    return SpreadsheetOutcome::Written;
}
