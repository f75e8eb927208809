#include "members/TfrmScadute.h"

TfrmScadute::TfrmScadute(QWidget* opener)
    : SubscriptionListDialog(opener, QStringLiteral("TfrmScadute"),
                             QStringLiteral("Riepilogo soci con abbonamenti scaduti"),
                             ExpiryList::Expired) {}
