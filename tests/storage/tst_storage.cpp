#include "tst_storage.h"
#include "StorageFixtures.h"

#include "storage/MemberRecord.h"
#include "storage/NativeFile.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordScan.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "storage/TextField.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

struct ExpectedField {
    int offset;
    int capacity;
    QByteArray text; // Windows-1252 bytes
};

// Empty when every field holds its length byte, its text and zeros; else the first mismatch.
QString firstMismatch(const QByteArray& record, const std::vector<ExpectedField>& fields) {
    for (const ExpectedField& field : fields) {
        const QByteArray expected = char(field.text.size()) + field.text +
                                    QByteArray(field.capacity - field.text.size(), '\0');
        const QByteArray actual = record.mid(field.offset, field.capacity + 1);
        if (actual != expected)
            return QStringLiteral("field at offset %1: %2 instead of %3")
                .arg(field.offset)
                .arg(QString::fromLatin1(actual.toHex(' ')),
                     QString::fromLatin1(expected.toHex(' ')));
    }
    return {};
}

} // namespace

void TestStorage::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    setProgramFolderForTests(dir_->path());
}

void TestStorage::cleanup() {
    NativeFile::setLockTimeoutMsForTests(0);
    setProgramFolderForTests(QString());
    // Tests take rights away from the folder; give them back so it can be removed.
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir_.reset();
}

QString TestStorage::path(const QString& name) const {
    return dir_->filePath(name);
}

void TestStorage::codePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("plain") << QStringLiteral("Rossi 12,50") << QByteArray("Rossi 12,50")
                           << QStringLiteral("Rossi 12,50");
    QTest::newRow("accented letters")
        << QStringLiteral("èàìòùÈ") << QByteArray("\xE8\xE0\xEC\xF2\xF9\xC8")
        << QStringLiteral("èàìòùÈ");
    QTest::newRow("euro and typographic quotes")
        << QStringLiteral("€ “x” – Œ") << QByteArray("\x80 \x93x\x94 \x96 \x8C")
        << QStringLiteral("€ “x” – Œ");
    QTest::newRow("nearest plain letter")
        << QStringLiteral("őŻś") << QByteArray("oZs") << QStringLiteral("oZs");
    QTest::newRow("letter without a plain form") << QStringLiteral("Łódź")
                                                 << QByteArray("?\xF3"
                                                               "dz")
                                                 << QStringLiteral("?ódz");
    QTest::newRow("ideograph") << QStringLiteral("a中b") << QByteArray("a?b")
                               << QStringLiteral("a?b");
    QTest::newRow("emoji is one character")
        << QStringLiteral("a😀b") << QByteArray("a?b") << QStringLiteral("a?b");
    QTest::newRow("decomposed accents")
        << QStringLiteral("Nicolo\u0300 e\u0301 o\u030B") << QByteArray("Nicol\xF2 \xE9 o")
        << QStringLiteral("Nicolò é o");
    QTest::newRow("accent without a composed letter")
        << QStringLiteral("x\u0302y") << QByteArray("xy") << QStringLiteral("xy");
    QTest::newRow("bytes undefined by Windows")
        << QStringLiteral("\u0081\u008D\u008F\u0090\u009D") << QByteArray("\x81\x8D\x8F\x90\x9D")
        << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
}

void TestStorage::codePage() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);

    QCOMPARE(toWindows1252(text), bytes);
    QCOMPARE(fromWindows1252(bytes), readBack);
}

void TestStorage::everyByteSurvivesRoundTrip() {
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes.append(char(byte));

    const QString text = fromWindows1252(allBytes);

    QCOMPARE(text.size(), 256);
    QCOMPARE(toWindows1252(text), allBytes);
}

void TestStorage::trimBlanks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("blanks and line ends")
        << QStringLiteral(" \t Rossi Mario \r\n") << QStringLiteral("Rossi Mario");
    QTest::newRow("control characters") << QStringLiteral("\u0001x\u001F") << QStringLiteral("x");
    QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
    QTest::newRow("no-break space stays")
        << QStringLiteral("\u00A0x\u00A0") << QStringLiteral("\u00A0x\u00A0");
}

void TestStorage::trimBlanks() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);

    QCOMPARE(::trimBlanks(text), trimmed);
}

