#include "tests/support/PdfText.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/ListReport.h"
#include "ui/PrintPreview.h"
#include "ui/Printing.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

// The list report's geometry on paper, in millimetres from the sheet's corner.
constexpr qreal margin = 10;
constexpr qreal titleBand = 8;
constexpr qreal bodyLeft = margin + 3;
constexpr qreal bodyRight = bodyLeft + 273;
constexpr qreal pageCentre = margin + 2 + 273 / 2.0;
constexpr qreal slack = 0.5;
constexpr qreal areaBottom = 210 - margin;

const QString footer = QStringLiteral("Stampa eseguita in data 15/03/2027");

QStringList numberedLines(int count) {
    QStringList lines;
    for (int number = 1; number <= count; ++number)
        lines.append(QStringLiteral("Voce %1   Rossi Mario   Data: 15/03/2027   Importo: 25,00")
                         .arg(number, 3, 10, QLatin1Char('0')));
    return lines;
}

QString line(int number) {
    return QStringLiteral("Voce %1").arg(number, 3, 10, QLatin1Char('0'));
}

// The top of a list line on its page: below the title on the first page, at the margin on
// the next ones.
qreal lineTop(int indexOnPage, bool firstPage) {
    return margin + (firstPage ? titleBand : 0) + indexOnPage * listLinePitch;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<QTemporaryDir> pdfs;
    std::unique_ptr<QWidget> opener;

    void capturePrintouts(bool acceptPrinterDialog = true) {
        setPrintCaptureForTests(PrintCapture{acceptPrinterDialog, pdfs->path()});
    }
    // The one printout made since the capture started; empty when there is not exactly one.
    QString onlyPrintout() const {
        const QStringList printouts = capturedPrintoutsForTests();
        return printouts.size() == 1 ? printouts.first() : QString();
    }
    PdfText printedList(const QString& title, const QStringList& lines) {
        capturePrintouts();
        printListReport(opener.get(), title, lines);
        const QString pdf = onlyPrintout();
        if (pdf.isEmpty())
            QTest::qFail("no printout", __FILE__, __LINE__);
        return readPdfText(pdf);
    }
    static void verifyLineAt(const PdfText& text, int number, int page, qreal top) {
        const QList<PdfWord> found = text.find(line(number));
        QVERIFY2(found.size() == 1, qPrintable(line(number)));
        QCOMPARE(found[0].page, page);
        QVERIFY2(qAbs(found[0].box.left() - bodyLeft) < slack, qPrintable(line(number)));
        QVERIFY2(found[0].box.top() >= top - slack &&
                     found[0].box.bottom() <= top + listLinePitch + slack,
                 qPrintable(QStringLiteral("%1 at %2, expected from %3")
                                .arg(line(number))
                                .arg(found[0].box.top())
                                .arg(top)));
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 3, 15), QTime(10, 30)));
        pdfs = std::make_unique<QTemporaryDir>();
        opener = std::make_unique<QWidget>();
    }
    void cleanup() {
        t.tearDownSeams();
        opener.reset();
        pdfs.reset();
    }

    void templateObjectsAreFoundByName() {
        Report report = listReport(QStringLiteral("Listino prezzi"), numberedLines(2));
        QCOMPARE(report.find(QStringLiteral("txtTitolo"))->text, QStringLiteral("Listino prezzi"));
        QCOMPARE(report.find(QStringLiteral("txtRiepilogo"))->lines, numberedLines(2));
        QVERIFY(report.find(QStringLiteral("txtPagina"))->printsDate);
        QCOMPARE(report.find(QStringLiteral("txtAssente")), nullptr);
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 report.setText(QStringLiteral("txtAssente"), QString()));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 report.setPicture(QStringLiteral("txtTitolo"), QImage()));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 report.setText(QStringLiteral("txtRiepilogo"), QString()));
    }

    void bodyIsAsTallAsItsLines_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("bodyPixels");
        QTest::addColumn<double>("bandPixels");
        QTest::newRow("empty list") << 0 << 0.0 << 10.0;
        QTest::newRow("one line") << 1 << 12.822 << 22.822;
        QTest::newRow("40 lines") << 40 << 512.88 << 522.88;
    }
    void bodyIsAsTallAsItsLines() {
        QFETCH(int, lines);
        QFETCH(double, bodyPixels);
        QFETCH(double, bandPixels);
        const Report report = listReport(QStringLiteral("Riepilogo"), numberedLines(lines));
        const auto pixels = [](qreal millimetres) { return millimetres * 96 / 25.4; };
        QVERIFY(qAbs(pixels(report.find(QStringLiteral("txtRiepilogo"))->box.height()) -
                     bodyPixels) < 0.01);
        QVERIFY(qAbs(pixels(report.data.height) - bandPixels) < 0.01);
    }

    void listOfFortyLinesOnOnePage() {
        const PdfText text =
            printedList(QStringLiteral("Riepilogo soci in archivio"), numberedLines(40));
        const PdfInfo info = readPdfInfo(onlyPrintout());
        QCOMPARE(info.pages, 1);
        QVERIFY(info.isA4());
        QVERIFY(info.isLandscape());

        QVERIFY(text.find(QStringLiteral("Pagina")).isEmpty()); // one page needs no number
        const QList<PdfWord> title = text.find(QStringLiteral("Riepilogo soci in archivio"));
        QCOMPARE(title.size(), 1);
        QVERIFY(qAbs(title[0].box.center().x() - pageCentre) < 1);
        QVERIFY(title[0].box.top() >= margin + 1 - slack &&
                title[0].box.bottom() <= margin + 6 + slack);
        for (int number : {1, 2, 39, 40})
            verifyLineAt(text, number, 1, lineTop(number - 1, true));

        const QList<PdfWord> date = text.find(footer);
        QCOMPARE(date.size(), 1);
        const qreal footerTop = lineTop(40, true) + listBandBelowBody + 2;
        QVERIFY2(date[0].box.top() >= footerTop - slack &&
                     date[0].box.bottom() <= footerTop + 5 + slack,
                 qPrintable(QString::number(date[0].box.top())));
        QVERIFY(qAbs(date[0].box.center().x() - (margin + 3 + 272 / 2.0)) < 1);
    }

    // 53 lines fill the first page under the title, 56 each following page.
    void longListFlowsOverThreePagesWithTheDateAfterTheLastLine() {
        const PdfText text = printedList(QStringLiteral("Riepilogo"), numberedLines(120));
        QCOMPARE(readPdfInfo(onlyPrintout()).pages, 3);
        QCOMPARE(text.pageSizes.size(), 3);

        verifyLineAt(text, 1, 1, lineTop(0, true));
        verifyLineAt(text, 53, 1, lineTop(52, true));
        verifyLineAt(text, 54, 2, lineTop(0, false));
        verifyLineAt(text, 109, 2, lineTop(55, false));
        verifyLineAt(text, 110, 3, lineTop(0, false));
        verifyLineAt(text, 120, 3, lineTop(10, false));
        for (int number = 1; number <= 120; ++number)
            QCOMPARE(text.find(line(number)).size(), 1);

        const QList<PdfWord> title = text.find(QStringLiteral("Riepilogo"));
        QCOMPARE(title.size(), 1);
        QCOMPARE(title[0].page, 1);
        const QList<PdfWord> date = text.find(footer);
        QCOMPARE(date.size(), 1);
        QCOMPARE(date[0].page, 3);
        QVERIFY(date[0].box.top() > text.find(line(120))[0].box.bottom());

        // Each page numbered in the bottom margin, under the last line a page can hold.
        for (int page = 1; page <= 3; ++page) {
            const QString number = QStringLiteral("Pagina %1 di 3").arg(page);
            const QList<PdfWord> found = text.find(number);
            QVERIFY2(found.size() == 1, qPrintable(number));
            QCOMPARE(found[0].page, page);
            QVERIFY2(found[0].box.top() >= areaBottom && found[0].box.bottom() <= areaBottom + 5,
                     qPrintable(QString::number(found[0].box.top())));
            QVERIFY(qAbs(found[0].box.right() - (margin + 3 + 272)) < 1);
        }
        QVERIFY(text.find(line(109))[0].box.bottom() <
                text.find(QStringLiteral("Pagina 2"))[0].box.top());
    }

    void dateGoesOnANewPageWhenTheLastLinesFillThePage() {
        const PdfText text = printedList(QStringLiteral("Riepilogo"), numberedLines(53));
        QCOMPARE(text.pageSizes.size(), 2);
        QCOMPARE(text.pageText(2), footer + QStringLiteral(" Pagina 2 di 2"));
        QCOMPARE(text.find(QStringLiteral("Pagina 1 di 2")).size(), 1);
        QVERIFY(qAbs(text.find(footer)[0].box.top() - (margin + 2)) < 1.5);
    }

    void emptyListPrintsTitleAndDate() {
        const PdfText text = printedList(QStringLiteral("Riepilogo soci in archivio"), {});
        QCOMPARE(text.pageSizes.size(), 1);
        QCOMPARE(text.pageText(1), QStringLiteral("Riepilogo soci in archivio ") + footer);
    }

    void textsPrintAsTheyStandOnOneLine() {
        QStringList words;
        for (int number = 1; number <= 40; ++number)
            words.append(QStringLiteral("parola%1").arg(number, 2, 10, QLatin1Char('0')));
        const PdfText text =
            printedList(QStringLiteral("Consegne [DATE]"),
                        {words.join(QLatin1Char(' ')), QStringLiteral("Consegna [DATE] prevista")});

        QCOMPARE(text.find(QStringLiteral("Consegne [DATE]")).size(), 1);
        QCOMPARE(text.find(QStringLiteral("Consegna [DATE] prevista")).size(), 1);
        QCOMPARE(text.find(footer).size(), 1);
        // The long line is cut at the body's right edge, not wrapped onto the next line.
        const QList<PdfWord> first = text.find(QStringLiteral("parola01"));
        QCOMPARE(first.size(), 1);
        QVERIFY(text.find(QStringLiteral("parola40")).isEmpty());
        int printed = 0;
        for (const PdfWord& word : text.words) {
            if (!word.text.startsWith(QLatin1String("parola")))
                continue;
            ++printed;
            QVERIFY(qAbs(word.box.top() - first[0].box.top()) < 0.1);
            QVERIFY2(word.box.right() <= bodyRight + 0.1, qPrintable(word.text));
            QVERIFY2(words.contains(word.text), qPrintable(word.text)); // whole words only here
        }
        QVERIFY(printed > 10 && printed < 40);
        const QList<PdfWord> next = text.find(QStringLiteral("Consegna [DATE] prevista"));
        QVERIFY(qAbs(next[0].box.top() - first[0].box.top() - listLinePitch) < 0.1);
    }

    void cancelledPrinterDialogPrintsNothing() {
        capturePrintouts(false);
        printListReport(opener.get(), QStringLiteral("Riepilogo"), numberedLines(3));
        QVERIFY(capturedPrintoutsForTests().isEmpty());
        QCOMPARE(QDir(pdfs->path()).entryList(QDir::Files), QStringList());
    }

    void copiesArePaintedWhenThePrinterDoesNotMakeThem_data() {
        QTest::addColumn<bool>("collate");
        QTest::addColumn<QList<int>>("pagesWithTitle");
        QTest::newRow("collated") << true << QList<int>{1, 3};
        QTest::newRow("not collated") << false << QList<int>{1, 2};
    }
    void copiesArePaintedWhenThePrinterDoesNotMakeThem() {
        QFETCH(bool, collate);
        QFETCH(QList<int>, pagesWithTitle);
        const PreparedReport report =
            listReport(QStringLiteral("Titolo"), numberedLines(60)).prepare(QDate(2027, 3, 15));
        QCOMPARE(report.pages.size(), 2);
        QPrinter printer(QPrinter::HighResolution);
        setUpPrinter(printer, report);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfs->filePath(QStringLiteral("copie.pdf")));
        printer.setCopyCount(2);
        printer.setCollateCopies(collate);
        QCOMPARE(copiesToPaint(printer), 2);
        renderReport(report, printer, copiesToPaint(printer), printer.collateCopies());

        const PdfText text = readPdfText(printer.outputFileName());
        QCOMPARE(text.pageSizes.size(), 4);
        QList<int> titled;
        for (const PdfWord& word : text.find(QStringLiteral("Titolo")))
            titled.append(word.page);
        QCOMPARE(titled, pagesWithTitle);
        QCOMPARE(text.find(footer).size(), 2);
    }

    void deviceThatCannotBePaintedIsAnError() {
        const PreparedReport report =
            listReport(QStringLiteral("Titolo"), {}).prepare(QDate(2027, 3, 15));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfs->filePath(QStringLiteral("manca/copia.pdf")));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, renderReport(report, printer));
    }

    void previewShowsThePagesAtFullSizeAndPrintsThem() {
        capturePrintouts();
        bool driven = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& preview = dynamic_cast<ReportPreview&>(dialog);
            QCOMPARE(preview.windowTitle(), QStringLiteral(" Anteprima di stampa"));
            QVERIFY(preview.windowState() & Qt::WindowMaximized);
            QCOMPARE(preview.prvPagine->zoomMode(), QPrintPreviewWidget::CustomZoom);
            QCOMPARE(preview.prvPagine->zoomFactor(), 1.0);
            QCOMPARE(preview.lblZoom->text(), QStringLiteral("100 %"));
            QCOMPARE(preview.prvPagine->orientation(), QPageLayout::Landscape);
            QTRY_COMPARE(preview.prvPagine->pageCount(), 3);
            QStringList commands;
            for (QAction* action : preview.tlbComandi->actions())
                if (!action->isSeparator() && !action->text().isEmpty())
                    commands.append(action->text());
            QCOMPARE(commands,
                     (QStringList{QStringLiteral("Stampa..."), QStringLiteral("Ingrandisci"),
                                  QStringLiteral("Riduci"), QStringLiteral("Pagina intera"),
                                  QStringLiteral("Schermo intero"), QStringLiteral("Chiudi")}));
            checkTextsFit(&preview);

            preview.actZoomAvanti->trigger();
            QCOMPARE(preview.lblZoom->text(), QStringLiteral("125 %"));
            preview.actZoomIndietro->trigger();
            preview.actZoomIndietro->trigger();
            QCOMPARE(preview.lblZoom->text(), QStringLiteral("80 %"));
            preview.actAdatta->trigger();
            QCOMPARE(preview.prvPagine->zoomMode(), QPrintPreviewWidget::FitInView);
            QCOMPARE(preview.lblZoom->text(),
                     QStringLiteral("%1 %").arg(qRound(preview.prvPagine->zoomFactor() * 100)));

            preview.actSchermoIntero->trigger();
            QVERIFY(preview.windowState() & Qt::WindowFullScreen);
            QTest::keyClick(&preview, Qt::Key_Escape);
            QVERIFY(preview.isVisible());
            QVERIFY(preview.windowState() & Qt::WindowMaximized);

            preview.actStampa->trigger();
            QCOMPARE(capturedPrintoutsForTests().size(), 1);
            preview.actChiudi->trigger();
            QVERIFY(!preview.isVisible());
            driven = true;
        });
        previewReport(opener.get(), listReport(QStringLiteral("Riepilogo"), numberedLines(120)));
        QVERIFY(driven);
        const PdfText text = readPdfText(onlyPrintout());
        QCOMPARE(text.pageSizes.size(), 3);
        QCOMPARE(text.find(footer).size(), 1);
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestReport tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_report.moc"
