#include "members/TfrmAnagrafica.h"
#include "members/TfrmExpAnagrafica.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/ExportWindowTests.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

MemberRecord member(const QString& name, const QString& city) {
    MemberRecord card;
    card.Dipendente = name;
    card.Cittadinanza = QStringLiteral("T-%1").arg(name.size());
    card.Stipendio = QStringLiteral("25,00");
    card.Citta = city;
    card.Prov = QStringLiteral("FC");
    card.Cap = QStringLiteral("47121");
    card.Note = QStringLiteral("<b>Socio fondatore</b>");
    card.DataSca = QStringLiteral("31/12/2026");
    card.Preavviso = QStringLiteral("15");
    card.Email = QStringLiteral("socio@esempio.it");
    return card;
}

const QList<MemberRecord> threeMembers{
    member(QStringLiteral("Rossi Mario"), QStringLiteral("Forlì")),
    member(QStringLiteral("Bianchi Anna"), QStringLiteral("Cesena")),
    member(QStringLiteral("D'Angelo Niccolò"), QStringLiteral("Città di Castello")),
};

} // namespace

class TestMemberExport : public QObject, MemberEditorFixture {
    Q_OBJECT
    bool stayedOpen = false;

    QString exportPath() const { return t.programFolder() + QStringLiteral("/Soci.xls"); }

    // Opens the export from the member editor's button and hands the live window to drive; the
    // help window, opened from it, is recorded and closed.
    void openExport(const std::function<void(TfrmExpAnagrafica&)>& drive) {
        stayedOpen = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* window = qobject_cast<TfrmExpAnagrafica*>(&dialog);
            QVERIFY(window);
            QVERIFY(waitUntilActive(window));
            drive(*window);
            stayedOpen = window->isVisible();
            click(window->cmdEsci);
            QVERIFY(!window->isVisible());
        });
        click(editor->btnEsporta);
    }

