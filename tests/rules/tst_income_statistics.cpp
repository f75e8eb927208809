#include "rules/Amounts.h"
#include "rules/IncomeStatistics.h"
#include "rules/TextRules.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "storage/RecordLayouts.h"
#include "storage/RecordScan.h"
#include "storage/TextCodec.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Receipt {
    const char* date;
    const char* total;
};

MonthlyIncome incomeOf(const QString& year, std::initializer_list<Receipt> receipts) {
    MonthlyIncome income(year);
    for (const Receipt& receipt : receipts)
        income.addReceipt(QString::fromUtf8(receipt.date), QString::fromUtf8(receipt.total));
    return income;
}

QList<double> roundedSums(const MonthlyIncome& income) {
    QList<double> sums;
    for (int month = 1; month <= MonthlyIncome::Months; ++month)
        sums.append(income.roundedSum(month));
    return sums;
}

QList<double> onlyIn(std::initializer_list<std::pair<int, double>> months) {
    QList<double> sums(MonthlyIncome::Months, 0.0);
    for (const auto& [month, sum] : months)
        sums[month - 1] = sum;
    return sums;
}

ReceiptRecord receipt(const QString& date, const QString& total, const QString& unsettled) {
    ReceiptRecord record;
    record.NumRic = QStringLiteral("1");
    record.Data = date;
    record.LavRigo[0] = QStringLiteral("Circolo");
    record.CliRigo[0] = QStringLiteral("Mario Rossi");
    record.Descrizione[0] = QStringLiteral("Quota");
    record.Importo[0] = total;
    record.Totale = total;
    record.DaSaldare = unsettled;
    return record;
}

// Two digits, two digits and four, blanks around them ignored, read by Qt.
QDate qtDate(const QString& text) {
    static const QRegularExpression twoTwoFour(QStringLiteral("^[0-9]{2}/[0-9]{2}/[0-9]{4}$"));
    const QString trimmed = text.trimmed();
    if (!twoTwoFour.match(trimmed).hasMatch())
        return {};
    return QDate::fromString(trimmed, QStringLiteral("dd/MM/yyyy"));
}

// A field's length byte and stored bytes written as they are, as another program might.
void storeRaw(QByteArray& record, FieldSpec field, int length, const QByteArray& bytes) {
    record[field.offset] = char(length);
    record.replace(field.offset + 1, bytes.size(), bytes);
}

} // namespace

