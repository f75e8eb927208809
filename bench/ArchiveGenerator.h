#pragma once

#include "storage/MemberRecord.h"
#include "storage/ReceiptRecord.h"

#include <QString>

// The archives of a large Italian association for the benchmarks: realistic names, places,
// provinces, dates, fees, payer lines and items, some receipts still to be settled. Every record
// depends only on the seed and its own number, so each run and each benchmark sees the same
// archives.
class ArchiveGenerator {
public:
    explicit ArchiveGenerator(quint64 seed = 1) : seed_(seed) {}

    // The member at a 1-based position of Soci.pro.
    MemberRecord member(qint64 position) const;
    // The receipt of a year with that 1-based number, issued in order through the year.
    ReceiptRecord receipt(int year, qint64 number, qint64 receiptsInYear) const;

    // Writes a whole archive in large blocks, replacing the file; false when it cannot.
    bool writeMembersArchive(const QString& path, qint64 count) const;
    bool writeReceiptsArchive(const QString& path, int year, qint64 count) const;

private:
    quint64 seed_;
};