void TestStorage::writeTextField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("trimmed") << QStringLiteral("  Rossi \t") << 50 << QByteArray("Rossi");
    QTest::newRow("longer than capacity")
        << QString(60, QLatin1Char('a')) << 50 << QByteArray(50, 'a');
    QTest::newRow("over 255 characters")
        << QString(300, QLatin1Char('z')) << 250 << QByteArray(250, 'z');
    QTest::newRow("exactly capacity") << QStringLiteral("PG") << 2 << QByteArray("PG");
    QTest::newRow("empty") << QString() << 10 << QByteArray();
    QTest::newRow("only blanks") << QStringLiteral(" \t ") << 10 << QByteArray();
    QTest::newRow("code page") << QStringLiteral("Città €") << 10 << QByteArray("Citt\xE0 \x80");
    QTest::newRow("emoji cut by characters") << QStringLiteral("😀😀😀😀") << 3 << QByteArray("???");
    QTest::newRow("cut before a blank") << QStringLiteral("ab cd") << 3 << QByteArray("ab ");
    QTest::newRow("composed accent")
        << QStringLiteral("Nicol\u00F2") << 10 << QByteArray("Nicol\xF2");
    QTest::newRow("decomposed accent")
        << QStringLiteral("Nicolo\u0300") << 10 << QByteArray("Nicol\xF2");
    // Three UTF-16 units a letter before composing.
    QTest::newRow("decomposed accents cut by letters")
        << QStringLiteral("e\u0323\u0302").repeated(4) << 3 << QByteArray("eee");
}

void TestStorage::writeTextField() {
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, stored);
    QByteArray field(1 + capacity, '\xFF'); // what an earlier record left there

    ::writeTextField(field.data(), capacity, text);

    QCOMPARE(field, char(stored.size()) + stored + QByteArray(capacity - stored.size(), '\0'));
}

void TestStorage::readTextField_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");

    QTest::newRow("text") << QByteArray("\x03"
                                        "abc\0\0",
                                        6)
                          << QStringLiteral("abc");
    QTest::newRow("older longer text after it") << QByteArray("\x02"
                                                              "abcde")
                                                << QStringLiteral("ab");
    QTest::newRow("length above capacity") << QByteArray("\xC8"
                                                         "abcde")
                                           << QStringLiteral("abcde");
    QTest::newRow("blanks dropped") << QByteArray("\x05 ab\r\n") << QStringLiteral("ab");
    QTest::newRow("code page") << QByteArray("\x03\x80\xE8\x81\0\0", 6)
                               << QStringLiteral("€è\u0081");
}

void TestStorage::readTextField() {
    QFETCH(QByteArray, field);
    QFETCH(QString, text);

    QCOMPARE(::readTextField(field.constData(), int(field.size()) - 1), text);
}

void TestStorage::memberFieldsAtTheirOffsets() {
    MemberRecord member;
    member.Dipendente = QStringLiteral("Rossi Mario");
    member.Cittadinanza = QStringLiteral("A-17");
    member.Stipendio = QStringLiteral("25,00");
    member.Luogo = QStringLiteral("Città di Castello");
    member.DataNasc = QStringLiteral("01/02/1970");
    member.CodFisc = QStringLiteral("RSSMRA70B01C745X");
    member.PartitaIva = QStringLiteral("01234567890");
    member.Indirizzo = QStringLiteral("Via Roma 1");
    member.Citta = QStringLiteral("Perugia");
    member.Prov = QStringLiteral("PG");
    member.Cap = QStringLiteral("06100");
    member.Qualifiche = QStringLiteral("Istruttore");
    member.Familiari = QStringLiteral("Tesoriere");
    member.Iban = QStringLiteral("IT60X0542811101000000123456");
    member.Note = QStringLiteral("Pagato €");
    member.DataSca = QStringLiteral("31/12/2024");
    member.Preavviso = QStringLiteral("30");
    member.Recapito = QStringLiteral("075 123456");
    member.Email = QStringLiteral("m.rossi@example.it");
    member.File = {QStringLiteral("certificato.pdf"), QStringLiteral("tessera.jpg"),
                   QStringLiteral("modulo.doc")};
    member.Desc = {QStringLiteral("Certificato medico"), QStringLiteral("Tessera"),
                   QStringLiteral("Modulo firmato è")};

    const QByteArray bytes = member.toBytes();

    QCOMPARE(bytes.size(), 2666);
    const QString mismatch = firstMismatch(bytes, {{0, 50, "Rossi Mario"},
                                                   {51, 50, "A-17"},
                                                   {102, 12, "25,00"},
                                                   {115, 50, "Citt\xE0 di Castello"},
                                                   {166, 10, "01/02/1970"},
                                                   {177, 16, "RSSMRA70B01C745X"},
                                                   {194, 11, "01234567890"},
                                                   {206, 120, "Via Roma 1"},
                                                   {327, 50, "Perugia"},
                                                   {378, 2, "PG"},
                                                   {381, 10, "06100"},
                                                   {392, 120, "Istruttore"},
                                                   {513, 250, "Tesoriere"},
                                                   {764, 27, "IT60X0542811101000000123456"},
                                                   {792, 250, "Pagato \x80"},
                                                   {1043, 10, "31/12/2024"},
                                                   {1054, 3, "30"},
                                                   {1058, 50, "075 123456"},
                                                   {1109, 50, "m.rossi@example.it"},
                                                   {1160, 250, "certificato.pdf"},
                                                   {1411, 250, "tessera.jpg"},
                                                   {1662, 250, "modulo.doc"},
                                                   {1913, 250, "Certificato medico"},
                                                   {2164, 250, "Tessera"},
                                                   {2415, 250, "Modulo firmato \xE8"}});
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(MemberRecord::fromBytes(bytes), member);
}

