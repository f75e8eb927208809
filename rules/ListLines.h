#pragma once

#include <QString>

// The one-line texts of the summary lists, in aligned columns.

// One line of a summary list and the position of the record it shows, so a double-click opens
// exactly that record.
struct ListEntry {
    QString line;
    qint64 position = 0;
};

// The text trimmed, filled with blanks and cut to exactly width characters.
QString paddedColumn(const QString& text, int width);

// A member: name, tax code, expiry date, telephone and the whole notes.
QString memberLine(const QString& name, const QString& taxCode, const QString& expiry,
                   const QString& telephone, const QString& notes);

// What the payer column of a receipt line is called.
enum class PayerLabel { Cliente, Pagatore };

// A receipt: number, date, payer, first item and the total as it stands.
QString receiptLine(PayerLabel label, const QString& number, const QString& date,
                    const QString& payer, const QString& firstItem, const QString& total);