class TestIncomeStatistics : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedCase() {
        const MonthlyIncome income =
            incomeOf(QStringLiteral("2024"),
                     {{"03/01/2024", "10,50"}, {"28/01/2024", "20,25"}, {"15/03/2024", "5,49"}});
        QCOMPARE(income.sum(1), 30.75);
        QCOMPARE(income.sum(3), 5.49);
        QCOMPARE(roundedSums(income), onlyIn({{1, 31}, {3, 5}}));
        QCOMPARE(income.skippedRecords(), 0);
    }

    void sumsAreRoundedHalfUp_data() {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("30,50") << QStringList{QStringLiteral("30,50")} << 31.0;
        QTest::newRow("30,49") << QStringList{QStringLiteral("30,49")} << 30.0;
        QTest::newRow("0,50") << QStringList{QStringLiteral("0,50")} << 1.0;
        QTest::newRow("nothing") << QStringList{} << 0.0;
        // In double precision the ten amounts add up to 123,49999999999997.
        QTest::newRow("ten of 12,35 make 123,50")
            << QStringList(10, QStringLiteral("12,35")) << 124.0;
        QTest::newRow("large amounts")
            << QStringList{QStringLiteral("999999999,99"), QStringLiteral("0,51")} << 1000000001.0;
    }
    void sumsAreRoundedHalfUp() {
        QFETCH(QStringList, totals);
        QFETCH(double, rounded);
        MonthlyIncome income(QStringLiteral("2024"));
        for (const QString& total : totals)
            income.addReceipt(u"10/06/2024", total);
        QCOMPARE(income.roundedSum(6), rounded);
    }

    // Every total the number reader takes counts as it reads it, the usual ones included.
    void totalsAreReadAsNumbers_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<double>("value");
        QTest::newRow("editor's form") << QStringLiteral("125,50") << 125.5;
        QTest::newRow("price-list decimals") << QStringLiteral("0,999") << 0.999;
        QTest::newRow("whole number") << QStringLiteral("7") << 7.0;
        QTest::newRow("only decimals") << QStringLiteral(",5") << 0.5;
        QTest::newRow("blanks and sign") << QStringLiteral(" +3,25 ") << 3.25;
        QTest::newRow("exponent") << QStringLiteral("1,5E2") << 150.0;
        QTest::newRow("negative") << QStringLiteral("-2,00") << -2.0;
    }
    void totalsAreReadAsNumbers() {
        QFETCH(QString, total);
        QFETCH(double, value);
        MonthlyIncome income(QStringLiteral("2024"));
        income.addReceipt(u"01/02/2024", total);
        QCOMPARE(income.sum(2), value);
        QCOMPARE(income.skippedRecords(), 0);
    }

    // The quick reading of the editor's totals gives the very double of the number reader.
    void editorTotalsReadAsTheNumberReaderDoes() {
        QRandomGenerator random(20240315);
        for (int i = 0; i < 20000; ++i) {
            const qint64 cents = qint64(random.bounded(Q_INT64_C(1000000000000000)));
            const QString text =
                QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
            QVERIFY2(totalValue(text) == readNumber(text), qPrintable(text));
        }
        for (const QString& text : {QStringLiteral(",50"), QStringLiteral("1,5"),
                                    QStringLiteral("12,345"), QStringLiteral("1234567890123,45")})
            QCOMPARE(totalValue(text), readNumber(text));
        // Read from a record's bytes, every form gives what the text gives.
        for (const QString& text :
             {QStringLiteral(" 25,00 "), QStringLiteral("7"), QStringLiteral("-2,00"),
              QStringLiteral("1,5E2"), QStringLiteral("€ 3"), QStringLiteral(""),
              QStringLiteral("12,345")}) {
            const QByteArray stored = toWindows1252(text);
            QCOMPARE(totalValue(QByteArrayView(stored)), totalValue(QStringView(text)));
        }
    }

    void receiptsOfAnotherYearAreLeftOut() {
        const MonthlyIncome income =
            incomeOf(QStringLiteral("2024"),
                     {{"31/12/2023", "100,00"}, {"01/01/2025", "50,00"}, {"02/01/2024", "1,00"}});
        QCOMPARE(roundedSums(income), onlyIn({{1, 1}}));
        QCOMPARE(income.skippedRecords(), 0);
    }

    // Such records only come from files the editor did not write: each is skipped and counted,
    // and the receipts after it still count.
    void unreadableReceiptsAreSkippedAndCounted_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("total");
        QTest::addColumn<int>("skipped");
        QTest::newRow("no date") << QString() << QStringLiteral("5,00") << 1;
        QTest::newRow("day 32") << QStringLiteral("32/01/2024") << QStringLiteral("5,00") << 1;
        QTest::newRow("30 February") << QStringLiteral("30/02/2024") << QStringLiteral("5,00") << 1;
        QTest::newRow("month 13") << QStringLiteral("15/13/2024") << QStringLiteral("5,00") << 1;
        QTest::newRow("other separators")
            << QStringLiteral("15-03-2024") << QStringLiteral("5,00") << 1;
        QTest::newRow("one-digit day") << QStringLiteral("3/1/2024") << QStringLiteral("5,00") << 1;
        QTest::newRow("total not a number")
            << QStringLiteral("15/03/2024") << QStringLiteral("5.00") << 1;
        QTest::newRow("two commas") << QStringLiteral("15/03/2024") << QStringLiteral("1,2,3") << 1;
        QTest::newRow("no total") << QStringLiteral("15/03/2024") << QString() << 1;
        QTest::newRow("bad total in another year")
            << QStringLiteral("15/03/2023") << QStringLiteral("abc") << 0;
        QTest::newRow("29 February of a leap year")
            << QStringLiteral("29/02/2024") << QStringLiteral("5,00") << 0;
    }
    void unreadableReceiptsAreSkippedAndCounted() {
        QFETCH(QString, date);
        QFETCH(QString, total);
        QFETCH(int, skipped);
        MonthlyIncome income(QStringLiteral("2024"));
        income.addReceipt(u"10/04/2024", u"2,00");
        income.addReceipt(date, total);
        income.addReceipt(u"11/04/2024", u"3,00");
        QCOMPARE(income.skippedRecords(), skipped);
        QCOMPARE(income.sum(4), 5.0);
        if (date == QStringLiteral("29/02/2024"))
            QCOMPARE(income.sum(2), 5.0);
    }

    // The date reading takes exactly the dates "dd/mm/yyyy" of the calendar, as Qt reads them.
    void calendarDatesAreTheProgramsDates_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"01/01/2024", "31/12/1999", "29/02/2023", "29/02/2000",
                                 "00/01/2024", "15/00/2024", "1/01/2024", "01/01/24", "01/01/20245",
                                 "01.01.2024", "  07/08/2024 ", "0a/01/2024", "01/01/0000", ""})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void calendarDatesAreTheProgramsDates() {
        QFETCH(QString, text);
        const std::optional<CalendarDate> quick = calendarDate(text);
        const QDate rule = qtDate(text);
        QCOMPARE(quick.has_value(), rule.isValid());
        if (quick) {
            QCOMPARE(quick->day, rule.day());
            QCOMPARE(quick->month, rule.month());
            QCOMPARE(quick->year, rule.year());
        }
    }

    // Every day number of every month, in common and leap years and at the calendar's ends.
    void calendarDatesFollowTheCalendar() {
        for (int year : {0, 1, 1900, 2000, 2023, 2024, 2100, 2400, 9999}) {
            for (int month = 0; month <= 13; ++month) {
                for (int day = 0; day <= 32; ++day) {
                    const QString text = QStringLiteral("%1/%2/%3")
                                             .arg(day, 2, 10, QLatin1Char('0'))
                                             .arg(month, 2, 10, QLatin1Char('0'))
                                             .arg(year, 4, 10, QLatin1Char('0'));
                    QVERIFY2(calendarDate(text).has_value() == qtDate(text).isValid(),
                             qPrintable(text));
                }
            }
        }
    }

    // Records are read straight from their bytes where they hold the editor's forms, else
    // decoded: either way as the texts of their fields are read.
    void recordsReadAsTheirTexts_data() {
        QTest::addColumn<int>("dateLength");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<int>("totalLength");
        QTest::addColumn<QByteArray>("total");
        QTest::newRow("editor's forms")
            << 10 << QByteArray("05/06/2024") << 6 << QByteArray("125,50");
        QTest::newRow("another year")
            << 10 << QByteArray("05/06/2023") << 6 << QByteArray("125,50");
        QTest::newRow("blanks around")
            << 10 << QByteArray(" 5/06/2024") << 8 << QByteArray(" 7,25\t  ");
        QTest::newRow("blank first") << 10 << QByteArray("\t5/06/2024") << 4 << QByteArray("7,25");
        QTest::newRow("one decimal") << 10 << QByteArray("05/06/2024") << 4 << QByteArray("12,5");
        QTest::newRow("euro sign") << 10 << QByteArray("05/06/2024") << 5
                                   << QByteArray("\x80"
                                                 "5,00");
        QTest::newRow("length beyond the field")
            << 200 << QByteArray("05/06/2024") << 250 << QByteArray("1,00");
        QTest::newRow("bytes after the length")
            << 10 << QByteArray("05/06/2024") << 4 << QByteArray("3,00999");
        QTest::newRow("impossible date")
            << 10 << QByteArray("31/06/2024") << 4 << QByteArray("3,00");
    }
    void recordsReadAsTheirTexts() {
        QFETCH(int, dateLength);
        QFETCH(QByteArray, date);
        QFETCH(int, totalLength);
        QFETCH(QByteArray, total);
        QByteArray bytes = receipt(QString(), QString(), QStringLiteral("No")).toBytes();
        storeRaw(bytes, ReceiptFields::Data, dateLength, date);
        storeRaw(bytes, ReceiptFields::Totale, totalLength, total);
        MonthlyIncome fromBytes(QStringLiteral("2024")), fromTexts(QStringLiteral("2024"));
        fromBytes.addRecord(bytes);
        fromTexts.addReceipt(fieldText(bytes, ReceiptFields::Data),
                             fieldText(bytes, ReceiptFields::Totale));
        for (int month = 1; month <= MonthlyIncome::Months; ++month)
            QCOMPARE(fromBytes.sum(month), fromTexts.sum(month));
        QCOMPARE(fromBytes.skippedRecords(), fromTexts.skippedRecords());
    }

    // Only the date and the total are read; unsettled receipts count like the others; a record
    // cut short at the end is not a receipt, but counts as skipped.
    void yearFileIsSummedFromItsRecords() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2024.ric"));
        {
            RecordFile<ReceiptRecord> file;
            file.openOrCreate(path);
            file.append(receipt(QStringLiteral("03/01/2024"), QStringLiteral("10,50"),
                                QStringLiteral("No")));
            file.append(receipt(QStringLiteral("28/01/2024"), QStringLiteral("20,25"),
                                QStringLiteral("Sì")));
            file.append(receipt(QStringLiteral("31/12/2023"), QStringLiteral("99,00"),
                                QStringLiteral("No")));
            file.append(receipt(QStringLiteral("15/03/2024"), QStringLiteral("5,49"),
                                QStringLiteral("No")));
            file.append(
                receipt(QStringLiteral("16/03/2024"), QStringLiteral("---"), QStringLiteral("No")));
            file.append(receipt(QStringLiteral("17/03/2024"), QStringLiteral("1,00"),
                                QStringLiteral("No")));
        }
        QFile tail(path);
        QVERIFY(tail.open(QIODevice::Append));
        tail.write(
            receipt(QStringLiteral("18/03/2024"), QStringLiteral("7,00"), QStringLiteral("No"))
                .toBytes()
                .left(100));
        tail.close();

        const MonthlyIncome income = monthlyIncomeOfFile(path, QStringLiteral("2024"));
        QCOMPARE(roundedSums(income), onlyIn({{1, 31}, {3, 6}}));
        QCOMPARE(income.skippedRecords(), 1); // the incomplete record at the end is no receipt
    }

    void missingYearFileIsCreatedEmpty() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2031.ric"));
        const MonthlyIncome income = monthlyIncomeOfFile(path, QStringLiteral("2031"));
        QCOMPARE(roundedSums(income), onlyIn({}));
        QCOMPARE(income.skippedRecords(), 0);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFile(path).size(), 0);
    }

    void copiesTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("copies"); // -1: too large
        QTest::newRow("one") << QStringLiteral("1") << 1;
        QTest::newRow("several") << QStringLiteral("3") << 3;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
        QTest::newRow("zero") << QStringLiteral("0") << 0;
        QTest::newRow("empty") << QString() << 1;
        QTest::newRow("blanks") << QStringLiteral("   ") << 1;
        QTest::newRow("leading blank") << QStringLiteral(" 2") << 1;
        QTest::newRow("trailing blank") << QStringLiteral("2 ") << 1;
        QTest::newRow("minus") << QStringLiteral("-3") << 1;
        QTest::newRow("decimals") << QStringLiteral("2,5") << 1;
        QTest::newRow("letters") << QStringLiteral("due") << 1;
        QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
        QTest::newRow("beyond 32 bits") << QStringLiteral("2147483648") << -1;
        QTest::newRow("far beyond") << QStringLiteral("99999999999999999999") << -1;
    }
    void copiesTyped() {
        QFETCH(QString, typed);
        QFETCH(int, copies);
        const std::optional<int> result = copiesToPrint(typed);
        QCOMPARE(result.value_or(-1), copies);
    }
};

QTEST_GUILESS_MAIN(TestIncomeStatistics)

#include "tst_income_statistics.moc"
