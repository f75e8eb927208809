#include "members/MemberListDialog.h"

#include "shell/WorkProgress.h"

MemberListDialog::MemberListDialog(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {}

MemberListResult MemberListDialog::scanWithProgress(const QString& progressLabel,
                                                    const MemberScan& scan) {
    WorkProgress progress(this, progressLabel, QStringLiteral("prgLettura"));
    return scan([&progress](qint64 recordsRead, qint64 recordsInFile) {
        return progress.report(recordsRead, recordsInFile);
    });
}

void MemberListDialog::openEntry(const ListEntry& entry) {
    if (openMember_)
        openMember_(entry.position);
}
