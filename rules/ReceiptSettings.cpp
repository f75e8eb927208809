#include "rules/ReceiptSettings.h"

#include "rules/Amounts.h"
#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/TextCodec.h"

#include <QRegularExpression>
#include <QtNumeric>

namespace {

const QString numberingSection = QStringLiteral("Numerazione Ricevute");
const QString startKey = QStringLiteral("Inizio");
const QString associationSection = QStringLiteral("Dati Associazione");

QString lineKey(int index) {
    return QStringLiteral("Rigo %1").arg(index + 1);
}

} // namespace

QString numberingStartText() {
    return IniFile::load(receiptSettingsPath()).value(numberingSection, startKey);
}

void storeNumberingStart(const QString& startText) {
    IniFile settings = IniFile::load(receiptSettingsPath());
    settings.setValue(numberingSection, startKey, trimBlanks(startText));
    settings.save(receiptSettingsPath());
}

std::array<QString, 5> associationLines() {
    const IniFile settings = IniFile::load(receiptSettingsPath());
    std::array<QString, 5> lines;
    for (int i = 0; i < int(lines.size()); ++i)
        lines[i] = settings.value(associationSection, lineKey(i));
    return lines;
}

void storeAssociationLines(const std::array<QString, 5>& lines) {
    IniFile settings = IniFile::load(receiptSettingsPath());
    for (int i = 0; i < int(lines.size()); ++i)
        settings.setValue(associationSection, lineKey(i), trimBlanks(lines[i]));
    settings.save(receiptSettingsPath());
}

QString settledNumberingStart(const QString& typed) {
    const QString text = trimBlanks(typed);
    const std::optional<double> value = text.isEmpty() ? std::nullopt : readNumber(text);
    if (!value)
        return QStringLiteral("1");
    return writeNumber(roundTo(*value, 0));
}

std::optional<QString> proposedReceiptNumber(const QString& startText, qint64 receiptsInYear) {
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = trimBlanks(startText);
    qint64 start = 1;
    if (!text.isEmpty()) {
        if (!wholeNumber.match(text).hasMatch())
            return std::nullopt;
        bool fits = false;
        start = text.toLongLong(&fits);
        if (!fits)
            return std::nullopt;
    }
    qint64 number = 0;
    if (qAddOverflow(start, receiptsInYear, &number))
        return std::nullopt;
    return QString::number(number);
}
