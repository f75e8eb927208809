#pragma once

#include "rules/ListScan.h"
#include "rules/RecordBytes.h"
#include "storage/MemberRecord.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordLayouts.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The member search and the two subscription lists of Soci.pro, read straight from the record
// bytes: only the fields a test or a line needs are looked at.

// Writes the line of a member in every member list from the record's bytes (the caller ends it).
// The line begins with the member's name, padded to a fixed width.
void writeMemberLine(ListLines& lines, QByteArrayView record);
inline constexpr int memberLineNameWidth = 30;
// The name at the start of a member line (a longer name is cut there).
QString memberNameOfLine(const QString& line);

// What was typed in the box of one searched field.
struct MemberCriterion {
    FieldSpec field;
    QString typed;
};

// The filled criteria of a member search, each looked for in its field as stored.
class MemberSearch : public FieldCriteria {
public:
    explicit MemberSearch(const std::vector<MemberCriterion>& criteria);
};

// The members whose fields hold every filled criterion, all of them when none is filled.
ListScan searchMembers(const QString& path, const MemberSearch& search,
                       const ScanProgress& progress = {});

enum class ExpiryList {
    ExpiringOrExpired, // from the days of notice before the expiry date onwards
    Expired,           // from the day after the expiry date
};

// Whether a subscription belongs to the list on the day "today"; nothing when its expiry date
// is not a date "dd/mm/yyyy" or, for the expiring list, its days of notice are not a whole
// number.
std::optional<bool> isInExpiryList(ExpiryList list, QStringView expiry, QStringView notice,
                                   const QDate& today);

// The members of the list on the day "today". A record whose expiry date or notice is not
// valid is skipped and counted; the rest are read.
ListScan expiryListOfFile(const QString& path, ExpiryList list, const QDate& today,
                          const ScanProgress& progress = {});

// The subscriptions that need attention on the day "today": those inside their notice period
// but not yet past the expiry date, and those past it.
struct ExpiryCounts {
    int expiring = 0;
    int expired = 0;
};

// Counted as the two subscription lists select; a record that either list would skip as not
// valid is not counted.
ExpiryCounts countExpiries(const QString& path, const QDate& today);

// "3 abbonamenti in scadenza, 5 scaduti", either half left out when it is zero; empty when
// both are.
QString expiryCountsText(const ExpiryCounts& counts);

// The five payer lines of a receipt made out to the member: name, address, postcode with town
// and province, telephone and tax code, each field trimmed, separators kept when it is empty.
std::array<QString, ReceiptRecord::HeaderLines> payerLinesOf(const MemberRecord& member);
