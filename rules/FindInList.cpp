#include "rules/FindInList.h"

#include "storage/TextCodec.h"

#include <algorithm>
#include <string>
#include <string_view>

QString findKey(const QString& typed) {
    return foldedAsciiLetters(typed);
}

namespace {
// From the first line for a new key; after the selected line, wrapping, for the same key.
template <class Contains>
std::optional<int> findFrom(int count, int selected, bool sameKeyAsLastFind, Contains&& contains) {
    const int first = sameKeyAsLastFind ? selected + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (contains(index))
            return index;
    }
    return std::nullopt;
}
} // namespace

std::optional<int> findInList(const ListLines& lines, int selected, const QString& key,
                              bool sameKeyAsLastFind) {
    if (key.isEmpty() || !fitsWindows1252(key))
        return std::nullopt;
    const QByteArray encodedKey = toWindows1252(key);
    const std::string_view wanted(encodedKey.constData(), std::size_t(encodedKey.size()));
    std::string folded;
    return findFrom(int(lines.size()), selected, sameKeyAsLastFind, [&](int index) {
        const QByteArrayView line = lines.bytes(index);
        folded.resize(std::size_t(line.size()));
        std::transform(line.begin(), line.end(), folded.begin(), foldedAsciiLetter<char>);
        return folded.find(wanted) != std::string::npos;
    });
}
