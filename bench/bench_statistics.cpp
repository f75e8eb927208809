// The income statistics of a large association: the monthly sums of a year of 100,000 receipts,
// timed against a plain sequential read of the same file. Usage: bench_statistics [folder]
// (default: a temporary folder).
#include "bench/ArchiveGenerator.h"
#include "bench/BenchTiming.h"
#include "rules/IncomeStatistics.h"
#include "storage/ReceiptRecord.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int year = 2024;
constexpr qint64 receipts = 100000;
constexpr int rounds = 9;

double monthlySums(const QString& path) {
    const MonthlyIncome income = monthlyIncomeOfFile(path, QString::number(year));
    double total = 0;
    for (int month = 1; month <= MonthlyIncome::Months; ++month)
        total += income.roundedSum(month);
    return total;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = folder + QStringLiteral("/%1.ric").arg(year);
    if (!ArchiveGenerator().writeReceiptsArchive(path, year, receipts))
        qFatal("cannot write %s", qPrintable(path));
    const qint64 bytes = receipts * ReceiptRecord::Size;
    std::printf("%lld receipts of %d in %s (%.1f MB)\n", static_cast<long long>(receipts), year,
                qPrintable(path), double(bytes) / 1e6);

    // Both from the disk cache: the first read only brings the file in.
    plainRead(path);
    QList<qint64> readTimes, sumTimes;
    quint64 touched = 0;
    double total = 0;
    for (int round = 0; round < rounds; ++round) {
        readTimes.append(timed([&] { touched += plainRead(path); }));
        sumTimes.append(timed([&] { total += monthlySums(path); }));
    }
    const double readMs = medianMilliseconds(readTimes);
    const double sumMs = medianMilliseconds(sumTimes);
    std::printf("plain sequential read (1 MiB blocks)  %8.1f ms %8.0f MB/s\n", readMs,
                double(bytes) / 1e3 / readMs);
    std::printf("monthly sums (date and total)         %8.1f ms %8.0f MB/s %8.0f receipts/s\n",
                sumMs, double(bytes) / 1e3 / sumMs, double(receipts) * 1e3 / sumMs);
    std::printf("ratio sums / plain read               %8.2fx (target 1.5x or less)\n",
                sumMs / readMs);
    std::printf("(year's total %.0f euros; %llu)\n", total / rounds,
                static_cast<unsigned long long>(touched % 10));
    return 0;
}
