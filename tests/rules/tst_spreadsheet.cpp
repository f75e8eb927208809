#include "rules/Spreadsheet.h"
#include "storage/MemberRecord.h"
#include "storage/ReceiptRecord.h"
#include "storage/StorageError.h"
#include "tests/support/NoFileWrites.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// Everything before the header row, for any worksheet name.
QByteArray head(const QByteArray& worksheetName) {
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
           "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
           "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml>"
           "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>" +
           worksheetName +
           "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
           "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False"
           "</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>"
           "False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
           "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";
}

const QByteArray tail = "</table></body></html>";

QByteArray headerCell(const QByteArray& text, int width) {
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) +
           ">" + text + "</td>";
}

QByteArray plainCell(const QByteArray& text) {
    return "<td style=\"text-align: left;\">" + text + "</td>";
}

// A cell that LibreOffice Calc keeps as text.
QByteArray textCell(const QByteArray& text) {
    return "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">" + text + "</td>";
}

// Card number, fee, date of birth, tax code, VAT number, CAP, IBAN, expiry and telephone.
const QList<int> memberTextColumns{1, 2, 4, 5, 6, 10, 13, 15, 16};
// Number, date and total.
const QList<int> receiptTextColumns{0, 1, 21};

QByteArray dataRow(const QList<QByteArray>& cells, const QList<int>& textColumns) {
    QByteArray row = "<tr>";
    for (int column = 0; column < cells.size(); ++column)
        row += textColumns.contains(column) ? textCell(cells[column]) : plainCell(cells[column]);
    return row + "</tr>";
}

const QByteArray membersHeaderRow =
    "<tr>" + headerCell("Cognome e nome", 250) + headerCell("Tessera n.", 200) +
    headerCell("Quota associativa", 200) + headerCell("Luogo di nascita", 250) +
    headerCell("Data di nascita", 200) + headerCell("Codice fiscale", 200) +
    headerCell("Partita IVA", 180) + headerCell("Indirizzo di residenza", 250) +
    headerCell("Citt\xE0", 250) + headerCell("Prov.", 150) + headerCell("CAP", 150) +
    headerCell("Qualifiche", 300) + headerCell("Incarico ricoperto", 250) +
    headerCell("IBAN", 250) + headerCell("Note", 400) + headerCell("Scadenza abbonamento", 200) +
    headerCell("Recapito telefonico", 200) + headerCell("E-mail", 250) + "</tr>";

MemberRecord rossi() {
    MemberRecord m;
    m.Dipendente = QStringLiteral("Rossi Mario");
    m.Cittadinanza = QStringLiteral("A-1024");
    m.Stipendio = QStringLiteral("25,00");
    m.Luogo = QStringLiteral("Città di Castello");
    m.DataNasc = QStringLiteral("14/05/1972");
    m.CodFisc = QStringLiteral("RSSMRA72E14C745K");
    m.Indirizzo = QStringLiteral("Via dell'Orologio 12");
    m.Citta = QStringLiteral("Forlì");
    m.Prov = QStringLiteral("FC");
    m.Cap = QStringLiteral("47121");
    m.Qualifiche = QStringLiteral("Istruttore di vela");
    m.Familiari = QStringLiteral("Consigliere");
    m.Iban = QStringLiteral("IT60X0542811101000000123456");
    m.Note = QStringLiteral("  Quota versata con bonifico  ");
    m.DataSca = QStringLiteral("31/12/2026");
    m.Preavviso = QStringLiteral("30");
    m.Recapito = QStringLiteral("0543 123456");
    m.Email = QStringLiteral("mario.rossi@esempio.it");
    m.File[0] = QStringLiteral("tessera.pdf");
    m.Desc[0] = QStringLiteral("Tessera firmata");
    return m;
}

