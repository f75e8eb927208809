#include "reports/TfrmStatistiche.h"
#include "shell/ErrorMessages.h"
#include "shell/ScreenFlow.h"
#include "shell/TfrmGuida.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Chart.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/Picture.h"
#include "ui/Printing.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace {

struct Receipt {
    QString date;
    QString total;
    QString unsettled = QStringLiteral("No");
};

void writeYearFile(int year, const QList<Receipt>& receipts) {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(receiptsArchivePath(year));
    for (const Receipt& receipt : receipts) {
        ReceiptRecord record;
        record.NumRic = QString::number(file.count() + 1);
        record.Data = receipt.date;
        record.LavRigo[0] = QStringLiteral("Circolo Velico");
        record.CliRigo[0] = QStringLiteral("Mario Rossi");
        record.Descrizione[0] = QStringLiteral("Quota associativa");
        record.Importo[0] = receipt.total;
        record.Totale = receipt.total;
        record.DaSaldare = receipt.unsettled;
        file.append(record);
    }
}

const QStringList monthNames = {
    QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
    QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
    QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
    QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};

QList<double> onlyIn(std::initializer_list<std::pair<int, double>> months) {
    QList<double> sums(12, 0.0);
    for (const auto& [month, sum] : months)
        sums[month - 1] = sum;
    return sums;
}

int pdfPages(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished();
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

} // namespace

Q_DECLARE_METATYPE(QList<Receipt>)

