#include "bench/SlowPath.h"

#include "rules/ListOrder.h"
#include "storage/RecordFile.h"
#include "storage/TextCodec.h"
#include "tests/support/ListLineTexts.h"

namespace {

template <class Record> QList<Record> decodedRecords(const QString& path) {
    RecordFile<Record> file;
    file.openOrCreate(path);
    QList<Record> records;
    records.reserve(file.count());
    for (qint64 left = file.count(); left > 0; --left)
        records.append(file.read());
    return records;
}

QString asciiLowered(QString text) {
    for (QChar& character : text) {
        if (character >= QLatin1Char('A') && character <= QLatin1Char('Z'))
            character = QChar(character.unicode() + ('a' - 'A'));
    }
    return text;
}

} // namespace

QList<MemberRecord> decodedMembers(const QString& path) {
    return decodedRecords<MemberRecord>(path);
}

QList<ReceiptRecord> decodedReceipts(const QString& path) {
    return decodedRecords<ReceiptRecord>(path);
}

bool holdsTyped(const QString& field, const QString& typed) {
    return trimBlanks(typed).isEmpty() || asciiLowered(field).contains(asciiLowered(typed));
}

QString slowMemberLine(const MemberRecord& member) {
    return memberLine(member.Dipendente, member.CodFisc, member.DataSca, member.Recapito,
                      member.Note);
}

QString slowReceiptLine(const ReceiptRecord& receipt, PayerLabel label) {
    return receiptLine(label, receipt.NumRic, receipt.Data, receipt.CliRigo[0],
                       receipt.Descrizione[0], receipt.Totale);
}

QStringList plainlySorted(QStringList lines) {
    sortListTexts(lines);
    return lines;
}

QDate slowDate(const QString& text) {
    return QDate::fromString(trimBlanks(text), QStringLiteral("dd/MM/yyyy"));
}

std::optional<double> slowAmount(const QString& text) {
    bool isNumber = false;
    const double amount =
        trimBlanks(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&isNumber);
    return isNumber ? std::optional<double>(amount) : std::nullopt;
}

QString slowAmountText(double amount) {
    return QString::number(amount, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {

// "&amp;", "&lt;", "&gt;" and "&#NNNN;" back to their characters.
QString unescapedCell(const QString& cell) {
    QString text;
    for (qsizetype at = 0; at < cell.size(); ++at) {
        const qsizetype end = cell.indexOf(QLatin1Char(';'), at);
        if (cell[at] != QLatin1Char('&') || end < 0) {
            text += cell[at];
            continue;
        }
        const QString name = cell.mid(at + 1, end - at - 1);
        if (name == QStringLiteral("amp"))
            text += QLatin1Char('&');
        else if (name == QStringLiteral("lt"))
            text += QLatin1Char('<');
        else if (name == QStringLiteral("gt"))
            text += QLatin1Char('>');
        else
            text += QChar(char16_t(name.mid(1).toUInt()));
        at = end;
    }
    return text;
}

} // namespace

QList<QStringList> spreadsheetRows(const QByteArray& file) {
    QList<QStringList> rows;
    const QList<QByteArray> pieces = file.split('<');
    QStringList row;
    for (const QByteArray& piece : pieces) {
        if (piece.startsWith("tr>"))
            row.clear();
        else if (piece.startsWith("/tr>"))
            rows.append(row);
        else if (piece.startsWith("td"))
            row.append(unescapedCell(fromWindows1252(piece.mid(piece.indexOf('>') + 1))));
    }
    return rows;
}
