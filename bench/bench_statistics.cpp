// The income statistics of a large association, a year of 100,000 receipts: the chart of the
// monthly sums timed from the click on "Apri" to its first page painted, beside a plain read of
// the file and a bare QListView showing the twelve sums, and the sums checked against the slow
// path. Headless: QT_QPA_PLATFORM=offscreen bench_statistics [folder] (default: a temporary
// folder).
#include "bench/ScreenBench.h"
#include "bench/SlowPath.h"
#include "reports/TfrmStatistiche.h"
#include "rules/IncomeStatistics.h"
#include "shell/ScreenFlow.h"
#include "storage/TextCodec.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cmath>

namespace {

constexpr int year = 2024;
const QString yearText = QString::number(year);
constexpr qint64 receipts = 100000;

// The persistent screen is there from the program's start; the user's wait begins at "Apri".
ScreenRun statisticsScreen() {
    ScreenFlow flow;
    TfrmStatistiche screen(flow);
    flow.add(Screen::Statistiche, &screen);
    flow.moveTo(Screen::Statistiche, nullptr);
    screen.txtAnno->setText(yearText);
    const qint64 nanoseconds = untilFirstPaint([&] {
        screen.btnApri->click();
        return &screen;
    });
    QStringList sums;
    for (const QLabel* month : screen.memMesi)
        sums.append(month->text());
    return {nanoseconds, sums};
}

// Each month's sum in double precision, in file order, then rounded half up to whole euros.
QStringList slowMonthlySums(const QString& path) {
    std::array<double, 12> sums{};
    for (const ReceiptRecord& receipt : decodedReceipts(path)) {
        const QString date = trimBlanks(receipt.Data);
        const int month = date.mid(3, 2).toInt();
        if (date.mid(6, 4) == yearText && month >= 1 && month <= 12)
            sums[std::size_t(month - 1)] += slowAmount(receipt.Totale).value_or(0);
    }
    QStringList rounded;
    for (const double sum : sums)
        rounded.append(QString::number(std::floor(sum + 0.5), 'f', 0));
    return rounded;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenBench bench = ScreenBench::withReceipts(year, receipts);
    const QString path = bench.archivePath();
    return bench.run(
        {{"monthly sums chart", statisticsScreen, [&] { return slowMonthlySums(path); },
          [&] { monthlyIncomeOfFile(path, yearText); }}});
}
