#include "rules/IncomeSummary.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "storage/RecordLayouts.h"
#include "tests/support/ListLineTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Receipt {
    QString number;
    QString date;
    QString payer;
    QString total;
    QString unsettled = QStringLiteral("No");
};

void appendReceipts(const QString& path, const QList<Receipt>& receipts) {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(path);
    for (const Receipt& receipt : receipts) {
        ReceiptRecord record;
        record.NumRic = receipt.number;
        record.Data = receipt.date;
        record.CliRigo[0] = receipt.payer;
        record.Descrizione[0] = QStringLiteral("Quota sociale");
        record.Importo[0] = receipt.total;
        record.Totale = receipt.total;
        record.DaSaldare = receipt.unsettled;
        file.append(record);
    }
}

CalendarDate on(const char* date) {
    return *calendarDate(QString::fromLatin1(date));
}

QStringList numbersOf(const IncomeSummary& summary) {
    QStringList numbers;
    for (const ListEntry& entry : summary.entries)
        numbers.append(entry.line.mid(8, 14).trimmed());
    return numbers;
}

const QString anyPayer;

} // namespace

class TestIncomeSummary : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    QString path;

    IncomeSummary summaryOf(const QList<Receipt>& receipts, const QString& payer, const char* start,
                            const char* end) {
        appendReceipts(path, receipts);
        return incomeSummaryOfFile(path, payer, on(start), on(end));
    }

