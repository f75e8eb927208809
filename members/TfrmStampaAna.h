#pragma once

#include "members/MemberCardDialog.h"

// Prints the card on screen in the member editor, after the printer dialog.
class TfrmStampaAna : public MemberCardDialog {
    Q_OBJECT
public:
    explicit TfrmStampaAna(QWidget* opener);

protected:
    void output(const Report& card) override;
};