private Q_SLOTS:
    void init() { showEditor(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void cleanup() { closeEditor(); }

    void gridShowsEveryCardInFileOrder() {
        writeArchive(threeMembers);
        openExport([&](TfrmExpAnagrafica& window) {
            checkTextsFit(&window);
            QCOMPARE(window.windowTitle(),
                     QStringLiteral(" Esporta archivio soci in Microsoft Excel"));
            QCOMPARE(window.panInfo->text(),
                     QStringLiteral("Esportazione archivio in Microsoft Excel."));
            QCOMPARE(window.grdRecords->model()->headerData(
                         0, Qt::Horizontal, SpreadsheetExportWindow::ColumnNameRole),
                     QStringLiteral("colNum"));
            QCOMPARE(
                headers(window.grdRecords),
                (QStringList{QStringLiteral("N."), QStringLiteral("Cognome e nome"),
                             QStringLiteral("Tessera n."), QStringLiteral("Quota associativa"),
                             QStringLiteral("Luogo di nascita"), QStringLiteral("Data di nascita"),
                             QStringLiteral("Codice fiscale"), QStringLiteral("Partita IVA"),
                             QStringLiteral("Indirizzo di residenza"), QStringLiteral("Città"),
                             QStringLiteral("Prov."), QStringLiteral("CAP"),
                             QStringLiteral("Qualifiche"), QStringLiteral("Incarico ricoperto"),
                             QStringLiteral("IBAN"), QStringLiteral("Note"),
                             QStringLiteral("Scadenza abbonamento"),
                             QStringLiteral("Recapito telefonico"), QStringLiteral("E-mail")}));
            QCOMPARE(window.grdRecords->model()->rowCount(), 3);
            for (int row = 0; row < 3; ++row) {
                QCOMPARE(cellText(window.grdRecords, row, 0), QString::number(row + 1));
                QCOMPARE(cellText(window.grdRecords, row, 1), threeMembers[row].Dipendente);
                QCOMPARE(cellText(window.grdRecords, row, 9), threeMembers[row].Citta);
            }
            QCOMPARE(cellText(window.grdRecords, 0, 16), QStringLiteral("31/12/2026"));
        });
        QVERIFY(stayedOpen);
    }

    // The archive is created empty, as by every other reader.
    void missingArchiveLeavesTheGridEmpty() {
        openExport(
            [](TfrmExpAnagrafica& window) { QCOMPARE(window.grdRecords->model()->rowCount(), 0); });
        QVERIFY(QFile::exists(membersArchivePath()));
        QCOMPARE(QFile(membersArchivePath()).size(), 0);
    }

    void onlyTheSpreadsheetColumnsCanBeCorrected() {
        writeArchive(threeMembers);
        const QByteArray archive = fileBytes(membersArchivePath());
        const QStringList editable{QStringLiteral("Quota associativa"),
                                   QStringLiteral("Data di nascita"),
                                   QStringLiteral("Codice fiscale"),
                                   QStringLiteral("CAP"),
                                   QStringLiteral("IBAN"),
                                   QStringLiteral("Scadenza abbonamento"),
                                   QStringLiteral("E-mail")};
        openExport([&](TfrmExpAnagrafica& window) {
            const QStringList columns = headers(window.grdRecords);
            for (int column = 0; column < columns.size(); ++column) {
                const QString before = cellText(window.grdRecords, 1, column);
                const bool corrected =
                    correctCell(window.grdRecords, 1, column, QStringLiteral("corretto"));
                QVERIFY2(corrected == editable.contains(columns[column]),
                         qPrintable(columns[column]));
                QCOMPARE(cellText(window.grdRecords, 1, column),
                         corrected ? QStringLiteral("corretto") : before);
            }
        });
        QCOMPARE(fileBytes(membersArchivePath()), archive);
    }

    // A cell still being typed in when the export starts is exported as typed.
    void exportWritesTheGridAndOpensTheFile() {
        writeArchive(threeMembers);
        const QByteArray archive = fileBytes(membersArchivePath());
        openExport([&](TfrmExpAnagrafica& window) {
            QVERIFY(correctCell(window.grdRecords, 0, 3, QStringLiteral("30,00")));
            QVERIFY(typeIntoCell(window.grdRecords, 2, 18, QStringLiteral(" niccolo@esempio.it ")));
            click(window.cmdEsporta);
        });
        QVERIFY(stayedOpen);
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QCOMPARE(t.messages[0].text, exportQuestion);
        QCOMPARE(t.messages[1].kind, MessageKind::Question);
        QCOMPARE(t.messages[1].text, openQuestion);
        QCOMPARE(t.shellTargets, QStringList{QLatin1Char('"') + exportPath() + QLatin1Char('"')});

        const QByteArray exported = fileBytes(exportPath());
        QVERIFY(
            exported.contains("<tr>" + cell("Rossi Mario") + textCell("T-11") + textCell("30,00")));
        QVERIFY(exported.contains("<tr>" + cell("Bianchi Anna") + textCell("T-12") +
                                  textCell("25,00")));
        QVERIFY(exported.contains(cell("D'Angelo Niccol\xF2")));
        QVERIFY(exported.contains(cell("niccolo@esempio.it") + "</tr></table></body></html>"));
        QVERIFY(exported.contains(cell("&lt;b&gt;Socio fondatore&lt;/b&gt;")));
        QCOMPARE(exported.count("<tr>"), 4);
        QCOMPARE(fileBytes(membersArchivePath()), archive);
    }

    void answersDecideWhatHappens_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no to exporting") << QList<bool>{false} << false << false;
        QTest::newRow("yes, then no to opening") << QList<bool>{true, false} << true << false;
        QTest::newRow("yes to both") << QList<bool>{true, true} << true << true;
    }
    void answersDecideWhatHappens() {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, written);
        QFETCH(bool, opened);
        writeArchive(threeMembers);
        answerQuestions(t, answers);
        openExport([](TfrmExpAnagrafica& window) { click(window.cmdEsporta); });
        QCOMPARE(t.messages.size(), answers.size());
        QCOMPARE(QFile::exists(exportPath()), written);
        QCOMPARE(t.shellTargets.size(), opened ? 1 : 0);
    }

    // A spreadsheet program holding the file, a full disk: the previous export stays whole.
    void fileThatCannotBeWrittenIsReported() {
        writeArchive(threeMembers);
        t.writeProgramFile(QStringLiteral("Soci.xls"), "esportazione precedente");
        openExport([](TfrmExpAnagrafica& window) {
            NoFileWrites diskFull;
            click(window.cmdEsporta);
        });
        QVERIFY(stayedOpen);
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[1].kind, MessageKind::Plain);
        QCOMPARE(t.messages[1].text,
                 QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                "Accertarsi che il file di Excel non sia già aperto."));
        QCOMPARE(fileBytes(exportPath()), QByteArray("esportazione precedente"));
        QVERIFY(t.shellTargets.isEmpty());
    }

    void hintLineNamesTheButtons() {
        openExport([](TfrmExpAnagrafica& window) {
            const auto moveOver = [&](QWidget* target) {
                QTest::mouseMove(window.windowHandle(),
                                 target->mapTo(&window, target->rect().center()));
            };
            moveOver(window.cmdEsporta);
            QCOMPARE(window.panInfo->text(),
                     QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
            moveOver(window.cmdGuida);
            QCOMPARE(window.panInfo->text(),
                     QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
            moveOver(window.cmdEsci);
            QCOMPARE(window.panInfo->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
            QTest::mouseMove(window.windowHandle(), QPoint(400, 575)); // between the buttons
            QCOMPARE(window.panInfo->text(), QString());
        });
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestMemberExport tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_member_export.moc"
