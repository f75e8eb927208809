// A summary list of a large association: 100,000 member lines filled into the list window and
// shown, beside a bare QListView over the same strings in the same run; then scrolling from the
// top to the bottom a page at a time; and the memory of the list window holding the lines beside
// that of a bare QListView holding them, each in a fresh process of its own.
// Targets: filling and showing at most 2 times the bare list, no visible pause while scrolling,
// memory at most 1.5 times the bare list's. Runs on any Qt platform; headless:
// QT_QPA_PLATFORM=offscreen bench_list_view
#include "bench/ArchiveGenerator.h"
#include "rules/ListLines.h"
#include "rules/MemberLists.h"
#include "shell/SummaryList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QScrollBar>
#include <QStringListModel>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

constexpr qint64 lineCount = 100000;
constexpr int runs = 5; // the best run counts; the others are the machine's noise

ListLines memberEntries(qint64 first = 1, qint64 count = lineCount) {
    const ArchiveGenerator generator;
    ListLines entries;
    for (qint64 position = first; position < first + count; ++position) {
        const MemberRecord member = generator.member(position);
        writeMemberLine(entries, member.toBytes());
        entries.endLine(position);
    }
    return entries;
}

// The same lines as strings, made a thousand at a time, as a bare list holds them.
QStringList memberTexts() {
    constexpr qint64 chunk = 1000;
    QStringList texts;
    texts.reserve(lineCount);
    for (qint64 first = 1; first <= lineCount; first += chunk)
        texts += memberEntries(first, chunk).texts();
    return texts;
}

// The list window, handed the lines a scan made beforehand, so only filling and showing is
// timed.
class BenchList : public SummaryListDialog {
public:
    BenchList(ListLines entries, SummaryListModel::Order order)
        : SummaryListDialog(nullptr, {QStringLiteral("BenchList"), QStringLiteral(" Elenco"),
                                      QStringLiteral("Elenco"), order, true}),
          entries_(std::move(entries)) {}

protected:
    void buildList() override { showEntries(std::move(entries_), 0); }

private:
    ListLines entries_;
};

// Each run gets its own copy of the lines, made before the clock starts.
template <class Lines> qint64 bestOf(const Lines& lines, const std::function<void(Lines)>& work) {
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        Lines copy = lines;
        QElapsedTimer timer;
        timer.start();
        work(std::move(copy));
        best = std::min(best, timer.nsecsElapsed());
    }
    return best;
}

// Shown and painted once, as the user first sees it.
void showAndPaint(QWidget& window, QListView& list) {
    window.show();
    QApplication::processEvents();
    list.viewport()->repaint();
}

void bareListView(QStringList lines) {
    QStringListModel model(std::move(lines));
    QListView list;
    list.setFont(QFont(QStringLiteral("Courier New"), 12));
    list.setUniformItemSizes(true); // the quick setting of a bare list, not its default
    list.resize(830, 370);
    list.setModel(&model);
    showAndPaint(list, list);
}

void ourList(ListLines entries, SummaryListModel::Order order) {
    BenchList window(std::move(entries), order);
    showAndPaint(window, *window.lstRecords);
}

// The longest pause between two pages while scrolling the whole list.
double slowestPageMilliseconds(ListLines entries) {
    BenchList window(std::move(entries), SummaryListModel::Order::Sorted);
    showAndPaint(window, *window.lstRecords);
    QScrollBar* bar = window.lstRecords->verticalScrollBar();
    qint64 slowest = 0;
    for (int value = 0; value <= bar->maximum(); value += std::max(1, bar->maximum() / 200)) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue(value);
        window.lstRecords->viewport()->repaint();
        slowest = std::max(slowest, timer.nsecsElapsed());
    }
    return double(slowest) / 1e6;
}

// Resident memory in kB, now or at its peak since the last reset (Linux).
qint64 memoryKilobytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void resetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

const QString bareKind = QStringLiteral("bare");
const QString windowKind = QStringLiteral("window");

// In a fresh process: the peak rise of the resident memory while the lines are made and shown,
// over the state after an empty list of the same kind was shown once (toolkit, fonts, styles).
qint64 listMemoryHere(const QString& kind) {
    const bool bare = kind == bareKind;
    if (bare)
        bareListView({});
    else
        ourList({}, SummaryListModel::Order::Sorted);
    resetPeakMemory();
    const qint64 baselineKb = memoryKilobytes("VmRSS:");
    if (bare)
        bareListView(memberTexts());
    else
        ourList(memberEntries(), SummaryListModel::Order::Sorted);
    return memoryKilobytes("VmHWM:") - baselineKb;
}

// Each list in a process of its own: memory freed by one would be reused by the other.
qint64 listMemoryKilobytes(const QString& kind) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), kind});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        qFatal("the memory of the %s list could not be measured", qPrintable(kind));
    return child.readAllStandardOutput().trimmed().toLongLong();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--memory")) {
        std::printf("%lld\n", static_cast<long long>(listMemoryHere(arguments[2])));
        return 0;
    }

    const ListLines entries = memberEntries();
    const QStringList lines = entries.texts();

    using Entries = ListLines;
    const qint64 bare = bestOf<QStringList>(lines, bareListView);
    const qint64 asRead = bestOf<Entries>(
        entries, [](Entries copy) { ourList(std::move(copy), SummaryListModel::Order::AsRead); });
    const qint64 sorted = bestOf<Entries>(
        entries, [](Entries copy) { ourList(std::move(copy), SummaryListModel::Order::Sorted); });
    const double slowestPage = slowestPageMilliseconds(entries);
    const qint64 bareKb = listMemoryKilobytes(bareKind);
    const qint64 windowKb = listMemoryKilobytes(windowKind);

    std::printf("%lld member lines\n", static_cast<long long>(lineCount));
    std::printf("  bare QListView (uniform sizes)     %8.1f ms\n", double(bare) / 1e6);
    std::printf("  list window, file order            %8.1f ms  %5.2fx (target <= 2x)\n",
                double(asRead) / 1e6, double(asRead) / double(bare));
    std::printf("  list window, sorted                %8.1f ms  %5.2fx (target <= 2x)\n",
                double(sorted) / 1e6, double(sorted) / double(bare));
    std::printf("  slowest page while scrolling       %8.1f ms\n", slowestPage);
    std::printf("  memory, bare QListView             %8.1f MB\n", double(bareKb) / 1e3);
    std::printf("  memory, list window                %8.1f MB  %5.2fx (target <= 1.5x)\n",
                double(windowKb) / 1e3, double(windowKb) / double(bareKb));
    return 0;
}
