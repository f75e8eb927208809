#include "members/TfrmSospesi.h"

TfrmSospesi::TfrmSospesi(QWidget* opener)
    : SubscriptionListDialog(opener, QStringLiteral("TfrmSospesi"),
                             QStringLiteral("Riepilogo soci con abbonamenti in scadenza o scaduti"),
                             ExpiryList::ExpiringOrExpired) {}
