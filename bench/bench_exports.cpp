// Speed of the two spreadsheet exports on the archives of a large association: 100,000 members
// and 100,000 receipts in one year. Each export is timed beside the plain writing of as many
// bytes in the same run and the same way (a replaced file, unbuffered blocks of the same size,
// committed to disk), so the ratio shows what the spreadsheet's markup and text conversion
// cost over the disk itself. Target: an export takes at most 2 times the plain writing. Each
// file written is read back and checked against every record decoded the slow way.
// Usage: bench_exports [folder] (default: a temporary folder).
#include "bench/ArchiveGenerator.h"
#include "bench/SlowPath.h"
#include "rules/Spreadsheet.h"
#include "storage/TextCodec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <sys/resource.h>

namespace {

constexpr qint64 archiveRecords = 100000;
constexpr int year = 2024;
constexpr int runs = 3; // the best of them counts, the others are the machine's noise
constexpr qint64 plainBlockBytes = 512 * 1024;

qint64 bestOf(const std::function<void()>& work) {
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed());
    }
    return best;
}

void report(const char* what, qint64 rows, qint64 bytes, qint64 nanoseconds) {
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("  %-38s %7lld rows %9.1f MB %8.3f s %9.0f rows/s %7.1f MB/s\n", what,
                static_cast<long long>(rows), double(bytes) / 1e6, seconds, double(rows) / seconds,
                double(bytes) / 1e6 / seconds);
}

void writePlainBytes(const QString& path, qint64 bytes) {
    const QByteArray block(plainBlockBytes, 'x');
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        qFatal("cannot write %s", qPrintable(path));
    for (qint64 left = bytes; left > 0; left -= block.size()) {
        const qint64 size = std::min<qint64>(left, block.size());
        if (file.write(block.constData(), size) != size)
            qFatal("cannot write %s", qPrintable(path));
    }
    if (!file.commit())
        qFatal("cannot write %s", qPrintable(path));
}

using AppendRows = bool (*)(const QString&, SpreadsheetTable&);

// The headers, then one row per record in file order, each cell the record's field trimmed.
template <class Record>
bool holdsEveryRecord(const QString& exportPath, const SpreadsheetLayout& layout,
                      const QList<Record>& records, QStringList (*cellsOf)(const Record&)) {
    QFile file(exportPath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(exportPath));
    const QList<QStringList> rows = spreadsheetRows(file.readAll());
    QStringList headers;
    for (const SpreadsheetColumn& column : layout.columns)
        headers.append(column.header);
    QList<QStringList> expected{headers};
    for (const Record& record : records) {
        QStringList cells = cellsOf(record);
        for (QString& cell : cells)
            cell = trimBlanks(cell);
        expected.append(cells);
    }
    if (rows == expected)
        return true;
    const qsizetype row = firstDifference(rows, expected);
    std::fprintf(stderr,
                 "%s holds %lld rows, the archive gives %lld; first difference at row %lld\n",
                 qPrintable(exportPath), static_cast<long long>(rows.size()),
                 static_cast<long long>(expected.size()), static_cast<long long>(row + 1));
    return false;
}

bool benchExport(const char* name, const QString& folder, const QString& archivePath,
                 const SpreadsheetLayout& layout, AppendRows appendRows,
                 const std::function<bool(const QString& exportPath)>& check) {
    std::printf("%s: %s\n", name, qPrintable(archivePath));
    SpreadsheetTable rows(layout.columns.size());
    const qint64 loadNs = bestOf([&] {
        rows.clear();
        if (!appendRows(archivePath, rows))
            qFatal("cannot read %s", qPrintable(archivePath));
    });
    report("read into the grid's rows", rows.rowCount(), QFileInfo(archivePath).size(), loadNs);

    const QString exportPath = folder + QLatin1Char('/') + layout.fileName;
    qint64 progressCalls = 0;
    const qint64 exportNs = bestOf([&] {
        const auto outcome = writeSpreadsheet(exportPath, layout, rows, [&](qsizetype) {
            ++progressCalls;
            return true;
        });
        if (outcome != SpreadsheetOutcome::Written)
            qFatal("export not written");
    });
    const qint64 bytes = QFileInfo(exportPath).size();
    report("export (spreadsheet file)", rows.rowCount(), bytes, exportNs);

    const QString plainPath = folder + QStringLiteral("/plain.bin");
    const qint64 plainNs = bestOf([&] { writePlainBytes(plainPath, bytes); });
    report("plain writing of as many bytes", rows.rowCount(), bytes, plainNs);
    std::printf("  export / plain writing: %.2fx (target <= 2x); %lld progress calls per export\n",
                double(exportNs) / double(plainNs), static_cast<long long>(progressCalls / runs));
    return check(exportPath);
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const ArchiveGenerator generator;

    const QString members = folder + QStringLiteral("/Soci.pro");
    const QString receipts = folder + QStringLiteral("/%1.ric").arg(year);
    QElapsedTimer generation;
    generation.start();
    if (!generator.writeMembersArchive(members, archiveRecords) ||
        !generator.writeReceiptsArchive(receipts, year, archiveRecords))
        qFatal("cannot write the archives in %s", qPrintable(folder));
    std::printf("archives of %lld members and %lld receipts generated in %.1f s\n",
                static_cast<long long>(archiveRecords), static_cast<long long>(archiveRecords),
                double(generation.elapsed()) / 1e3);

    const bool membersRight =
        benchExport("members", folder, members, membersSpreadsheet(), appendMemberRows,
                    [&](const QString& exportPath) {
                        return holdsEveryRecord(exportPath, membersSpreadsheet(),
                                                decodedMembers(members), memberCells);
                    });
    const bool receiptsRight =
        benchExport("receipts", folder, receipts, receiptsSpreadsheet(), appendReceiptRows,
                    [&](const QString& exportPath) {
                        return holdsEveryRecord(exportPath, receiptsSpreadsheet(),
                                                decodedReceipts(receipts), receiptCells);
                    });

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return membersRight && receiptsRight ? 0 : 1;
}
