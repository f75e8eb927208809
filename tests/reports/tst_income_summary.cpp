#include "reports/TfrmMenuRiepLavoro.h"
#include "reports/TfrmRiepLavoro.h"
#include "rules/ListLines.h"
#include "shell/ErrorMessages.h"
#include "shell/ScreenFlow.h"
#include "shell/SummaryList.h"
#include "shell/TfrmGuida.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "tests/support/ListLineTexts.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"
#include "ui/Printing.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

struct Receipt {
    QString number;
    QString date;
    QString payer;
    QString total;
};

void writeYearFile(int year, const QList<Receipt>& receipts) {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(receiptsArchivePath(year));
    for (const Receipt& receipt : receipts) {
        ReceiptRecord record;
        record.NumRic = receipt.number;
        record.Data = receipt.date;
        record.CliRigo[0] = receipt.payer;
        record.Descrizione[0] = QStringLiteral("Quota sociale");
        record.Importo[0] = receipt.total;
        record.Totale = receipt.total;
        record.DaSaldare = QStringLiteral("No");
        file.append(record);
    }
}

QString lineOf(const Receipt& receipt) {
    return receiptLine(PayerLabel::Pagatore, receipt.number, receipt.date, receipt.payer,
                       QStringLiteral("Quota sociale"), receipt.total);
}

const Receipt rossiAnna{QStringLiteral("1"), QStringLiteral("01/03/2024"),
                        QStringLiteral("Rossi Anna"), QStringLiteral("10,50")};
const Receipt bianchi{QStringLiteral("2"), QStringLiteral("15/03/2024"),
                      QStringLiteral("Bianchi Carlo"), QStringLiteral("2,00")};
const Receipt rossiBruno{QStringLiteral("3"), QStringLiteral("31/03/2024"),
                         QStringLiteral("Marco Rossini"), QStringLiteral("7,25")};

const QString yearMessage =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

} // namespace