const QByteArray rossiRow = dataRow(
    {
        "Rossi Mario",
        "A-1024",
        "25,00",
        "Citt\xE0 di Castello",
        "14/05/1972",
        "RSSMRA72E14C745K",
        "",
        "Via dell'Orologio 12",
        "Forl\xEC",
        "FC",
        "47121",
        "Istruttore di vela",
        "Consigliere",
        "IT60X0542811101000000123456",
        "Quota versata con bonifico",
        "31/12/2026",
        "0543 123456",
        "mario.rossi@esempio.it",
    },
    memberTextColumns);

SpreadsheetTable membersTable(const QList<MemberRecord>& members) {
    SpreadsheetTable table(membersSpreadsheet().columns.size());
    for (const MemberRecord& member : members)
        table.appendRow(memberCells(member));
    return table;
}

// Rows long enough for the file to go out in several blocks.
SpreadsheetTable largeTable() {
    MemberRecord member = rossi();
    member.Note = QString(250, u'n');
    member.Qualifiche = QString(120, u'q');
    return membersTable(QList<MemberRecord>(3000, member));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The lines LibreOffice Calc writes for a sheet in which every filled cell holds text: each
// text quoted, an empty cell empty. A cell that Calc turned into a number or evaluated shows
// up unquoted, or with another text.
QStringList csvOfTextCells(const QList<QStringList>& rows) {
    QStringList lines;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& text : row) {
            fields.append(text.isEmpty() ? QString()
                                         : QLatin1Char('"') +
                                               QString(text).replace(QStringLiteral("\""),
                                                                     QStringLiteral("\"\"")) +
                                               QLatin1Char('"'));
        }
        lines.append(fields.join(QLatin1Char(',')));
    }
    return lines;
}

