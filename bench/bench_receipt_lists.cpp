// The receipt search and the unsettled list of a large association, a year of 100,000 receipts:
// each screen timed from the user's click to its first page painted, beside a plain read of the
// file and a bare QListView showing the same lines, and checked against the slow path. Headless:
// QT_QPA_PLATFORM=offscreen bench_receipt_lists [folder] (default: a temporary folder).
#include "bench/ScreenBench.h"
#include "bench/SlowPath.h"
#include "receipts/TfrmDaSaldare.h"
#include "receipts/TfrmTrovaRicevute.h"
#include "rules/ReceiptLists.h"
#include "storage/TextCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

constexpr int year = 2024;
constexpr qint64 receipts = 100000;
const QString payerTyped = QStringLiteral("ross");
const QString itemTyped = QStringLiteral("quota");

// The search window with the payer and the first item typed, timed from the click on "Cerca".
ScreenRun searchScreen(const QString& path, const QString& payer, const QString& item) {
    TfrmTrovaRicevute window(nullptr);
    window.setReceiptsFile(path, {});
    window.show();
    window.txtCliRigo[0]->setText(payer);
    window.txtDescrizione[0]->setText(item);
    const qint64 nanoseconds = untilFirstPaint([&] {
        window.btnCerca->click();
        return &window;
    });
    return {nanoseconds, window.model().lines()};
}

// Opened by the editor's button: built when shown.
ScreenRun unsettledScreen(const QString& path) {
    std::unique_ptr<TfrmDaSaldare> window;
    const qint64 nanoseconds = untilFirstPaint([&] {
        window = std::make_unique<TfrmDaSaldare>(nullptr);
        window->setReceiptsFile(path, {});
        return window.get();
    });
    return {nanoseconds, window->model().lines()};
}

// The search lists in file order.
QStringList slowSearch(const QString& path, const QString& payer, const QString& item) {
    QStringList lines;
    for (const ReceiptRecord& receipt : decodedReceipts(path)) {
        if (holdsTyped(receipt.CliRigo[0], payer) && holdsTyped(receipt.Descrizione[0], item))
            lines.append(slowReceiptLine(receipt, PayerLabel::Pagatore));
    }
    return lines;
}

QStringList slowUnsettled(const QString& path) {
    QStringList lines;
    for (const ReceiptRecord& receipt : decodedReceipts(path)) {
        if (trimBlanks(receipt.DaSaldare) == QStringLiteral("Sì"))
            lines.append(slowReceiptLine(receipt, PayerLabel::Cliente));
    }
    return plainlySorted(lines);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenBench bench = ScreenBench::withReceipts(year, receipts);
    const QString path = bench.archivePath();

    ReceiptCriteria payerOnly;
    payerOnly[2] = payerTyped; // payer line 1
    ReceiptCriteria payerAndItem = payerOnly;
    payerAndItem[6] = itemTyped; // first description
    const std::vector<ScreenCase> cases{
        {"search: payer \"ross\"", [&] { return searchScreen(path, payerTyped, QString()); },
         [&] { return slowSearch(path, payerTyped, QString()); },
         [&] { searchReceipts(path, payerOnly); }},
        {"search: payer \"ross\", item \"quota\"",
         [&] { return searchScreen(path, payerTyped, itemTyped); },
         [&] { return slowSearch(path, payerTyped, itemTyped); },
         [&] { searchReceipts(path, payerAndItem); }},
        {"search: no criteria (every receipt)",
         [&] { return searchScreen(path, QString(), QString()); },
         [&] { return slowSearch(path, QString(), QString()); }},
        {"unsettled list", [&] { return unsettledScreen(path); },
         [&] { return slowUnsettled(path); }, [&] { unsettledReceipts(path); }},
    };
    return bench.run(cases);
}