private Q_SLOTS:
    void init() {
        path = folder.filePath(QStringLiteral("2024.ric"));
        QFile::remove(path);
    }

    // The checks in their order; each stops at the first failure with its message and box.
    void periodChecks_data() {
        QTest::addColumn<QStringList>("boxes"); // year, start day, month, end day, month
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        const auto row = [](const char* name, std::initializer_list<const char*> typed,
                            const QString& message, bool warning, PeriodField focus,
                            const char* start = "", const char* end = "") {
            QStringList boxes;
            for (const char* box : typed)
                boxes.append(QString::fromUtf8(box));
            QTest::newRow(name) << boxes << message << warning << int(focus)
                                << QString::fromLatin1(start) << QString::fromLatin1(end);
        };
        const QString notADay = QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è "
                                               "necessario indicare una data valida.");
        row("year of 3 digits comes first", {"202", "", "", "", ""},
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."), true,
            PeriodField::Year);
        row("no start day", {"2024", " ", "Marzo", "31", "Marzo"},
            QStringLiteral("Attenzione: indicare il giorno di inizio intervallo selezionandolo "
                           "dall'elenco a cascata."),
            true, PeriodField::StartDay);
        row("no start month", {"2024", "01", "", "31", "Marzo"},
            QStringLiteral("Attenzione: indicare il mese di inizio intervallo selezionandolo "
                           "dall'elenco a cascata."),
            true, PeriodField::StartMonth);
        row("no end day", {"2024", "01", "Marzo", "", "Marzo"},
            QStringLiteral("Attenzione: indicare il giorno di fine intervallo selezionandolo "
                           "dall'elenco a cascata."),
            true, PeriodField::EndDay);
        row("no end month", {"2024", "01", "Marzo", "31", ""},
            QStringLiteral("Attenzione: indicare il mese di fine intervallo selezionandolo "
                           "dall'elenco a cascata."),
            true, PeriodField::EndMonth);
        row("30 Febbraio", {"2024", "30", "Febbraio", "31", "Marzo"},
            QStringLiteral("Attenzione: la data 30/02/2024 di inizio intervallo non esiste.") +
                notADay,
            false, PeriodField::StartDay, "30/02/2024");
        row("29 Febbraio of a common year", {"2023", "29", "Febbraio", "31", "Marzo"},
            QStringLiteral("Attenzione: la data 29/02/2023 di inizio intervallo non esiste.") +
                notADay,
            false, PeriodField::StartDay, "29/02/2023");
        row("year 0000", {"0000", "01", "Gennaio", "31", "Gennaio"},
            QStringLiteral("Attenzione: la data 01/01/0000 di inizio intervallo non esiste.") +
                notADay,
            false, PeriodField::StartDay, "01/01/0000");
        row("month that is no month", {"2024", "01", "Marzolino", "31", "Marzo"},
            QStringLiteral("Attenzione: la data  di inizio intervallo non esiste.") + notADay,
            false, PeriodField::StartDay);
        row("31 Aprile", {"2024", "01", "Aprile", "31", "Aprile"},
            QStringLiteral("Attenzione: la data 31/04/2024 di fine intervallo non esiste.") +
                notADay,
            false, PeriodField::EndDay, "01/04/2024", "31/04/2024");
        row("end before start", {"2024", "15", "Giugno", "14", "Giugno"},
            QStringLiteral("Attenzione: la data di fine intervallo (14/06/2024) non può essere "
                           "anteriore a quella di inizio intervallo (15/06/2024).\n\r\n\rPer "
                           "poter visualizzare il riepilogo è necessario indicare un intervallo "
                           "di tempo valido."),
            false, PeriodField::None, "15/06/2024", "14/06/2024");
        row("compared as dates", {"2024", "05", "Dicembre", "30", "Novembre"},
            QStringLiteral("Attenzione: la data di fine intervallo (30/11/2024) non può essere "
                           "anteriore a quella di inizio intervallo (05/12/2024).\n\r\n\rPer "
                           "poter visualizzare il riepilogo è necessario indicare un intervallo "
                           "di tempo valido."),
            false, PeriodField::None, "05/12/2024", "30/11/2024");
        row("one day", {"2024", "29", "Febbraio", "29", "febbraio"}, QString(), false,
            PeriodField::None, "29/02/2024", "29/02/2024");
        row("worked case", {"2024", "01", " MARZO ", "31", "Marzo"}, QString(), false,
            PeriodField::None, "01/03/2024", "31/03/2024");
    }
    void periodChecks() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        QFETCH(bool, warning);
        QFETCH(int, focus);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const QString year = boxes[0].trimmed();
        const PeriodCheck check =
            checkPeriod({boxes[0], boxes[1], boxes[2], year, boxes[3], boxes[4], year});
        QCOMPARE(check.message, message);
        QCOMPARE(check.passed(), message.isEmpty());
        QCOMPARE(check.warning, warning);
        QCOMPARE(int(check.focus), focus);
        QCOMPARE(check.startDate, start);
        QCOMPARE(check.endDate, end);
    }

    void boxContents() {
        QCOMPARE(monthNames().size(), 12);
        QCOMPARE(monthNumber(QStringLiteral(" sETTEMBRE ")), 9);
        QCOMPARE(monthNumber(QStringLiteral("Sett")), std::nullopt);
        for (const char* day : {"01", "09", "10", "31", " 15 "})
            QVERIFY2(isDayChoice(QString::fromLatin1(day)), day);
        for (const char* day : {"", "1", "00", "32", "1a", "001", "١٢"})
            QVERIFY2(!isDayChoice(QString::fromUtf8(day)), day);
    }

    void periodIncludesBothEnds() {
        const IncomeSummary summary =
            summaryOf({{QStringLiteral("1"), QStringLiteral("29/02/2024"), QStringLiteral("A"),
                        QStringLiteral("1,00")},
                       {QStringLiteral("2"), QStringLiteral("01/03/2024"), QStringLiteral("B"),
                        QStringLiteral("2,00")},
                       {QStringLiteral("3"), QStringLiteral("31/03/2024"), QStringLiteral("C"),
                        QStringLiteral("4,00"), QStringLiteral("Sì")},
                       {QStringLiteral("4"), QStringLiteral("01/04/2024"), QStringLiteral("D"),
                        QStringLiteral("8,00")},
                       {QStringLiteral("5"), QStringLiteral("15/03/2023"), QStringLiteral("E"),
                        QStringLiteral("16,00")}},
                      anyPayer, "01/03/2024", "31/03/2024");
        QCOMPARE(numbersOf(summary), (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
        QCOMPARE(summary.entries[0].position, 2);
        QCOMPARE(summary.entries[1].line,
                 receiptLine(PayerLabel::Pagatore, QStringLiteral("3"),
                             QStringLiteral("31/03/2024"), QStringLiteral("C"),
                             QStringLiteral("Quota sociale"), QStringLiteral("4,00")));
        QCOMPARE(summary.total, 6.0);
        QCOMPARE(summary.skippedRecords, 0);
    }

    // 05/12 comes after 30/11 although its text is smaller.
    void datesAreComparedAsDates() {
        const IncomeSummary summary = summaryOf({{QStringLiteral("1"), QStringLiteral("05/12/2024"),
                                                  QStringLiteral("A"), QStringLiteral("1,00")},
                                                 {QStringLiteral("2"), QStringLiteral("29/11/2024"),
                                                  QStringLiteral("B"), QStringLiteral("1,00")}},
                                                anyPayer, "30/11/2024", "31/12/2024");
        QCOMPARE(numbersOf(summary), QStringList{QStringLiteral("1")});
    }

    void payerFilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("part of a word")
            << QStringLiteral("ross") << QStringList{QStringLiteral("1"), QStringLiteral("2")};
        QTest::newRow("letter case")
            << QStringLiteral("ROSSI") << QStringList{QStringLiteral("1"), QStringLiteral("2")};
        QTest::newRow("trailing blank needs a blank")
            << QStringLiteral("rossi ") << QStringList{QStringLiteral("1")};
        QTest::newRow("accents are not folded") << QStringLiteral("nicolò") << QStringList{};
        QTest::newRow("accented letter as stored")
            << QStringLiteral("nicolÒ") << QStringList{QStringLiteral("4")};
        QTest::newRow("blank filter takes every payer")
            << QStringLiteral("   ")
            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4")};
        QTest::newRow("nobody") << QStringLiteral("verdi") << QStringList{};
    }
    void payerFilter() {
        QFETCH(QString, filter);
        QFETCH(QStringList, listed);
        const IncomeSummary summary =
            summaryOf({{QStringLiteral("1"), QStringLiteral("02/01/2024"),
                        QStringLiteral("Rossi Mario"), QStringLiteral("1,00")},
                       {QStringLiteral("2"), QStringLiteral("02/01/2024"),
                        QStringLiteral("Marco Rossini"), QStringLiteral("1,00")},
                       {QStringLiteral("3"), QStringLiteral("02/01/2024"),
                        QStringLiteral("ROSA Anna"), QStringLiteral("1,00")},
                       {QStringLiteral("4"), QStringLiteral("02/01/2024"),
                        QStringLiteral("NICOLÒ Bianchi"), QStringLiteral("1,00")}},
                      filter, "01/01/2024", "31/12/2024");
        QCOMPARE(numbersOf(summary), listed);
        QCOMPARE(summary.total, double(listed.size()));
    }

    void totals_data() {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0,10 and 0,20")
            << QStringList{QStringLiteral("0,10"), QStringLiteral("0,20")}
            << QStringLiteral("0,30");
        QTest::newRow("10,50 and 2,00")
            << QStringList{QStringLiteral("10,50"), QStringLiteral("2,00")}
            << QStringLiteral("12,50");
        QTest::newRow("no receipts") << QStringList{} << QStringLiteral("0,00");
        QTest::newRow("ten of 12,35")
            << QStringList(10, QStringLiteral("12,35")) << QStringLiteral("123,50");
        QTest::newRow("four decimals kept")
            << QStringList{QStringLiteral("1,23456"), QStringLiteral("1")}
            << QStringLiteral("2,2346");
        QTest::newRow("mixed forms")
            << QStringList{QStringLiteral("0,1"), QStringLiteral("0,999"), QStringLiteral("7")}
            << QStringLiteral("8,099");
    }
    void totals() {
        QFETCH(QStringList, totals);
        QFETCH(QString, shown);
        QList<Receipt> receipts;
        for (const QString& total : totals)
            receipts.append({QString::number(receipts.size() + 1), QStringLiteral("10/06/2024"),
                             QStringLiteral("Rossi"), total});
        const IncomeSummary summary = summaryOf(receipts, anyPayer, "01/06/2024", "30/06/2024");
        QCOMPARE(totalShown(summary.total), shown);
    }

    // A receipt that cannot be listed is counted, never the end of the summary, and its total
    // is not in the sum; a receipt left out by the payer test is not looked at.
    void unreadableReceiptsAreSkippedAndCounted() {
        appendReceipts(path, {{QStringLiteral("1"), QStringLiteral("31/02/2024"),
                               QStringLiteral("Rossi"), QStringLiteral("100,00")},
                              {QStringLiteral("2"), QStringLiteral("10/06/2024"),
                               QStringLiteral("Rossi"), QStringLiteral("cento")},
                              {QStringLiteral("3"), QStringLiteral("10/06/2024"),
                               QStringLiteral("Rossi"), QStringLiteral("5,25")},
                              {QStringLiteral("4"), QString(), QStringLiteral("Bianchi"),
                               QStringLiteral("1,00")}});
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(ReceiptRecord::Size / 3, 'x'));
        file.close();

        const IncomeSummary filtered =
            incomeSummaryOfFile(path, QStringLiteral("rossi"), on("01/01/2024"), on("31/12/2024"));
        QCOMPARE(numbersOf(filtered), QStringList{QStringLiteral("3")});
        QCOMPARE(filtered.total, 5.25);
        QCOMPARE(filtered.skippedRecords, 2); // the incomplete record at the end is no receipt
        const IncomeSummary all =
            incomeSummaryOfFile(path, anyPayer, on("01/01/2024"), on("31/12/2024"));
        QCOMPARE(all.skippedRecords, 3);
        QVERIFY(!all.cancelled);
    }

    // The lines are written straight from the record bytes: the same text as the receipt line
    // of the other lists, whatever the fields hold.
    void linesAreTheReceiptLines() {
        appendReceipts(
            path, {{QStringLiteral("123456789012345678"), QStringLiteral("01/01/2024"),
                    QStringLiteral("Società Sportiva Dilettantistica Età Libera"),
                    QStringLiteral("1234567,89")},
                   {QString(), QStringLiteral("02/01/2024"), QString(), QStringLiteral("0,999")}});
        QByteArray raw = ReceiptRecord().toBytes();
        const auto store = [&raw](FieldSpec field, int length, const QByteArray& bytes) {
            raw[field.offset] = char(length);
            raw.replace(field.offset + 1, bytes.size(), bytes);
        };
        store(ReceiptFields::NumRic, 5, QByteArray("\t 7 \x01"));
        store(ReceiptFields::Data, 12, QByteArray("03/01/2024"));
        store(ReceiptFields::CliRigo(0), 8, QByteArray("\x80 \x8a\xe8\x9f\x81\xa0 "));
        store(ReceiptFields::Totale, 7, QByteArray(" 2,50  "));
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(raw);
        file.close();

        const IncomeSummary summary =
            incomeSummaryOfFile(path, anyPayer, on("01/01/2024"), on("31/12/2024"));
        QCOMPARE(summary.entries.size(), std::size_t(3));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const ListEntry& entry : summary.entries) {
            QVERIFY(file.seek((entry.position - 1) * ReceiptRecord::Size));
            QCOMPARE(entry.line,
                     receiptLineOf(file.read(ReceiptRecord::Size), PayerLabel::Pagatore));
        }
        QVERIFY(summary.entries[2].line.endsWith(QStringLiteral("  Totale: € 2,50")));
    }

    void missingFileIsCreatedEmpty() {
        const IncomeSummary summary =
            incomeSummaryOfFile(path, anyPayer, on("01/01/2024"), on("31/12/2024"));
        QVERIFY(summary.entries.empty());
        QCOMPARE(totalShown(summary.total), QStringLiteral("0,00"));
        QVERIFY(QFile::exists(path));
    }

    void fileThatCannotBeOpenedFails() {
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("2023.ric")));
        const IncomeSummary summary =
            incomeSummaryOfFile(folder.filePath(QStringLiteral("2023.ric")), anyPayer,
                                on("01/01/2023"), on("31/12/2023"));
        QVERIFY(summary.failed && summary.entries.empty());
    }

    void progressCanStopTheSummary() {
        ReceiptRecord record;
        record.Data = QStringLiteral("10/06/2024");
        record.Totale = QStringLiteral("1,00");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(record.toBytes().repeated(2500)); // in one write: appends are flushed
        file.close();
        QList<qint64> reports;
        const IncomeSummary summary = incomeSummaryOfFile(
            path, anyPayer, on("01/01/2024"), on("31/12/2024"), [&](qint64 read, qint64 records) {
                reports.append(read);
                return records == 2500 && read < 2000;
            });
        QVERIFY(summary.cancelled);
        QCOMPARE(reports, (QList<qint64>{1000, 2000}));
        QCOMPARE(summary.entries.size(), std::size_t(2000));
        QCOMPARE(summary.total, 2000.0);
    }

    void printedTexts() {
        QCOMPARE(payerShown(QStringLiteral("  Rossi ")), QStringLiteral("Rossi"));
        QCOMPARE(payerShown(QStringLiteral(" \t")), QStringLiteral("- - -"));
        QCOMPARE(periodShown(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")),
                 QStringLiteral("Dal   01/03/2024   al   31/03/2024"));
        QCOMPARE(summaryPrintedTitle(QStringLiteral("- - -")),
                 QStringLiteral("Riepilogo incassi - Socio / Cliente: - - -"));
        QCOMPARE(summaryClosingLines(QStringLiteral(" Dal   01/03/2024   al   31/03/2024 "),
                                     QStringLiteral("12,50 ")),
                 (QStringList{QStringLiteral("- - - - - - - - - - - - - - - -"),
                              QStringLiteral("INTERVALLO SELEZIONATO:    Dal   01/03/2024   al   "
                                             "31/03/2024"),
                              QStringLiteral("TOTALE IMPORTI INCASSATI:  € 12,50")}));
    }
};

QTEST_GUILESS_MAIN(TestIncomeSummary)

#include "tst_income_summary.moc"
