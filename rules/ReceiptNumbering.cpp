#include "rules/ReceiptNumbering.h"

#include "rules/ReceiptLists.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordScan.h"
#include "storage/StorageError.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <map>

namespace {

// A label names at most this many missing numbers; the rest are counted.
constexpr qint64 missingNumbersNamed = 10;

struct NumberedReceipt {
    qint64 number;
    qint64 position;
    QByteArray line;
};

bool readNumber(QByteArrayView record, qint64& number) {
    const QByteArrayView digits = trimmedField(record, ReceiptFields::NumRic);
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    bool ok = false;
    number = digits.toLongLong(&ok);
    return ok;
}

QByteArray lineBytes(QByteArrayView record) {
    ListLines line;
    writeReceiptLine(line, record, PayerLabel::Cliente);
    line.endLine(0);
    return line.bytes(0).toByteArray();
}

void findGapsAndRepeats(const std::map<qint64, std::vector<qint64>>& byNumber,
                        NumberingCheck& check, std::vector<qint64>& concernedNumbers) {
    qint64 previous = 0;
    bool first = true;
    for (const auto& [number, positions] : byNumber) {
        if (!first && number > previous + 1) {
            check.missing.emplace_back(previous + 1, number - 1);
            concernedNumbers.push_back(previous);
            concernedNumbers.push_back(number);
        }
        if (positions.size() > 1) {
            check.repeated.emplace_back(number, int(positions.size()));
            concernedNumbers.push_back(number);
        }
        previous = number;
        first = false;
    }
    std::sort(concernedNumbers.begin(), concernedNumbers.end());
    concernedNumbers.erase(std::unique(concernedNumbers.begin(), concernedNumbers.end()),
                           concernedNumbers.end());
}

} // namespace

NumberingCheck checkReceiptNumbers(const QString& path) {
    NumberingCheck check;
    if (!QFileInfo::exists(path))
        return check;
    // Only the positions are kept for every receipt; lines are written for the few concerned.
    std::map<qint64, std::vector<qint64>> byNumber;
    std::vector<NumberedReceipt> unnumbered;
    try {
        scanRecords(path, ReceiptRecord::Size, [&](QByteArrayView record, qint64 position) {
            ++check.receipts;
            qint64 number = 0;
            if (readNumber(record, number))
                byNumber[number].push_back(position);
            else
                unnumbered.push_back({0, position, lineBytes(record)});
            return true;
        });
    } catch (const StorageError&) {
        check.failed = true;
        return check;
    }
    check.notNumbers = int(unnumbered.size());
    std::vector<qint64> concernedNumbers;
    findGapsAndRepeats(byNumber, check, concernedNumbers);

    std::vector<qint64> positions;
    for (qint64 number : concernedNumbers)
        for (qint64 position : byNumber[number])
            positions.push_back(position);
    std::map<qint64, QByteArray> lines;
    if (!positions.empty()) {
        std::sort(positions.begin(), positions.end());
        try {
            scanRecords(path, ReceiptRecord::Size, [&](QByteArrayView record, qint64 position) {
                if (std::binary_search(positions.begin(), positions.end(), position))
                    lines[position] = lineBytes(record);
                return position < positions.back();
            });
        } catch (const StorageError&) {
            check.failed = true;
            return check;
        }
    }
    for (const NumberedReceipt& receipt : unnumbered) {
        check.concerned.write(QByteArrayView(receipt.line));
        check.concerned.endLine(receipt.position);
    }
    for (qint64 number : concernedNumbers)
        for (qint64 position : byNumber[number]) {
            check.concerned.write(QByteArrayView(lines[position]));
            check.concerned.endLine(position);
        }
    return check;
}

QString numberingSummary(const NumberingCheck& check) {
    if (check.receipts == 0)
        return QStringLiteral("Nessuna ricevuta in archivio per l'anno scelto.");
    QStringList parts;
    if (!check.missing.empty()) {
        QStringList named;
        qint64 total = 0;
        for (const auto& [from, to] : check.missing) {
            for (qint64 n = from; n <= to && qint64(named.size()) < missingNumbersNamed; ++n)
                named << QString::number(n);
            total += to - from + 1;
        }
        QString text = QStringLiteral("Numeri mancanti: ") + named.join(QStringLiteral(", "));
        if (total > qint64(named.size()))
            text += QStringLiteral(" e altri ") + QString::number(total - named.size());
        parts << text;
    }
    if (!check.repeated.empty()) {
        QStringList named;
        for (const auto& [number, uses] : check.repeated)
            named << QStringLiteral("%1 (%2)").arg(number).arg(uses);
        parts << QStringLiteral("Numeri usati più volte: ") + named.join(QStringLiteral(", "));
    }
    if (check.notNumbers > 0)
        parts << QStringLiteral("Ricevute senza un numero valido: ") +
                     QString::number(check.notNumbers);
    if (parts.isEmpty())
        return QStringLiteral("Numerazione regolare: nessun numero mancante o ripetuto.");
    return parts.join(QStringLiteral(". "));
}
