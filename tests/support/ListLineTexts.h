#pragma once

#include "rules/ListLines.h"
#include "rules/MemberLists.h"
#include "rules/ReceiptLists.h"
#include "storage/TextCodec.h"

#include <QString>

// The lines of the member and receipt lists built from texts, column by column, to check the
// lines the scans write from record bytes.

// The text trimmed, filled with blanks and cut to exactly width characters.
inline QString paddedColumn(const QString& text, int width) {
    return trimBlanks(text).leftJustified(width, QLatin1Char(' '), true);
}

// A member: name, tax code, expiry date, telephone and the whole notes.
inline QString memberLine(const QString& name, const QString& taxCode, const QString& expiry,
                          const QString& telephone, const QString& notes) {
    return paddedColumn(name, 30) + QStringLiteral("  C.F. ") + paddedColumn(taxCode, 16) +
           QStringLiteral("  Scad. ") + paddedColumn(expiry, 10) + QStringLiteral("  Tel. ") +
           paddedColumn(telephone, 15) + QStringLiteral(" Note: ") + trimBlanks(notes);
}

// A receipt: number, date, payer, first item and the total as it stands.
inline QString receiptLine(PayerLabel label, const QString& number, const QString& date,
                           const QString& payer, const QString& firstItem, const QString& total) {
    return QStringLiteral("Ric. n. ") + paddedColumn(number, 14) + QStringLiteral("  Data: ") +
           paddedColumn(date, 10) +
           (label == PayerLabel::Cliente ? QStringLiteral("  Cliente: ")
                                         : QStringLiteral("  Pagatore: ")) +
           paddedColumn(payer, 30) + QStringLiteral("  Servizio: ") + paddedColumn(firstItem, 38) +
           QStringLiteral("  Totale: € ") + trimBlanks(total);
}

// The line a scan writes for a record.
inline QString memberLineOf(QByteArrayView record) {
    ListLines line;
    writeMemberLine(line, record);
    line.endLine(0);
    return line.text(0);
}
inline QString receiptLineOf(QByteArrayView record, PayerLabel label) {
    ListLines line;
    writeReceiptLine(line, record, label);
    line.endLine(0);
    return line.text(0);
}
