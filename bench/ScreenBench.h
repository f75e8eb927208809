#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// How the list benchmarks time a screen: the user's whole wait, from the click that starts the
// work to the window's first page painted, beside the plain read of the same file followed by a
// bare QListView showing the same lines; the warm median of several runs and the first run in a
// fresh process; and what the screen shows checked against the answer found the slow way.

// Nanoseconds from the click, which opens or starts the window and returns it, to the window's
// first page painted.
qint64 untilFirstPaint(const std::function<QWidget*()>& click);

// The yardstick: the file read plainly, then a bare QListView showing the lines, painted.
qint64 plainReadAndBareList(const QString& path, const QStringList& lines);

// What a screen shows once its first page is painted, and how long the user waited for it.
struct ScreenRun {
    qint64 nanoseconds = 0;
    QStringList shown;
};

struct ScreenCase {
    const char* name;
    std::function<ScreenRun()> open;       // the user's click and the screen's whole work
    std::function<QStringList()> slowPath; // what the screen must show
    std::function<void()> scan = {};       // the scan alone, when it lists few lines
};

// A benchmark over one archive of a program folder: the folder named on the command line, else
// a temporary one. Run with "--first-run <case> screen|yardstick <folder>", it times that one
// run in its own fresh process, on the archive its parent made.
class ScreenBench {
public:
    // Over Soci.pro or the receipt file of a year, written by the benchmark's own run and used
    // as it is by a first run.
    static ScreenBench withMembers(qint64 count);
    static ScreenBench withReceipts(int year, qint64 count);

    QString archivePath() const { return archivePath_; }
    // The figures of every case; 1 when a screen showed something else than the slow path.
    int run(const std::vector<ScreenCase>& cases) const;

private:
    explicit ScreenBench(const QString& archiveName);
    bool makesArchive() const { return firstRunCase_ < 0; }
    bool check(const ScreenCase& screenCase, const QStringList& shown,
               const QStringList& expected) const;
    qint64 firstRun(int caseIndex, const QString& kind) const;
    int runFirstRunOnly(const std::vector<ScreenCase>& cases) const;

    std::unique_ptr<QTemporaryDir> temporary_;
    QString folder_;
    QString archivePath_;
    int firstRunCase_ = -1;
    QString firstRunKind_;
};
