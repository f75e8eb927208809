#include "rules/FindInList.h"

#include "storage/TextCodec.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {
QString lowerAscii(const QString& text) {
    QString lowered = text;
    for (QChar& c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return lowered;
}
} // namespace

QString findKey(const QString& typed) {
    return lowerAscii(typed);
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

char lowerAsciiByte(char byte) {
    return (byte >= 'A' && byte <= 'Z') ? char(byte - 'A' + 'a') : byte;
}
} // namespace

std::optional<int> findInList(const ListLines& lines, int selected, const QString& key,
                              bool sameKeyAsLastFind) {
    const QByteArray encodedKey = toWindows1252(key);
    // A character the lines' code page lacks is in no line.
    if (key.isEmpty() || fromWindows1252(encodedKey) != composeAccents(key))
        return std::nullopt;
    const std::string_view wanted(encodedKey.constData(), std::size_t(encodedKey.size()));
    std::string folded;
    return findFrom(int(lines.size()), selected, sameKeyAsLastFind, [&](int index) {
        const QByteArrayView line = lines.bytes(index);
        folded.resize(std::size_t(line.size()));
        std::transform(line.begin(), line.end(), folded.begin(), lowerAsciiByte);
        return folded.find(wanted) != std::string::npos;
    });
}
