// A summary list of a large association: 100,000 member lines filled into the list window and
// shown, beside a bare QListView over the same strings in the same run; then scrolling from the
// top to the bottom a page at a time, and the memory the list takes over the program's baseline.
// Targets: filling and showing at most 2 times the bare list, no visible pause while scrolling,
// peak memory at most 3 times the text of the lines. Runs on any Qt platform; headless:
// QT_QPA_PLATFORM=offscreen bench_list_view
#include "bench/ArchiveGenerator.h"
#include "rules/ListLines.h"
#include "rules/MemberLists.h"
#include "shell/SummaryList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

constexpr qint64 lineCount = 100000;
constexpr int runs = 5; // the best run counts; the others are the machine's noise

ListLines memberEntries() {
    const ArchiveGenerator generator;
    ListLines entries;
    for (qint64 position = 1; position <= lineCount; ++position) {
        const MemberRecord member = generator.member(position);
        writeMemberLine(entries, member.toBytes());
        entries.endLine(position);
    }
    return entries;
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

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    {
        // The program's baseline: the toolkit, fonts and one list window already shown once.
        ourList({}, SummaryListModel::Order::Sorted);
    }
    resetPeakMemory();
    const qint64 baselineKb = memoryKilobytes("VmRSS:");

    // The lines as a scan hands them to the window, which sorts and shows them.
    qint64 textBytes = 0;
    {
        ListLines handed = memberEntries();
        for (qsizetype index = 0; index < handed.size(); ++index)
            textBytes += handed.bytes(index).size() * qint64(sizeof(QChar));
        ourList(std::move(handed), SummaryListModel::Order::Sorted);
    }
    const qint64 peakKb = memoryKilobytes("VmHWM:");

    const ListLines entries = memberEntries();
    const QStringList lines = entries.texts();

    using Entries = ListLines;
    const qint64 bare = bestOf<QStringList>(lines, bareListView);
    const qint64 asRead = bestOf<Entries>(
        entries, [](Entries copy) { ourList(std::move(copy), SummaryListModel::Order::AsRead); });
    const qint64 sorted = bestOf<Entries>(
        entries, [](Entries copy) { ourList(std::move(copy), SummaryListModel::Order::Sorted); });
    const double slowestPage = slowestPageMilliseconds(entries);

    std::printf("%lld member lines, %.1f MB of text\n", static_cast<long long>(lineCount),
                double(textBytes) / 1e6);
    std::printf("  bare QListView (uniform sizes)     %8.1f ms\n", double(bare) / 1e6);
    std::printf("  list window, file order            %8.1f ms  %5.2fx (target <= 2x)\n",
                double(asRead) / 1e6, double(asRead) / double(bare));
    std::printf("  list window, sorted                %8.1f ms  %5.2fx (target <= 2x)\n",
                double(sorted) / 1e6, double(sorted) / double(bare));
    std::printf("  slowest page while scrolling       %8.1f ms\n", slowestPage);
    std::printf("  peak memory over the baseline      %8.1f MB  %5.2fx the text (target <= 3x)\n",
                double(peakKb - baselineKb) / 1e3,
                double(peakKb - baselineKb) * 1e3 / double(textBytes));
    return 0;
}
