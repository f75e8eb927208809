#include "rules/MemberImport.h"

#include "rules/Amounts.h"
#include "rules/TextRules.h"
#include "storage/RecordLayouts.h"
#include "storage/TextCodec.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

struct ImportField {
    const char16_t* label;
    QString MemberRecord::*field;
    int capacityIndex;                      // in memberCapacities
    std::array<const char16_t*, 4> headers; // lower case, without blanks and punctuation
};

const std::array<ImportField, 19> importFields{{
    {u"Cognome e nome",
     &MemberRecord::Dipendente,
     0,
     {u"cognomeenome", u"nominativo", u"nome", u"socio"}},
    {u"Tessera n.", &MemberRecord::Cittadinanza, 1, {u"tessera", u"tesseran", u"ntessera", u""}},
    {u"Quota", &MemberRecord::Stipendio, 2, {u"quota", u"quotaassociativa", u"importo", u""}},
    {u"Luogo di nascita", &MemberRecord::Luogo, 3, {u"luogodinascita", u"natoa", u"luogo", u""}},
    {u"Data di nascita",
     &MemberRecord::DataNasc,
     4,
     {u"datadinascita", u"natoil", u"nascita", u""}},
    {u"Codice fiscale", &MemberRecord::CodFisc, 5, {u"codicefiscale", u"codfisc", u"cf", u""}},
    {u"Partita IVA", &MemberRecord::PartitaIva, 6, {u"partitaiva", u"piva", u"", u""}},
    {u"Indirizzo", &MemberRecord::Indirizzo, 7, {u"indirizzo", u"via", u"residenza", u""}},
    {u"Città", &MemberRecord::Citta, 8, {u"citta", u"città", u"comune", u""}},
    {u"Prov.", &MemberRecord::Prov, 9, {u"prov", u"provincia", u"", u""}},
    {u"CAP", &MemberRecord::Cap, 10, {u"cap", u"", u"", u""}},
    {u"Qualifiche", &MemberRecord::Qualifiche, 11, {u"qualifiche", u"qualifica", u"", u""}},
    {u"Incarico", &MemberRecord::Familiari, 12, {u"incarico", u"ruolo", u"carica", u""}},
    {u"IBAN", &MemberRecord::Iban, 13, {u"iban", u"", u"", u""}},
    {u"Note", &MemberRecord::Note, 14, {u"note", u"", u"", u""}},
    {u"Scadenza abbonamento",
     &MemberRecord::DataSca,
     15,
     {u"scadenzaabbonamento", u"scadenza", u"datascadenza", u""}},
    {u"Giorni preavviso",
     &MemberRecord::Preavviso,
     16,
     {u"giornipreavviso", u"preavviso", u"", u""}},
    {u"Recapito telefonico",
     &MemberRecord::Recapito,
     17,
     {u"recapitotelefonico", u"telefono", u"cellulare", u"recapito"}},
    {u"E-mail", &MemberRecord::Email, 18, {u"email", u"posta", u"mail", u""}},
}};

QString headerKey(const QString& header) {
    QString key;
    for (QChar c : header.toLower())
        if (c.isLetterOrNumber())
            key += c;
    return key;
}

QChar separatorOf(const QString& text) {
    const QString firstLine = text.left(text.indexOf(QLatin1Char('\n')));
    return firstLine.count(QLatin1Char(',')) > firstLine.count(QLatin1Char(';')) ? QLatin1Char(',')
                                                                                 : QLatin1Char(';');
}

