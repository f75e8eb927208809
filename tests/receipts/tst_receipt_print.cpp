#include "receipts/TfrmAnteprimaRicevuta.h"
#include "receipts/TfrmListaPresc.h"
#include "receipts/TfrmRicevute.h"
#include "receipts/TfrmStampaRicevuta.h"
#include "rules/PriceList.h"
#include "storage/PriceListFile.h"
#include "storage/ProgramFolder.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/PdfText.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/PrintPreview.h"
#include "ui/Printing.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr qreal copyDistance = 140;
const QString longPayerLine = QStringLiteral(
    "Via dei Mille 12, scala B, interno 7, quartiere Nord-Ovest, presso lo studio Bianchi");

enum class Align { Left, Right, Centre };

QByteArray bitmap(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

QImage filled(QSize size, const QColor& color) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

bool isColour(const QColor& seen, const QColor& wanted) {
    return qAbs(seen.red() - wanted.red()) < 40 && qAbs(seen.green() - wanted.green()) < 40 &&
           qAbs(seen.blue() - wanted.blue()) < 40;
}

} // namespace

Q_DECLARE_METATYPE(Align)

class TestReceiptPrint : public QObject, ReceiptEditorFixture {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> pdfs;

    // A new receipt, not saved, as the user typed it; the total is not computed.
    void typeReceipt() {
        editor->txtLavRigo[0]->setText(QStringLiteral("Circolo Nautico Velarno"));
        editor->txtCliRigo[0]->setText(QStringLiteral("  Rossi Mario  "));
        editor->txtCliRigo[1]->setText(longPayerLine);
        editor->txtCliRigo[2]->setText(QStringLiteral("Rif. [DATE] ordine"));
        editor->txtCliRigo[3]->setText(QStringLiteral("20121 Milano (MI)"));
        editor->txtCliRigo[4]->setText(QStringLiteral("C.F. RSSMRA80A01F205X"));
        editor->txtDescrizione[0]->setText(QStringLiteral("Quota sociale 2027"));
        editor->txtImporto[0]->setText(QStringLiteral("25,00"));
        editor->txtDescrizione[13]->setText(QStringLiteral("Tessera e assicurazione"));
        editor->txtImporto[13]->setText(QStringLiteral("1,50"));
    }
    void capturePrintouts(bool acceptPrinterDialog = true) {
        setPrintCaptureForTests(PrintCapture{acceptPrinterDialog, pdfs->path()});
    }
    // Presses the editor's button and, in the dialog it opens, the confirm button.
    void printWith(QPushButton* editorButton) {
        setDialogDriverForTests([](QDialog& dialog) {
            if (auto* preview = qobject_cast<ReportPreview*>(&dialog)) {
                preview->actStampa->trigger();
                preview->actChiudi->trigger();
                return;
            }
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnStampa")),
                              Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        QTest::mouseClick(editorButton, Qt::LeftButton);
    }
    QString onlyPrintout() const {
        const QStringList printouts = capturedPrintoutsForTests();
        return printouts.size() == 1 ? printouts.first() : QString();
    }
    PdfText printedSheet() {
        capturePrintouts();
        printWith(editor->cmdStampa);
        const QString pdf = onlyPrintout();
        if (pdf.isEmpty())
            QTest::qFail("no printout", __FILE__, __LINE__);
        return readPdfText(pdf);
    }
    // Both copies, left to right.
    static QList<PdfWord> bothCopies(const PdfText& text, const QString& phrase) {
        QList<PdfWord> found = text.find(phrase);
        std::sort(found.begin(), found.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        return found;
    }

private Q_SLOTS:
    void init() {
        setUpScreens(QDateTime(QDate(2027, 3, 15), QTime(10, 0)));
        pdfs = std::make_unique<QTemporaryDir>();
        openEditor();
    }
    void cleanup() {
        tearDownScreens();
        pdfs.reset();
    }

    void dialogsAsDesigned_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("confirm");
        QTest::newRow("print") << QStringLiteral(" Stampa ricevuta corrente")
                               << QStringLiteral("Stampa");
        QTest::newRow("preview") << QStringLiteral(" Anteprima di stampa")
                                 << QStringLiteral("Mostra anteprima");
    }
    void dialogsAsDesigned() {
        QFETCH(QString, caption);
        QFETCH(QString, confirm);
        capturePrintouts();
        bool seen = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), caption);
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QCOMPARE(control<QPushButton>(&dialog, QStringLiteral("btnStampa"))->text(), confirm);
            QCOMPARE(control<QPushButton>(&dialog, QStringLiteral("btnAnnulla"))->text(),
                     QStringLiteral("Annulla"));
            checkTextsFit(&dialog);
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnAnnulla")),
                              Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            seen = true;
        });
        QVERIFY(editor->cmdStampa->isEnabled());
        QVERIFY(editor->cmdAnteprima->isEnabled());
        QTest::mouseClick(caption.contains(QLatin1String("Anteprima")) ? editor->cmdAnteprima
                                                                       : editor->cmdStampa,
                          Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(capturedPrintoutsForTests().isEmpty()); // Annulla prints nothing
    }

    // Each text in its box of copy A, and the same 140 mm to the right in copy B.
    void sheetCarriesTheReceiptInBothCopies_data() {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QRectF>("box"); // copy A, millimetres from the sheet's corner
        QTest::addColumn<Align>("align");
        QTest::addColumn<bool>("middle"); // vertically centred, else at the top of its box
        QTest::newRow("number") << QStringLiteral("Ricevuta n. 1") << QRectF(76, 13, 65, 4)
                                << Align::Left << false;
        QTest::newRow("date") << QStringLiteral("Data emissione: 15/03/2027")
                              << QRectF(76, 17.8, 65, 4) << Align::Left << false;
        QTest::newRow("association line 1") << QStringLiteral("Circolo Nautico Velarno")
                                            << QRectF(12, 51, 60, 4.8) << Align::Left << true;
        QTest::newRow("payer line 1, trimmed")
            << QStringLiteral("Rossi Mario") << QRectF(76, 30, 65, 4.8) << Align::Left << true;
        QTest::newRow("payer line 4") << QStringLiteral("20121 Milano (MI)")
                                      << QRectF(76, 48.3, 65, 4.8) << Align::Left << true;
        QTest::newRow("payer line 5") << QStringLiteral("C.F. RSSMRA80A01F205X")
                                      << QRectF(76, 54.2, 65, 4.4) << Align::Left << true;
        QTest::newRow("row 1") << QStringLiteral("Quota sociale 2027") << QRectF(13, 86, 106.2, 4.8)
                               << Align::Left << true;
        QTest::newRow("amount 1, no currency sign")
            << QStringLiteral("25,00") << QRectF(122, 86, 19.8, 4.8) << Align::Right << true;
        QTest::newRow("row 14") << QStringLiteral("Tessera e assicurazione")
                                << QRectF(13, 171.8, 106.2, 4.8) << Align::Left << true;
        QTest::newRow("amount 14")
            << QStringLiteral("1,50") << QRectF(122, 171.8, 19.8, 4.8) << Align::Right << true;
        QTest::newRow("total not computed")
            << QStringLiteral("€ ---") << QRectF(79, 188.2, 62.5, 7.2) << Align::Right << true;
        QTest::newRow("items caption") << QStringLiteral("PRODOTTI E SERVIZI FORNITI")
                                       << QRectF(13, 80, 106.2, 3.2) << Align::Centre << true;
        QTest::newRow("total caption") << QStringLiteral("TOTALE RICEVUTA")
                                       << QRectF(79, 180.8, 63, 5.2) << Align::Centre << true;
    }
    void sheetCarriesTheReceiptInBothCopies() {
        QFETCH(QString, phrase);
        QFETCH(QRectF, box);
        QFETCH(Align, align);
        QFETCH(bool, middle);
        typeReceipt();
        const PdfText text = printedSheet();
        const PdfInfo info = readPdfInfo(onlyPrintout());
        QCOMPARE(info.pages, 1);
        QVERIFY(info.isA4());
        QVERIFY(info.isLandscape());

        const QList<PdfWord> copies = bothCopies(text, phrase);
        QCOMPARE(copies.size(), 2);
        const PdfWord& a = copies[0];
        const qreal edge = align == Align::Left    ? a.box.left() - box.left()
                           : align == Align::Right ? a.box.right() - box.right()
                                                   : a.box.center().x() - box.center().x();
        QVERIFY2(qAbs(edge) < 0.6,
                 qPrintable(QStringLiteral("%1 off by %2 mm").arg(phrase).arg(edge)));
        const qreal drift =
            middle ? a.box.center().y() - box.center().y() : a.box.top() - box.top();
        QVERIFY2(qAbs(drift) < 0.3,
                 qPrintable(QStringLiteral("%1 %2 mm off vertically").arg(phrase).arg(drift)));
        QVERIFY(qAbs(copies[1].box.left() - a.box.left() - copyDistance) < 0.05);
        QVERIFY(qAbs(copies[1].box.top() - a.box.top()) < 0.05);
    }

    // The dialog prints the receipt it is handed, whichever window opens it: it reads no
    // editor's boxes.
    void sheetPrintsTheReceiptHandedToTheDialog() {
        typeReceipt(); // what the editor shows does not reach this sheet
        ReceiptRecord receipt;
        receipt.NumRic = QStringLiteral("77");
        receipt.CliRigo[0] = QStringLiteral("Bianchi Anna");
        receipt.Descrizione[2] = QStringLiteral("Noleggio deriva");
        receipt.Importo[2] = QStringLiteral("40,00");
        receipt.Totale = QStringLiteral("40,00");
        capturePrintouts();
        setDialogDriverForTests([](QDialog& dialog) {
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnStampa")),
                              Qt::LeftButton);
        });
        QWidget opener;
        run_dialog<TfrmStampaRicevuta>(
            &opener, [&](TfrmStampaRicevuta& dialog) { dialog.setReceipt(receipt); });
        const PdfText text = readPdfText(onlyPrintout());
        for (const QString& phrase : {QStringLiteral("Bianchi Anna"),
                                      QStringLiteral("Noleggio deriva"), QStringLiteral("40,00")})
            QVERIFY2(text.find(phrase).size() >= 2, qPrintable(phrase));
        QVERIFY(text.find(QStringLiteral("Rossi Mario")).isEmpty());
    }

    void copiesDifferOnlyInTitleAndNote() {
        typeReceipt();
        const PdfText text = printedSheet();
        const QList<PdfWord> titleA = text.find(QStringLiteral("COPIA PER SOCIO O CLIENTE"));
        const QList<PdfWord> titleB = text.find(QStringLiteral("COPIA PER ASSOCIAZIONE"));
        QCOMPARE(titleA.size(), 1);
        QCOMPARE(titleB.size(), 1);
        QVERIFY(qAbs(titleA[0].box.center().x() - (75 + 67.1 / 2)) < 0.6);
        QVERIFY(qAbs(titleB[0].box.center().x() - (75 + 67.1 / 2) - copyDistance) < 0.6);
        const QList<PdfWord> noteA = text.find(QStringLiteral(
            "Documento soggetto a imposta di bollo in base alle normative vigenti."));
        const QList<PdfWord> noteB =
            text.find(QStringLiteral("Marca da bollo applicata sull'originale ove previsto."));
        QCOMPARE(noteA.size(), 1);
        QCOMPARE(noteB.size(), 1);
        QVERIFY(qAbs(noteA[0].box.left() - 10) < 0.6);
        QVERIFY(qAbs(noteB[0].box.left() - 150) < 0.6);
        QVERIFY(noteA[0].box.top() >= 198.4 - 0.3);
    }

    void textsPrintLiterallyOnOneLineCutAtTheBoxEdge() {
        typeReceipt();
        const PdfText text = printedSheet();
        QCOMPARE(bothCopies(text, QStringLiteral("Rif. [DATE] ordine")).size(), 2);

        const QList<PdfWord> starts = bothCopies(text, QStringLiteral("Via dei Mille"));
        QCOMPARE(starts.size(), 2);
        QVERIFY(text.find(QStringLiteral("Bianchi")).isEmpty());
        for (int copy = 0; copy < 2; ++copy) {
            const qreal right = 76 + 65 + copy * copyDistance;
            for (const PdfWord& word : text.words) {
                if (qAbs(word.box.top() - starts[copy].box.top()) > 0.1 ||
                    word.box.left() < starts[copy].box.left() || word.box.left() > right)
                    continue;
                QVERIFY2(word.box.right() <= right + 0.1, qPrintable(word.text));
                QVERIFY2(longPayerLine.contains(word.text), qPrintable(word.text));
            }
        }
        // The third payer line stays in its own place: nothing was wrapped onto it.
        const QList<PdfWord> third = bothCopies(text, QStringLiteral("Rif. [DATE] ordine"));
        QVERIFY(qAbs(third[0].box.top() - starts[0].box.top() - 5) < 0.1);
    }

    void emptyRowsPrintBlankAndPlaceholdersNeverReachThePaper() {
        typeReceipt();
        editor->txtCliRigo[1]->clear();
        const PdfText text = printedSheet();
        QVERIFY(text.find(QStringLiteral("Descrizione")).isEmpty());
        QVERIFY(text.find(QStringLiteral("0,00")).isEmpty());
        const QRectF secondRow(12, 92.6, 131, 4.8);
        const QRectF secondPayerLine(75, 35, 67, 4.8);
        for (const PdfWord& word : text.words) {
            QVERIFY2(!secondRow.intersects(word.box), qPrintable(word.text));
            QVERIFY2(!secondPayerLine.intersects(word.box), qPrintable(word.text));
        }
        QCOMPARE(bothCopies(text, QStringLiteral("Tessera e assicurazione")).size(), 2);
    }

    void computedTotalPrintsAfterTheEuroSign() {
        typeReceipt();
        QTest::mouseClick(editor->btnTotale, Qt::LeftButton);
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("26,50"));
        const PdfText text = printedSheet();
        QCOMPARE(bothCopies(text, QStringLiteral("€ 26,50")).size(), 2);
        QVERIFY(text.find(QStringLiteral("---")).isEmpty());
    }

    void cancelledPrinterDialogClosesWithoutPrinting() {
        typeReceipt();
        capturePrintouts(false);
        printWith(editor->cmdStampa);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
    }

    void previewShowsTheSheetFromWhichItPrints() {
        typeReceipt();
        capturePrintouts();
        bool previewed = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            if (auto* preview = qobject_cast<ReportPreview*>(&dialog)) {
                QTRY_COMPARE(preview->prvPagine->pageCount(), 1);
                QCOMPARE(preview->prvPagine->orientation(), QPageLayout::Landscape);
                QCOMPARE(preview->prvPagine->zoomFactor(), 1.0);
                QVERIFY(capturedPrintoutsForTests().isEmpty());
                preview->actStampa->trigger();
                preview->actChiudi->trigger();
                previewed = true;
                return;
            }
            QCOMPARE(dialog.objectName(), QStringLiteral("TfrmAnteprimaRicevuta"));
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnStampa")),
                              Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        QTest::mouseClick(editor->cmdAnteprima, Qt::LeftButton);
        QVERIFY(previewed);
        const PdfText text = readPdfText(onlyPrintout());
        QCOMPARE(bothCopies(text, QStringLiteral("Ricevuta n. 1")).size(), 2);
        QCOMPARE(bothCopies(text, QStringLiteral("€ ---")).size(), 2);
    }

    // A wide logo fills the top of its box, left-aligned, in both copies; each opening reads
    // Logo.bmp again.
    void logoIsReadAtEachOpening() {
        typeReceipt();
        const auto printedLogo = [this] {
            capturePrintouts();
            printWith(editor->cmdStampa);
            return renderPdfPage(onlyPrintout(), 1, 50);
        };
        t.writeProgramFile(QStringLiteral("Logo.bmp"), bitmap(filled({600, 190}, Qt::red)));
        PdfPicture sheet = printedLogo();
        for (qreal shift : {0.0, copyDistance}) {
            QVERIFY(isColour(sheet.pixelAt(14 + shift, 14), Qt::red));
            QVERIFY(isColour(sheet.pixelAt(70 + shift, 29), Qt::red));
            QVERIFY(isColour(sheet.pixelAt(40 + shift, 40), Qt::white));
        }

        t.writeProgramFile(QStringLiteral("Logo.bmp"), bitmap(filled({600, 190}, Qt::green)));
        sheet = printedLogo();
        QVERIFY(isColour(sheet.pixelAt(14, 14), Qt::green));

        QVERIFY(QFile::remove(logoPath()));
        sheet = printedLogo(); // the blue euro sign on white
        QVERIFY(isColour(sheet.pixelAt(14, 14), Qt::white));
        int blue = 0;
        for (qreal x = 12; x < 72; x += 1)
            for (qreal y = 12; y < 50; y += 1)
                blue += sheet.pixelAt(x, y).blue() > sheet.pixelAt(x, y).red() + 60;
        QVERIFY2(blue > 100, qPrintable(QString::number(blue)));
    }

    void priceListPrintsEveryEntryUnderItsTitle() {
        const QStringList lines{
            priceListLine(QStringLiteral("Corso di vela"), QStringLiteral("120,00")),
            priceListLine(QStringLiteral("Quota sociale"), QStringLiteral("25,00"))};
        writePriceListFile(priceListPath(), lines);
        capturePrintouts();
        QWidget opener;
        setDialogDriverForTests([](QDialog& dialog) {
            auto& window = dynamic_cast<TfrmListaPresc&>(dialog);
            QVERIFY(window.btnStampa->isEnabled());
            QTest::mouseClick(window.btnStampa, Qt::LeftButton);
            QVERIFY(window.isVisible()); // printing leaves the window and its list as they were
            QTest::mouseClick(window.btnAnnulla, Qt::LeftButton);
        });
        openPriceList(&opener);
        const PdfText text = readPdfText(onlyPrintout());
        QCOMPARE(text.find(QStringLiteral("Listino prezzi")).size(), 1);
        const QList<PdfWord> first = text.find(QStringLiteral("Corso di vela € 120,00"));
        const QList<PdfWord> second = text.find(QStringLiteral("Quota sociale € 25,00"));
        QCOMPARE(first.size(), 1);
        QCOMPARE(second.size(), 1);
        QVERIFY(second[0].box.top() > first[0].box.top());
        QCOMPARE(text.find(QStringLiteral("Stampa eseguita in data 15/03/2027")).size(), 1);
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestReceiptPrint tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_receipt_print.moc"
