#include "rules/ReceiptLists.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "storage/TextCodec.h"
#include "tests/support/ListLineTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

ReceiptRecord receipt(const QString& number, const QString& payer, const QString& item,
                      const QString& flag = QStringLiteral("No")) {
    ReceiptRecord record;
    record.NumRic = number;
    record.Data = QStringLiteral("05/03/2024");
    record.LavRigo[0] = QStringLiteral("Circolo Nautico Velarno");
    record.CliRigo[0] = payer;
    record.Descrizione[0] = item;
    record.Importo[0] = QStringLiteral("25,00");
    record.Totale = QStringLiteral("25,00");
    record.DaSaldare = flag;
    return record;
}

// A field's length byte and bytes written as they are, as another program might.
void storeRaw(QByteArray& record, FieldSpec field, const QByteArray& bytes) {
    record[field.offset] = char(bytes.size());
    record.replace(field.offset + 1, bytes.size(), bytes);
}

QStringList linesOf(const ListScan& scan) {
    QStringList lines;
    for (const ListEntry& entry : scan.entries)
        lines.append(entry.line);
    return lines;
}

QList<qint64> positionsOf(const ListScan& scan) {
    QList<qint64> positions;
    for (const ListEntry& entry : scan.entries)
        positions.append(entry.position);
    return positions;
}

ReceiptCriteria criteria(std::initializer_list<std::pair<int, const char*>> typed) {
    ReceiptCriteria all;
    for (const auto& [criterion, text] : typed)
        all[std::size_t(criterion)] = QString::fromUtf8(text);
    return all;
}

enum Criterion { NumRic, Data, CliRigo01, CliRigo02 = 3, Descrizione01 = 6, Descrizione02 = 7 };

} // namespace

class TestReceiptLists : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    QString path;

    void writeFile(const QList<QByteArray>& records) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const QByteArray& record : records)
            file.write(record);
    }
    void writeReceipts(const QList<ReceiptRecord>& receipts) {
        QList<QByteArray> records;
        for (const ReceiptRecord& r : receipts)
            records.append(r.toBytes());
        writeFile(records);
    }

