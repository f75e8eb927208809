#pragma once

#include "members/MemberListWindow.h"

// A list of the members whose subscription needs attention today, built each time it is shown.
class SubscriptionListWindow : public MemberListWindow {
    Q_OBJECT
protected:
    SubscriptionListWindow(QWidget* opener, const SummaryListKind& kind, ExpiryList list);
    void buildList() override;

private:
    ExpiryList list_;
};

// The members whose subscription is inside its notice period or past its expiry date.
class TfrmSospesi : public SubscriptionListWindow {
    Q_OBJECT
public:
    explicit TfrmSospesi(QWidget* opener);
};

// The members whose subscription is past its expiry date.
class TfrmScadute : public SubscriptionListWindow {
    Q_OBJECT
public:
    explicit TfrmScadute(QWidget* opener);
};
