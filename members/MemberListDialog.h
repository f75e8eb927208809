#pragma once

#include "rules/MemberLists.h"
#include "shell/SummaryList.h"

#include <functional>

// Opens the member stored at a 1-based position in the member editor.
using MemberOpener = std::function<void(qint64 position)>;

// A summary list of members of Soci.pro: a chosen line opens its member in the member editor.
class MemberListDialog : public SummaryListDialog {
    Q_OBJECT
public:
    MemberListDialog(QWidget* opener, const SummaryListKind& kind);

    void setMemberOpener(MemberOpener openMember) { openMember_ = std::move(openMember); }

protected:
    void openEntry(const ListEntry& entry) override;

private:
    MemberOpener openMember_;
};
