#pragma once

#include "storage/MemberRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Members read from a CSV file, as a spreadsheet program saves it: the separator and the
// character set are found from the bytes, the columns are matched with the member's fields,
// and each row is checked with the member editor's rules before anything is appended.

enum class CsvEncoding { Utf8, Windows1252 };
struct CsvFormat {
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = QLatin1Char(';');
};
struct CsvTable {
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = QLatin1Char(';');
    QStringList header;
    QList<QStringList> rows; // without the header
    QList<int> rowLines;     // the file line each row begins on, the first line being 1
};
// UTF-8 when the bytes are valid UTF-8, else Windows-1252; ";" unless the first line holds
// more "," than ";".
CsvFormat detectCsvFormat(const QByteArray& bytes);
// The file read with the format found, or with the one the user chose. A leading byte order
// mark is dropped, empty lines are skipped; quoted cells may hold the separator, line breaks
// and doubled quotes.
CsvTable readCsv(const QByteArray& bytes);
CsvTable readCsv(const QByteArray& bytes, const CsvFormat& format);
QString encodingName(CsvEncoding encoding); // "UTF-8", "Windows-1252"

// The member fields a column can fill, in the editor's order; -1 leaves a column out.
int importFieldCount();
QString importFieldLabel(int field); // the editor's caption, "Cognome e nome", ...
// The field a header names, or -1.
int guessImportField(const QString& header);
std::vector<int> guessImportFields(const QStringList& header);

// A row turned into a member, or the reason it is refused.
struct ImportedRow {
    std::optional<MemberRecord> member;
    QString refusal;
};
// Cells are trimmed and become what the editor's boxes would make of them: the fee normalised
// as the editor does ("0,00" when empty), the codes in capitals, the days of notice "0" when
// empty. The name must be there, the expiry a valid date or empty, the days of notice digits,
// and every cell must fit its field.
ImportedRow importRow(const QStringList& cells, const std::vector<int>& fields);

struct ImportCheck {
    std::vector<MemberRecord> members;
    QStringList refusals; // "Riga 3: ...", the line of the file where the row begins
};
ImportCheck checkImport(const CsvTable& table, const std::vector<int>& fields);

// The text of the report that the user may save: the file, how many members were added and
// which rows were refused, one line each, lines ending in CR LF.
QString importReportText(const QString& csvFile, qsizetype added, const QStringList& refusals);
