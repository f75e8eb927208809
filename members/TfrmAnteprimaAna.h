#pragma once

#include "members/MemberCardDialog.h"

// Shows the card on screen in the member editor in the preview window, from which it may be
// printed.
class TfrmAnteprimaAna : public MemberCardDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaAna(QWidget* opener);

protected:
    void output(const Report& card) override;
};
