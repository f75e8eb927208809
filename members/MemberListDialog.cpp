#include "members/MemberListDialog.h"

MemberListDialog::MemberListDialog(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {}

void MemberListDialog::openEntry(const ListEntry& entry) {
    if (openMember_)
        openMember_(entry.position);
}
