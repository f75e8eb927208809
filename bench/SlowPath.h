#pragma once

#include "rules/ReceiptLists.h"
#include "storage/MemberRecord.h"
#include "storage/ReceiptRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The answers of the list benchmarks found the slow way, apart from the scans they check: every
// record decoded whole, each test written out on the decoded texts, every line built column by
// column from them and a sorted list sorted by the plain comparison of the list order.

QList<MemberRecord> decodedMembers(const QString& path);
QList<ReceiptRecord> decodedReceipts(const QString& path);

// Whether the typed text occurs in the field, only A-Z taken equal to a-z; a text that is blank
// is no criterion and is in every field.
bool holdsTyped(const QString& field, const QString& typed);

QString slowMemberLine(const MemberRecord& member);
QString slowReceiptLine(const ReceiptRecord& receipt, PayerLabel label);
QStringList plainlySorted(QStringList lines);

// A date "dd/mm/yyyy", invalid for any other text.
QDate slowDate(const QString& text);
// An amount with a decimal comma; nothing when it is not a number.
std::optional<double> slowAmount(const QString& text);
// How the answers show a sum of amounts: two decimals and a comma.
QString slowAmountText(double amount);

// The cells of every row of a spreadsheet file written by an export, the header row first, read
// back from its markup and its Windows-1252 text.
QList<QStringList> spreadsheetRows(const QByteArray& file);

// Where two lists first differ: the first index whose items differ, or the shorter one's size.
template <class Item> qsizetype firstDifference(const QList<Item>& a, const QList<Item>& b) {
    qsizetype index = 0;
    while (index < a.size() && index < b.size() && a[index] == b[index])
        ++index;
    return index;
}
