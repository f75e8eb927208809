#include "bench/ScreenBench.h"

#include "bench/ArchiveGenerator.h"
#include "bench/BenchTiming.h"
#include "bench/SlowPath.h"
#include "storage/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QListView>
#include <QProcess>
#include <QStringListModel>
#include <QWidget>
#include <cstdio>

namespace {

constexpr int rounds = 5;
constexpr double scanTarget = 1.5;
constexpr double screenTarget = 2.0;
const QString screenKind = QStringLiteral("screen");
const QString yardstickKind = QStringLiteral("yardstick");

void paintFirstPage(QWidget& window) {
    if (!window.isVisible())
        window.show();
    QApplication::processEvents();
    window.repaint();
}

double milliseconds(qint64 nanoseconds) {
    return double(nanoseconds) / 1e6;
}

} // namespace

qint64 untilFirstPaint(const std::function<QWidget*()>& click) {
    QElapsedTimer timer;
    timer.start();
    paintFirstPage(*click());
    return timer.nsecsElapsed();
}

qint64 plainReadAndBareList(const QString& path, const QStringList& lines) {
    QElapsedTimer timer;
    timer.start();
    plainRead(path);
    QStringListModel model(lines);
    QListView list;
    list.setFont(QFont(QStringLiteral("Courier New"), 12));
    list.setUniformItemSizes(true); // the quick setting of a bare list, not its default
    list.resize(830, 370);
    list.setModel(&model);
    paintFirstPage(list);
    return timer.nsecsElapsed();
}

ScreenBench::ScreenBench(const QString& archiveName) {
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() >= 3 && arguments[0] == QStringLiteral("--first-run")) {
        firstRunCase_ = arguments[1].toInt();
        firstRunKind_ = arguments[2];
        arguments = arguments.mid(3);
    }
    if (arguments.isEmpty()) {
        temporary_ = std::make_unique<QTemporaryDir>();
        folder_ = temporary_->path();
    } else {
        folder_ = arguments[0];
    }
    setProgramFolderForTests(folder_);
    archivePath_ = folder_ + QLatin1Char('/') + archiveName;
}

ScreenBench ScreenBench::withMembers(qint64 count) {
    ScreenBench bench(QStringLiteral("Soci.pro"));
    if (!bench.makesArchive())
        return bench;
    if (!ArchiveGenerator().writeMembersArchive(bench.archivePath_, count))
        qFatal("cannot write %s", qPrintable(bench.archivePath_));
    std::printf("%lld members in %s (%.1f MB)\n", static_cast<long long>(count),
                qPrintable(bench.archivePath_), double(count * MemberRecord::Size) / 1e6);
    return bench;
}

ScreenBench ScreenBench::withReceipts(int year, qint64 count) {
    ScreenBench bench(QStringLiteral("%1.ric").arg(year));
    if (!bench.makesArchive())
        return bench;
    if (!ArchiveGenerator().writeReceiptsArchive(bench.archivePath_, year, count))
        qFatal("cannot write %s", qPrintable(bench.archivePath_));
    std::printf("%lld receipts of %d in %s (%.1f MB)\n", static_cast<long long>(count), year,
                qPrintable(bench.archivePath_), double(count * ReceiptRecord::Size) / 1e6);
    return bench;
}

int ScreenBench::run(const std::vector<ScreenCase>& cases) const {
    if (!makesArchive())
        return runFirstRunOnly(cases);
    std::printf("warm: the same process, the file just read; first run: a fresh process, the file "
                "in the page cache\n");
    std::printf("%-36s %7s  %17s  %17s  %17s  %s\n", "", "lines", "screen ms", "read+bare list ms",
                "ratio (<= 2x)", "scan/read (<= 1.5x)");
    std::printf("%-36s %7s  %8s %8s  %8s %8s  %8s %8s\n", "", "", "warm", "first", "warm", "first",
                "warm", "first");
    bool allRight = true;
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const ScreenCase& screenCase = cases[index];
        const QStringList expected = screenCase.slowPath();
        plainRead(archivePath_); // the file just read, as the warm runs find it
        QList<qint64> screenTimes, yardstickTimes, readTimes, scanTimes;
        for (int round = 0; round < rounds; ++round) {
            yardstickTimes.append(plainReadAndBareList(archivePath_, expected));
            const ScreenRun screen = screenCase.open();
            screenTimes.append(screen.nanoseconds);
            if (round == 0)
                allRight = check(screenCase, screen.shown, expected) && allRight;
            if (screenCase.scan) {
                readTimes.append(timed([this] { plainRead(archivePath_); }));
                scanTimes.append(timed(screenCase.scan));
            }
        }
        const double screenMs = medianMilliseconds(screenTimes);
        const double yardstickMs = medianMilliseconds(yardstickTimes);
        const double firstScreenMs = milliseconds(firstRun(int(index), screenKind));
        const double firstYardstickMs = milliseconds(firstRun(int(index), yardstickKind));
        std::printf("%-36s %7lld  %8.1f %8.1f  %8.1f %8.1f  %7.2fx %7.2fx", screenCase.name,
                    static_cast<long long>(expected.size()), screenMs, firstScreenMs, yardstickMs,
                    firstYardstickMs, screenMs / yardstickMs, firstScreenMs / firstYardstickMs);
        if (screenCase.scan)
            std::printf("  %7.2fx", medianMilliseconds(scanTimes) / medianMilliseconds(readTimes));
        std::printf("\n");
    }
    std::printf("targets: screen at most %.1fx the yardstick; a scan that lists few lines at most "
                "%.1fx the plain read\n",
                screenTarget, scanTarget);
    return allRight ? 0 : 1;
}

bool ScreenBench::check(const ScreenCase& screenCase, const QStringList& shown,
                        const QStringList& expected) const {
    if (shown == expected)
        return true;
    const qsizetype line = firstDifference(shown, expected);
    std::fprintf(stderr,
                 "%s: the screen shows %lld lines, the slow path %lld; first difference at line "
                 "%lld:\n  screen: %s\n  slow:   %s\n",
                 screenCase.name, static_cast<long long>(shown.size()),
                 static_cast<long long>(expected.size()), static_cast<long long>(line + 1),
                 qPrintable(shown.value(line)), qPrintable(expected.value(line)));
    return false;
}

// A fresh process of this benchmark times the one run and prints its nanoseconds.
qint64 ScreenBench::firstRun(int caseIndex, const QString& kind) const {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--first-run"), QString::number(caseIndex), kind, folder_});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        qFatal("the first run of case %d (%s) failed", caseIndex, qPrintable(kind));
    return child.readAllStandardOutput().trimmed().toLongLong();
}

int ScreenBench::runFirstRunOnly(const std::vector<ScreenCase>& cases) const {
    const ScreenCase& screenCase = cases.at(std::size_t(firstRunCase_));
    const qint64 nanoseconds = firstRunKind_ == screenKind
                                   ? screenCase.open().nanoseconds
                                   : plainReadAndBareList(archivePath_, screenCase.slowPath());
    std::printf("%lld\n", static_cast<long long>(nanoseconds));
    return 0;
}
