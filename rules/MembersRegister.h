#pragma once

#include "rules/Spreadsheet.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The register of members an association keeps: the members on a date, ordered by card number.

struct RegisterRow {
    QString card, name, birthDate, birthPlace, taxCode, residence, role, expiry;
};

// A member belongs to the register on a date unless the subscription expired before it: no
// expiry, or one that is not a date, keeps the member in.
bool isMemberOn(const QString& expiry, const QDate& date);
// Card numbers that are whole numbers go by their value, before any other text; a member
// without a card comes last.
bool cardOrderBefore(const QString& card, const QString& other);

struct MembersRegister {
    std::vector<RegisterRow> rows;
    bool failed = false; // the archive could not be read to its end: the rows so far stay
};
// A missing archive is an empty register; it is not created.
MembersRegister membersRegisterOf(const QString& archivePath, const QDate& date);

// "Circolo Velarno - Via Roma 1 - Libro soci al 31/12/2026": the association's filled lines.
QString registerTitle(const std::array<QString, 5>& associationLines, const QDate& date);
// The printed lines in aligned columns: a heading, then each member; a text longer than its
// column goes on more lines of the member's row.
QStringList registerLines(const std::vector<RegisterRow>& rows);

// Libro_Soci.xls
SpreadsheetLayout registerSpreadsheet();
SpreadsheetTable registerTable(const std::vector<RegisterRow>& rows);
