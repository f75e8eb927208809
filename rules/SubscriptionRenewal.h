#pragma once

#include "storage/MemberRecord.h"

#include <QDate>
#include <QList>
#include <QString>

// Subscriptions renewed from the lists: several members' records get a new expiry date in one
// step, each overwritten in place as the member editor overwrites a card.

// How far a renewal went: the first "renewed" members given are renewed; after a failure the
// next one is not, and those after it were not tried.
struct RenewalOutcome {
    int renewed = 0;
    bool failed = false;
};

// Writes the expiry date into the record at each 1-based position, in the order given; every
// other byte of each record stays as it is. Stops at the first member whose record cannot be
// read or written.
RenewalOutcome renewSubscriptions(const QString& path, const QList<qint64>& positions,
                                  const QDate& expiry);

// The records at these 1-based positions, in that order; StorageError when one cannot be read.
QList<MemberRecord> membersAt(const QString& path, const QList<qint64>& positions);
