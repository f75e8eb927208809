#pragma once

#include "members/SubscriptionListDialog.h"

// The members whose subscription is inside its notice period or past its expiry date.
class TfrmSospesi : public SubscriptionListDialog {
    Q_OBJECT
public:
    explicit TfrmSospesi(QWidget* opener);
};
