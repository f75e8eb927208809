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
struct CsvTable {
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = QLatin1Char(';');
    QStringList header;
    QList<QStringList> rows; // without the header
};
// UTF-8 when the bytes are valid UTF-8 (a leading byte order mark is dropped), else
// Windows-1252; ";" unless the header holds more "," than ";". Quoted cells may hold the
// separator, line breaks and doubled quotes.
CsvTable readCsv(const QByteArray& bytes);
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
// Cells are trimmed; the fee is normalised ("0,00" when empty), the days of notice are "0"
// when empty; the name must be there, the expiry a valid date or empty, and every cell must
// fit its field.
ImportedRow importRow(const QStringList& cells, const std::vector<int>& fields);

struct ImportCheck {
    std::vector<MemberRecord> members;
    QStringList refusals; // "Riga 3: ..." numbered as in the file, the header being line 1
};
ImportCheck checkImport(const CsvTable& table, const std::vector<int>& fields);
