#include "members/PhotoBox.h"
#include "members/TfrmAnagrafica.h"
#include "members/TfrmAnteprimaAna.h"
#include "members/TfrmStampaAna.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/PdfText.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/PrintPreview.h"
#include "ui/Printing.h"

#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The card's geometry on paper, in millimetres from the sheet's corner: the template's
// positions plus the 10 mm margins.
constexpr qreal margin = 10;
constexpr qreal captionText = margin + 3 + 1; // the caption keeps 1 mm from its edge
constexpr qreal valueLeft = margin + 60;
constexpr qreal valueRight = valueLeft + 128;
constexpr qreal rowHeight = 6;
const QPointF photoCentre(margin + 4 + 183 / 2.0, margin + 21 + 79 / 2.0);

const QString printedAt = QStringLiteral("Stampa eseguita in data 10/12/2026 alle ore 09:30:15");

QImage filled(QSize size, const QColor& color) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

bool isRed(const QColor& color) {
    return color.red() > 200 && color.green() < 60 && color.blue() < 60;
}
bool isWhite(const QColor& color) {
    return color.red() > 240 && color.green() > 240 && color.blue() > 240;
}

// A click on the option's round button.
void choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

} // namespace

class TestMemberPrint : public QObject, MemberEditorFixture {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> pdfs;

