#include "receipts/TfrmExpRicevute.h"
#include "receipts/TfrmRicevute.h"
#include "storage/ProgramFolder.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/ExportWindowTests.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

// Every payer line filled, and a second item further down.
ReceiptRecord receipt(int number, const QString& date, const QString& flag) {
    ReceiptRecord stored =
        sampleReceipt(QString::number(number), QStringLiteral("Cliente %1").arg(number),
                      QStringLiteral("Quota sociale"), flag);
    stored.Data = date;
    stored.CliRigo[1] = QStringLiteral("Via Po 3");
    stored.CliRigo[2] = QStringLiteral("10123 Torino TO");
    stored.CliRigo[3] = QStringLiteral("Tel. 011 556677");
    stored.CliRigo[4] = QStringLiteral("Codice fiscale: BNCLCU80A41L219X");
    stored.Descrizione[4] = QStringLiteral("Noleggio deriva");
    stored.Importo[4] = QStringLiteral("100,50");
    stored.Totale = QStringLiteral("125,50");
    return stored;
}

} // namespace

class TestReceiptExport : public QObject, ReceiptEditorFixture {
    Q_OBJECT

    QString exportPath() const {
        return t.programFolder() + QStringLiteral("/Riepilogo_Ricevute.xls");
    }

    // Opens the export from the receipt editor's button and hands the live window to drive.
    void openExport(const std::function<void(TfrmExpRicevute&)>& drive) {
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* window = qobject_cast<TfrmExpRicevute*>(&dialog);
            QVERIFY(window);
            QVERIFY(waitUntilActive(window));
            drive(*window);
            click(window->cmdEsci);
        });
        click(editor->cmdEsporta);
    }

