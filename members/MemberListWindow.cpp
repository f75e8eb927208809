#include "members/MemberListWindow.h"

MemberListWindow::MemberListWindow(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {}

void MemberListWindow::openEntry(const ListEntry& entry) {
    if (openMember_)
        openMember_(entry.position);
}