void TestStorage::receiptFieldsAtTheirOffsets() {
    ReceiptRecord receipt;
    receipt.NumRic = QStringLiteral("107");
    receipt.Data = QStringLiteral("15/03/2024");
    std::vector<ExpectedField> expected = {{0, 20, "107"}, {21, 10, "15/03/2024"}};
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line) {
        receipt.LavRigo[line] = QStringLiteral("Circolo %1").arg(line + 1);
        receipt.CliRigo[line] = QStringLiteral("Socio %1").arg(line + 1);
        expected.push_back({32 + 121 * line, 120, "Circolo " + QByteArray::number(line + 1)});
        expected.push_back({637 + 121 * line, 120, "Socio " + QByteArray::number(line + 1)});
    }
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        receipt.Descrizione[row] = QStringLiteral("Quota € %1").arg(row + 1);
        receipt.Importo[row] = QStringLiteral("%1,50").arg(row + 1);
        expected.push_back({1242 + 69 * row, 55, "Quota \x80 " + QByteArray::number(row + 1)});
        expected.push_back({1298 + 69 * row, 12, QByteArray::number(row + 1) + ",50"});
    }
    receipt.Totale = QStringLiteral("125,50");
    receipt.DaSaldare = QStringLiteral("Sì");
    expected.push_back({2208, 15, "125,50"});

    const QByteArray bytes = receipt.toBytes();

    QCOMPARE(bytes.size(), 2227);
    const QString mismatch = firstMismatch(bytes, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(bytes.mid(2224), QByteArray("\x02\x53\xEC"));
    QCOMPARE(ReceiptRecord::fromBytes(bytes), receipt);
}

void TestStorage::fullReceiptRoundTrip() {
    ReceiptRecord receipt;
    receipt.NumRic = QString(20, QLatin1Char('9'));
    receipt.Data = QStringLiteral("31/12/2024");
    for (QString& line : receipt.LavRigo)
        line = QStringLiteral("àèìòù€").repeated(20);
    for (QString& line : receipt.CliRigo)
        line = QStringLiteral("ÀÈÌÒÙ").repeated(24);
    for (QString& description : receipt.Descrizione)
        description = QStringLiteral("Voce è").repeated(9) + QStringLiteral("x");
    for (QString& amount : receipt.Importo)
        amount = QStringLiteral("999999999,99");
    receipt.Totale = QStringLiteral("999999999999,99");
    receipt.DaSaldare = QStringLiteral("Sì");

    const QByteArray bytes = receipt.toBytes();

    QCOMPARE(bytes.size(), ReceiptRecord::Size);
    QCOMPARE(ReceiptRecord::fromBytes(bytes), receipt);
}

