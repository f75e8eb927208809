#pragma once

#include <vector>

// What the user is told once per run about the program folder's files, instead of a failure
// at every save: the file layer raises a notice, the screens take it and show it.
enum class StorageNotice {
    LockRefused,     // the folder's file system refuses byte-range locks
    ArchiveReadOnly, // an interrupted overwrite cannot be completed: the archive is read only
};

// Does nothing for a notice already raised in this run.
void raiseStorageNotice(StorageNotice notice);
// The notices raised and not yet taken, in the order raised.
std::vector<StorageNotice> takeStorageNotices();

void resetStorageNoticesForTests(); // every notice may be raised again
