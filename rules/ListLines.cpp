#include "rules/ListLines.h"

#include "storage/TextCodec.h"

QString paddedColumn(const QString& text, int width) {
    return trimBlanks(text).leftJustified(width, QLatin1Char(' '), true);
}

QString memberLine(const QString& name, const QString& taxCode, const QString& expiry,
                   const QString& telephone, const QString& notes) {
    return paddedColumn(name, 30) + QStringLiteral("  C.F. ") + paddedColumn(taxCode, 16) +
           QStringLiteral("  Scad. ") + paddedColumn(expiry, 10) + QStringLiteral("  Tel. ") +
           paddedColumn(telephone, 15) + QStringLiteral(" Note: ") + trimBlanks(notes);
}

QString receiptLine(PayerLabel label, const QString& number, const QString& date,
                    const QString& payer, const QString& firstItem, const QString& total) {
    return QStringLiteral("Ric. n. ") + paddedColumn(number, 14) + QStringLiteral("  Data: ") +
           paddedColumn(date, 10) +
           (label == PayerLabel::Cliente ? QStringLiteral("  Cliente: ")
                                         : QStringLiteral("  Pagatore: ")) +
           paddedColumn(payer, 30) + QStringLiteral("  Servizio: ") + paddedColumn(firstItem, 38) +
           QStringLiteral("  Totale: € ") + trimBlanks(total);
}
