#pragma once

#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"

#include <QList>

// Writes the members archive of the program folder with these members, in this order.
inline void writeArchive(const QList<MemberRecord>& members) {
    RecordFile<MemberRecord> archive;
    archive.openOrCreate(membersArchivePath());
    for (const MemberRecord& record : members)
        archive.append(record);
}