QString decodedText(const QByteArray& bytes, CsvEncoding encoding) {
    QString text =
        encoding == CsvEncoding::Utf8 ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Each row with the line it begins on; a row counts its lines, cells' line breaks included.
void splitCsv(const QString& text, QChar separator, CsvTable& table) {
    QStringList row;
    QString cell;
    bool quoted = false;
    int line = 1;
    int rowLine = 1;
    const auto endRow = [&] {
        row << cell;
        cell.clear();
        if (row.size() > 1 || !row.first().isEmpty()) {
            table.rows << row;
            table.rowLines << rowLine;
        }
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n'))
            ++line;
        if (quoted) {
            if (c != QLatin1Char('"'))
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                cell += text[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            row << cell;
            cell.clear();
        } else if (c == QLatin1Char('\n')) {
            endRow();
            rowLine = line;
        } else if (c != QLatin1Char('\r')) {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        endRow();
}

bool isDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

CsvFormat detectCsvFormat(const QByteArray& bytes) {
    CsvFormat format;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        format.encoding = CsvEncoding::Windows1252;
        text = decodedText(bytes, format.encoding);
    }
    format.separator = separatorOf(text);
    return format;
}

CsvTable readCsv(const QByteArray& bytes) {
    return readCsv(bytes, detectCsvFormat(bytes));
}

CsvTable readCsv(const QByteArray& bytes, const CsvFormat& format) {
    CsvTable table;
    table.encoding = format.encoding;
    table.separator = format.separator;
    splitCsv(decodedText(bytes, format.encoding), format.separator, table);
    if (!table.rows.isEmpty()) {
        table.header = table.rows.takeFirst();
        table.rowLines.removeFirst();
    }
    return table;
}

QString encodingName(CsvEncoding encoding) {
    return encoding == CsvEncoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

int importFieldCount() {
    return int(importFields.size());
}

QString importFieldLabel(int field) {
    return QString::fromUtf16(importFields[std::size_t(field)].label);
}

int guessImportField(const QString& header) {
    const QString key = headerKey(header);
    if (key.isEmpty())
        return -1;
    for (std::size_t i = 0; i < importFields.size(); ++i)
        for (const char16_t* name : importFields[i].headers)
            if (key == QString::fromUtf16(name))
                return int(i);
    return -1;
}

std::vector<int> guessImportFields(const QStringList& header) {
    std::vector<int> fields;
    for (const QString& name : header) {
        const int guessed = guessImportField(name);
        const bool taken = std::find(fields.begin(), fields.end(), guessed) != fields.end();
        fields.push_back(taken ? -1 : guessed);
    }
    return fields;
}

ImportedRow importRow(const QStringList& cells, const std::vector<int>& fields) {
    MemberRecord member;
    for (std::size_t column = 0; column < fields.size(); ++column) {
        if (fields[column] < 0 || qsizetype(column) >= cells.size())
            continue;
        const ImportField& field = importFields[std::size_t(fields[column])];
        const QString text = trimBlanks(cells[qsizetype(column)]);
        if (toWindows1252(text).size() > memberCapacities[std::size_t(field.capacityIndex)])
            return {std::nullopt, QString::fromUtf16(field.label) +
                                      QStringLiteral(": testo troppo lungo (al massimo %1 "
                                                     "caratteri)")
                                          .arg(memberCapacities[std::size_t(field.capacityIndex)])};
        member.*field.field = text;
    }
    if (member.Dipendente.isEmpty())
        return {std::nullopt, QStringLiteral("manca il cognome e nome del socio")};
    if (!member.DataSca.isEmpty() && !dateFromText(member.DataSca).isValid())
        return {std::nullopt, QStringLiteral("la data di scadenza ") + member.DataSca +
                                  QStringLiteral(" non esiste (gg/mm/aaaa)")};
    if (!isDigits(member.Preavviso))
        return {std::nullopt, QStringLiteral("i giorni di preavviso ") + member.Preavviso +
                                  QStringLiteral(" non sono un numero")};
    member.Stipendio = normalizedPrice(member.Stipendio);
    for (QString* code : {&member.CodFisc, &member.Prov, &member.Iban})
        *code = upperTrimmed(*code);
    if (member.Preavviso.isEmpty())
        member.Preavviso = QStringLiteral("0");
    return {member, QString()};
}

ImportCheck checkImport(const CsvTable& table, const std::vector<int>& fields) {
    ImportCheck check;
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        ImportedRow row = importRow(table.rows[i], fields);
        if (row.member)
            check.members.push_back(*row.member);
        else
            check.refusals << QStringLiteral("Riga %1: ").arg(table.rowLines[i]) + row.refusal;
    }
    return check;
}

QString importReportText(const QString& csvFile, qsizetype added, const QStringList& refusals) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("Importazione soci dal file ") + csvFile + lineEnd +
                   QStringLiteral("Soci aggiunti all'archivio: %1").arg(added) + lineEnd +
                   QStringLiteral("Righe scartate: %1").arg(refusals.size()) + lineEnd;
    for (const QString& refusal : refusals)
        text += refusal + lineEnd;
    return text;
}