private Q_SLOTS:
    void init() { setUpScreens(QDateTime(QDate(2027, 3, 20), QTime(9, 0))); }
    void cleanup() { tearDownScreens(); }

    // Whatever year the receipts carry in their dates.
    void gridShowsTheYearOpenInTheEditor() {
        writeReceipts(2027, {receipt(1, QStringLiteral("15/03/2027"), QStringLiteral("No")),
                             receipt(2, QStringLiteral("02/01/2026"), QStringLiteral("Sì"))});
        writeReceipts(2026, {receipt(9, QStringLiteral("10/10/2026"), QStringLiteral("No"))});
        openEditor(QStringLiteral("2027"));
        openExport([](TfrmExpRicevute& window) {
            checkTextsFit(&window);
            QCOMPARE(window.windowTitle(),
                     QStringLiteral(" Esporta archivio ricevute in Microsoft Excel"));
            QCOMPARE(window.panInfo->text(),
                     QStringLiteral("Esportazione archivio in Microsoft Excel."));
            QStringList expected{QStringLiteral("N."), QStringLiteral("Ricevuta n."),
                                 QStringLiteral("Data emissione")};
            for (int line = 1; line <= 5; ++line)
                expected.append(QStringLiteral("Dati cliente (rigo %1)").arg(line));
            for (int row = 1; row <= 14; ++row)
                expected.append(QStringLiteral("Servizio fornito %1").arg(row));
            expected += {QStringLiteral("Totale ricevuta"), QStringLiteral("Da saldare")};
            QCOMPARE(headers(window.grdRecords), expected);

            QTableView* grid = window.grdRecords;
            QCOMPARE(grid->model()->rowCount(), 2);
            QCOMPARE(cellText(grid, 1, 0), QStringLiteral("2"));
            QCOMPARE(cellText(grid, 1, 1), QStringLiteral("2"));
            QCOMPARE(cellText(grid, 1, 2), QStringLiteral("02/01/2026"));
            QCOMPARE(cellText(grid, 1, 7), QStringLiteral("Codice fiscale: BNCLCU80A41L219X"));
            QCOMPARE(cellText(grid, 1, 12), QStringLiteral("Noleggio deriva"));
            QCOMPARE(cellText(grid, 1, 22), QStringLiteral("125,50"));
            QCOMPARE(cellText(grid, 1, 23), QStringLiteral("Sì"));
        });
    }

    void onlyTheSpreadsheetColumnsCanBeCorrected() {
        writeReceipts(2027, {receipt(1, QStringLiteral("15/03/2027"), QStringLiteral("No"))});
        const QByteArray stored = fileBytes(receiptsArchivePath(2027));
        openEditor(QStringLiteral("2027"));
        QStringList editable{QStringLiteral("Data emissione"),
                             QStringLiteral("Dati cliente (rigo 5)"),
                             QStringLiteral("Totale ricevuta"), QStringLiteral("Da saldare")};
        for (int row = 5; row <= 14; ++row)
            editable.append(QStringLiteral("Servizio fornito %1").arg(row));
        openExport([&](TfrmExpRicevute& window) {
            const QStringList columns = headers(window.grdRecords);
            for (int column = 0; column < columns.size(); ++column) {
                const QString before = cellText(window.grdRecords, 0, column);
                const bool corrected =
                    correctCell(window.grdRecords, 0, column, QStringLiteral("corretto"));
                QVERIFY2(corrected == editable.contains(columns[column]),
                         qPrintable(columns[column]));
                QCOMPARE(cellText(window.grdRecords, 0, column),
                         corrected ? QStringLiteral("corretto") : before);
            }
        });
        QCOMPARE(fileBytes(receiptsArchivePath(2027)), stored);
    }

    // The receipts' file replaces its previous export and leaves the members' one alone.
    void exportWritesRiepilogoRicevute() {
        writeReceipts(2027, {receipt(1, QStringLiteral("15/03/2027"), QStringLiteral("No")),
                             receipt(2, QStringLiteral("16/03/2027"), QStringLiteral("Sì"))});
        t.writeProgramFile(QStringLiteral("Soci.xls"), "soci");
        t.writeProgramFile(QStringLiteral("Riepilogo_Ricevute.xls"), "esportazione precedente");
        openEditor(QStringLiteral("2027"));
        openExport([](TfrmExpRicevute& window) {
            QVERIFY(correctCell(window.grdRecords, 0, 23, QStringLiteral("Sì")));
            click(window.cmdEsporta);
        });
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[0].text, exportQuestion);
        QCOMPARE(t.messages[1].text, openQuestion);
        QCOMPARE(t.shellTargets, QStringList{QLatin1Char('"') + exportPath() + QLatin1Char('"')});

        const QByteArray exported = fileBytes(exportPath());
        QVERIFY(exported.startsWith("<html "));
        QVERIFY(exported.contains("<x:Name>Riepilogo Ricevute</x:Name>"));
        QVERIFY(
            exported.contains("<tr>" + textCell("1") + textCell("15/03/2027") + cell("Cliente 1")));
        QVERIFY(exported.contains(cell("Noleggio deriva") + cell("") + cell("")));
        QVERIFY(
            exported.contains(textCell("125,50") + cell("S\xEC") + "</tr><tr>" + textCell("2")));
        QVERIFY(
            exported.endsWith(textCell("125,50") + cell("S\xEC") + "</tr></table></body></html>"));
        QVERIFY(!exported.contains("Circolo Nautico") && !exported.contains("100,50"));
        QCOMPARE(fileBytes(t.programFolder() + QStringLiteral("/Soci.xls")), QByteArray("soci"));
    }

    void yearWithoutReceiptsExportsTheHeaderRowAlone() {
        openEditor(QStringLiteral("2031"));
        openExport([](TfrmExpRicevute& window) {
            QCOMPARE(window.grdRecords->model()->rowCount(), 0);
            click(window.cmdEsporta);
        });
        const QByteArray exported = fileBytes(exportPath());
        QCOMPARE(exported.count("<tr>"), 1);
        QVERIFY(exported.endsWith("Da saldare</td></tr></table></body></html>"));
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestReceiptExport tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_receipt_export.moc"