void TestStorage::wrongRecordSizeIsRejected() {
    const QString badData = errorName(StorageError::Kind::BadData);
    QString first;
    QString second;
    const std::array<TextFieldRef<QString>, 2> twoFields{{{&first, 3}, {&second, 4}}};
    for (int delta : {-1, 1}) {
        const QByteArray member(MemberRecord::Size + delta, ' ');
        const QByteArray receipt(ReceiptRecord::Size + delta, ' ');
        const QByteArray fields(9 + delta, ' ');
        QCOMPARE(raisedError([&] { MemberRecord::fromBytes(member); }), badData);
        QCOMPARE(raisedError([&] { ReceiptRecord::fromBytes(receipt); }), badData);
        QCOMPARE(raisedError([&] { decodeTextFields(fields, twoFields, "fields"); }), badData);
    }
}

void TestStorage::programFileFollowsProgramFolder() {
    QCOMPARE(programFile(QStringLiteral("Soci.pro")), dir_->path() + QStringLiteral("/Soci.pro"));

    setProgramFolderForTests(QString());

    QCOMPARE(programFolder(), QCoreApplication::applicationDirPath());
}

void TestStorage::archivePaths_data() {
    QTest::addColumn<int>("year"); // 0: the members archive
    QTest::addColumn<QString>("name");

    QTest::newRow("members") << 0 << QStringLiteral("Soci.pro");
    QTest::newRow("receipts of a year") << 2024 << QStringLiteral("2024.ric");
    QTest::newRow("year of fewer digits") << 987 << QStringLiteral("0987.ric");
}

void TestStorage::archivePaths() {
    QFETCH(int, year);
    QFETCH(QString, name);

    const QString path = year == 0 ? membersArchivePath() : receiptsArchivePath(year);

    QCOMPARE(path, dir_->filePath(name));
}

QTEST_GUILESS_MAIN(TestStorage)

// Scans read single fields straight from the bytes: the same texts as a whole decode.
void TestStorage::fieldsReadInPlaceMatchTheRecord() {
    MemberRecord member;
    member.Dipendente = QStringLiteral("Rossi Mario");
    member.Cittadinanza = QStringLiteral("T-17");
    member.Luogo = QStringLiteral("Forlì");
    member.DataNasc = QStringLiteral("01/02/1980");
    member.CodFisc = QStringLiteral("RSSMRA80B01D704X");
    member.PartitaIva = QStringLiteral("01234567890");
    member.Citta = QStringLiteral("Roma");
    member.Qualifiche = QStringLiteral("Istruttore");
    member.Familiari = QStringLiteral("Tesoriere");
    member.Note = QStringLiteral("Nota");
    member.DataSca = QStringLiteral("31/12/2026");
    member.Preavviso = QStringLiteral("30");
    member.Recapito = QStringLiteral("06 1234567");
    const QByteArray memberBytes = member.toBytes();
    const QList<QPair<FieldSpec, QString>> memberFields{
        {MemberFields::Dipendente, member.Dipendente},
        {MemberFields::Cittadinanza, member.Cittadinanza},
        {MemberFields::Luogo, member.Luogo},
        {MemberFields::DataNasc, member.DataNasc},
        {MemberFields::CodFisc, member.CodFisc},
        {MemberFields::PartitaIva, member.PartitaIva},
        {MemberFields::Citta, member.Citta},
        {MemberFields::Qualifiche, member.Qualifiche},
        {MemberFields::Familiari, member.Familiari},
        {MemberFields::Note, member.Note},
        {MemberFields::DataSca, member.DataSca},
        {MemberFields::Preavviso, member.Preavviso},
        {MemberFields::Recapito, member.Recapito}};
    for (const auto& [field, text] : memberFields)
        QCOMPARE(fieldText(memberBytes, field), text);

    ReceiptRecord receipt;
    receipt.NumRic = QStringLiteral("12");
    receipt.Data = QStringLiteral("05/05/2026");
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line)
        receipt.CliRigo[line] = QStringLiteral("Riga %1").arg(line + 1);
    receipt.Totale = QStringLiteral("125,50");
    receipt.DaSaldare = QStringLiteral("Sì");
    const QByteArray receiptBytes = receipt.toBytes();
    QCOMPARE(fieldText(receiptBytes, ReceiptFields::NumRic), receipt.NumRic);
    QCOMPARE(fieldText(receiptBytes, ReceiptFields::Data), receipt.Data);
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line)
        QCOMPARE(fieldText(receiptBytes, ReceiptFields::CliRigo(line)), receipt.CliRigo[line]);
    QCOMPARE(fieldText(receiptBytes, ReceiptFields::Totale), receipt.Totale);
    QCOMPARE(fieldText(receiptBytes, ReceiptFields::DaSaldare), receipt.DaSaldare);
}
