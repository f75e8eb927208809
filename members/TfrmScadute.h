#pragma once

#include "members/SubscriptionListDialog.h"

// The members whose subscription is past its expiry date.
class TfrmScadute : public SubscriptionListDialog {
    Q_OBJECT
public:
    explicit TfrmScadute(QWidget* opener);
};