private Q_SLOTS:
    void init() { path = folder.filePath(QStringLiteral("2024.ric")); }
    void cleanup() { QFile::remove(path); }

    void criterionMatching_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("found");
        QTest::newRow("part of a number") << "12"
                                          << "112" << true;
        QTest::newRow("month as text") << "/03/2024"
                                       << "15/03/2024" << true;
        QTest::newRow("letter case") << "quota"
                                     << "Quota sociale" << true;
        QTest::newRow("more than the field") << "quota sociale 2024"
                                             << "Quota sociale" << false;
        QTest::newRow("typed blank") << "rossi "
                                     << "Rossi" << false;
        QTest::newRow("leading blank kept") << " neri"
                                            << "Ada Neri" << true;
        QTest::newRow("date as stored") << "1/3/2024"
                                        << "01/03/2024" << false;
        QTest::newRow("accents not folded") << "è"
                                            << "È" << false;
        QTest::newRow("accent") << "caffè"
                                << "Bar Caffè" << true;
        QTest::newRow("euro") << "€ 5"
                              << "Buono € 5" << true;
        QTest::newRow("not in the code page") << "ő"
                                              << "o" << false;
    }

    // The text rule and the reading straight from the record bytes agree on every case.
    void criterionMatching() {
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(bool, found);
        QCOMPARE(criterionFound(typed, field), found);
        for (int criterion = 0; criterion < searchedFieldCount; ++criterion) {
            const FieldSpec searched = searchedField(criterion);
            QByteArray record(ReceiptRecord::Size, '\0');
            storeRaw(record, searched, toWindows1252(field).left(searched.capacity));
            ReceiptCriteria typedIn;
            typedIn[std::size_t(criterion)] = typed;
            QCOMPARE(ReceiptMatcher(typedIn).matches(record), found);
        }
    }

    // The search looks at the stored text trimmed, and no further than its length byte says.
    void storedBytesAreReadAsAReaderReadsThem() {
        QByteArray record(ReceiptRecord::Size, '\0');
        storeRaw(record, searchedField(CliRigo01), "  Rossi\t ");
        QVERIFY(!ReceiptMatcher(criteria({{CliRigo01, "rossi "}})).matches(record));
        QVERIFY(ReceiptMatcher(criteria({{CliRigo01, "ross"}})).matches(record));
        storeRaw(record, searchedField(CliRigo01), "Bianchi");
        record.replace(searchedField(CliRigo01).offset + 8, 5, "Rossi");
        QVERIFY(!ReceiptMatcher(criteria({{CliRigo01, "rossi"}})).matches(record));
        record[searchedField(NumRic).offset] = char(250); // read as the capacity, 20
        record.replace(searchedField(NumRic).offset + 1, 23, QByteArray(20, 'A') + "ZZZ");
        QVERIFY(ReceiptMatcher(criteria({{NumRic, "aaa"}})).matches(record));
        QVERIFY(!ReceiptMatcher(criteria({{NumRic, "z"}})).matches(record));
    }

    void filledCriteria() {
        QCOMPARE(ReceiptMatcher(criteria({})).filledCriteria(), 0);
        QCOMPARE(ReceiptMatcher(criteria({{NumRic, " \t "}, {Data, "2024"}})).filledCriteria(), 1);
        QVERIFY(criterionFilled(QStringLiteral(" x ")));
        QVERIFY(!criterionFilled(QStringLiteral("  \t\r\n")));
    }

    // Each criterion searches its own field; every filled one must be found; blanks only, or
    // nothing at all, take no part.
    void searchListsMatchingReceiptsInFileOrder() {
        ReceiptRecord second = receipt(QStringLiteral("9"), QStringLiteral("Rossi Anna"),
                                       QStringLiteral("Noleggio barca"));
        second.Descrizione[1] = QStringLiteral("Quota sociale");
        writeReceipts({receipt(QStringLiteral("10"), QStringLiteral("Rossi Mario"),
                               QStringLiteral("Quota sociale")),
                       second,
                       receipt(QStringLiteral("11"), QStringLiteral("Bianchi Luca"),
                               QStringLiteral("Quota sociale 2024"))});

        QCOMPARE(positionsOf(searchReceipts(path, criteria({}))), (QList<qint64>{1, 2, 3}));
        QCOMPARE(positionsOf(searchReceipts(path, criteria({{CliRigo01, "  "}}))),
                 (QList<qint64>{1, 2, 3}));
        QCOMPARE(positionsOf(searchReceipts(path, criteria({{CliRigo01, "rossi"}}))),
                 (QList<qint64>{1, 2}));
        QCOMPARE(positionsOf(searchReceipts(
                     path, criteria({{CliRigo01, "rossi"}, {Descrizione01, "quota"}}))),
                 (QList<qint64>{1}));
        QCOMPARE(positionsOf(searchReceipts(path, criteria({{Descrizione02, "quota"}}))),
                 (QList<qint64>{2}));
        QCOMPARE(positionsOf(searchReceipts(path, criteria({{CliRigo02, "rossi"}}))),
                 (QList<qint64>{}));
        const ListScan found = searchReceipts(path, criteria({{NumRic, "1"}}));
        QCOMPARE(found.entries[0].line,
                 QStringLiteral("Ric. n. 10") + QString(12, u' ') +
                     QStringLiteral("  Data: 05/03/2024  Pagatore: Rossi Mario") +
                     QString(19, u' ') + QStringLiteral("  Servizio: Quota sociale") +
                     QString(25, u' ') + QStringLiteral("  Totale: € 25,00"));
        QCOMPARE(found.skippedRecords, 0);
        QVERIFY(!found.failed && !found.cancelled);
    }

    void missingFileIsCreatedEmpty() {
        const ListScan scan = searchReceipts(path, criteria({}));
        QVERIFY(scan.entries.empty());
        QVERIFY(!scan.failed);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFile(path).size(), 0);
        QVERIFY(unsettledReceipts(path).entries.empty());
    }

    void unsettledFlag_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("unsettled");
        QTest::newRow("Sì") << QByteArray("S\xEC") << true;
        QTest::newRow("No") << QByteArray("No") << false;
        QTest::newRow("Si") << QByteArray("Si") << false;
        QTest::newRow("SÌ") << QByteArray("S\xCC") << false;
        QTest::newRow("S") << QByteArray("S") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void unsettledFlag() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, unsettled);
        QByteArray record(ReceiptRecord::Size, '\0');
        storeRaw(record, ReceiptFields::DaSaldare, stored);
        QCOMPARE(isUnsettled(record), unsettled);
        QCOMPARE(isUnsettledFlag(fromWindows1252(stored)), unsettled);
        QCOMPARE(isUnsettledFlag(QStringLiteral(" ") + fromWindows1252(stored) + u'\t'), unsettled);
    }

    void lineFromTheRecordBytes_data() {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("payer");
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QByteArray>("total");
        QTest::newRow("plain") << QByteArray("12") << QByteArray("Rossi Mario")
                               << QByteArray("Quota sociale") << QByteArray("25,00");
        QTest::newRow("Windows-1252") << QByteArray("7\x80") << QByteArray("Caff\xE8 \x81 Nin\xF2")
                                      << QByteArray("\x93Quota\x94")
                                      << QByteArray("1\xA0"
                                                    "000,00");
        QTest::newRow("blanks and controls")
            << QByteArray(" \t12 ") << QByteArray("\r\nRossi  Mario  ") << QByteArray("  ")
            << QByteArray(" 25,00\t");
        QTest::newRow("at the capacities") << QByteArray(20, 'N') << QByteArray(120, 'P')
                                           << QByteArray(55, 'D') << QByteArray(15, '9');
        QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    }
    // Built straight from the bytes, the line is the one the column rules give for the texts.
    void lineFromTheRecordBytes() {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, payer);
        QFETCH(QByteArray, item);
        QFETCH(QByteArray, total);
        QByteArray record(ReceiptRecord::Size, '\x01');
        storeRaw(record, ReceiptFields::NumRic, number);
        storeRaw(record, ReceiptFields::Data, "05/03/2024");
        storeRaw(record, ReceiptFields::CliRigo(0), payer);
        storeRaw(record, searchedField(6), item);
        storeRaw(record, ReceiptFields::Totale, total);
        for (PayerLabel label : {PayerLabel::Cliente, PayerLabel::Pagatore}) {
            QCOMPARE(receiptLineOf(record, label),
                     receiptLine(label, fromWindows1252(number), QStringLiteral("05/03/2024"),
                                 fromWindows1252(payer), fromWindows1252(item),
                                 fromWindows1252(total)));
        }
    }

    // The example line of the unsettled list, character for character; long payers and items
    // are cut, in file order.
    void unsettledListsTheFlaggedReceiptsWithTheCustomerLabel() {
        ReceiptRecord longOne =
            receipt(QStringLiteral("13"), QStringLiteral("Associazione Sportiva Dilettantistica"),
                    QStringLiteral("Noleggio imbarcazione a vela con skipper per due giorni"),
                    QStringLiteral("Sì"));
        writeReceipts({receipt(QStringLiteral("12"), QStringLiteral("Rossi Mario"),
                               QStringLiteral("Quota sociale"), QStringLiteral("Sì")),
                       receipt(QStringLiteral("14"), QStringLiteral("Bianchi"),
                               QStringLiteral("Quota"), QStringLiteral("No")),
                       longOne});
        const ListScan scan = unsettledReceipts(path);
        QCOMPARE(positionsOf(scan), (QList<qint64>{1, 3}));
        QCOMPARE(
            linesOf(scan),
            (QStringList{QStringLiteral("Ric. n. 12") + QString(12, u' ') +
                             QStringLiteral("  Data: 05/03/2024  Cliente: Rossi Mario") +
                             QString(19, u' ') + QStringLiteral("  Servizio: Quota sociale") +
                             QString(25, u' ') + QStringLiteral("  Totale: € 25,00"),
                         QStringLiteral("Ric. n. 13") + QString(12, u' ') +
                             QStringLiteral("  Data: 05/03/2024  Cliente: Associazione "
                                            "Sportiva Dilettan  Servizio: Noleggio "
                                            "imbarcazione a vela con skipp  Totale: € 25,00")}));
    }

    // A record that would be listed but holds no date or no number as total is left out and
    // counted; one that would not be listed is not counted; nor is a whole file a problem when
    // a write that never ended left part of a record at its end, which counts as skipped.
    void recordsThatCannotBeListedAreCounted() {
        ReceiptRecord noDate = receipt(QStringLiteral("2"), QStringLiteral("Rossi"),
                                       QStringLiteral("Quota"), QStringLiteral("Sì"));
        noDate.Data = QStringLiteral("31/02/2024");
        ReceiptRecord noTotal = receipt(QStringLiteral("3"), QStringLiteral("Rossi"),
                                        QStringLiteral("Quota"), QStringLiteral("Sì"));
        noTotal.Totale = QStringLiteral("---");
        ReceiptRecord settledNoDate = noDate;
        settledNoDate.DaSaldare = QStringLiteral("No");
        settledNoDate.CliRigo[0] = QStringLiteral("Verdi");
        writeFile({receipt(QStringLiteral("1"), QStringLiteral("Rossi"), QStringLiteral("Quota"),
                           QStringLiteral("Sì"))
                       .toBytes(),
                   noDate.toBytes(), noTotal.toBytes(), settledNoDate.toBytes(),
                   receipt(QStringLiteral("5"), QStringLiteral("Rossi"), QStringLiteral("Quota"))
                       .toBytes()
                       .left(700)});

        const ListScan unsettled = unsettledReceipts(path);
        QCOMPARE(positionsOf(unsettled), (QList<qint64>{1}));
        QCOMPARE(unsettled.skippedRecords, 2); // the incomplete record at the end is no receipt
        const ListScan rossi = searchReceipts(path, criteria({{CliRigo01, "rossi"}}));
        QCOMPARE(positionsOf(rossi), (QList<qint64>{1}));
        QCOMPARE(rossi.skippedRecords, 2);
    }

    void progressIsToldAndCanStopTheScan() {
        QList<QByteArray> records;
        for (int i = 1; i <= 2500; ++i)
            records.append(receipt(QString::number(i), QStringLiteral("Rossi"),
                                   QStringLiteral("Quota"), QStringLiteral("Sì"))
                               .toBytes());
        writeFile(records);
        QList<qint64> told;
        const ListScan whole = unsettledReceipts(path, [&told](qint64 read, qint64 all) {
            told.append(read);
            return all == 2500;
        });
        QCOMPARE(whole.entries.size(), std::size_t(2500));
        QCOMPARE(told, (QList<qint64>{1000, 2000}));
        const ListScan stopped =
            searchReceipts(path, criteria({}), [](qint64, qint64) { return false; });
        QVERIFY(stopped.cancelled);
        QCOMPARE(stopped.entries.size(), std::size_t(1000));
    }

    void fileThatCannotBeOpenedFails() {
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("2025.ric")));
        const QString folderInstead = folder.filePath(QStringLiteral("2025.ric"));
        QVERIFY(searchReceipts(folderInstead, criteria({})).failed);
        QVERIFY(unsettledReceipts(folderInstead).failed);
    }
};

QTEST_GUILESS_MAIN(TestReceiptLists)
#include "tst_receipt_lists.moc"
