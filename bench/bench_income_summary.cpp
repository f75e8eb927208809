// The income summary of a large association, a year of 100,000 receipts: the summary window of
// a whole year, of one month and of one payer, timed from the click that opens it to its first
// page painted, beside a plain read of the file and a bare QListView showing the same lines, and
// its lines and total checked against the slow path. Headless:
// QT_QPA_PLATFORM=offscreen bench_income_summary [folder] (default: a temporary folder).
#include "bench/ScreenBench.h"
#include "bench/SlowPath.h"
#include "reports/TfrmRiepLavoro.h"
#include "rules/IncomeSummary.h"
#include "shell/SummaryList.h"

#include <QApplication>
#include <QLabel>
#include <memory>

namespace {

constexpr int year = 2024;
constexpr qint64 receipts = 100000;

struct Period {
    QString payer;
    QDate start;
    QDate end;
};

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

// The lines of the summary, then its total.
QStringList answer(QStringList lines, const QString& total) {
    lines.append(QStringLiteral("total ") + total);
    return lines;
}

ScreenRun summaryScreen(const QString& path, const Period& period) {
    std::unique_ptr<TfrmRiepLavoro> window;
    const qint64 nanoseconds = untilFirstPaint([&] {
        window = std::make_unique<TfrmRiepLavoro>(nullptr);
        window->setRequest({period.payer, path, dateText(period.start), dateText(period.end)},
                           nullptr);
        return window.get();
    });
    return {nanoseconds, answer(window->model().lines(), window->lblTotCosti->text())};
}

QStringList slowSummary(const QString& path, const Period& period) {
    QStringList lines;
    double total = 0;
    for (const ReceiptRecord& receipt : decodedReceipts(path)) {
        const QDate issued = slowDate(receipt.Data);
        if (!holdsTyped(receipt.CliRigo[0], period.payer) || issued < period.start ||
            issued > period.end)
            continue;
        lines.append(slowReceiptLine(receipt, PayerLabel::Pagatore));
        total += slowAmount(receipt.Totale).value_or(0);
    }
    return answer(plainlySorted(lines), slowAmountText(total));
}

void scanOnly(const QString& path, const Period& period) {
    incomeSummaryOfFile(path, period.payer,
                        {period.start.day(), period.start.month(), period.start.year()},
                        {period.end.day(), period.end.month(), period.end.year()});
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenBench bench = ScreenBench::withReceipts(year, receipts);
    const QString path = bench.archivePath();

    const Period wholeYear{QString(), QDate(year, 1, 1), QDate(year, 12, 31)};
    const Period march{QString(), QDate(year, 3, 1), QDate(year, 3, 31)};
    const Period payer{QStringLiteral("ross"), wholeYear.start, wholeYear.end};
    std::vector<ScreenCase> cases;
    for (const auto& [name, period, fewLines] :
         {std::tuple{"summary, whole year", wholeYear, false},
          std::tuple{"summary, one month (March)", march, true},
          std::tuple{"summary, whole year, payer \"ross\"", payer, true}}) {
        cases.push_back({name, [&path, period = period] { return summaryScreen(path, period); },
                         [&path, period = period] { return slowSummary(path, period); }});
        if (fewLines)
            cases.back().scan = [&path, period = period] { scanOnly(path, period); };
    }
    return bench.run(cases);
}
