// The income summary of a large association: the receipts of a whole year of 100,000 and of
// one month, with their total, timed against a plain sequential read of the same file.
// Usage: bench_income_summary [folder] (default: a temporary folder).
#include "bench/ArchiveGenerator.h"
#include "bench/BenchTiming.h"
#include "rules/IncomeSummary.h"
#include "storage/ReceiptRecord.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int year = 2024;
constexpr qint64 receipts = 100000;
constexpr int rounds = 9;
constexpr double target = 1.5;
constexpr qsizetype lineLength = 156; // the columns of a receipt line and a total of 6 digits

// What a whole year's list costs before anything is read: its lines, each as long as a
// receipt line, in fresh memory.
std::size_t linesAlone(qint64 count) {
    std::vector<QString> lines;
    lines.reserve(std::size_t(count));
    for (qint64 i = 0; i < count; ++i)
        lines.emplace_back(lineLength, QLatin1Char(' '));
    return lines.size();
}

struct Period {
    const char* name;
    CalendarDate start;
    CalendarDate end;
    QString payer;
};

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

    const Period periods[] = {
        {"whole year", {1, 1, year}, {31, 12, year}, QString()},
        {"one month (March)", {1, 3, year}, {31, 3, year}, QString()},
        {"whole year, payer filter", {1, 1, year}, {31, 12, year}, QStringLiteral("ross")},
    };

    // Both from the disk cache: the first read only brings the file in.
    plainRead(path);
    QList<qint64> readTimes, linesTimes;
    QList<QList<qint64>> summaryTimes(std::size(periods));
    QList<std::size_t> listed(std::size(periods));
    quint64 touched = 0;
    for (int round = 0; round < rounds; ++round) {
        readTimes.append(timed([&] { touched += plainRead(path); }));
        linesTimes.append(timed([&] { touched += linesAlone(receipts); }));
        for (std::size_t i = 0; i < std::size(periods); ++i) {
            const Period& period = periods[i];
            summaryTimes[i].append(timed([&] {
                const IncomeSummary summary =
                    incomeSummaryOfFile(path, period.payer, period.start, period.end);
                listed[i] = summary.entries.size();
            }));
        }
    }
    const double readMs = medianMilliseconds(readTimes);
    std::printf("plain sequential read (1 MiB blocks)  %8.1f ms %8.0f MB/s\n", readMs,
                double(bytes) / 1e3 / readMs);
    const double linesMs = medianMilliseconds(linesTimes);
    std::printf("100,000 lines alone, nothing read    %8.1f ms                  ratio %5.2fx\n",
                linesMs, linesMs / readMs);
    for (std::size_t i = 0; i < std::size(periods); ++i) {
        const double summaryMs = medianMilliseconds(summaryTimes[i]);
        std::printf("summary, %-26s %8.1f ms %8zu lines   ratio %5.2fx (target %.1fx or less)\n",
                    periods[i].name, summaryMs, listed[i], summaryMs / readMs, target);
    }
    std::printf("(%llu)\n", static_cast<unsigned long long>(touched % 10));
    return 0;
}
