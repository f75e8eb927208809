#include "storage/StorageNotices.h"

#include <algorithm>
#include <utility>

namespace {

struct Notices {
    std::vector<StorageNotice> raised;
    std::vector<StorageNotice> untaken;
};

Notices& notices() {
    static Notices all;
    return all;
}

} // namespace

void raiseStorageNotice(StorageNotice notice) {
    Notices& all = notices();
    if (std::find(all.raised.begin(), all.raised.end(), notice) != all.raised.end())
        return;
    all.raised.push_back(notice);
    all.untaken.push_back(notice);
}

std::vector<StorageNotice> takeStorageNotices() {
    return std::exchange(notices().untaken, {});
}

void resetStorageNoticesForTests() {
    notices() = {};
}
