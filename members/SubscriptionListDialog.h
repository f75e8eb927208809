#pragma once

#include "members/MemberListDialog.h"

// A list of the members whose subscription needs attention today, built each time it is shown.
class SubscriptionListDialog : public MemberListDialog {
    Q_OBJECT
protected:
    SubscriptionListDialog(QWidget* opener, const QString& objectName, const QString& title,
                           ExpiryList list);
    void buildList() override;

private:
    ExpiryList list_;
};