class TestStatistics : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<PersistentScreen> mainMenu;
    std::unique_ptr<TfrmStatistiche> screen;
    QList<UserRequest> requests;
    std::optional<QString> copiesAnswer;

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void openYear(const QString& year) {
        screen->txtAnno->setFocus();
        screen->txtAnno->clear();
        typeText(screen->txtAnno, year);
        click(screen->btnApri);
    }
    QList<double> chartValues() const {
        QList<double> values;
        for (const ChartPoint& point : screen->ChartStats->points())
            values.append(point.value);
        return values;
    }
    QStringList stateLabels() const {
        QStringList texts;
        for (const QString& month : monthNames)
            texts.append(control<QLabel>(screen.get(), QStringLiteral("mem") + month)->text());
        return texts;
    }
    bool showsTheChart() const {
        return screen->container()->isVisible() && !screen->panAvvio->isVisible();
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
        requests.clear();
        copiesAnswer = QStringLiteral("1");
        setUserRequestHandlerForTests([this](const UserRequest& request) {
            requests.append(request);
            return copiesAnswer;
        });
        flow = std::make_unique<ScreenFlow>([] {});
        mainMenu = std::make_unique<PersistentScreen>(*flow, QStringLiteral("TfrmAvvio"),
                                                      QStringLiteral(" Velarno"),
                                                      PersistentScreen::Kind::Compact);
        screen = std::make_unique<TfrmStatistiche>(*flow);
        flow->add(Screen::Avvio, mainMenu.get());
        flow->add(Screen::Statistiche, screen.get());
        flow->moveTo(Screen::Avvio, nullptr);
        flow->moveTo(Screen::Statistiche, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
    }
    void cleanup() {
        t.tearDownSeams();
        screen.reset();
        mainMenu.reset();
        flow.reset();
    }

    void textsFit() {
        checkTextsFit(screen.get());
        openYear(QStringLiteral("2024"));
        checkTextsFit(screen.get());
    }

    // Every visit starts on the year panel with the current year and an empty chart.
    void everyVisitStartsOnTheYearPanel() {
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Velarno - Statistiche Incassi"));
        QVERIFY(screen->panAvvio->isVisible());
        QVERIFY(!screen->container()->isVisible());
        QCOMPARE(screen->txtAnno->text(), QStringLiteral("2024"));
        QVERIFY(screen->txtAnno->hasFocus());
        QCOMPARE(control<QLabel>(screen.get(), QStringLiteral("panInfo"))->text(),
                 QStringLiteral("Grafico statistico degli incassi annuali."));

        openYear(QStringLiteral("2023"));
        QVERIFY(showsTheChart());
        QCOMPARE(screen->ChartStats->points().size(), 12);
        click(screen->btnEsci);
        QVERIFY(mainMenu->isVisible());
        QVERIFY(!screen->isVisible());

        setClockForTests(QDateTime(QDate(2025, 1, 1), QTime(0, 5)));
        flow->moveTo(Screen::Statistiche, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
        QVERIFY(screen->panAvvio->isVisible());
        QVERIFY(!screen->container()->isVisible());
        QCOMPARE(screen->txtAnno->text(), QStringLiteral("2025"));
        QVERIFY(screen->ChartStats->points().isEmpty());
    }

    void yearBoxTakesOnlyDigitsAndEnterLeadsToApri() {
        screen->txtAnno->clear();
        typeText(screen->txtAnno, QStringLiteral("2a- 0.2,Z49"));
        QCOMPARE(screen->txtAnno->text(), QStringLiteral("2024"));
        QTest::keyClick(screen->txtAnno, Qt::Key_Backspace);
        QTest::keyClick(screen->txtAnno, Qt::Key_Left);
        QTest::keyClick(screen->txtAnno, Qt::Key_Delete);
        QCOMPARE(screen->txtAnno->text(), QStringLiteral("20"));
        typeText(screen->txtAnno, QStringLiteral("19"));
        QTest::keyClick(screen->txtAnno, Qt::Key_Return);
        QVERIFY(screen->btnApri->hasFocus());
        QVERIFY(!showsTheChart());
        QTest::keyClick(screen->btnApri, Qt::Key_Return);
        QVERIFY(showsTheChart());
        QCOMPARE(screen->lblFile->text(), programFile(QStringLiteral("2019.ric")));
    }

    void apriRefusesAYearOfFewerDigits() {
        openYear(QStringLiteral("202"));
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QVERIFY(screen->txtAnno->hasFocus());
        QCOMPARE(screen->txtAnno->text(), QStringLiteral("202"));
        QVERIFY(!showsTheChart());
        QVERIFY(!QFile::exists(programFile(QStringLiteral("202.ric"))));
    }

    // Unsettled receipts count; a receipt of 2023 kept in the 2024 file does not.
    void chartsTheMonthlySumsOfTheYear() {
        writeYearFile(
            2024, {{QStringLiteral("03/01/2024"), QStringLiteral("10,50")},
                   {QStringLiteral("28/01/2024"), QStringLiteral("20,25"), QStringLiteral("Sì")},
                   {QStringLiteral("31/12/2023"), QStringLiteral("400,00")},
                   {QStringLiteral("15/03/2024"), QStringLiteral("5,49")}});
        openYear(QStringLiteral("2024"));
        QVERIFY(showsTheChart());
        QCOMPARE(t.messages.size(), 0);
        QCOMPARE(screen->lblFile->text(), programFile(QStringLiteral("2024.ric")));
        QCOMPARE(
            screen->lblTitolo->text(),
            QStringLiteral("Rappresentazione grafica degli incassi percepiti nell'anno 2024."));
        QCOMPARE(stateLabels(),
                 (QStringList{QStringLiteral("31"), QStringLiteral("0"), QStringLiteral("5"),
                              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
        QCOMPARE(chartValues(), onlyIn({{1, 31}, {3, 5}}));

        const QList<ChartPoint> points = screen->ChartStats->points();
        const QList<QRgb> colors{0xFF0000, 0x0000FF, 0xFFE4C4, 0xFF00FF, 0xC0DCC0, 0xFFFF00,
                                 0x00FF00, 0xC0C0C0, 0xF0FBFF, 0x87CEEB, 0x800000, 0x008000};
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(points[i].label, monthNames[i]);
            QCOMPARE(points[i].color, QColor(colors[i]));
        }
        const ChartContent& content = screen->ChartStats->content();
        QCOMPARE(content.kind, SeriesKind::Bar);
        QVERIFY(content.threeDimensional);
        QVERIFY(content.showMarks);
        QCOMPARE(content.title.text, QStringLiteral("Statistiche incassi percepiti"));
        QCOMPARE(content.title.color, QColor(0xD04498));
        QVERIFY(content.title.font.bold());
        QCOMPARE(content.foot.text, QStringLiteral("Tutti gli importi sono arrotondati all'euro"));
        QCOMPARE(content.foot.color, QColor(0x7294F9));
        QCOMPARE(content.legendTitle, QStringLiteral("Incassi:"));
    }

    void yearWithoutFileShowsTwelveZeros() {
        openYear(QStringLiteral("2031"));
        QVERIFY(showsTheChart());
        QCOMPARE(chartValues(), onlyIn({}));
        QCOMPARE(stateLabels(), QStringList(12, QStringLiteral("0")));
        QVERIFY(QFile::exists(programFile(QStringLiteral("2031.ric"))));
        QCOMPARE(QFile(programFile(QStringLiteral("2031.ric"))).size(), 0);
        QCOMPARE(t.messages.size(), 0);
    }

    // Records the editor never writes are left out, the others counted, and the user is told
    // once how many were left out.
    void skippedRecordsAreToldAfterTheChart_data() {
        QTest::addColumn<QList<Receipt>>("bad");
        QTest::addColumn<bool>("cutShort");
        QTest::addColumn<QString>("warning");
        QTest::newRow("one")
            << QList<Receipt>{{QStringLiteral("31/02/2024"), QStringLiteral("9,00")}} << false
            << QStringLiteral("Attenzione: una ricevuta dell'archivio non è stata conteggiata "
                              "perché illeggibile o con una data o un totale non validi.");
        QTest::newRow("two, and an incomplete record at the end")
            << QList<Receipt>{{QString(), QStringLiteral("9,00")},
                              {QStringLiteral("12/07/2024"), QStringLiteral("nove")}}
            << true
            << QStringLiteral("Attenzione: 2 ricevute dell'archivio non sono state conteggiate "
                              "perché illeggibili o con una data o un totale non validi.");
    }
    void skippedRecordsAreToldAfterTheChart() {
        QFETCH(QList<Receipt>, bad);
        QFETCH(bool, cutShort);
        QFETCH(QString, warning);
        writeYearFile(2024, {{QStringLiteral("10/07/2024"), QStringLiteral("30,50")}});
        writeYearFile(2024, bad);
        writeYearFile(2024, {{QStringLiteral("11/07/2024"), QStringLiteral("0,49")}});
        if (cutShort) {
            QFile file(receiptsArchivePath(2024));
            QVERIFY(file.open(QIODevice::Append));
            file.write(QByteArray(ReceiptRecord::Size / 2, '\x05'));
        }
        openYear(QStringLiteral("2024"));
        QVERIFY(showsTheChart());
        QCOMPARE(chartValues(), onlyIn({{7, 31}}));
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text, warning);
    }

    // The year's file cannot be opened: nothing is charted.
    void unreadableFileIsReported() {
        QVERIFY(QDir(t.programFolder()).mkdir(QStringLiteral("2024.ric")));
        openYear(QStringLiteral("2024"));
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Error);
        QCOMPARE(t.messages[0].text, archiveAccessMessage());
        QVERIFY(!showsTheChart());
        QVERIFY(screen->ChartStats->points().isEmpty());
    }

    void switchingBetweenPieAndBarsKeepsTheValues() {
        writeYearFile(2024, {{QStringLiteral("03/02/2024"), QStringLiteral("12,00")},
                             {QStringLiteral("03/11/2024"), QStringLiteral("7,50")}});
        openYear(QStringLiteral("2024"));
        const QList<double> values = onlyIn({{2, 12}, {11, 8}});
        QCOMPARE(chartValues(), values);
        click(screen->btnTorta);
        QCOMPARE(screen->ChartStats->seriesKind(), SeriesKind::Pie);
        QCOMPARE(chartValues(), values);
        click(screen->btnBarre);
        QCOMPARE(screen->ChartStats->seriesKind(), SeriesKind::Bar);
        QCOMPARE(chartValues(), values);
        QVERIFY(screen->ChartStats->content().threeDimensional);
    }

    void hintsFollowTheMouse() {
        openYear(QStringLiteral("2024"));
        auto* panInfo = control<QLabel>(screen.get(), QStringLiteral("panInfo"));
        const QList<std::pair<QWidget*, QString>> hints{
            {screen->btnBarre, QStringLiteral("Visualizza le statistiche degli incassi percepiti "
                                              "sotto forma di grafico a barre tridimensionali.")},
            {screen->btnTorta, QStringLiteral("Visualizza le statistiche degli incassi percepiti "
                                              "sotto forma di grafico a torta tridimensionale.")},
            {screen->btnStampa, QStringLiteral("Stampa il grafico corrente.")},
            {screen->btnEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
            {screen->cmdGuida,
             QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")}};
        for (const auto& [control, hint] : hints) {
            QTest::mouseMove(screen->windowHandle(),
                             control->mapTo(screen.get(), control->rect().center()));
            QCOMPARE(panInfo->text(), hint);
        }
        QTest::mouseMove(screen->windowHandle(),
                         screen->lblTitolo->mapTo(screen.get(), QPoint(2, 2)));
        QCOMPARE(panInfo->text(), QString());
    }

    // The copies typed become pages, each a landscape sheet of the chart as shown, whose title
    // names the year.
    void printsTheCopiesTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pages");
        QTest::newRow("one") << QStringLiteral("1") << 1;
        QTest::newRow("two") << QStringLiteral("2") << 2;
        QTest::newRow("emptied") << QString() << 1;
        QTest::newRow("leading blank") << QStringLiteral(" 2") << 1;
        QTest::newRow("letters") << QStringLiteral("tre") << 1;
        QTest::newRow("zero prints nothing") << QStringLiteral("0") << 0;
    }
    void printsTheCopiesTyped() {
        QFETCH(QString, typed);
        QFETCH(int, pages);
        openYear(QStringLiteral("2024"));
        click(screen->btnTorta);
        setPrintCaptureForTests(PrintCapture{true, t.programFolder()});
        copiesAnswer = typed;
        click(screen->btnStampa);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Si vuole stampare il presente grafico statistico?"));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].kind, UserRequest::Kind::Text);
        QCOMPARE(requests[0].caption, QStringLiteral("Numero copie da stampare"));
        QCOMPARE(requests[0].folderOrLabel, QStringLiteral("Copie:"));
        QCOMPARE(requests[0].filterOrInitial, QStringLiteral("1"));
        const QStringList printed = capturedPrintoutsForTests();
        QCOMPARE(printed.size(), pages > 0 ? 1 : 0);
        if (pages > 0) {
            QCOMPARE(pdfPages(printed[0]), pages);
            const PdfText text = readPdfText(printed[0]);
            const QList<PdfWord> titles =
                text.find(QStringLiteral("Statistiche incassi percepiti nell'anno 2024"));
            QCOMPARE(titles.size(), pages);
            for (int page = 1; page <= pages; ++page)
                QCOMPARE(titles[page - 1].page, page);
        }
        QCOMPARE(screen->ChartStats->seriesKind(), SeriesKind::Pie);
        QCOMPARE(
            screen->ChartStats->content().title.text,
            QStringLiteral("Statistiche incassi percepiti")); // the screen shows the year apart
    }

    void printStopsWhereTheUserStops_data() {
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("giveCopies");
        QTest::addColumn<bool>("acceptPrinter");
        QTest::addColumn<int>("requestsMade");
        QTest::newRow("no to the question") << false << true << true << 0;
        QTest::newRow("copies cancelled") << true << false << true << 1;
        QTest::newRow("printer dialog cancelled") << true << true << false << 1;
    }
    void printStopsWhereTheUserStops() {
        QFETCH(bool, answerYes);
        QFETCH(bool, giveCopies);
        QFETCH(bool, acceptPrinter);
        QFETCH(int, requestsMade);
        openYear(QStringLiteral("2024"));
        setPrintCaptureForTests(PrintCapture{acceptPrinter, t.programFolder()});
        t.questionAnswer = answerYes;
        if (!giveCopies)
            copiesAnswer.reset();
        click(screen->btnStampa);
        QCOMPARE(requests.size(), requestsMade);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
        QCOMPARE(t.messages.size(), 1); // the question only
    }

    void tooManyCopiesAreReportedAndNothingPrints() {
        openYear(QStringLiteral("2024"));
        setPrintCaptureForTests(PrintCapture{true, t.programFolder()});
        copiesAnswer = QStringLiteral("99999999999");
        click(screen->btnStampa);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[1].kind, MessageKind::Error);
        QVERIFY(
            t.messages[1].text.startsWith(QStringLiteral("Si è verificato un errore imprevisto")));
    }

    // Which text the help shows is checked with every other help window.
    void helpLeavesTheChartShown() {
        int helpsShown = 0;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* help = qobject_cast<TfrmGuida*>(&dialog);
            QVERIFY(help);
            ++helpsShown;
            click(help->btnChiudi);
        });
        openYear(QStringLiteral("2024"));
        click(screen->cmdGuida);
        QCOMPARE(helpsShown, 1);
        QVERIFY(showsTheChart());
    }

    void exitPictureLeadsToTheMainMenu() {
        click(screen->imgEsci);
        QVERIFY(mainMenu->isVisible());
        QVERIFY(!screen->isVisible());
    }
};

QTEST_MAIN(TestStatistics)

#include "tst_statistics.moc"
