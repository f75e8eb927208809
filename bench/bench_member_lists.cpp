// The member search and the subscription lists of a large association: each scan of 100,000
// members timed against a plain sequential read of the same file. Usage: bench_member_lists
// [folder] (default: a temporary folder).
#include "bench/ArchiveGenerator.h"
#include "bench/BenchTiming.h"
#include "rules/MemberLists.h"
#include "storage/MemberRecord.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr qint64 members = 100000;
constexpr int rounds = 9;
constexpr double target = 1.5;
// Inside the generated expiry dates (2024 to 2027), so both lists hold many members.
const QDate today(2025, 6, 15);

struct Scan {
    const char* name;
    std::function<ListScan(const QString& path)> run;
    QList<qint64> times = {};
    size_t listed = 0;
};

MemberSearch searchFor(FieldSpec field, const QString& typed) {
    return MemberSearch({{field, typed}});
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = folder + QStringLiteral("/Soci.pro");
    if (!ArchiveGenerator().writeMembersArchive(path, members))
        qFatal("cannot write %s", qPrintable(path));
    const qint64 bytes = members * MemberRecord::Size;
    std::printf("%lld members in %s (%.1f MB), today %s\n", static_cast<long long>(members),
                qPrintable(path), double(bytes) / 1e6,
                qPrintable(today.toString(QStringLiteral("dd/MM/yyyy"))));

    const MemberSearch byName = searchFor(MemberFields::Dipendente, QStringLiteral("ross"));
    const MemberSearch byCity = searchFor(MemberFields::Citta, QStringLiteral("roma"));
    std::vector<Scan> scans{
        {"search name \"ross\"", [&](const QString& p) { return searchMembers(p, byName); }},
        {"search city \"roma\"", [&](const QString& p) { return searchMembers(p, byCity); }},
        {"expiring or expired list",
         [](const QString& p) {
             return expiryListOfFile(p, ExpiryList::ExpiringOrExpired, today);
         }},
        {"expired list",
         [](const QString& p) { return expiryListOfFile(p, ExpiryList::Expired, today); }},
    };

    // All from the disk cache: the first read only brings the file in.
    plainRead(path);
    QList<qint64> readTimes;
    quint64 touched = 0;
    for (int round = 0; round < rounds; ++round) {
        readTimes.append(timed([&] { touched += plainRead(path); }));
        for (Scan& scan : scans) {
            ListScan result; // freed after the timing: the window keeps its lines
            scan.times.append(timed([&] { result = scan.run(path); }));
            scan.listed = result.entries.size();
        }
    }
    const double readMs = medianMilliseconds(readTimes);
    std::printf("plain sequential read (1 MiB blocks)  %8.1f ms %8.0f MB/s\n", readMs,
                double(bytes) / 1e3 / readMs);
    for (const Scan& scan : scans) {
        const double scanMs = medianMilliseconds(scan.times);
        std::printf("%-28s %8.1f ms %7zu listed  ratio %5.2fx (target %.1fx or less)\n", scan.name,
                    scanMs, scan.listed, scanMs / readMs, target);
    }
    std::printf("(%llu)\n", static_cast<unsigned long long>(touched % 10));
    return 0;
}