QList<QStringList> sheetRows(const SpreadsheetLayout& layout, const SpreadsheetTable& table) {
    QStringList headers;
    for (const SpreadsheetColumn& column : layout.columns)
        headers.append(column.header);
    QList<QStringList> rows{headers};
    for (qsizetype row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells.append(table.cell(row, column).trimmed());
        rows.append(cells);
    }
    return rows;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> folder;
    QString path;

    QStringList filesInFolder() const { return QDir(folder->path()).entryList(QDir::Files); }

private Q_SLOTS:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        folder = std::make_unique<QTemporaryDir>();
        path = folder->filePath(QStringLiteral("Soci.xls"));
    }
    void cleanup() { folder.reset(); }

    void oneMemberIsWrittenPieceByPiece() {
        QCOMPARE(writeSpreadsheet(path, membersSpreadsheet(), membersTable({rossi()})),
                 SpreadsheetOutcome::Written);
        QCOMPARE(fileBytes(path), head("Riepilogo Soci") + membersHeaderRow + rossiRow + tail);
    }

    void emptyArchiveGivesTheHeaderRowAlone() {
        writeSpreadsheet(path, membersSpreadsheet(), membersTable({}));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, head("Riepilogo Soci") + membersHeaderRow + tail);
        QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));
    }

    void receiptRowHoldsTheTwentyThreeFields() {
        ReceiptRecord receipt;
        receipt.NumRic = QStringLiteral("128");
        receipt.Data = QStringLiteral("15/03/2027");
        receipt.LavRigo[0] = QStringLiteral("Circolo Nautico Velarno"); // not exported
        receipt.CliRigo = {QStringLiteral("Bianchi Lucia"), QStringLiteral("Via Po 3"),
                           QStringLiteral("10123 Torino TO"), QStringLiteral("Tel. 011 556677"),
                           QStringLiteral("Codice fiscale: BNCLCU80A41L219X")};
        receipt.Descrizione[0] = QStringLiteral("Corso di vela");
        receipt.Importo[0] = QStringLiteral("180,00"); // not exported
        receipt.Descrizione[13] = QStringLiteral("Tessera FIV");
        receipt.Totale = QStringLiteral("210,00");
        receipt.DaSaldare = QStringLiteral("Sì");
        SpreadsheetTable table(receiptsSpreadsheet().columns.size());
        table.appendRow(receiptCells(receipt));
        path = folder->filePath(QStringLiteral("Riepilogo_Ricevute.xls"));
        writeSpreadsheet(path, receiptsSpreadsheet(), table);

        QByteArray headerRow =
            "<tr>" + headerCell("Ricevuta n.", 200) + headerCell("Data emissione", 200);
        for (int line = 1; line <= 5; ++line)
            headerRow += headerCell("Dati cliente (rigo " + QByteArray::number(line) + ")", 300);
        for (int row = 1; row <= 14; ++row)
            headerRow += headerCell("Servizio fornito " + QByteArray::number(row), 300);
        headerRow += headerCell("Totale ricevuta", 250) + headerCell("Da saldare", 180) + "</tr>";
        QList<QByteArray> cells{"128",
                                "15/03/2027",
                                "Bianchi Lucia",
                                "Via Po 3",
                                "10123 Torino TO",
                                "Tel. 011 556677",
                                "Codice fiscale: BNCLCU80A41L219X",
                                "Corso di vela"};
        for (int empty = 2; empty <= 13; ++empty)
            cells.append(QByteArray());
        cells += {"Tessera FIV", "210,00", "S\xEC"};
        QCOMPARE(fileBytes(path), head("Riepilogo Ricevute") + headerRow +
                                      dataRow(cells, receiptTextColumns) + tail);
    }

    void cellTextAsTheFileHoldsIt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("markup is escaped")
            << QStringLiteral("<b>urgente</b>") << QByteArray("&lt;b&gt;urgente&lt;/b&gt;");
        QTest::newRow("ampersand") << QStringLiteral("Bar & Co.") << QByteArray("Bar &amp; Co.");
        QTest::newRow("unsettled flag") << QStringLiteral("Sì") << QByteArray("S\xEC");
        QTest::newRow("euro and typographic quotes") << QStringLiteral("“50 €”")
                                                     << QByteArray("\x93"
                                                                   "50 \x80\x94");
        QTest::newRow("letter outside the code page")
            << QStringLiteral("Erdős") << QByteArray("Erd&#337;s");
        QTest::newRow("character outside the basic plane")
            << QStringLiteral("ok 😀") << QByteArray("ok &#128512;");
        QTest::newRow("half a surrogate pair") << QString(QChar(0xD800)) << QByteArray("&#65533;");
        QTest::newRow("accent typed as a separate mark")
            << QStringLiteral("Niccolo\u0300") << QByteArray("Niccol\xF2");
        QTest::newRow("line break inside stays off the file's lines")
            << QStringLiteral("due\r\nrighe") << QByteArray("due&#13;&#10;righe");
        QTest::newRow("blanks and control characters at the ends")
            << QStringLiteral(" \t Rossi \n") << QByteArray("Rossi");
    }
    void cellTextAsTheFileHoldsIt() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(spreadsheetCellBytes(text), bytes);
    }

    // Calc would evaluate "=1+2" and read "-5" as a number: such a cell keeps its text in any
    // column.
    void cellThatLooksLikeAFormulaKeepsItsText_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("equals") << QStringLiteral("=1+2") << textCell("=1+2");
        QTest::newRow("plus") << QStringLiteral("+39 333 1234567") << textCell("+39 333 1234567");
        QTest::newRow("minus") << QStringLiteral("-5") << textCell("-5");
        QTest::newRow("at") << QStringLiteral("@socio") << textCell("@socio");
        QTest::newRow("after blanks") << QStringLiteral("  =A1") << textCell("=A1");
        QTest::newRow("inside the text") << QStringLiteral("a=b-c") << plainCell("a=b-c");
        QTest::newRow("empty") << QString() << plainCell("");
    }
    void cellThatLooksLikeAFormulaKeepsItsText() {
        QFETCH(QString, note);
        QFETCH(QByteArray, cell);
        MemberRecord member = rossi();
        member.Note = note;
        writeSpreadsheet(path, membersSpreadsheet(), membersTable({member}));
        QVERIFY(fileBytes(path).contains(textCell("IT60X0542811101000000123456") + cell +
                                         textCell("31/12/2026")));
    }

    void markupInTheNotesReachesTheFileEscaped() {
        MemberRecord member = rossi();
        member.Note = QStringLiteral("<b>Socio onorario</b>");
        writeSpreadsheet(path, membersSpreadsheet(), membersTable({member}));
        const QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.contains(
            "<td style=\"text-align: left;\">&lt;b&gt;Socio onorario&lt;/b&gt;</td>"));
        QVERIFY(!bytes.contains("<b>"));
    }

    void correctedCellsAreWrittenTrimmed() {
        SpreadsheetTable table = membersTable({rossi(), rossi()});
        table.setCell(1, 2, QStringLiteral(" 30,00 "));
        QCOMPARE(table.cell(1, 2), QStringLiteral(" 30,00 "));
        QCOMPARE(table.cell(0, 2), QStringLiteral("25,00"));
        QCOMPARE(table.cell(1, 14), QStringLiteral("Quota versata con bonifico"));
        writeSpreadsheet(path, membersSpreadsheet(), table);
        QByteArray corrected = rossiRow;
        corrected.replace(">25,00<", ">30,00<");
        QCOMPARE(fileBytes(path),
                 head("Riepilogo Soci") + membersHeaderRow + rossiRow + corrected + tail);
    }

    void exportingAgainReplacesTheFile() {
        writeSpreadsheet(path, membersSpreadsheet(), largeTable());
        writeSpreadsheet(path, membersSpreadsheet(), membersTable({rossi()}));
        QCOMPARE(fileBytes(path), head("Riepilogo Soci") + membersHeaderRow + rossiRow + tail);
        QCOMPARE(filesInFolder(), QStringList{QStringLiteral("Soci.xls")});
    }

    void progressIsToldAsTheRowsGoOut() {
        QList<qsizetype> told;
        writeSpreadsheet(path, membersSpreadsheet(), largeTable(), [&](qsizetype rows) {
            told.append(rows);
            return true;
        });
        QVERIFY(told.size() > 2);
        QVERIFY(std::is_sorted(told.begin(), told.end()));
        QCOMPARE(told.last(), qsizetype(3000));
    }

    // The old file stays whole, and nothing half-written is left beside it.
    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("over an earlier export") << true;
        QTest::newRow("first export") << false;
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(bool, oldFile);
        if (oldFile)
            writeFile(path, "esportazione precedente");
        {
            NoFileWrites diskFull;
            QVERIFY_THROWS_EXCEPTION(StorageError,
                                     writeSpreadsheet(path, membersSpreadsheet(), largeTable()));
        }
        QCOMPARE(filesInFolder(),
                 oldFile ? QStringList{QStringLiteral("Soci.xls")} : QStringList());
        if (oldFile)
            QCOMPARE(fileBytes(path), QByteArray("esportazione precedente"));
    }

    void fileThatCannotBeCreatedIsReported() {
        try {
            writeSpreadsheet(folder->filePath(QStringLiteral("manca/Soci.xls")),
                             membersSpreadsheet(), membersTable({rossi()}));
            QFAIL("no error raised");
        } catch (const StorageError& error) {
            QCOMPARE(error.kind(), StorageError::Kind::WriteFailed);
        }
    }

    void cancelKeepsTheOldFile_data() {
        QTest::addColumn<int>("cancelAtCall");
        QTest::newRow("after the first block") << 1;
        QTest::newRow("once every row is written") << -1;
    }
    void cancelKeepsTheOldFile() {
        QFETCH(int, cancelAtCall);
        writeFile(path, "esportazione precedente");
        const SpreadsheetTable table = largeTable();
        int calls = 0;
        const auto outcome =
            writeSpreadsheet(path, membersSpreadsheet(), table, [&](qsizetype rows) {
                ++calls;
                return cancelAtCall == -1 ? rows < table.rowCount() : calls < cancelAtCall;
            });
        QCOMPARE(outcome, SpreadsheetOutcome::Cancelled);
        QCOMPARE(fileBytes(path), QByteArray("esportazione precedente"));
        QCOMPARE(filesInFolder(), QStringList{QStringLiteral("Soci.xls")});
    }
    // Both exports opened in LibreOffice Calc under an Italian locale, where "25,00" is a number
    // and a leading "=" a formula: every cell keeps the text that was exported.
    void calcReadsEveryCellAsExported() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");

        MemberRecord codes = rossi();
        codes.Cittadinanza = QStringLiteral("007");
        codes.Cap = QStringLiteral("00100");
        codes.PartitaIva = QStringLiteral("00000000588");
        codes.Recapito = QStringLiteral("+39 0543 123456");
        codes.Note = QStringLiteral("=1+2");
        codes.Qualifiche = QStringLiteral("-5");
        codes.Familiari = QStringLiteral("@socio");
        MemberRecord accents = rossi();
        accents.Dipendente = QStringLiteral("D'Angelo Niccolò");
        accents.Note = QStringLiteral("<b>Socio</b> & \"amico\"");
        accents.Iban = QString();
        const SpreadsheetTable members = membersTable({codes, accents});
        writeSpreadsheet(folder->filePath(QStringLiteral("Soci.xls")), membersSpreadsheet(),
                         members);

        ReceiptRecord receipt;
        receipt.NumRic = QStringLiteral("12");
        receipt.Data = QStringLiteral("15/03/2027");
        receipt.CliRigo[0] = QStringLiteral("Bianchi Lucia");
        receipt.Descrizione[0] = QStringLiteral("-10% sul corso");
        receipt.Totale = QStringLiteral("125,50");
        receipt.DaSaldare = QStringLiteral("Sì");
        SpreadsheetTable receipts(receiptsSpreadsheet().columns.size());
        receipts.appendRow(receiptCells(receipt));
        writeSpreadsheet(folder->filePath(QStringLiteral("Riepilogo_Ricevute.xls")),
                         receiptsSpreadsheet(), receipts);

        // Text cells quoted, numbers as they are rather than as shown, UTF-8.
        const QString csv = QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,1040,"
                                           "true,true,false");
        const QTemporaryDir home;
        QProcess calc;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
        calc.setProcessEnvironment(environment);
        calc.setWorkingDirectory(folder->path());
        calc.start(soffice,
                   {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                    QStringLiteral("-env:UserInstallation=") +
                        QUrl::fromLocalFile(home.filePath(QStringLiteral("profilo"))).toString(),
                    QStringLiteral("--convert-to"), csv, QStringLiteral("--outdir"),
                    QStringLiteral("csv"), QStringLiteral("Soci.xls"),
                    QStringLiteral("Riepilogo_Ricevute.xls")});
        if (!calc.waitForFinished(180000)) {
            calc.kill();
            calc.waitForFinished();
            QFAIL("LibreOffice did not convert the files in time");
        }
        QVERIFY2(calc.exitCode() == 0, calc.readAllStandardError().constData());

        const auto sheetLines = [&](const QString& name) {
            const QByteArray bytes = fileBytes(folder->filePath(QStringLiteral("csv/") + name));
            return QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        QCOMPARE(sheetLines(QStringLiteral("Soci.csv")),
                 csvOfTextCells(sheetRows(membersSpreadsheet(), members)));
        QCOMPARE(sheetLines(QStringLiteral("Riepilogo_Ricevute.csv")),
                 csvOfTextCells(sheetRows(receiptsSpreadsheet(), receipts)));
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)

#include "tst_spreadsheet.moc"