    // A member typed in the editor, not saved.
    void typeMember() {
        editor->txtDipendente->setText(QStringLiteral("  Rossi Mario  "));
        editor->txtCittadinanza->setText(QStringLiteral("1234"));
        editor->txtStipendio->setText(QStringLiteral("25,00"));
        editor->txtNote->setText(QStringLiteral("Socio fondatore"));
        editor->txtEmail->setText(QStringLiteral("mario.rossi@example.it"));
    }
    void capturePrintouts(bool acceptPrinterDialog = true) {
        setPrintCaptureForTests(PrintCapture{acceptPrinterDialog, pdfs->path()});
    }
    // The editor's button, then, in its window, the photo choice and the confirm button; a
    // preview is printed from and closed.
    void printWith(QPushButton* editorButton, bool withPhoto) {
        setDialogDriverForTests([withPhoto](QDialog& dialog) {
            if (auto* preview = qobject_cast<ReportPreview*>(&dialog)) {
                QTRY_COMPARE(preview->prvPagine->pageCount(), 1);
                QCOMPARE(preview->prvPagine->orientation(), QPageLayout::Portrait);
                preview->actStampa->trigger();
                preview->actChiudi->trigger();
                return;
            }
            if (!withPhoto)
                choose(control<QRadioButton>(&dialog, QStringLiteral("optDue")));
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
    QString printedCard(bool withPhoto) {
        capturePrintouts();
        printWith(editor->btnStampa, withPhoto);
        return onlyPrintout();
    }
    static void verifyAt(const PdfText& text, const QString& phrase, qreal left, qreal middle) {
        const QList<PdfWord> found = text.find(phrase);
        QVERIFY2(found.size() == 1, qPrintable(phrase));
        QVERIFY2(qAbs(found[0].box.left() - left) < 0.6,
                 qPrintable(QStringLiteral("%1 at x %2").arg(phrase).arg(found[0].box.left())));
        QVERIFY2(
            qAbs(found[0].box.center().y() - middle) < 0.3,
            qPrintable(QStringLiteral("%1 at y %2").arg(phrase).arg(found[0].box.center().y())));
    }

private Q_SLOTS:
    void init() {
        pdfs = std::make_unique<QTemporaryDir>();
        showEditor(QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15)));
    }
    void cleanup() {
        closeEditor();
        pdfs.reset();
    }

    void windowsAsDesigned_data() {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("withPhoto");
        QTest::addColumn<QString>("withoutPhoto");
        QTest::addColumn<QString>("confirm");
        QTest::newRow("print") << false << QStringLiteral(" Stampa scheda")
                               << QStringLiteral("Stampa dati con foto.")
                               << QStringLiteral("Stampa dati senza foto.")
                               << QStringLiteral("Stampa");
        QTest::newRow("preview") << true << QStringLiteral(" Anteprima di stampa")
                                 << QStringLiteral("Anteprima dati con foto.")
                                 << QStringLiteral("Anteprima dati senza foto.")
                                 << QStringLiteral("Mostra anteprima");
    }
    void windowsAsDesigned() {
        QFETCH(bool, preview);
        QFETCH(QString, caption);
        QFETCH(QString, withPhoto);
        QFETCH(QString, withoutPhoto);
        QFETCH(QString, confirm);
        capturePrintouts();
        bool seen = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& window = dynamic_cast<MemberCardDialog&>(dialog);
            QCOMPARE(window.windowTitle(), caption);
            QCOMPARE(window.minimumSize(), window.maximumSize());
            QCOMPARE(window.optUno->text(), withPhoto);
            QCOMPARE(window.optDue->text(), withoutPhoto);
            QVERIFY(window.optUno->isChecked());
            QCOMPARE(window.photoChoice(), MemberCardPhoto::With);
            choose(window.optDue);
            QCOMPARE(window.photoChoice(), MemberCardPhoto::Without);
            choose(window.optUno);
            QCOMPARE(window.photoChoice(), MemberCardPhoto::With);
            QCOMPARE(window.btnStampa->text(), confirm);
            QCOMPARE(window.btnAnnulla->text(), QStringLiteral("Annulla"));
            checkTextsFit(&window);
            QTest::mouseClick(window.btnAnnulla, Qt::LeftButton);
            QVERIFY(!window.isVisible());
            seen = true;
        });
        QPushButton* button = preview ? editor->btnAnteprima : editor->btnStampa;
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
    }

    void rowsStandWhereTheTemplateSays_data() {
        QTest::addColumn<bool>("withPhoto");
        QTest::addColumn<qreal>("firstRow"); // from the top of the margins
        QTest::addColumn<qreal>("rowStep");
        QTest::newRow("with photo") << true << qreal(104) << qreal(9);
        QTest::newRow("without photo") << false << qreal(24) << qreal(10);
    }
    void rowsStandWhereTheTemplateSays() {
        QFETCH(bool, withPhoto);
        QFETCH(qreal, firstRow);
        QFETCH(qreal, rowStep);
        typeMember();
        const QString pdf = printedCard(withPhoto);
        const PdfInfo info = readPdfInfo(pdf);
        QCOMPARE(info.pages, 1);
        QVERIFY(info.isA4());
        QVERIFY(!info.isLandscape());
        const PdfText text = readPdfText(pdf);

        const qreal firstMiddle = margin + firstRow + rowHeight / 2;
        const qreal lastMiddle = firstMiddle + 17 * rowStep;
        verifyAt(text, QStringLiteral("Cognome e nome:"), captionText, firstMiddle);
        verifyAt(text, QStringLiteral("Rossi Mario"), valueLeft, firstMiddle);
        verifyAt(text, QStringLiteral("€ 25,00"), valueLeft, firstMiddle + 2 * rowStep);
        verifyAt(text, QStringLiteral("Socio fondatore"), valueLeft, firstMiddle + 14 * rowStep);
        verifyAt(text, QStringLiteral("E-mail:"), captionText, lastMiddle);
        verifyAt(text, QStringLiteral("mario.rossi@example.it"), valueLeft, lastMiddle);

        const QList<PdfWord> title = text.find(QStringLiteral("SCHEDA DATI ANAGRAFICI SOCIO"));
        QCOMPARE(title.size(), 1);
        QVERIFY(qAbs(title[0].box.center().x() - (margin + 23 + 165 / 2.0)) < 0.6);
        QVERIFY(qAbs(title[0].box.center().y() - (margin + 3 + 9 / 2.0)) < 0.3);
        const QList<PdfWord> footer = text.find(printedAt);
        QCOMPARE(footer.size(), 1);
        QVERIFY(qAbs(footer[0].box.center().x() - (margin + 3 + 185 / 2.0)) < 0.6);
        QVERIFY(qAbs(footer[0].box.center().y() - (margin + 269 + 3)) < 0.3);

        const QList<PdfWord> notes = text.find(QStringLiteral("SPAZIO PER APPUNTI:"));
        QCOMPARE(notes.size(), withPhoto ? 0 : 1);
        if (!withPhoto)
            QVERIFY(qAbs(notes[0].box.left() - (margin + 4)) < 0.6);
    }

    // The photo is scaled to fit its box, proportions kept, centred; only with the photo.
    void photoPrintsOnlyWhenChosen() {
        editor->imgFoto->setPicture(filled({200, 150}, Qt::red));
        const PdfPicture withPhoto = renderPdfPage(printedCard(true), 1, 50);
        QVERIFY(isRed(withPhoto.pixelAt(photoCentre.x(), photoCentre.y())));
        QVERIFY(isRed(withPhoto.pixelAt(photoCentre.x() + 50, margin + 22)));
        QVERIFY(isWhite(withPhoto.pixelAt(photoCentre.x() - 60, photoCentre.y())));
        QVERIFY(isWhite(withPhoto.pixelAt(photoCentre.x() + 60, photoCentre.y())));

        const PdfPicture withoutPhoto = renderPdfPage(printedCard(false), 1, 50);
        QVERIFY(isWhite(withoutPhoto.pixelAt(photoCentre.x(), photoCentre.y())));
    }

    void memberWithoutPhotoPrintsThePicturePutInItsPlace() {
        QVERIFY(editor->imgFoto->showsPlaceholder());
        const PdfPicture card = renderPdfPage(printedCard(true), 1, 50);
        int drawn = 0;
        for (qreal x = margin + 4; x < margin + 187; x += 2)
            for (qreal y = margin + 21; y < margin + 100; y += 2)
                drawn += !isWhite(card.pixelAt(x, y));
        QVERIFY2(drawn > 200, qPrintable(QString::number(drawn)));
    }

    void emptyCardPrintsCaptionsAndTheEuroSignAlone() {
        for (QLineEdit* box : editor->findChildren<QLineEdit*>())
            box->clear();
        const PdfText text = readPdfText(printedCard(false));
        const QList<PdfWord> euro = text.find(QStringLiteral("€"));
        QCOMPARE(euro.size(), 1);
        QVERIFY(qAbs(euro[0].box.left() - valueLeft) < 0.6);
        for (const PdfWord& word : text.words)
            QVERIFY2(word.box.right() < valueLeft || word.text == QStringLiteral("€") ||
                         word.box.top() < margin + 16 || word.box.top() > margin + 265,
                     qPrintable(word.text));
        QCOMPARE(text.find(QStringLiteral("Incarico ricoperto:")).size(), 1);
    }

    void longValueIsCutAtTheBoxEdge() {
        typeMember();
        editor->txtIndirizzo->setText(
            QStringLiteral("Via della Repubblica Italiana 125, scala B, interno 7, presso lo "
                           "studio dei notai associati Bianchi e Verdi"));
        const PdfText text = readPdfText(printedCard(false));
        const QList<PdfWord> start = text.find(QStringLiteral("Via della Repubblica"));
        QCOMPARE(start.size(), 1);
        QVERIFY(text.find(QStringLiteral("Verdi")).isEmpty());
        for (const PdfWord& word : text.words)
            if (qAbs(word.box.top() - start[0].box.top()) < 0.1)
                QVERIFY2(word.box.right() <= valueRight + 0.1, qPrintable(word.text));
    }

    void cancelledPrinterDialogClosesWithoutPrinting() {
        typeMember();
        capturePrintouts(false);
        printWith(editor->btnStampa, true);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
    }

    void previewShowsTheCardFromWhichItPrints() {
        typeMember();
        capturePrintouts();
        printWith(editor->btnAnteprima, false);
        const PdfText text = readPdfText(onlyPrintout());
        QCOMPARE(text.find(QStringLiteral("SPAZIO PER APPUNTI:")).size(), 1);
        QCOMPARE(text.find(QStringLiteral("Rossi Mario")).size(), 1);
        QCOMPARE(text.find(printedAt).size(), 1);
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestMemberPrint tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_member_print.moc"
