#include "members/MemberListWindow.h"

#include "shell/WorkProgress.h"

MemberListWindow::MemberListWindow(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {}

MemberListResult MemberListWindow::scanWithProgress(const QString& progressLabel,
                                                    const MemberScan& scan) {
    WorkProgress progress(this, progressLabel, QStringLiteral("prgLettura"));
    return scan([&progress](qint64 recordsRead, qint64 recordsInFile) {
        return progress.report(recordsRead, recordsInFile);
    });
}

void MemberListWindow::openEntry(const ListEntry& entry) {
    if (openMember_)
        openMember_(entry.position);
}
