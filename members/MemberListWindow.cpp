#include "members/MemberListWindow.h"

#include <QProgressDialog>

namespace {
// Scans shorter than this show no progress.
constexpr int defaultProgressDelayMs = 500;
int progressDelayMs = defaultProgressDelayMs;
constexpr int progressWidth = 480;
} // namespace

MemberListWindow::MemberListWindow(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {}

MemberListResult MemberListWindow::scanWithProgress(const QString& progressLabel,
                                                    const MemberScan& scan) {
    std::unique_ptr<QProgressDialog> progress;
    return scan([&](qint64 recordsRead, qint64 recordsInFile) {
        if (!progress)
            progress = newScanProgress(this, progressLabel, recordsInFile);
        progress->setValue(int(std::min(recordsRead, recordsInFile)));
        return !progress->wasCanceled();
    });
}

void MemberListWindow::openEntry(const ListEntry& entry) {
    if (openMember_)
        openMember_(entry.position);
}

std::unique_ptr<QProgressDialog> newScanProgress(QWidget* window, const QString& label,
                                                 qint64 records) {
    auto progress = std::make_unique<QProgressDialog>(label, QStringLiteral("Annulla"), 0,
                                                      int(records), window);
    progress->setObjectName(QStringLiteral("prgLettura"));
    progress->setWindowTitle(window->windowTitle());
    progress->setMinimumWidth(progressWidth); // wide enough for the label
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(progressDelayMs);
    progress->setAutoReset(false); // a cancel on the last records must still count
    progress->setValue(0);
    return progress;
}

void setScanProgressDelayForTests(int milliseconds) {
    progressDelayMs = milliseconds < 0 ? defaultProgressDelayMs : milliseconds;
}
