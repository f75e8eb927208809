#include "rules/FindInList.h"

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

std::optional<int> findInList(const QStringList& lines, int selected, const QString& key,
                              bool sameKeyAsLastFind) {
    if (key.isEmpty() || lines.isEmpty())
        return std::nullopt;
    const int count = int(lines.size());
    const int first = sameKeyAsLastFind ? selected + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (lowerAscii(lines[index]).contains(key))
            return index;
    }
    return std::nullopt;
}
