// The receipt search and the unsettled list of a large association: a year of 100,000
// receipts, each timed against a plain sequential read of the same file.
// Usage: bench_receipt_lists [folder] (default: a temporary folder).
#include "bench/ArchiveGenerator.h"
#include "bench/BenchTiming.h"
#include "rules/ReceiptLists.h"
#include "storage/ReceiptRecord.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int year = 2024;
constexpr qint64 receipts = 100000;
constexpr int rounds = 9;

struct Timing {
    const char* name;
    std::function<std::size_t()> run; // the number of lines listed
    QList<qint64> times = {};
    std::size_t lines = 0;
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

    ReceiptCriteria payerRoss;
    payerRoss[2] = QStringLiteral("ross"); // payer line 1
    ReceiptCriteria payerAndItem = payerRoss;
    payerAndItem[6] = QStringLiteral("quota"); // first description
    // A progress callback as the screens pass it, never stopping the scan.
    const ScanProgress progress = [](qint64, qint64) { return true; };
    std::vector<Timing> timings = {
        {"search: payer \"ross\"",
         [&] { return searchReceipts(path, payerRoss, progress).entries.size(); }},
        {"search: payer \"ross\", item \"quota\"",
         [&] { return searchReceipts(path, payerAndItem, progress).entries.size(); }},
        {"search: no criteria (every receipt)",
         [&] { return searchReceipts(path, ReceiptCriteria{}, progress).entries.size(); }},
        {"unsettled list", [&] { return unsettledReceipts(path, progress).entries.size(); }},
    };

    // All from the disk cache: the first read only brings the file in.
    plainRead(path);
    QList<qint64> readTimes;
    quint64 touched = 0;
    for (int round = 0; round < rounds; ++round) {
        readTimes.append(timed([&] { touched += plainRead(path); }));
        for (Timing& timing : timings)
            timing.times.append(timed([&] { timing.lines = timing.run(); }));
    }
    const double readMs = medianMilliseconds(readTimes);
    std::printf("plain sequential read (1 MiB blocks)   %8.1f ms\n", readMs);
    for (const Timing& timing : timings) {
        const double ms = medianMilliseconds(timing.times);
        std::printf("%-38s %8.1f ms  %6zu lines  ratio %5.2fx (target 1.5x or less)\n", timing.name,
                    ms, timing.lines, ms / readMs);
    }
    std::printf("(%llu)\n", static_cast<unsigned long long>(touched % 10));
    return 0;
}