class TestIncomeSummary : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<PersistentScreen> mainMenu;
    std::unique_ptr<TfrmMenuRiepLavoro> menu;
    int summariesOpened = 0;

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // What a click on an entry of the opened list does (the headless platform cannot grab
    // the keyboard for a popup list).
    void choose(QComboBox* box, const QString& entry) {
        box->setFocus();
        const int index = box->findText(entry);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        QCOMPARE(box->currentText(), entry);
    }
    void choosePeriod(const QString& startDay, const QString& startMonth, const QString& endDay,
                      const QString& endMonth) {
        choose(menu->txtGiornoInizio, startDay);
        choose(menu->txtMeseInizio, startMonth);
        choose(menu->txtGiornoFine, endDay);
        choose(menu->txtMeseFine, endMonth);
    }
    void typeYear(const QString& year) {
        menu->txtAnno->setFocus();
        menu->txtAnno->clear();
        typeText(menu->txtAnno, year);
    }
    // Presses "Visualizza riepilogo"; the summary, if it opens, is handed to act, which leaves
    // it open for the test to close with its own button.
    void showSummary(const std::function<void(TfrmRiepLavoro&)>& act = {}) {
        setDialogDriverForTests([this, act](QDialog& dialog) {
            if (auto* help = qobject_cast<TfrmGuida*>(&dialog)) {
                checkTextsFit(help);
                click(help->btnChiudi);
                return;
            }
            auto* summary = qobject_cast<TfrmRiepLavoro*>(&dialog);
            QVERIFY(summary);
            ++summariesOpened;
            if (act)
                act(*summary);
            if (summary->isVisible())
                click(summary->btnEsci);
        });
        click(menu->btnVisualizza);
    }
    static QStringList linesOf(const TfrmRiepLavoro& summary) { return summary.model().lines(); }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
        summariesOpened = 0;
        flow = std::make_unique<ScreenFlow>([] {});
        mainMenu = std::make_unique<PersistentScreen>(*flow, QStringLiteral("TfrmAvvio"),
                                                      QStringLiteral(" Velarno"),
                                                      PersistentScreen::Kind::Compact);
        menu = std::make_unique<TfrmMenuRiepLavoro>(*flow);
        flow->add(Screen::Avvio, mainMenu.get());
        flow->add(Screen::MenuRiepLavoro, menu.get());
        flow->moveTo(Screen::Avvio, nullptr);
        flow->moveTo(Screen::MenuRiepLavoro, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    }
    void cleanup() {
        t.tearDownSeams();
        menu.reset();
        mainMenu.reset();
        flow.reset();
    }

    // Every visit forgets the period and the payer and proposes the current year; the dates
    // of the last request stay.
    void everyVisitStartsAfresh() {
        checkTextsFit(menu.get());
        QCOMPARE(menu->windowTitle(), QStringLiteral(" Velarno - Riepilogo Incassi"));
        QVERIFY(!mainMenu->isVisible());
        QCOMPARE(menu->txtAnno->text(), QStringLiteral("2024"));
        QCOMPARE(menu->lblAnnoInizio->text(), QStringLiteral("2024"));
        QCOMPARE(menu->lblAnnoFine->text(), QStringLiteral("2024"));
        QVERIFY(menu->txtCliente->hasFocus());
        QVERIFY(!menu->lblAttendere->isVisible());

        typeText(menu->txtCliente, QStringLiteral("Rossi"));
        typeYear(QStringLiteral("2023"));
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary();
        QCOMPARE(menu->lblDataInizio->text(), QStringLiteral("01/03/2023"));
        click(menu->btnEsci);
        QVERIFY(mainMenu->isVisible());
        QVERIFY(!menu->isVisible());

        setClockForTests(QDateTime(QDate(2025, 1, 2), QTime(8, 0)));
        flow->moveTo(Screen::MenuRiepLavoro, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
        QCOMPARE(menu->txtAnno->text(), QStringLiteral("2025"));
        QCOMPARE(menu->lblAnnoFine->text(), QStringLiteral("2025"));
        QCOMPARE(menu->txtCliente->text(), QString());
        for (QComboBox* box :
             {menu->txtGiornoInizio, menu->txtMeseInizio, menu->txtGiornoFine, menu->txtMeseFine}) {
            QCOMPARE(box->currentText(), QString());
            QCOMPARE(box->currentIndex(), -1);
        }
        QCOMPARE(menu->lblDataInizio->text(), QStringLiteral("01/03/2023"));
        QCOMPARE(menu->lblFile->text(), programFile(QStringLiteral("2023.ric")));
    }

    void keysOfTheBoxes() {
        typeYear(QStringLiteral("2a0.2 3"));
        QCOMPARE(menu->txtAnno->text(), QStringLiteral("2023"));
        QCOMPARE(menu->lblAnnoInizio->text(), QStringLiteral("2023"));
        QTest::keyClick(menu->txtAnno, Qt::Key_Backspace);
        QCOMPARE(menu->lblAnnoFine->text(), QStringLiteral("202"));

        choose(menu->txtGiornoInizio, QStringLiteral("15"));
        typeText(menu->txtGiornoInizio, QStringLiteral("2a"));
        QTest::keyClick(menu->txtGiornoInizio, Qt::Key_Down);
        QTest::keyClick(menu->txtGiornoInizio, Qt::Key_Left);
        QCOMPARE(menu->txtGiornoInizio->currentText(), QStringLiteral("15"));
        QTest::keyClick(menu->txtGiornoInizio, Qt::Key_Backspace);
        QCOMPARE(menu->txtGiornoInizio->currentText(), QString());
        choose(menu->txtMeseFine, QStringLiteral("Maggio"));
        QTest::keyClick(menu->txtMeseFine, Qt::Key_Delete);
        QCOMPARE(menu->txtMeseFine->currentText(), QString());

        // Text that reached a box some other way does not survive leaving it.
        menu->txtGiornoFine->setEditText(QStringLiteral("32"));
        menu->txtMeseInizio->setEditText(QStringLiteral(" MARZO "));
        menu->txtMeseInizio->setFocus();
        menu->txtGiornoFine->setFocus();
        menu->txtMeseFine->setFocus();
        QCOMPARE(menu->txtMeseInizio->currentText(), QStringLiteral(" MARZO "));
        QCOMPARE(menu->txtGiornoFine->currentText(), QString());

        menu->txtAnno->setFocus();
        const QList<QWidget*> order{menu->txtCliente,    menu->txtGiornoInizio,
                                    menu->txtMeseInizio, menu->txtGiornoFine,
                                    menu->txtMeseFine,   menu->btnVisualizza};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QCOMPARE(summariesOpened, 0);
    }

    // Driven as the user does it; every check stops at its first failure with its own message
    // and box, and nothing opens.
    void checksInOrder_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QStringList>("period");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("focused");
        const QString dateMissing = QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è "
                                                   "necessario indicare una data valida.");
        QTest::newRow("year of 3 digits")
            << QStringLiteral("202")
            << QStringList{QStringLiteral("30"), QStringLiteral("Febbraio")} << yearMessage
            << int(MessageKind::Warning) << QStringLiteral("txtAnno");
        QTest::newRow("no end month")
            << QStringLiteral("2024")
            << QStringList{QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31")}
            << QStringLiteral("Attenzione: indicare il mese di fine intervallo selezionandolo "
                              "dall'elenco a cascata.")
            << int(MessageKind::Warning) << QStringLiteral("txtMeseFine");
        QTest::newRow("30 Febbraio")
            << QStringLiteral("2024")
            << QStringList{QStringLiteral("30"), QStringLiteral("Febbraio"), QStringLiteral("31"),
                           QStringLiteral("Marzo")}
            << QStringLiteral("Attenzione: la data 30/02/2024 di inizio intervallo non esiste.") +
                   dateMissing
            << int(MessageKind::Plain) << QStringLiteral("txtGiornoInizio");
        QTest::newRow("end before start")
            << QStringLiteral("2024")
            << QStringList{QStringLiteral("15"), QStringLiteral("Giugno"), QStringLiteral("14"),
                           QStringLiteral("Giugno")}
            << QStringLiteral("Attenzione: la data di fine intervallo (14/06/2024) non può essere "
                              "anteriore a quella di inizio intervallo (15/06/2024).\n\r\n\rPer "
                              "poter visualizzare il riepilogo è necessario indicare un "
                              "intervallo di tempo valido.")
            << int(MessageKind::Plain) << QStringLiteral("btnVisualizza");
    }
    void checksInOrder() {
        QFETCH(QString, year);
        QFETCH(QStringList, period);
        QFETCH(QString, message);
        QFETCH(int, kind);
        QFETCH(QString, focused);
        typeYear(year);
        const QList<QComboBox*> boxes{menu->txtGiornoInizio, menu->txtMeseInizio,
                                      menu->txtGiornoFine, menu->txtMeseFine};
        for (int i = 0; i < period.size(); ++i)
            choose(boxes[i], period[i]);
        showSummary();
        QCOMPARE(summariesOpened, 0);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].text, message);
        QCOMPARE(int(t.messages[0].kind), kind);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QVERIFY(!menu->lblAttendere->isVisible());
    }

    // The worked case: the year's file, the dates of the period and the receipts in it,
    // sorted by the text of their numbers, with the sum of their totals.
    void summaryOfAPeriod() {
        writeYearFile(2024, {{QStringLiteral("10"), QStringLiteral("29/02/2024"),
                              QStringLiteral("Prima"), QStringLiteral("1,00")},
                             rossiBruno,
                             {QStringLiteral("9"), QStringLiteral("01/04/2024"),
                              QStringLiteral("Dopo"), QStringLiteral("1,00")},
                             rossiAnna,
                             {QStringLiteral("12"), QStringLiteral("20/03/2024"),
                              QStringLiteral("Verdi"), QStringLiteral("0,10")},
                             bianchi,
                             {QStringLiteral("13"), QStringLiteral("21/03/2024"),
                              QStringLiteral("Verdi"), QStringLiteral("0,20")}});
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary([this](TfrmRiepLavoro& summary) {
            checkTextsFit(&summary);
            QCOMPARE(summary.windowTitle(), QStringLiteral(" Velarno - Riepilogo Incassi"));
            QVERIFY(summary.windowState() & Qt::WindowMaximized);
            QVERIFY(menu->lblAttendere->isVisible());
            QCOMPARE(menu->lblDataInizio->text(), QStringLiteral("01/03/2024"));
            QCOMPARE(menu->lblDataFine->text(), QStringLiteral("31/03/2024"));
            QCOMPARE(menu->lblFile->text(), programFile(QStringLiteral("2024.ric")));
            QCOMPARE(linesOf(summary),
                     (QStringList{lineOf(rossiAnna),
                                  lineOf({QStringLiteral("12"), QStringLiteral("20/03/2024"),
                                          QStringLiteral("Verdi"), QStringLiteral("0,10")}),
                                  lineOf({QStringLiteral("13"), QStringLiteral("21/03/2024"),
                                          QStringLiteral("Verdi"), QStringLiteral("0,20")}),
                                  lineOf(bianchi), lineOf(rossiBruno)}));
            QCOMPARE(summary.titTipologia->text(), QStringLiteral("- - -"));
            QCOMPARE(summary.lblIntervallo->text(),
                     QStringLiteral("Dal   01/03/2024   al   31/03/2024"));
            QCOMPARE(summary.lblTotCosti->text(), QStringLiteral("20,05"));
            QCOMPARE(summary.focusWidget(), summary.txtTrova);
            QVERIFY(t.messages.isEmpty());
        });
        QCOMPARE(summariesOpened, 1);
        QVERIFY(!menu->lblAttendere->isVisible());
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->txtMeseFine->currentText(), QStringLiteral("Marzo"));
    }

    void payerFilterAndTotal_data() {
        QTest::addColumn<QString>("payer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("total");
        QTest::newRow("part of a name")
            << QStringLiteral("ROSS") << QStringLiteral("ROSS") << 2 << QStringLiteral("17,75");
        QTest::newRow("a leading blank counts")
            << QStringLiteral(" ross") << QStringLiteral("ross") << 1 << QStringLiteral("7,25");
        QTest::newRow("nobody") << QStringLiteral("Neri") << QStringLiteral("Neri") << 0
                                << QStringLiteral("0,00");
    }
    void payerFilterAndTotal() {
        QFETCH(QString, payer);
        QFETCH(QString, shown);
        QFETCH(int, lines);
        QFETCH(QString, total);
        writeYearFile(2024, {rossiAnna, bianchi, rossiBruno});
        typeText(menu->txtCliente, payer);
        choosePeriod(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("31"),
                     QStringLiteral("Dicembre"));
        showSummary([&](TfrmRiepLavoro& summary) {
            QCOMPARE(summary.titTipologia->text(), shown);
            QCOMPARE(linesOf(summary).size(), lines);
            QCOMPARE(summary.lblTotCosti->text(), total);
        });
        QCOMPARE(summariesOpened, 1);
    }

    // A year without a file: the file is made, the summary is empty.
    void yearWithoutFile() {
        typeYear(QStringLiteral("2031"));
        choosePeriod(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("01"),
                     QStringLiteral("Gennaio"));
        showSummary([this](TfrmRiepLavoro& summary) {
            QCOMPARE(summary.model().rowCount(), 0);
            QCOMPARE(summary.lblTotCosti->text(), QStringLiteral("0,00"));
            click(summary.btnTrova);
            QCOMPARE(t.messages.last().text, QStringLiteral("Ricerca non applicabile: la lista "
                                                            "non contiene nessuna voce."));
        });
        QVERIFY(QFile::exists(programFile(QStringLiteral("2031.ric"))));
    }

    // Receipts that cannot be listed are told about once, after the list; the total is the sum
    // of the lines shown.
    void skippedRecordsAreToldOnce() {
        writeYearFile(2024, {rossiAnna,
                             {QStringLiteral("4"), QStringLiteral("31/02/2024"),
                              QStringLiteral("Rossi"), QStringLiteral("5,00")},
                             {QStringLiteral("5"), QStringLiteral("10/03/2024"),
                              QStringLiteral("Rossi"), QStringLiteral("cinque")},
                             bianchi});
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary([this](TfrmRiepLavoro& summary) {
            QCOMPARE(linesOf(summary), (QStringList{lineOf(rossiAnna), lineOf(bianchi)}));
            QCOMPARE(summary.lblTotCosti->text(), QStringLiteral("12,50"));
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text, skippedRecordsMessage(2));
    }

    void unreadableFileClosesTheSummary() {
        QVERIFY(QDir(t.programFolder()).mkdir(QStringLiteral("2024.ric")));
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary([](TfrmRiepLavoro& summary) { QTRY_VERIFY(!summary.isVisible()); });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Error);
        QCOMPARE(t.messages[0].text, archiveAccessMessage());
        QVERIFY(!menu->lblAttendere->isVisible());
    }

    // Unlike the other lists, the summary keeps the last find key from one opening to the
    // next: the same key goes on after the first line instead of starting again.
    void lastFindKeyLastsForTheRun() {
        writeYearFile(2024, {rossiAnna, bianchi, rossiBruno});
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary([](TfrmRiepLavoro& summary) {
            typeText(summary.txtTrova, QStringLiteral("ross"));
            QTest::keyClick(summary.txtTrova, Qt::Key_Return); // nothing special
            QCOMPARE(summary.focusWidget(), summary.txtTrova);
            QCOMPARE(summary.selectedRow(), -1);
            QTest::mouseClick(summary.btnTrova, Qt::LeftButton);
            QCOMPARE(summary.selectedRow(), 0);
        });
        showSummary([](TfrmRiepLavoro& summary) {
            QCOMPARE(summary.txtTrova->text(), QString());
            QCOMPARE(summary.selectedRow(), -1);
            typeText(summary.txtTrova, QStringLiteral("ross"));
            QTest::mouseClick(summary.btnTrova, Qt::LeftButton);
            QCOMPARE(summary.selectedRow(), 2);
            QTest::mouseClick(summary.btnTrova, Qt::LeftButton);
            QCOMPARE(summary.selectedRow(), 0);
        });
        QCOMPARE(summariesOpened, 2);
    }

    void printRefusedWhenEmptyOrNotConfirmed_data() {
        QTest::addColumn<bool>("withReceipts");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << false << true
                               << QStringLiteral("Operazione di stampa non applicabile: il "
                                                 "riepilogo non contiene nessuna voce.");
        QTest::newRow("answered No")
            << true << false << QStringLiteral("Si vuole stampare il presente riepilogo?");
    }
    void printRefusedWhenEmptyOrNotConfirmed() {
        QFETCH(bool, withReceipts);
        QFETCH(bool, answerYes);
        QFETCH(QString, message);
        if (withReceipts)
            writeYearFile(2024, {rossiAnna});
        setPrintCaptureForTests(PrintCapture{true, t.programFolder()});
        t.questionAnswer = answerYes;
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary([this](TfrmRiepLavoro& summary) { click(summary.btnStampa); });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].text, message);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
    }

    // The printed list: the title names the payer filter, the closing lines follow the lines.
    void printedSummaryEndsWithPeriodAndTotal() {
        writeYearFile(2024, {rossiAnna, bianchi, rossiBruno});
        setPrintCaptureForTests(PrintCapture{true, t.programFolder()});
        typeText(menu->txtCliente, QStringLiteral("rossi "));
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        showSummary([this](TfrmRiepLavoro& summary) {
            QCOMPARE(linesOf(summary), QStringList{lineOf(rossiAnna)});
            click(summary.btnStampa);
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        const QStringList printed = capturedPrintoutsForTests();
        QCOMPARE(printed.size(), 1);
        const PdfText pdf = readPdfText(printed[0]);
        const auto lineOfPhrase = [&pdf](const QString& phrase) {
            const QList<PdfWord> found = pdf.find(phrase);
            return found.size() == 1 ? found[0].box.top() : -1.0;
        };
        const qreal title =
            lineOfPhrase(QStringLiteral("Riepilogo incassi - Socio / Cliente: rossi"));
        const qreal receipt = lineOfPhrase(QStringLiteral("Ric. n. 1 Data: 01/03/2024 Pagatore: "
                                                          "Rossi Anna Servizio: Quota sociale "
                                                          "Totale: € 10,50"));
        const qreal separator = lineOfPhrase(QStringLiteral("- - - - - - - - - - - - - - - -"));
        const qreal period =
            lineOfPhrase(QStringLiteral("INTERVALLO SELEZIONATO: Dal 01/03/2024 al 31/03/2024"));
        const qreal total = lineOfPhrase(QStringLiteral("TOTALE IMPORTI INCASSATI: € 10,50"));
        QVERIFY(title >= 0);
        QVERIFY(title < receipt);
        QVERIFY(receipt < separator);
        QVERIFY(separator < period);
        QVERIFY(period < total);
    }

    void helpAndTitleBarClose() {
        writeYearFile(2024, {rossiAnna});
        choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                     QStringLiteral("Marzo"));
        int helpsShown = 0;
        setDialogDriverForTests([&](QDialog& dialog) {
            if (auto* help = qobject_cast<TfrmGuida*>(&dialog)) {
                ++helpsShown;
                click(help->btnChiudi);
                return;
            }
            auto& summary = static_cast<TfrmRiepLavoro&>(dialog);
            click(summary.imgGuida);
            QVERIFY(summary.isVisible());
            QTest::keyClick(&summary, Qt::Key_Escape); // does what "Esci" does
            QVERIFY(!summary.isVisible());
            QCOMPARE(summary.model().rowCount(), 0);
        });
        click(menu->btnVisualizza);
        QCOMPARE(helpsShown, 1);
        QVERIFY(!menu->lblAttendere->isVisible());
    }
};

QTEST_MAIN(TestIncomeSummary)

#include "tst_income_summary.moc"
