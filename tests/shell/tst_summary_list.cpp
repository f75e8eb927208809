#include "rules/ListOrder.h"
#include "shell/SummaryList.h"
#include "tests/shell/ShellTests.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/DialogRunner.h"
#include "ui/Printing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// A list of fixed entries; a chosen line reports the position of its record.
class SampleList : public SummaryListDialog {
public:
    SampleList(QWidget* opener, std::vector<ListEntry> entries, int skipped, qint64* opened)
        : SummaryListDialog(opener, {QStringLiteral("TfrmProva"), QStringLiteral(" Prova"),
                                     QStringLiteral("Riepilogo di prova"),
                                     SummaryListModel::Order::Sorted, true}),
          entries_(std::move(entries)), skipped_(skipped), opened_(opened) {}

protected:
    void buildList() override {
        ListLines lines;
        for (const ListEntry& entry : entries_)
            lines.append(entry);
        showEntries(std::move(lines), skipped_);
    }
    void openEntry(const ListEntry& entry) override { *opened_ = entry.position; }

private:
    std::vector<ListEntry> entries_;
    int skipped_;
    qint64* opened_;
};

std::vector<ListEntry> people() {
    return {{QStringLiteral("Verdi"), 1},
            {QStringLiteral("Rossi Bruno"), 2},
            {QStringLiteral("Bianchi"), 3},
            {QStringLiteral("Rossi Anna"), 4},
            {QStringLiteral("Rossi Anna"), 5}};
}

} // namespace

class TestSummaryList : public QObject {
    Q_OBJECT
    ScreenTest t;
    QWidget opener;
    qint64 opened = 0;

    // Runs a sample list with the entries and lets the test act on it.
    void run(std::vector<ListEntry> entries, int skipped,
             const std::function<void(SampleList&)>& act) {
        setDialogDriverForTests([&](QDialog& dialog) { act(static_cast<SampleList&>(dialog)); });
        SampleList list(&opener, std::move(entries), skipped, &opened);
        execDialog(list);
    }
    static QString selectedLine(SampleList& list) {
        return list.model().lines().value(list.selectedRow());
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        opened = 0;
    }
    void cleanup() { t.tearDownSeams(); }

    void sortedAndFound() {
        run(people(), 0, [this](SampleList& list) {
            checkTextsFit(&list);
            QVERIFY(QTest::qWaitForWindowActive(&list));
            QCOMPARE(list.model().lines(),
                     (QStringList{QStringLiteral("Bianchi"), QStringLiteral("Rossi Anna"),
                                  QStringLiteral("Rossi Anna"), QStringLiteral("Rossi Bruno"),
                                  QStringLiteral("Verdi")}));
            QVERIFY(list.txtTrova->hasFocus());
            typeText(list.txtTrova, QStringLiteral("bruno"));
            QTest::keyClick(list.txtTrova, Qt::Key_Return);
            QVERIFY(list.btnTrova->hasFocus());
            QTest::mouseClick(list.btnTrova, Qt::LeftButton);
            QCOMPARE(selectedLine(list), QStringLiteral("Rossi Bruno"));
            list.txtTrova->setText(QStringLiteral("ROSSI"));
            QTest::mouseClick(list.btnTrova, Qt::LeftButton); // a new key starts from the top
            QCOMPARE(list.selectedRow(), 1);
            list.selectRow(2); // picked by hand: find next goes on after it
            QTest::mouseClick(list.btnTrova, Qt::LeftButton);
            QCOMPARE(list.selectedRow(), 3);
            list.txtTrova->setText(QStringLiteral("neri"));
            QTest::mouseClick(list.btnTrova, Qt::LeftButton);
            QCOMPARE(list.selectedRow(), 3);
            QVERIFY(t.messages.isEmpty());
            list.reject();
        });
    }

    // Equal lines: the clicked one opens its own record.
    void doubleClickOpensTheClickedRecord() {
        run(people(), 0, [](SampleList& list) {
            list.selectRow(2);
            Q_EMIT list.lstRecords->doubleClicked(list.model().index(2));
        });
        QCOMPARE(opened, 5);
    }

    void emptyListAndSkippedRecords() {
        run({}, 2, [this](SampleList& list) {
            QTest::mouseClick(list.btnTrova, Qt::LeftButton);
            QCOMPARE(t.messages.last().text, QStringLiteral("Ricerca non applicabile: la lista "
                                                            "non contiene nessuna voce."));
            QCOMPARE(t.messages.last().kind, MessageKind::Plain);
            QTest::mouseClick(list.btnChiudi, Qt::LeftButton);
            QCOMPARE(list.model().rowCount(), 0);
        });
        QCOMPARE(t.messages.first().kind, MessageKind::Warning);
        QCOMPARE(t.messages.first().text, skippedRecordsMessage(2));
    }

    // A list longer than a page: its pages are numbered.
    void printsTheLines() {
        QTemporaryDir pdfs;
        setPrintCaptureForTests(PrintCapture{true, pdfs.path()});
        std::vector<ListEntry> entries;
        for (int i = 1; i <= 60; ++i)
            entries.push_back({QStringLiteral("Socio %1").arg(i, 2, 10, QLatin1Char('0')), i});
        run(entries, 0, [](SampleList& list) {
            QTest::mouseClick(list.btnStampa, Qt::LeftButton);
            list.reject();
        });
        QCOMPARE(capturedPrintoutsForTests().size(), 1);
        const PdfText text = readPdfText(capturedPrintoutsForTests().first());
        QCOMPARE(text.pageSizes.size(), 2);
        QCOMPARE(text.find(QStringLiteral("Riepilogo di prova")).size(), 1);
        QCOMPARE(text.find(QStringLiteral("Socio 60")).size(), 1);
        for (int page = 1; page <= 2; ++page) {
            const QList<PdfWord> number = text.find(QStringLiteral("Pagina %1 di 2").arg(page));
            QCOMPARE(number.size(), 1);
            QCOMPARE(number[0].page, page);
        }
    }

    // A long list, sorted and replaced: each line still comes with its own record.
    void longListKeepsEachLinesRecord() {
        QRandomGenerator random(20261211);
        QStringList texts;
        ListLines lines;
        for (int i = 0; i < 20000; ++i) {
            texts.append(QStringLiteral("Socio %1").arg(random.bounded(30000)));
            lines.append(texts.last(), i + 1);
        }
        SummaryListModel model(SummaryListModel::Order::Sorted);
        model.setLines(lines);
        model.setLines(lines);
        QCOMPARE(model.rowCount(), texts.size());
        QStringList sorted = texts;
        sortListTexts(sorted);
        QCOMPARE(model.lines(), sorted);
        for (int row = 0; row < model.rowCount(); row += 997) {
            const ListEntry entry = model.entry(row);
            QCOMPARE(entry.line, texts[int(entry.position) - 1]);
        }
        model.setLines(lines);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }
};

QObject* newSummaryListTests() {
    return new TestSummaryList;
}

#include "tst_summary_list.moc"
