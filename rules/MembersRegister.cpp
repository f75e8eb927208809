#include "rules/MembersRegister.h"

#include "rules/TextRules.h"
#include "storage/MemberRecord.h"
#include "storage/RecordScan.h"
#include "storage/StorageError.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr FieldSpec Indirizzo = fieldAt(memberCapacities, 7);
constexpr FieldSpec Prov = fieldAt(memberCapacities, 9);
constexpr FieldSpec Cap = fieldAt(memberCapacities, 10);

struct Column {
    const char16_t* header;
    int printedWidth;
    int sheetWidth;
};
// In the order of RegisterRow. The printed widths fill a landscape page; a longer text goes on
// more lines of its row.
constexpr std::array<Column, 8> columns{{
    {u"Tessera n.", 10, 80},
    {u"Nome e cognome", 28, 200},
    {u"Nato il", 10, 80},
    {u"Luogo di nascita", 18, 150},
    {u"Codice fiscale", 16, 140},
    {u"Residenza", 34, 300},
    {u"Incarico", 22, 150},
    {u"Scadenza", 10, 80},
}};

QStringList cellsOf(const RegisterRow& row) {
    return {row.card,    row.name,      row.birthDate, row.birthPlace,
            row.taxCode, row.residence, row.role,      row.expiry};
}

QString residenceOf(QByteArrayView record) {
    QString town = QStringList{fieldText(record, Cap), fieldText(record, MemberFields::Citta)}
                       .join(QLatin1Char(' '))
                       .trimmed();
    const QString province = fieldText(record, Prov);
    if (!province.isEmpty())
        town += QStringLiteral(" (") + province + QLatin1Char(')');
    QStringList parts{fieldText(record, Indirizzo), town.trimmed()};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

RegisterRow rowOf(QByteArrayView record) {
    return {
        fieldText(record, MemberFields::Cittadinanza), fieldText(record, MemberFields::Dipendente),
        fieldText(record, MemberFields::DataNasc),     fieldText(record, MemberFields::Luogo),
        fieldText(record, MemberFields::CodFisc),      residenceOf(record),
        fieldText(record, MemberFields::Familiari),    fieldText(record, MemberFields::DataSca)};
}

// The text in lines of at most width characters, broken after a blank where one is near
// enough; a word longer than a line is split.
QStringList wrapped(const QString& text, int width) {
    QStringList lines;
    QString rest = text.trimmed();
    while (rest.size() > width) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), width);
        if (cut <= 0)
            cut = width;
        lines << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    lines << rest;
    return lines;
}

} // namespace

bool isMemberOn(const QString& expiry, const QDate& date) {
    const QDate expires = dateFromText(expiry.trimmed());
    return !expires.isValid() || expires >= date;
}

bool cardOrderBefore(const QString& card, const QString& other) {
    if (card.isEmpty() != other.isEmpty())
        return other.isEmpty();
    bool cardIsNumber = false, otherIsNumber = false;
    const qulonglong value = card.toULongLong(&cardIsNumber);
    const qulonglong otherValue = other.toULongLong(&otherIsNumber);
    if (cardIsNumber != otherIsNumber)
        return cardIsNumber;
    if (cardIsNumber && value != otherValue)
        return value < otherValue;
    return card.compare(other, Qt::CaseInsensitive) < 0;
}

MembersRegister membersRegisterOf(const QString& archivePath, const QDate& date) {
    MembersRegister found;
    if (!QFileInfo::exists(archivePath))
        return found;
    try {
        scanRecords(archivePath, MemberRecord::Size, [&](QByteArrayView record, qint64) {
            if (isMemberOn(fieldText(record, MemberFields::DataSca), date))
                found.rows.push_back(rowOf(record));
            return true;
        });
    } catch (const StorageError&) {
        found.failed = true;
    }
    std::stable_sort(
        found.rows.begin(), found.rows.end(),
        [](const RegisterRow& a, const RegisterRow& b) { return cardOrderBefore(a.card, b.card); });
    return found;
}

QString registerTitle(const std::array<QString, 5>& associationLines, const QDate& date) {
    QStringList parts;
    for (const QString& line : associationLines)
        if (!line.trimmed().isEmpty())
            parts << line.trimmed();
    parts << QStringLiteral("Libro soci al ") + dateText(date);
    return parts.join(QStringLiteral(" - "));
}

QStringList registerLines(const std::vector<RegisterRow>& rows) {
    const auto linesOf = [](const QStringList& cells) {
        std::array<QStringList, columns.size()> wrappedCells;
        qsizetype height = 1;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            wrappedCells[i] = wrapped(cells[qsizetype(i)], columns[i].printedWidth);
            height = std::max(height, wrappedCells[i].size());
        }
        QStringList lines;
        for (qsizetype at = 0; at < height; ++at) {
            QStringList shown;
            for (std::size_t i = 0; i < columns.size(); ++i)
                shown << wrappedCells[i].value(at).leftJustified(columns[i].printedWidth);
            // Only the end is trimmed: blank cells at the start keep a continued row in place.
            QString line = shown.join(QLatin1Char(' '));
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            lines << line;
        }
        return lines;
    };
    QStringList headers;
    for (const Column& column : columns)
        headers << QString::fromUtf16(column.header);
    QStringList lines = linesOf(headers);
    for (const RegisterRow& row : rows)
        lines << linesOf(cellsOf(row));
    return lines;
}

SpreadsheetLayout registerSpreadsheet() {
    SpreadsheetLayout layout{QStringLiteral("Libro_Soci.xls"), QStringLiteral("Libro soci"), {}};
    for (const Column& column : columns) {
        const QString header = QString::fromUtf16(column.header);
        const bool keepsText =
            header != QStringLiteral("Nome e cognome") && header != QStringLiteral("Residenza");
        layout.columns.append({header, column.sheetWidth, false, keepsText});
    }
    return layout;
}

SpreadsheetTable registerTable(const std::vector<RegisterRow>& rows) {
    SpreadsheetTable table(int(columns.size()));
    table.reserveRows(qsizetype(rows.size()));
    for (const RegisterRow& row : rows)
        table.appendRow(cellsOf(row));
    return table;
}
